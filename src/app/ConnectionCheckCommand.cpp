#include "app/ConnectionCheckCommand.h"

#include "app/TCheckForConnectionProcess.h"

void StartConnectionCheck() {
    auto* worker = new TCheckForConnectionProcess();
    worker->FreeOnTerminate = true;
    worker->Start();
}

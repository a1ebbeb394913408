#include "app/UpdateCheck.h"

#include "app/TCheckForNewVersionProcess.h"

void StartUpdateCheck() {
    auto* worker = new TCheckForNewVersionProcess();
    worker->FreeOnTerminate = true;
    worker->Start();
}

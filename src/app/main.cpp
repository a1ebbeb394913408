#include "app/Startup.h"
#include "app/TApplication.h"
#include "platform/base/ProcessExit.h"

int main(int argc, char* argv[]) {
    TApplication application(argc, argv);
    EndProcess(RunVexmora());
}

#include <memory>

#include "app/Startup.h"
#include "app/TApplication.h"
#include "platform/UiThread.h"
#include "platform/base/ProcessExit.h"

int main(int argc, char* argv[]) {
    auto application = std::make_unique<TApplication>(argc, argv);
    const int status = RunVexmora();
    // Workers still running may no longer reach the user interface, which goes now. Ending
    // the application hands a clipboard we own to the desktop's clipboard manager (on X11 Qt
    // waits for the manager at most a few seconds), so that a copied picture outlives the
    // program as it does on the platform the program was made for.
    UiThread::Shutdown();
    application.reset();
    EndProcess(status);
}

#include "app/TCheckForConnectionProcess.h"

#include "app/InstallationValues.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/OnlineChecks.h"
#include "net/TIdHTTP.h"

TCheckForConnectionProcess::TCheckForConnectionProcess() : webHost_(AppWebHost) {}

// The dialog reports this worker's own request. The shared flag is written as well, but an
// overlapping check may write it between this request and this dialog: read back, it could
// make a request that succeeded say "Failed".
void TCheckForConnectionProcess::Execute() {
    SetStatus("Checking for Internet connection...");
    ConnectionOk = true;
    bool succeeded = false;
    {
        TIdHTTP http;
        ApplyCheckTimeLimits(http, CheckTimeLimits());
        succeeded = PostConnectionCheck(http, webHost_);
    }
    if (!succeeded) ConnectionOk = false;
    SetStatus("");
    Synchronize([succeeded] { ReportConnectionResult(succeeded); });
}

void TCheckForConnectionProcess::ReportConnectionResult(bool succeeded) {
    if (succeeded) {
        ShowCenteredMessage(std::string("Internet connection is OK!") + "\r\n",
                            MessageKind::Information, MessageButton::OK);
    } else {
        ShowCenteredMessage(std::string("Failed Internet connection!") + "\r\n", MessageKind::Error,
                            MessageButton::OK);
    }
}

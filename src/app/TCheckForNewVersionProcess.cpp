#include "app/TCheckForNewVersionProcess.h"

#include "app/InstallationValues.h"
#include "app/LinkCommands.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/OnlineChecks.h"
#include "net/TIdHTTP.h"

namespace {

std::string UpgradeOfferText(const std::string& shownVersion) {
    return std::string("A newer Vexmora is available!\r\n") + "Version number: " + shownVersion +
           "\r\n\r\n" + "Would you like to upgrade now?";
}

std::string CheckFailureText() {
    return std::string("Internet connection failed!\r\n\r\n") +
           "An active Internet connection needs" + "\r\n" +
           "to be established for this application." + "\r\n";
}

}  // namespace

TCheckForNewVersionProcess::TCheckForNewVersionProcess()
    : webHost_(AppWebHost), installedVersion_(AppVersion) {}

// EThreadAbandoned from Synchronize passes through the questions and ends the worker without
// another dialog: the program is ending.
void TCheckForNewVersionProcess::Execute() {
    SetStatus("Checking for updates...");
    ConnectionOk = true;
    TVersionAnswer answer;
    {
        TIdHTTP http;
        ApplyCheckTimeLimits(http, CheckTimeLimits());
        answer = AskUpdateQuestions(http, webHost_, installedVersion_,
                                    [this] { Synchronize(&ShowTutorialEntries); });
    }
    if (answer.kind == TVersionAnswer::Kind::Newer) {
        MessageText = UpgradeOfferText(answer.shownVersion);
        Synchronize([text = MessageText] { AskForUpgrade(text); });
    } else if (answer.kind == TVersionAnswer::Kind::Failed) {
        ConnectionOk = false;
        MessageText = CheckFailureText();
        Synchronize([text = MessageText] { ReportCheckFailure(text); });
    }
    SetStatus("");
}

void TCheckForNewVersionProcess::ShowTutorialEntries() {
    if (TMainForm* form = TMainForm::Instance()) form->ShowVideoTutorial();
}

void TCheckForNewVersionProcess::AskForUpgrade(const std::string& text) {
    const ModalResult answer = ShowCenteredMessage(text, MessageKind::Confirmation,
                                                   MessageButton::Yes | MessageButton::No);
    if (answer == ModalResult::Yes) OpenInShell(AppWebsite);
}

void TCheckForNewVersionProcess::ReportCheckFailure(const std::string& text) {
    ShowCenteredMessage(text, MessageKind::Warning, MessageButton::OK);
}

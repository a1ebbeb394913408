#include "app/LinkCommands.h"

#include "app/InstallationValues.h"
#include "app/Messages.h"
#include "platform/ShellOpen.h"

void OpenInShell(const std::string& target) {
    ShellOpen(target);
}

// The suffixes are appended as they are, whatever AppWebsite already holds.
void OpenProductPage() {
    OpenInShell(AppWebsite);
}

void OpenFacebookLink() {
    OpenInShell(AppWebsite + "?social=fb");
}

void OpenTwitterLink() {
    OpenInShell(AppWebsite + "?social=tw");
}

void OpenGooglePlusLink() {
    OpenInShell(AppWebsite + "?social=gp");
}

void OpenVideoTutorial() {
    OpenInShell(AppWebsite + "?playvideo");
}

void OpenUrlShortenerPage() {
    OpenInShell("http://" + AppWebHost + "/url-shortener.html");
}

void RequestDonation() {
    const std::string text = std::string("Donate this FREE software!\r\n\r\n") + "  If you like " +
                             "Vexmora" + " you may like to" + "\r\n" +
                             "  donate the very small sum of $15.00 or \u20AC15.00 on PayPal" +
                             "\r\n" + "  to help us keep developing and updating. Thank you!" +
                             "\r\n\r\n" + "  Click on OK button to donate." + "\r\n";
    if (ShowCenteredMessage(text, MessageKind::Information,
                            MessageButton::OK | MessageButton::Cancel) == ModalResult::OK)
        OpenInShell("http://" + AppWebHost + "/donate-free-software.html");
}

void RequestFeedback() {
    const std::string text = std::string("Feedback\r\n\r\n") +
                             "  Please click on OK button to send any" + "\r\n" +
                             "  comments or questions you may have!" + "\r\n";
    if (ShowCenteredMessage(text, MessageKind::Information,
                            MessageButton::OK | MessageButton::Cancel) == ModalResult::OK)
        OpenInShell(FeedbackLink);
}

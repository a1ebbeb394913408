#include "app/AboutCommand.h"

#include <memory>

#include "app/InstallationValues.h"
#include "app/LinkCommands.h"
#include "app/Messages.h"
#include "app/TAboutDialog.h"

void ShowAboutBox() {
    // The main window is the dialog's parent only so that the window system keeps the box
    // over it; the box is destroyed here on every path.
    QWidget* mainWindow = MainWindow();
    const auto dialog = std::make_unique<TAboutDialog>(mainWindow);
    dialog->SetAboutInfo("Vexmora", AppVersion,
                         "This software is absolutely free for any use, in\r\nany environment eg. "
                         "personal or business.",
                         "http://" + AppWebHost + "/");
    dialog->CenterOver(mainWindow);
    const std::string result = dialog->ShowAbout();
    // The product page, whatever address the dialog showed.
    if (result == TAboutDialog::kGoToWeb) OpenInShell(AppWebsite);
}

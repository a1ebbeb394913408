#pragma once

#include <string>

#include "platform/TThread.h"

// The update check of each run: asks the maker's web host whether a video tutorial exists
// (then shows the tutorial button and menu item) and which version is the latest (then offers
// the upgrade). A failed version question is reported as a missing Internet connection. It
// reaches the window only through SetStatus and Synchronize.
class TCheckForNewVersionProcess : public TThread {
public:
    // Takes the installation values it needs on the creating thread, the UI thread.
    TCheckForNewVersionProcess();

protected:
    void Execute() override;

private:
    // Run on the UI thread while the worker waits. They take their texts as copies, so
    // that nothing of the worker is touched there.
    static void ShowTutorialEntries();
    static void AskForUpgrade(const std::string& text);
    static void ReportCheckFailure(const std::string& text);

    // The text of the next dialog.
    std::string MessageText;
    std::string webHost_;
    std::string installedVersion_;
};

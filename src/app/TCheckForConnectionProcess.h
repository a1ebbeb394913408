#pragma once

#include <string>

#include "platform/TThread.h"

// One use of "Check connection": a form post to the maker's web host, then a dialog saying
// whether it succeeded. Several may run at once, each with its own client and dialog.
class TCheckForConnectionProcess : public TThread {
public:
    // Takes the web host on the creating thread, the UI thread.
    TCheckForConnectionProcess();

protected:
    void Execute() override;

private:
    // Run on the UI thread while the worker waits.
    static void ReportConnectionResult(bool succeeded);

    std::string webHost_;
};

#include <gtest/gtest.h>

#include "app/TApplication.h"

namespace {

// Every test here runs inside the real application object, so that exceptions thrown by event
// handlers take the same road as in the program.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "app_messages_tests";
        static char* argv[] = {name, nullptr};
        // The dialogs are driven without a display unless a platform was chosen on purpose.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = new TApplication(argc, argv);
    }

    void TearDown() override { delete application_; }

private:
    TApplication* application_ = nullptr;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

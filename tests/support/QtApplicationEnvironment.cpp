// Linked into GUI test programs that need a plain Qt application: it exists for the whole
// run, on the offscreen platform (whose clipboard lives in the process) unless a platform
// was chosen on purpose.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "vexmora_gui_tests";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = new QApplication(argc, argv);
    }

    void TearDown() override { delete application_; }

private:
    QApplication* application_ = nullptr;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

// Linked into GUI test programs that need a Qt application: it exists for the whole run, on
// the offscreen platform (whose clipboard lives in the process) unless a platform was chosen
// on purpose. A plain QApplication unless the program asked for another.
#include "QtApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <utility>

namespace testsupport {

namespace {

ApplicationFactory& Factory() {
    static ApplicationFactory factory;
    return factory;
}

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "vexmora_gui_tests";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = Factory() ? Factory()(argc, argv) : new QApplication(argc, argv);
    }

    void TearDown() override { delete application_; }

private:
    QApplication* application_ = nullptr;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

bool UseApplicationFactory(ApplicationFactory factory) {
    Factory() = std::move(factory);
    return true;
}

}  // namespace testsupport

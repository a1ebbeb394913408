#include "QtApplicationEnvironment.h"
#include "app/TApplication.h"

namespace {

// Every test here runs inside the real application object, so that exceptions thrown by event
// handlers take the same road as in the program.
[[maybe_unused]] const bool usesProgramApplication = testsupport::UseApplicationFactory(
    [](int& argc, char** argv) -> QApplication* { return new TApplication(argc, argv); });

}  // namespace

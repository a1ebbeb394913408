#pragma once

#include <QApplication>
#include <functional>

namespace testsupport {

// Makes the run's application object. Test programs that need the program's own application
// class (its event filter, its handling of exceptions from event handlers) set one.
using ApplicationFactory = std::function<QApplication*(int& argc, char** argv)>;

// Call while static objects are built, before the tests start; answers true so that it can
// initialise a namespace-scope constant.
bool UseApplicationFactory(ApplicationFactory factory);

}  // namespace testsupport

#pragma once

#include <QApplication>

// The application object. Errors that no command catches end up in its event dispatch, where
// they are reported to the user and the event loop carries on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

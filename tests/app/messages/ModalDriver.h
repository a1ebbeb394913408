#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QPushButton;

// Answers the next modal window from inside its own event loop, the way a user would: the
// action runs once the window is shown and modal. A window still open some seconds after the
// action is closed and the test fails, so a wrong answer cannot hang the run.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget&)> action);
    ~ModalDriver();

    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // How many modal windows the action has answered.
    int Answered() const { return answered_; }

private:
    void Poll();

    std::function<void(QWidget&)> action_;
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer sinceSeen_;
    int answered_ = 0;
};

// The push buttons of a window from left to right.
QList<QPushButton*> ButtonsLeftToRight(QWidget& window);

// The captions of those buttons.
QStringList CaptionsOf(const QList<QPushButton*>& buttons);

// Presses a key on the widget that has the keyboard focus in the window.
void PressKey(QWidget& window, Qt::Key key);

// Clicks a button with the mouse.
void ClickButton(QAbstractButton& button);

// Closes the window as its close box does.
void PressCloseBox(QWidget& window);

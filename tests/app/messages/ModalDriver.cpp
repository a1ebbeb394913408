#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kMaxWaitMilliseconds = 5000;
constexpr int kMaxActivationMilliseconds = 1000;

}  // namespace

ModalDriver::ModalDriver(std::function<void(QWidget&)> action) : action_(std::move(action)) {
    timer_.setInterval(kPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

ModalDriver::~ModalDriver() {
    timer_.stop();
}

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (modal->property("answeredByDriver").toBool()) {
        if (sinceSeen_.elapsed() > kMaxWaitMilliseconds) {
            ADD_FAILURE() << "the window \"" << modal->windowTitle().toStdString()
                          << "\" stayed open";
            modal->close();
        }
        return;
    }
    if (modal != seen_) {
        seen_ = modal;
        sinceSeen_.start();
    }
    // Access keys and the focus only work in the active window; activation arrives a little
    // after the window is shown.
    if (!modal->isActiveWindow() && sinceSeen_.elapsed() < kMaxActivationMilliseconds) return;
    modal->setProperty("answeredByDriver", true);
    ++answered_;
    sinceSeen_.restart();
    action_(*modal);
}

QList<QPushButton*> ButtonsLeftToRight(QWidget& window) {
    QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [&window](QPushButton* left, QPushButton* right) {
        return left->mapTo(&window, QPoint(0, 0)).x() < right->mapTo(&window, QPoint(0, 0)).x();
    });
    return buttons;
}

QStringList CaptionsOf(const QList<QPushButton*>& buttons) {
    QStringList captions;
    for (const QPushButton* button : buttons) captions << button->text();
    return captions;
}

void PressKey(QWidget& window, Qt::Key key) {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, key);
}

void ClickButton(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton);
}

void PressCloseBox(QWidget& window) {
    window.close();
}

#include "app/TMenuShortcutGuard.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TMenuShortcutGuard::TMenuShortcutGuard(QWidget& window) : QObject(&window), window_(window) {
    // Controls receive the claim before their window does, so the guard has to watch them all;
    // it ends its watch when the window, its parent, is destroyed.
    qApp->installEventFilter(this);
}

bool TMenuShortcutGuard::IsWindowShortcut(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event.key())));
    for (const QAction* action : window_.actions()) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    }
    return false;
}

bool TMenuShortcutGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &window_ || !IsWindowShortcut(*static_cast<QKeyEvent*>(event)))
        return false;
    event->ignore();
    return true;
}

#include "skin/TsSkinCommand.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

QEvent::Type TsSkinCommandEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType(kTypeHint));
    return type;
}

TsSkinCommandEvent SendSkinCommand(QWidget& control, int command, int argument, void* param) {
    TsSkinCommandEvent event(command, argument, param);
    QCoreApplication::sendEvent(&control, &event);
    return event;
}

bool IsSkinned(QWidget& control) {
    const TsSkinCommandEvent answer = SendSkinCommand(control, CmdIsSkinned);
    return answer.Answered && answer.Answer == 1;
}

void PassToChildren(QWidget& control, int command, int argument, void* param) {
    // A child destroyed by an earlier delivery ends the walk.
    QList<QPointer<QWidget>> children;
    for (QObject* child : control.children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow())
            children.append(widget);
    for (const QPointer<QWidget>& child : children) {
        if (child.isNull()) return;
        if (IsSkinned(*child))
            SendSkinCommand(*child, command, argument, param);
        else
            PassToChildren(*child, command, argument, param);
    }
}

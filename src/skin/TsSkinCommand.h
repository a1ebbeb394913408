#pragma once

#include <QEvent>
#include <cstdint>

class QWidget;

// The skin command message: a private event (type registered with 0xA100 as the hint) carrying
// a command, a small argument and a parameter (usually the manager concerned), delivered
// synchronously. A control is skinned exactly when it answers.
enum TsSkinCommandCode : int {
    CmdRefresh = 1,
    CmdRemoveSkin = 2,
    CmdSetNewSkin = 3,
    CmdGetProvider = 4,
    CmdEndUpdate = 6,
    CmdIsSkinned = 7,
    CmdSetUpdating = 8,
    CmdCacheState = 10,
    CmdBeforeRepaint = 16,
    CmdInvalidateCache = 20,
    CmdGetColor = 21,
    CmdGetSkinIndex = 26,
    CmdClearCaches = 33,
    CmdGetBackground = 34,
    CmdGetApplication = 60
};

class TsSkinCommandEvent : public QEvent {
public:
    static constexpr int kTypeHint = 0xA100;
    static QEvent::Type EventType();

    TsSkinCommandEvent(int command, int argument, void* param)
        : QEvent(EventType()), Command(command), Argument(argument), Param(param) {}

    const int Command;
    const int Argument;
    void* const Param;
    std::intptr_t Answer = 0;
    bool Answered = false;

    void Reply(std::intptr_t answer) {
        Answer = answer;
        Answered = true;
    }
};

// Sends the command to the control at once and answers the event as it came back.
TsSkinCommandEvent SendSkinCommand(QWidget& control, int command, int argument = 0,
                                   void* param = nullptr);
bool IsSkinned(QWidget& control);
// Passes a command down the control's children in z-order: a child that answers
// CmdIsSkinned gets it (and passes it on itself), any other is walked into.
void PassToChildren(QWidget& control, int command, int argument, void* param);

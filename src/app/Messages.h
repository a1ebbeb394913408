#pragma once

#include <exception>
#include <string>

class QWidget;

// The kinds of the application's message dialog; each has its own title and icon.
enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

enum class MessageButton : unsigned { Yes = 1U << 0, No = 1U << 1, OK = 1U << 2, Cancel = 1U << 3 };

// A set of message buttons, written as MessageButton::OK | MessageButton::Cancel.
class MessageButtons {
public:
    constexpr MessageButtons() = default;
    constexpr MessageButtons(MessageButton button) : bits_(static_cast<unsigned>(button)) {}

    constexpr bool Has(MessageButton button) const {
        return (bits_ & static_cast<unsigned>(button)) != 0;
    }
    constexpr bool IsEmpty() const { return bits_ == 0; }
    constexpr MessageButtons operator|(MessageButtons other) const {
        return FromBits(bits_ | other.bits_);
    }
    constexpr bool operator==(const MessageButtons&) const = default;

private:
    static constexpr MessageButtons FromBits(unsigned bits) {
        MessageButtons buttons;
        buttons.bits_ = bits;
        return buttons;
    }

    unsigned bits_ = 0;
};

constexpr MessageButtons operator|(MessageButton left, MessageButton right) {
    return MessageButtons(left) | MessageButtons(right);
}

// The answer of a message dialog: the button pressed, or Cancel for the close box.
enum class ModalResult { Yes, No, OK, Cancel };

// The window that centred messages are placed over. The main window registers itself when it
// is created (an unregistered top-level window of class TMainForm or named "MainForm" is found
// as well). Without one, or while it is not shown yet, messages are centred on the screen.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Shows the application's modal message dialog of the given kind centred over the main window
// and returns the answer. Texts are UTF-8 with "\r\n" line breaks. Runs on the UI thread; a
// call from another thread is carried out there while the caller waits.
ModalResult ShowCenteredMessage(const std::string& text, MessageKind kind, MessageButtons buttons);

// The plain message (title "Vexmora", no icon, OK) centred on the screen.
void ShowPlainMessage(const std::string& text);

// The top-level report for an error no command caught: the platform's standard message box
// titled "Vexmora" with an error icon. The application keeps running afterwards.
void ReportUnhandledError(const std::exception& error);

// The text ReportUnhandledError shows: the message, with a full stop added when its last
// character sorts above ".". A message ending in a letter, digit or "/" gets one; one ending
// in ".", "!" or ")" does not.
std::string UnhandledErrorText(const std::string& message);

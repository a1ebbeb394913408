#pragma once

#include <QDialog>
#include <string>

#include "app/Messages.h"

class QGridLayout;
class QPushButton;

// The application's own message dialog: the kind's icon at the top left, the word-wrapped text
// beside it and the buttons in one centred row below, in the order Yes, No, OK, Cancel. It is
// a plain dialog rather than the platform's message box so that the skin engine can paint it
// like every other window.
class TMessageDialog : public QDialog {
public:
    TMessageDialog(const std::string& text, MessageKind kind, MessageButtons buttons,
                   QWidget* parent = nullptr);

    // The answer once the dialog has closed. The close box, and every other way of dismissing
    // the dialog without a button, answers Cancel.
    ModalResult Answer() const { return answer_; }

    // Moves the dialog so that the centre of its frame is the centre of the given area. The
    // frame is not known before the window is shown; the caller passes its best guess, the
    // frame of another window of the application.
    void CenterOn(const QRect& area, const QMargins& frameMargins);

    static QString TitleOf(MessageKind kind);

protected:
    // Esc answers Cancel when present, else No, else OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddIcon(MessageKind kind);
    void AddText(const std::string& text);
    void AddButtons(MessageButtons buttons);
    QPushButton* AddButton(const QString& caption, ModalResult answer);
    void Finish(ModalResult answer);

    MessageButtons buttons_;
    ModalResult answer_ = ModalResult::Cancel;
    QGridLayout* layout_ = nullptr;
};

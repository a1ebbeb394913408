#include "app/TMessageDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

#include "skin/SkinningRules.h"

namespace {

// Lines longer than this are wrapped, as the platform's message boxes do; measured in average
// character widths so that it follows the font.
constexpr int kMaxTextWidthInCharacters = 70;

QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QStyle::StandardPixmap IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QStyle::SP_MessageBoxWarning;
        case MessageKind::Error:
            return QStyle::SP_MessageBoxCritical;
        case MessageKind::Information:
            return QStyle::SP_MessageBoxInformation;
        case MessageKind::Confirmation:
        case MessageKind::Plain:
            break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

// The button answering Esc: Cancel when present, else No, else OK.
ModalResult EscapeAnswer(MessageButtons buttons) {
    if (buttons.Has(MessageButton::Cancel)) return ModalResult::Cancel;
    if (buttons.Has(MessageButton::No)) return ModalResult::No;
    return ModalResult::OK;
}

}  // namespace

TMessageDialog::TMessageDialog(const std::string& text, MessageKind kind, MessageButtons buttons,
                               QWidget* parent)
    : QDialog(parent), buttons_(buttons.IsEmpty() ? MessageButtons(MessageButton::OK) : buttons) {
    setObjectName(QStringLiteral("MessageDialog"));
    // The skin engine treats message dialogs apart from other forms (its standard-dialog rule).
    setProperty(skinningrules::kFormClassProperty, QStringLiteral("TMessageForm"));
    setWindowTitle(TitleOf(kind));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    layout_ = new QGridLayout(this);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    AddIcon(kind);
    AddText(text);
    AddButtons(buttons_);
}

QString TMessageDialog::TitleOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QStringLiteral("Warning");
        case MessageKind::Error:
            return QStringLiteral("Error");
        case MessageKind::Information:
            return QStringLiteral("Information");
        case MessageKind::Confirmation:
            return QStringLiteral("Confirm");
        case MessageKind::Plain:
            break;
    }
    return QStringLiteral("Vexmora");
}

void TMessageDialog::AddIcon(MessageKind kind) {
    if (kind == MessageKind::Plain) return;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(style()->standardIcon(IconOf(kind), nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout_->addWidget(icon, 0, 0, Qt::AlignLeft | Qt::AlignTop);
}

void TMessageDialog::AddText(const std::string& text) {
    const QString shown = DisplayText(text);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("text"));
    label->setTextFormat(Qt::PlainText);
    label->setText(shown);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    const QFontMetrics metrics(label->font());
    const int maxWidth = metrics.averageCharWidth() * kMaxTextWidthInCharacters;
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // A word-wrapping label would otherwise pick a narrow width of its own and break short lines.
    label->setMinimumWidth(std::min(widest + 1, maxWidth));
    label->setMaximumWidth(maxWidth);
    layout_->addWidget(label, 0, 1, Qt::AlignLeft | Qt::AlignTop);
}

void TMessageDialog::AddButtons(MessageButtons buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    layout_->addLayout(row, 1, 0, 1, 2);
    QPushButton* defaultButton = nullptr;
    const auto add = [&](MessageButton button, const QString& caption, ModalResult answer) {
        if (!buttons.Has(button)) return;
        QPushButton* pushButton = AddButton(caption, answer);
        row->addWidget(pushButton);
        if (!defaultButton || button == MessageButton::OK) defaultButton = pushButton;
    };
    add(MessageButton::Yes, QStringLiteral("&Yes"), ModalResult::Yes);
    add(MessageButton::No, QStringLiteral("&No"), ModalResult::No);
    add(MessageButton::OK, QStringLiteral("OK"), ModalResult::OK);
    add(MessageButton::Cancel, QStringLiteral("Cancel"), ModalResult::Cancel);
    row->addStretch(1);
    // OK is the default when present, else Yes; the first button added is Yes whenever there
    // is one, and Cancel or No alone only when neither of those exists.
    defaultButton->setDefault(true);
    defaultButton->setFocus(Qt::OtherFocusReason);
}

QPushButton* TMessageDialog::AddButton(const QString& caption, ModalResult answer) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString(caption).remove(QLatin1Char('&')));
    connect(button, &QPushButton::clicked, this, [this, answer] { Finish(answer); });
    return button;
}

void TMessageDialog::Finish(ModalResult answer) {
    answer_ = answer;
    done(QDialog::Accepted);
}

void TMessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Finish(EscapeAnswer(buttons_));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMessageDialog::CenterOn(const QRect& area, const QMargins& frameMargins) {
    adjustSize();
    // Some platforms know the frame as soon as the native window exists; others only once the
    // window manager has framed it, and then the guess stands in.
    create();
    const QMargins knownMargins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect frame = QRect(QPoint(0, 0), size())
                      .marginsAdded(knownMargins.isNull() ? frameMargins : knownMargins);
    frame.moveCenter(area.center());
    // A window's position is that of its frame.
    move(frame.topLeft());
}

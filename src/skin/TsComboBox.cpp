#include "skin/TsComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "skin/SkinnedField.h"

namespace {

// The field's border line, the platform's width of a scroll-bar arrow (the drop-down button's
// width), and the room left of the chosen line and between it and the button.
constexpr int kBorder = 1;
constexpr int kButtonWidth = 17;
constexpr int kTextIndent = 2;
constexpr int kTextGap = 1;

// Gives every line of the list the combo box's item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(const TsComboBox& combo)
        : QStyledItemDelegate(const_cast<TsComboBox*>(&combo)), combo_(combo) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), combo_.ItemHeight());
    }

private:
    const TsComboBox& combo_;
};

}  // namespace

TsComboBox::TsComboBox(QWidget* parent)
    : QComboBox(parent), SkinData(*this, QStringLiteral("COMBOBOX")) {
    setEditable(false);
    setItemDelegate(new FixedHeightDelegate(*this));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!selectingFromCode_ && OnChange) OnChange();
    });
    skinnedfield::Bind(SkinData, *this, skinnedfield::Buttons::Combo,
                       [this] { return QVector<QRect>{ButtonRect()}; });
}

QRect TsComboBox::ButtonRect() const {
    const int width = std::min(kButtonWidth, std::max(0, this->width() - 2 * kBorder));
    return QRect(this->width() - kBorder - width, kBorder, width,
                 std::max(0, height() - 2 * kBorder));
}

QRect TsComboBox::TextRect() const {
    const QRect button = ButtonRect();
    return QRect(kBorder + kTextIndent, kBorder,
                 std::max(0, button.left() - kBorder - kTextIndent - kTextGap),
                 std::max(0, height() - 2 * kBorder));
}

void TsComboBox::SetItems(const QStringList& items) {
    selectingFromCode_ = true;
    clear();
    addItems(items);
    // A list filled from code starts with no line selected, where the platform would pick
    // the first one on its own.
    setCurrentIndex(-1);
    selectingFromCode_ = false;
}

void TsComboBox::SetItemHeight(int height) {
    itemHeight_ = height;
    view()->doItemsLayout();
}

void TsComboBox::SetItemIndex(int index) {
    selectingFromCode_ = true;
    setCurrentIndex(index);
    selectingFromCode_ = false;
}

void TsComboBox::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) {
        QComboBox::paintEvent(event);
        return;
    }
    // The face is the skin's, button and arrow included; the chosen line is drawn over it and
    // cut short with an ellipsis before it would reach the button.
    const QRect area = TextRect();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    const QString line = fontMetrics().elidedText(currentText(), Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, line);
}

#include "skin/TsComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

#include "skin/SkinnedField.h"

namespace {

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
    skinnedfield::Bind(SkinData, *this, "COMBOBTN",
                       [this] { return QVector<QRect>{SubRect(QStyle::SC_ComboBoxArrow)}; });
}

QRect TsComboBox::SubRect(int part) const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option,
                                   static_cast<QStyle::SubControl>(part), this);
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
    // The face is the skin's; the chosen line and the arrow are drawn over it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(SubRect(QStyle::SC_ComboBoxEditField).adjusted(2, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, currentText());
    skinnedfield::PaintArrows(painter, {SubRect(QStyle::SC_ComboBoxArrow)},
                              palette().color(QPalette::Text));
}

#include "app/TAlignLayout.h"

#include <QWidget>
#include <algorithm>

namespace {

int HeightWithin(const QWidget& widget, int height) {
    return std::clamp(height, widget.minimumHeight(),
                      std::max(widget.minimumHeight(), widget.maximumHeight()));
}

int WidthWithin(const QWidget& widget, int width) {
    return std::clamp(width, widget.minimumWidth(),
                      std::max(widget.minimumWidth(), widget.maximumWidth()));
}

}  // namespace

TAlignLayout::TAlignLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TAlignLayout::~TAlignLayout() {
    for (const Entry& entry : entries_) delete entry.item;
}

void TAlignLayout::AddWidget(QWidget* widget, Align align) {
    addChildWidget(widget);
    entries_.push_back({new QWidgetItem(widget), align});
    invalidate();
}

// Items handed over without a kind fill the free area.
void TAlignLayout::addItem(QLayoutItem* item) {
    entries_.push_back({item, Align::Client});
}

QLayoutItem* TAlignLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? entries_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* TAlignLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = entries_[static_cast<std::size_t>(index)].item;
    entries_.erase(entries_.begin() + index);
    return item;
}

int TAlignLayout::count() const {
    return static_cast<int>(entries_.size());
}

QSize TAlignLayout::sizeHint() const {
    return minimumSize();
}

// The smallest area in which no docked control is pressed below its minimum: the docked
// controls' own sizes add up along their edges, and the client control needs its minimum.
QSize TAlignLayout::minimumSize() const {
    int height = 0;
    int width = 0;
    int sideHeight = 0;
    int topBottomWidth = 0;
    for (const Entry& entry : entries_) {
        const QWidget* widget = entry.item->widget();
        if (!widget || widget->isHidden()) continue;
        switch (entry.align) {
            case Align::Top:
            case Align::Bottom:
                height += widget->height();
                topBottomWidth = std::max(topBottomWidth, widget->minimumWidth());
                break;
            case Align::Left:
            case Align::Right:
                width += widget->width();
                sideHeight = std::max(sideHeight, widget->minimumHeight());
                break;
            case Align::Client:
                width += widget->minimumWidth();
                sideHeight = std::max(sideHeight, widget->minimumHeight());
                break;
        }
    }
    const QMargins margins = contentsMargins();
    return QSize(std::max(width, topBottomWidth) + margins.left() + margins.right(),
                 height + sideHeight + margins.top() + margins.bottom());
}

void TAlignLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    QRect free = rect.marginsRemoved(contentsMargins());
    for (Align align : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client})
        PlaceKind(align, free);
}

void TAlignLayout::PlaceKind(Align align, QRect& free) const {
    for (const Entry& entry : entries_) {
        QWidget* widget = entry.item->widget();
        if (entry.align != align || !widget || widget->isHidden()) continue;
        const int width = WidthWithin(*widget, free.width());
        const int height = HeightWithin(*widget, free.height());
        switch (align) {
            case Align::Top:
                widget->setGeometry(free.left(), free.top(), width, widget->height());
                free.setTop(free.top() + widget->height());
                break;
            case Align::Bottom:
                widget->setGeometry(free.left(), free.bottom() + 1 - widget->height(), width,
                                    widget->height());
                free.setBottom(free.bottom() - widget->height());
                break;
            case Align::Left:
                widget->setGeometry(free.left(), free.top(), widget->width(), height);
                free.setLeft(free.left() + widget->width());
                break;
            case Align::Right:
                widget->setGeometry(free.right() + 1 - widget->width(), free.top(), widget->width(),
                                    height);
                free.setRight(free.right() - widget->width());
                break;
            case Align::Client:
                widget->setGeometry(free.left(), free.top(), width, height);
                break;
        }
    }
}

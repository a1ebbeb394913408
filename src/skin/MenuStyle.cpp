#include "skin/MenuStyle.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegion>
#include <QStyleOptionMenuItem>

#include "platform/raster/PixelView.h"
#include "skin/QtFace.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinStyle.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/MenuFace.h"

namespace {

// Pop-ups within pop-ups: deeper chains are not followed.
constexpr int kMaxMenuDepth = 16;
// Vertical room above the first and below the last item, inside the border.
constexpr int kMenuVMargin = 3;
constexpr int kSeparatorHeight = 7;
// Gap between caption and shortcut, and the room the item keeps for margins and the arrow.
constexpr int kShortcutGap = 16;
constexpr int kItemTextRoom = 6 + 14;
constexpr int kItemVPadding = 6;

bool SkinnedWindow(const QWidget* window, int depth = 0) {
    if (window == nullptr || depth > kMaxMenuDepth) return false;
    if (TsSkinStyle::WindowSkinned(window)) return true;
    const auto* menu = qobject_cast<const QMenu*>(window);
    if (menu == nullptr) return false;
    // A pop-up without an owner belongs to the window it is opened from; pop-ups never become
    // the active window themselves.
    const QWidget* owner = menu->parentWidget();
    if (owner == nullptr) {
        const QWidget* active = QApplication::activeWindow();
        return active != menu && SkinnedWindow(active, depth + 1);
    }
    return SkinnedWindow(owner->window(), depth + 1);
}

std::shared_ptr<TBitmap> IconPicture(const QIcon& icon, QIcon::Mode mode) {
    if (icon.isNull()) return nullptr;
    const QImage image = icon.pixmap(QSize(kMenuIconSize, kMenuIconSize), 1.0, mode)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return nullptr;
    auto picture = skinpaint::NewFacePicture(image.width(), image.height());
    if (picture->IsEmpty()) return nullptr;
    // Qt's premultiplied ARGB32 words are the blue, green, red, alpha bytes the painter blends.
    const raster::TPixelView view = raster::ViewOf(*picture->Handle());
    for (int y = 0; y < image.height(); ++y)
        raster::WriteRow(view, static_cast<std::uint32_t>(y), 0,
                         static_cast<std::uint32_t>(image.width()),
                         reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)));
    return picture;
}

std::uint32_t TextFlags(const QStyle& style, const QStyleOption& option, const QWidget* widget,
                        int alignment) {
    int flags = alignment | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!style.styleHint(QStyle::SH_UnderlineShortcut, &option, widget))
        flags |= Qt::TextHideMnemonic;
    return static_cast<std::uint32_t>(flags);
}

TsMenuItem ItemOf(const QStyleOptionMenuItem& option, const QStyle& style, const QWidget* widget) {
    TsMenuItem item;
    item.Separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    item.Enabled = (option.state & QStyle::State_Enabled) != 0;
    item.Selected = (option.state & QStyle::State_Selected) != 0;
    item.SubMenu = option.menuItemType == QStyleOptionMenuItem::SubMenu;
    item.Checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    item.CheckKind = option.checkType == QStyleOptionMenuItem::Exclusive ? TsMenuCheck::Radio
                                                                         : TsMenuCheck::Check;
    const qsizetype tab = option.text.indexOf(QLatin1Char('\t'));
    item.Caption = option.text.left(tab).toStdString();
    if (tab >= 0) item.Shortcut = option.text.mid(tab + 1).toStdString();
    const bool rtl = option.direction == Qt::RightToLeft;
    item.CaptionFormat =
        TextFlags(style, option, widget, Qt::AlignVCenter | (rtl ? Qt::AlignRight : Qt::AlignLeft));
    item.ShortcutFormat =
        TextFlags(style, option, widget, Qt::AlignVCenter | (rtl ? Qt::AlignLeft : Qt::AlignRight));
    item.Icon =
        IconPicture(option.icon, item.Enabled && item.Selected ? QIcon::Active : QIcon::Normal);
    return item;
}

TRect ToTRect(const QRect& r) {
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

MenuStyle::MenuStyle(TsSkinManager* manager) : manager_(manager) {}

bool MenuStyle::Usable() const {
    return manager_ != nullptr && manager_->SkinnedPopups && manager_->Content() != nullptr;
}

bool MenuStyle::SkinsMenu(const QWidget* widget) const {
    if (widget == nullptr || !Usable()) return false;
    if (qobject_cast<const QMenuBar*>(widget) != nullptr) return SkinnedWindow(widget->window());
    return qobject_cast<const QMenu*>(widget) != nullptr && SkinnedWindow(widget);
}

int MenuStyle::BorderWidth() const {
    return Usable() ? manager_->ConstIndexCache().MenuBorderWidth : 0;
}

TBitmap* MenuStyle::Background(const QWidget* widget, const QStyleOption& option) const {
    const bool bar = qobject_cast<const QMenuBar*>(widget) != nullptr;
    const QSize size = widget->size();
    const bool rtl = option.direction == Qt::RightToLeft;
    TsSkinContent* skin = manager_->Content();
    Cached& cached = backgrounds_[widget];
    if (cached.Picture && cached.Size == size && cached.Skin == skin && cached.RightToLeft == rtl)
        return cached.Picture.get();
    cached = Cached{size, skin, rtl, nullptr};
    if (bar) {
        const TColor behind = FromQColor(widget->palette().color(QPalette::Window));
        cached.Picture = PaintMenuBarStrip(*skin, size.width(), size.height(), behind);
    } else {
        TsPopupLayout layout;
        layout.BorderWidth = BorderWidth();
        layout.IconStripWidth = IconStripWidth();
        layout.RightToLeft = rtl;
        layout.PlainColor = FromQColor(widget->palette().color(QPalette::Window));
        layout.IconLineSection = manager_->MenuSupport.IcoLineSkin.empty()
                                     ? std::string("ICOLINE")
                                     : manager_->MenuSupport.IcoLineSkin;
        cached.Picture = PaintPopupBackground(*skin, size.width(), size.height(), layout);
    }
    return cached.Picture.get();
}

void MenuStyle::DrawBackground(QPainter* painter, const QWidget* widget) const {
    QStyleOption option;
    option.initFrom(widget);
    TBitmap* background = Background(widget, option);
    if (background != nullptr && !background->IsEmpty())
        painter->drawImage(QPoint(0, 0), FaceImage(*background));
}

bool MenuStyle::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (option == nullptr) return false;
    switch (element) {
        case QStyle::PE_PanelMenu:
        case QStyle::PE_FrameMenu:
        case QStyle::PE_PanelMenuBar:
            if (!SkinsMenu(widget)) return false;
            DrawBackground(painter, widget);
            return true;
        default:
            return false;
    }
}

bool MenuStyle::DrawControl(QStyle::ControlElement element, const QStyleOption* option,
                            QPainter* painter, const QWidget* widget) const {
    if (option == nullptr || !SkinsMenu(widget)) return false;
    switch (element) {
        case QStyle::CE_MenuItem:
            return DrawMenuItem(option, painter, widget);
        case QStyle::CE_MenuBarItem:
            return DrawMenuBarItem(option, painter, widget);
        case QStyle::CE_MenuEmptyArea:
        case QStyle::CE_MenuBarEmptyArea:
        case QStyle::CE_MenuHMargin:
        case QStyle::CE_MenuVMargin:
            DrawBackground(painter, widget);
            return true;
        default:
            return false;
    }
}

bool MenuStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (menuItem == nullptr || menuItem->menuItemType == QStyleOptionMenuItem::Scroller ||
        menuItem->menuItemType == QStyleOptionMenuItem::TearOff)
        return false;
    TBitmap* background = Background(widget, *option);
    if (background == nullptr || background->IsEmpty()) return true;
    TsPopupLayout layout;
    layout.BorderWidth = BorderWidth();
    layout.IconStripWidth = IconStripWidth();
    layout.RightToLeft = option->direction == Qt::RightToLeft;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    QFont font = menuItem->font;
    // The default command stands out, as the system menu's Close does.
    if (menuItem->menuItemType == QStyleOptionMenuItem::DefaultItem) font.setBold(true);
    TQtSkinText text(font);
    auto face = PaintMenuItem(*manager_->Content(), *background, ToTRect(option->rect), layout,
                              ItemOf(*menuItem, *style, widget), &text);
    if (!face->IsEmpty()) painter->drawImage(option->rect.topLeft(), FaceImage(*face));
    return true;
}

bool MenuStyle::DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (menuItem == nullptr) return false;
    TBitmap* strip = Background(widget, *option);
    if (strip == nullptr || strip->IsEmpty()) return true;
    const QStyle* style = widget->style();
    const bool enabled = (option->state & QStyle::State_Enabled) != 0;
    const bool hot = (option->state & (QStyle::State_Selected | QStyle::State_Sunken)) != 0;
    TQtSkinText text(menuItem->font);
    auto face = PaintMenuBarItem(
        *manager_->Content(), *strip, ToTRect(option->rect), menuItem->text.toStdString(),
        TextFlags(*style, *option, widget, Qt::AlignCenter), enabled, hot, &text);
    if (!face->IsEmpty()) painter->drawImage(option->rect.topLeft(), FaceImage(*face));
    return true;
}

std::optional<int> MenuStyle::PixelMetric(QStyle::PixelMetric metric, const QWidget* widget) const {
    if (!SkinsMenu(widget)) return std::nullopt;
    switch (metric) {
        case QStyle::PM_MenuPanelWidth:
            return BorderWidth();
        case QStyle::PM_MenuHMargin:
            return 0;
        case QStyle::PM_MenuVMargin:
            return kMenuVMargin;
        case QStyle::PM_MenuBarPanelWidth:
        case QStyle::PM_MenuBarVMargin:
        case QStyle::PM_MenuBarHMargin:
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<QSize> MenuStyle::SizeFromContents(QStyle::ContentsType type,
                                                 const QStyleOption* option, const QSize& contents,
                                                 const QWidget* widget) const {
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != QStyle::CT_MenuItem || menuItem == nullptr || !SkinsMenu(widget))
        return std::nullopt;
    if (menuItem->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(IconStripWidth() + kItemTextRoom, kSeparatorHeight);
    // Qt adds the shortcut's own width afterwards; the gap before it is ours.
    const bool shortcut = menuItem->text.contains(QLatin1Char('\t'));
    const int width =
        IconStripWidth() + kItemTextRoom + contents.width() + (shortcut ? kShortcutGap : 0);
    const int height = std::max(contents.height(), kMenuIconSize) + kItemVPadding;
    return QSize(width, height);
}

void MenuStyle::Polish(QWidget* widget) {
    if (qobject_cast<QMenu*>(widget) == nullptr && qobject_cast<QMenuBar*>(widget) == nullptr)
        return;
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { Forget(gone); });
}

void MenuStyle::Unpolish(QWidget* widget) {
    if (widget == nullptr) return;
    widget->removeEventFilter(this);
    Forget(widget);
    if (auto* menu = qobject_cast<QMenu*>(widget)) menu->clearMask();
}

void MenuStyle::Forget(const QObject* widget) const {
    backgrounds_.erase(widget);
}

void MenuStyle::UpdateShape(QMenu& menu) const {
    if (!SkinsMenu(&menu)) {
        if (!menu.mask().isEmpty()) menu.clearMask();
        return;
    }
    QRegion shape(0, 0, menu.width(), menu.height());
    for (const TRect& cut : PopupCutOuts(*manager_->Content(), menu.width(), menu.height()))
        shape -= QRect(cut.left, cut.top, cut.Width(), cut.Height());
    menu.setMask(shape);
}

bool MenuStyle::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (event->type() == TsSkinCommandEvent::EventType()) {
        // A new skin, or none, may change every size the style gives: Qt lays menus and bars
        // out again on a style change. The command stays unanswered; menus are no controls.
        const int command = static_cast<TsSkinCommandEvent*>(event)->Command;
        if (command == CmdRefresh || command == CmdRemoveSkin || command == CmdSetNewSkin) {
            Forget(watched);
            QEvent changed(QEvent::StyleChange);
            QCoreApplication::sendEvent(watched, &changed);
            if (menu != nullptr && menu->isVisible()) UpdateShape(*menu);
        }
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Resize:
            Forget(watched);
            if (menu != nullptr) UpdateShape(*menu);
            break;
        default:
            break;
    }
    return false;
}

#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStyle>
#include <map>
#include <memory>
#include <optional>

#include "skin/TsSkinManager.h"

class QMenu;
class TBitmap;

// The menu half of the application-wide style: pop-up menus and the menu bar of skinned
// windows drawn from the skin's menu sections while the manager has a skin and SkinnedPopups
// is set. Each hook answers whether it drew (or what it measured); an unanswered call goes to
// the plain style.
class MenuStyle : public QObject {
public:
    explicit MenuStyle(TsSkinManager* manager);

    // A menu bar in a skinned window, or a pop-up owned by (or opened from) a skinned window.
    bool SkinsMenu(const QWidget* widget) const;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                       QPainter* painter, const QWidget* widget) const;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QWidget* widget) const;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                          const QSize& contents, const QWidget* widget) const;
    void Polish(QWidget* widget);
    void Unpolish(QWidget* widget);

    // The border width of skinned pop-ups for the active skin.
    int BorderWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cached {
        QSize Size;
        const void* Skin = nullptr;
        bool RightToLeft = false;
        std::shared_ptr<TBitmap> Picture;
    };
    bool Usable() const;
    // The pop-up's background, or the menu bar's strip, at the widget's size; built once per
    // showing of the widget.
    TBitmap* Background(const QWidget* widget, const QStyleOption& option) const;
    void DrawBackground(QPainter* painter, const QWidget* widget) const;
    bool DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const;
    void UpdateShape(QMenu& menu) const;
    void Forget(const QObject* widget) const;

    // The manager belongs to a window that may go before the application's style does.
    QPointer<TsSkinManager> manager_;
    mutable std::map<const QObject*, Cached> backgrounds_;
};

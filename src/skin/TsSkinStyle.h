#pragma once

#include <QPointer>
#include <QProxyStyle>

#include "skin/MenuStyle.h"
#include "skin/TsSkinManager.h"

// One style for the whole application: it skins the parts Qt draws itself (scroll bars, the
// drop-down lists of combo boxes, tooltips) when the widget's window is marked skinned and the
// manager is active, and hands everything else, and every unskinned window, to the plain style
// beneath. Each family of parts lives in a file of its own; this class only dispatches.
class TsSkinStyle : public QProxyStyle {
public:
    explicit TsSkinStyle(TsSkinManager* manager, QStyle* base = nullptr);

    // Marks a top-level window as painted by the skin.
    static void SetWindowSkinned(QWidget* window, bool skinned);
    static bool WindowSkinned(const QWidget* window);
    bool SkinsWidget(const QWidget* widget) const;
    // Puts the style over the application's current one, for the windows of manager.
    static void Install(TsSkinManager* manager);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;

private:
    // The skin that paints the widget; nullptr when the plain style does.
    TsSkinContent* SkinFor(const QWidget* widget) const;
    // The section a standard control is painted with: by the class table in an automatically
    // skinned window, else through the ThirdParty lists; nullptr when none.
    const char* ControlSection(const QWidget* widget) const;

    // The manager belongs to a window that may go before the application's style does.
    QPointer<TsSkinManager> manager_;
    MenuStyle menus_;
};

#include "skin/TsSystemMenu.h"

#include <QAction>
#include <QPointer>
#include <QWindow>

#include "platform/raster/ExportRows.h"
#include "platform/raster/PixelView.h"
#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/MenuFace.h"
#include "skin/paint/SystemMenuGlyphs.h"

namespace {

QImage GlyphImage(TsSystemGlyph glyph, TColor colour) {
    const auto picture = SystemMenuGlyph(glyph, kMenuIconSize, colour);
    QImage image(picture->PixelWidth(), picture->PixelHeight(),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || picture->IsEmpty()) return {};
    raster::ExportRows(raster::ViewOf(*picture->Handle()), image.bits(),
                       static_cast<std::size_t>(image.bytesPerLine()), raster::TFourthByte::Keep);
    return image;
}

QIcon GlyphIcon(TsSystemGlyph glyph, TColor normal, TColor selected) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(GlyphImage(glyph, normal)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(GlyphImage(glyph, selected)), QIcon::Active);
    return icon;
}

bool FixedSize(const QWidget& window) {
    return window.minimumSize() == window.maximumSize();
}

// Runs after the menu has closed and let go of the mouse and keyboard.
void Later(QWidget* window, std::function<void(QWidget*)> action) {
    QPointer<QWidget> target(window);
    QMetaObject::invokeMethod(
        window,
        [target, action = std::move(action)] {
            if (target != nullptr) action(target);
        },
        Qt::QueuedConnection);
}

}  // namespace

TsSystemMenu::TsSystemMenu(QWidget* window) : QMenu(window), window_(window) {
    setObjectName(QStringLiteral("SystemMenu"));
    Restore = addAction(QStringLiteral("Restore"));
    Move = addAction(QStringLiteral("Move"));
    Size = addAction(QStringLiteral("Size"));
    Minimize = addAction(QStringLiteral("Minimize"));
    Maximize = addAction(QStringLiteral("Maximize"));
    addSeparator();
    Close = addAction(QStringLiteral("Close"));
    Close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    setDefaultAction(Close);
    connect(Restore, &QAction::triggered, this,
            [this] { Later(window_, [](QWidget* w) { w->showNormal(); }); });
    connect(Minimize, &QAction::triggered, this,
            [this] { Later(window_, [](QWidget* w) { w->showMinimized(); }); });
    connect(Maximize, &QAction::triggered, this,
            [this] { Later(window_, [](QWidget* w) { w->showMaximized(); }); });
    connect(Close, &QAction::triggered, this,
            [this] { Later(window_, [](QWidget* w) { w->close(); }); });
    connect(Move, &QAction::triggered, this, [this] { StartMove(); });
    connect(Size, &QAction::triggered, this, [this] { StartSize(); });
    connect(this, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });
}

TsSystemMenu* TsSystemMenu::Popup(QWidget* window, QPoint globalPos) {
    if (window == nullptr) return nullptr;
    auto* menu = window->findChild<TsSystemMenu*>(QString(), Qt::FindDirectChildrenOnly);
    if (menu == nullptr) menu = new TsSystemMenu(window);
    menu->popup(globalPos);
    return menu;
}

void TsSystemMenu::UpdateCommands() {
    const Qt::WindowStates state = window_->windowState();
    const bool maximized = (state & Qt::WindowMaximized) != 0;
    const bool minimized = (state & Qt::WindowMinimized) != 0;
    const bool normal = !maximized && !minimized;
    Restore->setEnabled(!normal);
    Move->setEnabled(normal);
    Size->setEnabled(normal && !FixedSize(*window_));
    Minimize->setEnabled(!minimized);
    Maximize->setEnabled(!maximized && !FixedSize(*window_));
    Close->setEnabled(true);
    UpdateGlyphs();
}

void TsSystemMenu::UpdateGlyphs() {
    TColor normal = FromQColor(palette().color(QPalette::Text));
    TColor selected = FromQColor(palette().color(QPalette::HighlightedText));
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (manager != nullptr && manager->Content() != nullptr) {
        normal = MenuTextColor(*manager->Content(), true, false);
        selected = MenuTextColor(*manager->Content(), true, true);
    }
    Minimize->setIcon(GlyphIcon(TsSystemGlyph::Minimize, normal, selected));
    Maximize->setIcon(GlyphIcon(TsSystemGlyph::Maximize, normal, selected));
    Close->setIcon(GlyphIcon(TsSystemGlyph::Close, normal, selected));
    Restore->setIcon(GlyphIcon(TsSystemGlyph::Restore, normal, selected));
}

std::function<void(QWidget*)>& TsSystemMenu::MoveFallback() {
    static std::function<void(QWidget*)> fallback;
    return fallback;
}

std::function<void(QWidget*)>& TsSystemMenu::SizeFallback() {
    static std::function<void(QWidget*)> fallback;
    return fallback;
}

void TsSystemMenu::StartMove() {
    Later(window_, [](QWidget* w) {
        QWindow* handle = w->windowHandle();
        if ((handle == nullptr || !handle->startSystemMove()) && MoveFallback()) MoveFallback()(w);
    });
}

void TsSystemMenu::StartSize() {
    Later(window_, [](QWidget* w) {
        QWindow* handle = w->windowHandle();
        const Qt::Edges corner = Qt::RightEdge | Qt::BottomEdge;
        if ((handle == nullptr || !handle->startSystemResize(corner)) && SizeFallback())
            SizeFallback()(w);
    });
}

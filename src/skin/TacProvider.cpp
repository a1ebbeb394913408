#include "skin/TacProvider.h"

#include <QLayout>
#include <QWindow>

#include "skin/StyleFaces.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsSkinStyle.h"

namespace {

constexpr const char* kAutoSkinnedProperty = "vexmoraAutoSkinned";

}  // namespace

TacProvider::TacProvider(QWidget& window, Kind kind, TsSkinManager& manager)
    : window_(&window), kind_(kind), manager_(manager) {
    hadOwnPalette_ = window.testAttribute(Qt::WA_SetPalette);
    saved_ = window.palette();
    window.setProperty(kAutoSkinnedProperty, true);
    AttachFrame();
    Refresh();
}

void TacProvider::AttachFrame() {
    QWidget& window = *window_;
    savedMargins_ = window.contentsMargins();
    const QSize before = window.size();
    savedFlags_ = window.windowHandle() ? window.windowHandle()->flags() : window.windowFlags();
    frame_ = new TsSkinProvider(window, TsSkinProvider::TLateAttach{});
    frame_->SetSkinManager(&manager_);
    frame_->UseGlobalColor = false;
    if (kind_ == Kind::Dialog) {
        frame_->SkinSection = QStringLiteral("DIALOG");
        if (manager_.GetSkinIndex("DIALOGTITLE") >= 0)
            frame_->TitleSkin = QStringLiteral("DIALOGTITLE");
    }
    frame_->PrepareForm();
    // A window whose layout fixes its size grows by the frame; it keeps its centre, so that a
    // dialog placed over its owner stays there. Other windows keep their size.
    if (QLayout* layout = window.layout()) layout->activate();
    const QSize grown = window.size() - before;
    if (grown.width() != 0 || grown.height() != 0)
        window.move(window.pos() - QPoint(grown.width() / 2, grown.height() / 2));
}

void TacProvider::DetachFrame() {
    if (frame_ == nullptr) return;
    delete frame_.data();
    QWidget& window = *window_;
    window.setContentsMargins(savedMargins_);
    if (QWindow* handle = window.windowHandle())
        handle->setFlags(savedFlags_);
    else
        window.setWindowFlags(savedFlags_);
}

TacProvider::~TacProvider() {
    Restore();
}

bool TacProvider::AutoSkinned(const QWidget* window) {
    return window != nullptr && window->property(kAutoSkinnedProperty).toBool();
}

void TacProvider::Refresh() {
    if (window_ == nullptr || manager_.Content() == nullptr) return;
    window_->setPalette(SkinPalette());
    TsSkinStyle::SetWindowSkinned(window_, true);
    window_->update();
}

void TacProvider::Restore() {
    if (window_ == nullptr) return;
    QWidget* window = window_;
    DetachFrame();
    window_.clear();
    window->setProperty(kAutoSkinnedProperty, QVariant());
    TsSkinStyle::SetWindowSkinned(window, false);
    // A palette the window never set itself is inherited again from the application.
    window->setPalette(hadOwnPalette_ ? saved_ : QPalette());
    window->update();
}

QPalette TacProvider::SkinPalette() const {
    using stylefaces::SectionColour;
    using stylefaces::SectionFontColour;
    const TsSkinContent& skin = *manager_.Content();
    QPalette p = saved_;
    const char* back = kind_ == Kind::Dialog ? "DIALOG" : "FORM";
    const QColor window = SectionColour(skin, back, p.color(QPalette::Window));
    const QColor windowText = SectionFontColour(skin, back, 0, p.color(QPalette::WindowText));
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, windowText);
    p.setColor(QPalette::Base, SectionColour(skin, "EDIT", p.color(QPalette::Base)));
    p.setColor(QPalette::AlternateBase, SectionColour(skin, "EDIT", p.color(QPalette::Base)));
    p.setColor(QPalette::Text, SectionFontColour(skin, "EDIT", 0, p.color(QPalette::Text)));
    p.setColor(QPalette::Button, SectionColour(skin, "BUTTON", p.color(QPalette::Button)));
    p.setColor(QPalette::ButtonText,
               SectionFontColour(skin, "BUTTON", 0, p.color(QPalette::ButtonText)));
    p.setColor(QPalette::Highlight, SectionColour(skin, "SELECTION", p.color(QPalette::Highlight)));
    p.setColor(QPalette::HighlightedText,
               SectionFontColour(skin, "SELECTION", 0, p.color(QPalette::HighlightedText)));
    const QColor muted = QColor::fromRgb((window.red() + windowText.red()) / 2,
                                         (window.green() + windowText.green()) / 2,
                                         (window.blue() + windowText.blue()) / 2);
    p.setColor(QPalette::PlaceholderText, muted);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, muted);
    return p;
}

#include "skin/TsWindowHook.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QWidget>

#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsSkinStyle.h"

using skinningrules::TsWindowKind;

namespace {

constexpr const char* kSeenProperty = "vexmoraHookSeen";

// The toolkit's own dialogs: the window system's standard dialogs of this program.
constexpr const char* kSystemDialogs[] = {"QMessageBox", "QInputDialog",    "QColorDialog",
                                          "QFontDialog", "QProgressDialog", "QErrorMessage"};

TsWindowKind KindOf(const QWidget& window) {
    const QVariant formClass = window.property(skinningrules::kFormClassProperty);
    if (formClass.isValid())
        if (auto kind = skinningrules::KindOfFormClass(formClass.toString().toStdString()))
            return *kind;
    if (qobject_cast<const QFileDialog*>(&window) != nullptr) return TsWindowKind::FileDialog;
    for (const char* name : kSystemDialogs)
        if (window.inherits(name)) return TsWindowKind::SystemDialog;
    return TsWindowKind::Form;
}

}  // namespace

TsWindowHook::TsWindowHook(TsSkinManager& manager) : QObject(&manager), manager_(manager) {
    setObjectName(QStringLiteral("TsWindowHook"));
    qApp->installEventFilter(this);
}

TsWindowHook::~TsWindowHook() {
    qApp->removeEventFilter(this);
    adapters_.clear();
}

TsWindowHook* TsWindowHook::Find(TsSkinManager& manager) {
    return manager.findChild<TsWindowHook*>(QString(), Qt::FindDirectChildrenOnly);
}

TsWindowHook* TsWindowHook::Of(TsSkinManager& manager) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
    if (TsWindowHook* hook = Find(manager)) return hook;
    return new TsWindowHook(manager);
}

skinningrules::TsWindowFacts TsWindowHook::FactsOf(const QWidget& window) {
    skinningrules::TsWindowFacts facts;
    facts.Kind = KindOf(window);
    bool ok = false;
    const qlonglong tag = window.property(skinningrules::kTagProperty).toLongLong(&ok);
    if (ok) facts.Tag = tag;
    return facts;
}

bool TsWindowHook::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::WindowActivate) && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow()) {
            // Only the first show stands for creation; later ones change nothing.
            const bool first = !window->property(kSeenProperty).toBool();
            window->setProperty(kSeenProperty, true);
            if (first || type == QEvent::WindowActivate) Consider(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TsWindowHook::Candidate(QWidget& window) const {
    if (QCoreApplication::closingDown() || manager_.Content() == nullptr) return false;
    if (Adapted(&window) || TsSkinStyle::WindowSkinned(&window) || IsSkinned(window) ||
        TsSkinProvider::Of(window) != nullptr)
        return false;
    // Pop-ups and tips are frameless windows of their own; the style skins them through the
    // window they belong to.
    const Qt::WindowType type = window.windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen &&
           type != Qt::Desktop;
}

void TsWindowHook::Consider(QWidget& window) {
    if (!Candidate(window)) return;
    const skinningrules::TsWindowFacts facts = FactsOf(window);
    if (!skinningrules::ShouldSkin(facts, manager_.SkinningRules, VisibleAdapted(&window))) return;
    const bool dialog =
        facts.Kind == TsWindowKind::SystemDialog || facts.Kind == TsWindowKind::FileDialog;
    adapters_[&window] = std::make_unique<TacProvider>(
        window, dialog ? TacProvider::Kind::Dialog : TacProvider::Kind::Form, manager_);
    connect(&window, &QObject::destroyed, this, [this](QObject* gone) { Forget(gone); });
}

int TsWindowHook::VisibleAdapted(const QWidget* except) const {
    int count = 0;
    for (const auto& [window, adapter] : adapters_)
        if (window != except && adapter->Window() != nullptr && adapter->Window()->isVisible())
            ++count;
    return count;
}

void TsWindowHook::Forget(const QObject* window) {
    const auto it = adapters_.find(window);
    if (it == adapters_.end()) return;
    it->second->Release();
    adapters_.erase(it);
}

void TsWindowHook::SkinOpenWindows() {
    for (auto& [window, adapter] : adapters_) adapter->Refresh();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) Consider(*window);
}

void TsWindowHook::RemoveAll() {
    for (auto& [window, adapter] : adapters_) {
        disconnect(window, nullptr, this, nullptr);
        adapter->Restore();
    }
    adapters_.clear();
}

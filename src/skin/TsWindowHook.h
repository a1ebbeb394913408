#pragma once

#include <QObject>
#include <map>
#include <memory>

#include "skin/SkinningRules.h"
#include "skin/TacProvider.h"

class QWidget;
class TsSkinManager;

// Watches every window the application opens and gives it the skin: one application event
// filter, made by the default manager when it first applies a skin. A window's first show
// (sent before the window is mapped) stands for its creation and its activation is looked at
// again; a window that goes is forgotten. What gets skinned follows the manager's
// SkinningRules, the window's Tag and the limit on toolkit dialogs.
class TsWindowHook : public QObject {
public:
    explicit TsWindowHook(TsSkinManager& manager);
    ~TsWindowHook() override;

    // The hook of the manager, made on the first call; nullptr without an application.
    static TsWindowHook* Of(TsSkinManager& manager);
    // The hook of the manager if it has one.
    static TsWindowHook* Find(TsSkinManager& manager);

    // Skins the windows already open, or takes their new skin.
    void SkinOpenWindows();
    // Takes every adapter away, giving the windows back their own look.
    void RemoveAll();
    bool Adapted(const QWidget* window) const { return adapters_.count(window) != 0; }
    std::size_t AdapterCount() const { return adapters_.size(); }
    // What is known of a window for the rules.
    static skinningrules::TsWindowFacts FactsOf(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Consider(QWidget& window);
    bool Candidate(QWidget& window) const;
    int VisibleAdapted(const QWidget* except) const;
    void Forget(const QObject* window);

    TsSkinManager& manager_;
    std::map<const QObject*, std::unique_ptr<TacProvider>> adapters_;
};

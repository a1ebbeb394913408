#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Which windows the window hook skins, decided from what is known of the window alone, so the
// rules can be read and tested apart from Qt.
namespace skinningrules {

// Dynamic properties the application sets on its windows: the form class a window stands for
// (our message dialog says "TMessageForm") and the form's Tag.
inline constexpr const char* kFormClassProperty = "FormClass";
inline constexpr const char* kTagProperty = "Tag";
// The tag of the engine's own helper windows.
inline constexpr std::int64_t kEngineTag = -98;
// Skinned windows already visible from which on only file dialogs of the system are skinned.
inline constexpr int kSystemDialogLimit = 2;

enum class TsWindowKind {
    Form,          // a window of the application
    MessageForm,   // the application's message dialog
    SystemDialog,  // one of the toolkit's own dialogs (message box, input dialog, ...)
    FileDialog,    // the toolkit's file dialog, which is exempt from the limit
    Excluded       // a form class that is never skinned
};

struct TsWindowFacts {
    TsWindowKind Kind = TsWindowKind::Form;
    std::optional<std::int64_t> Tag;
};

// A tag holding every bit of the engine's tag (-98, but also -1, -97, ...) keeps a window plain.
bool TagExcludes(std::int64_t tag);
// The kind a form class name given by the FormClass property stands for, if it is a special one.
std::optional<TsWindowKind> KindOfFormClass(const std::string& formClass);
// rules is the manager's SkinningRules; visibleSkinned counts the automatically skinned windows
// already visible, the new one not included.
bool ShouldSkin(const TsWindowFacts& facts, std::uint8_t rules, int visibleSkinned);

}  // namespace skinningrules

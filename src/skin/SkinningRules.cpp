#include "skin/SkinningRules.h"

#include "skin/TsSkinManagerTypes.h"

namespace skinningrules {

bool TagExcludes(std::int64_t tag) {
    return (tag & kEngineTag) == kEngineTag;
}

std::optional<TsWindowKind> KindOfFormClass(const std::string& formClass) {
    if (formClass == "TMessageForm") return TsWindowKind::MessageForm;
    if (formClass == "TApplication" || formClass == "TfcPopup") return TsWindowKind::Excluded;
    return std::nullopt;
}

bool ShouldSkin(const TsWindowFacts& facts, std::uint8_t rules, int visibleSkinned) {
    if (facts.Tag && TagExcludes(*facts.Tag)) return false;
    switch (facts.Kind) {
        case TsWindowKind::Excluded:
            return false;
        case TsWindowKind::Form:
            return (rules & srStdForms) != 0;
        case TsWindowKind::MessageForm:
            return (rules & srStdDialogs) != 0;
        case TsWindowKind::SystemDialog:
            return (rules & srStdDialogs) != 0 && visibleSkinned < kSystemDialogLimit;
        case TsWindowKind::FileDialog:
            return (rules & srStdDialogs) != 0;
    }
    return false;
}

}  // namespace skinningrules

#pragma once

#include <cstddef>
#include <string>

#include "skin/TsSkinManagerTypes.h"

class QWidget;

// Which skin section paints a standard control of an automatically skinned window: a fixed
// table from the toolkit's control classes to the sections the dialog adapter uses, and the
// alias table through which the class names of the manager's ThirdParty lists reach Qt classes.
namespace controlclasses {

// The section for a control of an automatically skinned window, or nullptr when the control is
// left as it is.
const char* SectionOf(const QWidget& control);
// The Qt class a ThirdParty class name stands for, or nullptr when it names none.
const char* QtClassOf(const std::string& thirdPartyName);
// The section the controls named by one of the twenty lists are painted with.
const char* SectionOfList(std::size_t index);
// The section a control gets through the ThirdParty lists, or nullptr.
const char* ThirdPartySection(const QWidget& control, const ThirdPartyList& lists);

}  // namespace controlclasses

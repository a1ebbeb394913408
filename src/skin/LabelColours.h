#pragma once

#include <optional>

#include "platform/raster/RasterTypes.h"

class QWidget;
class TsSkinContent;

// Where a skinned label takes its text colour from, looking at its parents.

// The section whose FONTCOLOR the label takes: the first parent not more than half
// transparent, when its section sets GIVEOWNFONT; -1 for none (GLOBALINFO's colour applies).
// Parents more than half transparent pass the question to their own parent.
int LabelFontSection(const QWidget& label, const TsSkinContent& skin);
// The label's text colour under the skin; nothing when the skin says 0xFF00FF (no colour).
std::optional<TColor> LabelFontColor(const QWidget& label, const TsSkinContent& skin);
// The colour a child treats as the parent's background: its skin colour, else its palette's.
TColor ParentColor(const QWidget& label);

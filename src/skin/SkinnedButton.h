#pragma once

#include <QIcon>
#include <QSize>
#include <memory>

#include "platform/raster/TBitmap.h"

class QPushButton;
class TsCommonData;

// Push buttons painted from the skin: the face of the button's state with its glyph and
// caption, the state from the button (pressed, hot or focused, normal).
namespace skinnedbutton {

void Bind(TsCommonData& skinData, QPushButton& button);
// A 32-bit picture of the icon at that size, alpha premultiplied, or null.
std::shared_ptr<TBitmap> GlyphPicture(const QIcon& icon, QSize size);
int StateOf(const QPushButton& button);

}  // namespace skinnedbutton

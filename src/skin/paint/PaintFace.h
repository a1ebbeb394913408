#pragma once

#include <functional>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// The layers of a control's face. None of them raises: an invalid index, a missing picture or
// a rectangle that does not fit the target draws nothing.

// The background body: texture (I percent), gradient (G percent) and the plain colour taking
// what remains. texture and pattern may be null.
void PaintBody(const TsSkinContent& skin, TBitmap& target, const TRect& rect, int imagePercent,
               int gradientPercent, TColor colour, const TsGradArray& gradient,
               const TsMaskData* texture, TBitmap* pattern);

// The background of the face for the state, mixed with the parent's background by the
// section's transparency.
void PaintFaceBackground(const TsFaceBinding& binding, const CacheInfo& parent, int state,
                         TBitmap& target, const TRect& rect);

// The whole face: background, border mask and corner pictures. parent is what the parent
// answered about the background behind the control.
void PaintControlFace(const TsFaceBinding& binding, const BackgroundInfo& parent,
                      bool updateCorners, TBitmap& target, const TRect& rect, int state);

// The state limited to the section's STATES - 1 (and to 0).
int LimitState(const TsGeneralData& section, int state);

// What a skinned control answers when a child asks for the background behind it. face is its
// cached face (null or out of date when faceValid is false); left and top its position in its
// own parent, and askParent asks that parent in turn.
struct TsBackgroundOwner {
    TsFaceBinding Binding;
    int State = 0;
    std::shared_ptr<TBitmap> Face;
    bool FaceValid = false;
    int Left = 0;
    int Top = 0;
};
BackgroundInfo AnswerBackground(const TsBackgroundOwner& owner,
                                const std::function<BackgroundInfo()>& askParent);

// The colour a child treats as the control's background.
TColor SkinColor(const TsFaceBinding& binding, const std::function<BackgroundInfo()>& askParent);

#pragma once

#include <QColor>
#include <QImage>
#include <memory>

class QWidget;
class TGraphic;

// What the application's forms share of their look, as laid out in their form data.

// The grey of the labels and fields: red, green and blue each 157.
inline const QColor kGreyText(157, 157, 157);

// The forms' fonts are those of the desktop platform they were designed on. Where they are
// missing, the narrow variant of the common free sans font keeps texts within the bounds that
// were laid out for them.
void SubstituteDesignFonts();

// Shows the control's text, whatever kind of control it is, in kGreyText.
void UseGreyText(QWidget* control);

// A picture stored with a form, as a PNG picture so that its transparent parts show the
// control's background through them.
std::unique_ptr<TGraphic> StoredPicture(const QImage& image);

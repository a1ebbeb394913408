#pragma once

#include <functional>
#include <string>

class TPicture;
class TsSavePictureDialog;

// The save and copy commands of the shown QR picture. They take the picture held by the
// image control and a way to warn the user, so that they stay apart from the main window.
// Neither catches an error: a file that cannot be created or a clipboard that cannot be had
// goes on to the application's top-level report.

// Shows a warning message (kind warning, button OK) over the main window.
using ShowWarningFunction = std::function<void(const std::string& text)>;

inline constexpr const char* kNoPictureWarning = "Firstly please generate a QR code!\r\n";

// A picture counts as present when both its width and its height are above 0.
bool HasPicture(const TPicture& picture);

// The name with ".png" appended unless the extension of its last path component already is
// ".png" in any letter case: "qr" gives "qr.png", "qr.PNG" stays, "qr.gif" gives "qr.gif.png".
std::string WithPngExtension(const std::string& fileName);

// Asks for a file name and writes the picture there with its own encoder, replacing any file
// of that name. Without a picture the user is warned and no dialog is shown.
void SaveImage(const TPicture& picture, TsSavePictureDialog& dialog,
               const ShowWarningFunction& showWarning);

// Replaces the clipboard's contents by a bitmap of the picture at its own size. Without a
// picture the user is warned and the clipboard is left alone.
void CopyImage(const TPicture& picture, const ShowWarningFunction& showWarning);

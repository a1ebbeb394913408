#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TImage;
class TsComboBox;
class TsDecimalSpinEdit;
class TsMemo;

// The parts of the main window the generate command reads and changes. The window hands them
// over, so the command does not depend on the window class.
struct TGenerateControls {
    TsMemo& sMemoText;
    TsDecimalSpinEdit& sDecimalSpinEditWdth;
    TsDecimalSpinEdit& sDecimalSpinEditHeight;
    TsComboBox& sComboBoxCorrection;
    TImage& ImageQR;
    // Sets the status text and has it painted before the command blocks the window.
    std::function<void(const std::string& text)> SetStatus;
    // Empties the picture of ImageQR.
    std::function<void()> EmptyPicture;
    // The picture centring rule of the picture panel.
    std::function<void()> sPanelQRImageResize;
    // The warning dialog (kind warning, OK) over the main window.
    std::function<void(const std::string& text)> ShowWarning;
    // The plain message centred on the screen.
    std::function<void(const std::string& text)> ShowPlainMessage;
};

inline constexpr const char* kGeneratingStatus = "Generating QR image...";
inline constexpr const char* kEmptyDataWarning = "Please enter some text into Data field!\r\n";

// The generate command: asks the chart service for the QR picture of the data text at the
// chosen size and level, and shows the decoded picture in ImageQR, sized to it and centred.
// Every error of the download, the decoding or the display is shown as a plain message and
// ends there; a download that brings nothing ends silently with an empty picture.
void GenerateQrImage(const TGenerateControls& controls);

// A size field's value as the request carries it: rounded to the nearest whole number with
// halves going to the even neighbour, and held within the range of an unsigned 16-bit number.
std::uint16_t RequestSize(double value);

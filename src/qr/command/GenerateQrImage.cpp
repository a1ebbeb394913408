#include "qr/command/GenerateQrImage.h"

#include <cmath>
#include <limits>
#include <new>

#include "core/Exception.h"
#include "core/TMemoryStream.h"
#include "core/Text.h"
#include "platform/TImage.h"
#include "png/TPNGObject.h"
#include "qr/ChartRequest.h"
#include "qr/command/MemoText.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsMemo.h"

namespace {

// Clears the status text however the command ends.
class StatusReset {
public:
    explicit StatusReset(const std::function<void(const std::string&)>& setStatus)
        : setStatus_(setStatus) {}
    ~StatusReset() { setStatus_(std::string()); }
    StatusReset(const StatusReset&) = delete;
    StatusReset& operator=(const StatusReset&) = delete;

private:
    const std::function<void(const std::string&)>& setStatus_;
};

// The download, decoding and display, with the working objects living for this one run.
void FetchAndShow(const TGenerateControls& controls) {
    TMemoryStream stream;
    TPNGObject picture;
    try {
        const std::uint16_t width = RequestSize(controls.sDecimalSpinEditWdth.Value());
        const std::uint16_t height = RequestSize(controls.sDecimalSpinEditHeight.Value());
        // No level selected: nothing is requested.
        const EcLevel level = controls.sComboBoxCorrection.ItemIndex();
        if (level >= 0 && level < kEcLevelCount)
            BuildChartRequest(width, height, level, stream, Trim(MemoText(controls.sMemoText)));
        if (stream.Size() > 0) {
            stream.SetPosition(0);
            picture.ReadFromStream(stream);
            controls.ImageQR.Picture().Assign(&picture);
            controls.ImageQR.resize(picture.PixelWidth(), picture.PixelHeight());
            controls.sPanelQRImageResize();
        }
    } catch (const Exception& error) {
        controls.ShowPlainMessage(error.Message());
    } catch (const std::bad_alloc&) {
        controls.ShowPlainMessage("Out of memory");
    } catch (const std::exception& error) {
        controls.ShowPlainMessage(error.what());
    }
}

}  // namespace

std::uint16_t RequestSize(double value) {
    // The fields hold 100..540; the bounds only keep a broken value from wrapping around.
    constexpr double kLargest = std::numeric_limits<std::uint16_t>::max();
    const double rounded = std::nearbyint(value);
    if (!(rounded > 0)) return 0;
    return static_cast<std::uint16_t>(rounded < kLargest ? rounded : kLargest);
}

void GenerateQrImage(const TGenerateControls& controls) {
    const StatusReset statusReset(controls.SetStatus);
    const std::string text = Trim(MemoText(controls.sMemoText));
    if (text.empty()) {
        controls.sMemoText.SetText(QString());
        controls.sMemoText.setFocus();
        controls.ShowWarning(kEmptyDataWarning);
        return;
    }
    controls.SetStatus(kGeneratingStatus);
    SetMemoText(controls.sMemoText, text);
    controls.EmptyPicture();
    FetchAndShow(controls);
}

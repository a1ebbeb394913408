#include "app/GenerateCommand.h"

#include "app/MainWindow.h"
#include "app/Messages.h"
#include "qr/command/GenerateQrImage.h"
#include "skin/TsLabel.h"

void RunGenerateCommand(TMainForm& form) {
    GenerateQrImage({*form.sMemoText, *form.sDecimalSpinEditWdth, *form.sDecimalSpinEditHeight,
                     *form.sComboBoxCorrection, *form.ImageQR,
                     // The download blocks the window, so the status is painted before it starts.
                     [&form](const std::string& text) {
                         form.SetStatus(text);
                         form.sLabelStatus->repaint();
                     },
                     [&form] { form.EmptyPicture(); }, [&form] { form.sPanelQRImageResize(); },
                     [](const std::string& text) {
                         ShowCenteredMessage(text, MessageKind::Warning, MessageButton::OK);
                     },
                     [](const std::string& text) { ShowPlainMessage(text); }});
}

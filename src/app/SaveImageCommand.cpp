#include "app/SaveImageCommand.h"

#include "app/MainWindow.h"
#include "app/Messages.h"
#include "output/ImageOutput.h"
#include "platform/TImage.h"

void RunSaveImageCommand(TMainForm& form) {
    SaveImage(form.ImageQR->Picture(), *form.sSavePictureDialog1, [](const std::string& text) {
        ShowCenteredMessage(text, MessageKind::Warning, MessageButton::OK);
    });
}

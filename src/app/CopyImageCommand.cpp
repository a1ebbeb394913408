#include "app/CopyImageCommand.h"

#include "app/MainWindow.h"
#include "app/Messages.h"
#include "output/ImageOutput.h"
#include "platform/TImage.h"

void RunCopyImageCommand(TMainForm& form) {
    CopyImage(form.ImageQR->Picture(), [](const std::string& text) {
        ShowCenteredMessage(text, MessageKind::Warning, MessageButton::OK);
    });
}

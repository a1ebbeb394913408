#pragma once

class TMainForm;

// The generate command: fetches the QR picture for the data text and shows it in ImageQR.
void RunGenerateCommand(TMainForm& form);

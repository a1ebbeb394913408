#pragma once

class TMainForm;

// The save command: writes the shown picture to a PNG file the user chooses.
void RunSaveImageCommand(TMainForm& form);

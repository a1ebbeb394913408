#pragma once

class TMainForm;

// The copy command: puts the shown picture on the clipboard as a bitmap.
void RunCopyImageCommand(TMainForm& form);

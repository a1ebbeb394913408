#pragma once

// The program's run once its application object exists: the single-instance guard, the main
// window and the event loop. Returns the exit status, which is 0 in every case.
//
// The application object has to come first on this platform, because the warning that a
// second copy shows needs it; the guard is still taken before the main window is created.
int RunVexmora();

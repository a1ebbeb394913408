#pragma once

// Starts the background check for a video tutorial and a newer version. The worker frees
// itself when it is done; nothing waits for it.
void StartUpdateCheck();

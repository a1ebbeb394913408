#pragma once

#include <string>

namespace skintool {

// Plays the skin editor: listens on the preview socket in $XDG_RUNTIME_DIR, accepts the
// program's hello and transfers the skin NAME of DIRECTORY, with the Options.dat text of
// optionsFile when one is given. With hold, waits for a line on standard input between the
// hello and the transfer, so that a script can look at the program before the switch. Prints
// each step; returns the exit status (0 when the program applied the skin).
int PreviewSend(const std::string& name, const std::string& directory,
                const std::string& optionsFile, bool hold);

}  // namespace skintool

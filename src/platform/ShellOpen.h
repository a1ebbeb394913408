#pragma once

#include <functional>
#include <string>

// Hands a web address or a mail link to the desktop, which opens it in the user's browser or
// mail program. The outcome is not looked at.
void ShellOpen(const std::string& address);

// Tests install a recorder here so that nothing is really opened; an empty function restores
// the desktop.
using ShellOpenHook = std::function<void(const std::string& address)>;
void SetShellOpenHook(ShellOpenHook hook);

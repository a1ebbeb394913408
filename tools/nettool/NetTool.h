#pragma once

#include <exception>
#include <ostream>
#include <string>
#include <vector>

// nettool's work, apart from its process: the arguments after the program name, the
// streams for reply bodies and failure lines. Returns the exit status.
int RunNetTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The one line nettool writes for a failed URL, without its line end: the error's class
// name, ": ", its message with CR and LF written as \r and \n, and " (ReplyCode N)" for a
// protocol reply error.
std::string FailureLine(const std::exception& error);

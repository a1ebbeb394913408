#pragma once

#include <string>
#include <vector>

// One case of the HTTP client's wire tests, read from a file of tests/net/wire. A file is
// made of sections, each opened by a line "== NAME":
//   args     nettool's arguments, one a line
//   peer     what the peer of the next connection does, one step a line: "send TEXT",
//            "pause MS", "hold" (keep the connection until the client closes it) or
//            "close" (the default end)
//   request  the exact bytes the client sends on the next connection
//   stdout, stderr, exit   what nettool writes and returns
// Lines starting with "#" outside sections are comments. In every section but args and
// peer's step words, the file's own line breaks are not part of the text: CR, LF, tab, NUL
// and other bytes are written \r, \n, \t, \0 and \xHH, a backslash \\. {URL} stands for the
// peer's "http://127.0.0.1:PORT", {HOST} for "127.0.0.1:PORT" and {DEAD} for an http URL of
// a port where nothing listens.
struct WireCase {
    struct Step {
        enum class Kind { Send, Pause, Hold, Close };
        Kind kind = Kind::Close;
        std::string bytes;
        int milliseconds = 0;
    };

    std::vector<std::string> args;
    std::vector<std::vector<Step>> peers;
    std::vector<std::string> requests;
    std::string out;
    std::string err;
    int exit = 0;

    static WireCase Load(const std::string& fileName);
    // Puts the addresses in: the peer's port and a port where nothing listens.
    void Bind(int port, int deadPort);
};

// The text with its escapes decoded.
std::string Unescape(const std::string& text);

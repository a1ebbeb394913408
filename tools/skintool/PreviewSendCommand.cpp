#include "PreviewSendCommand.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "common/PreviewEditor.h"
#include "skin/PreviewFrame.h"

namespace skintool {

namespace {

// Long enough for a program started by hand after the tool.
constexpr int kWaitMs = 120000;

std::string ReadText(const std::string& fileName) {
    if (fileName.empty()) return {};
    std::ifstream file(fileName, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + fileName);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

int PreviewSend(const std::string& name, const std::string& directory,
                const std::string& optionsFile, bool hold) {
    const std::string path = preview::SocketPath(std::getenv("XDG_RUNTIME_DIR"));
    if (path.empty()) throw std::runtime_error("XDG_RUNTIME_DIR is not set to a folder");
    const auto frame = preview::EncodeTransfer({name, directory, ReadText(optionsFile)});
    PreviewEditor editor(path);
    std::printf("listening: %s\n", path.c_str());
    std::fflush(stdout);
    if (!editor.Accept(kWaitMs)) throw std::runtime_error("no program connected");
    const auto window = editor.ReadHello(kWaitMs);
    if (!window) throw std::runtime_error("the program sent no hello");
    std::printf("hello: window 0x%llx\n", static_cast<unsigned long long>(*window));
    editor.SendAnswer(preview::kAccepted);
    std::fflush(stdout);
    if (hold) {
        std::string line;
        if (!std::getline(std::cin, line)) throw std::runtime_error("standard input closed");
    }
    editor.Send(frame);
    const auto answer = editor.ReadAnswer(kWaitMs);
    if (!answer) throw std::runtime_error("the program closed the link without an answer");
    std::printf("answer: %u\n", *answer);
    std::fflush(stdout);
    return *answer == preview::kAccepted ? 0 : 1;
}

}  // namespace skintool

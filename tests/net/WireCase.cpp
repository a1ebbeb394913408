#include "WireCase.h"

#include <fstream>
#include <stdexcept>

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

WireCase::Step ParseStep(const std::string& line) {
    WireCase::Step step;
    if (line.rfind("send ", 0) == 0) {
        step.kind = WireCase::Step::Kind::Send;
        step.bytes = line.substr(5);
    } else if (line.rfind("pause ", 0) == 0) {
        step.kind = WireCase::Step::Kind::Pause;
        step.milliseconds = std::stoi(line.substr(6));
    } else if (line == "hold") {
        step.kind = WireCase::Step::Kind::Hold;
    } else if (line == "close") {
        step.kind = WireCase::Step::Kind::Close;
    } else {
        throw std::runtime_error("unknown peer step: " + line);
    }
    return step;
}

}  // namespace

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char code = text[++i];
        switch (code) {
            case 'r':
                bytes += '\r';
                break;
            case 'n':
                bytes += '\n';
                break;
            case 't':
                bytes += '\t';
                break;
            case '0':
                bytes += '\0';
                break;
            case 'x':
                bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
                break;
            default:
                bytes += code;
                break;
        }
    }
    return bytes;
}

WireCase WireCase::Load(const std::string& fileName) {
    std::ifstream file(fileName);
    if (!file) throw std::runtime_error("cannot read " + fileName);
    WireCase wire;
    std::string section;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("== ", 0) == 0) {
            section = line.substr(3);
            if (section == "peer") wire.peers.emplace_back();
            if (section == "request") wire.requests.emplace_back();
            continue;
        }
        if (section.empty() && (line.empty() || line[0] == '#')) continue;
        if (section == "args") {
            wire.args.push_back(line);
        } else if (section == "peer") {
            if (!line.empty()) wire.peers.back().push_back(ParseStep(line));
        } else if (section == "request") {
            wire.requests.back() += line;
        } else if (section == "stdout") {
            wire.out += line;
        } else if (section == "stderr") {
            wire.err += line;
        } else if (section == "exit") {
            if (!line.empty()) wire.exit = std::stoi(line);
        } else {
            throw std::runtime_error("unknown section: " + section);
        }
    }
    return wire;
}

void WireCase::Bind(int port, int deadPort) {
    const std::string host = "127.0.0.1:" + std::to_string(port);
    const auto fill = [&](const std::string& text) {
        std::string bound = ReplaceAll(text, "{URL}", "http://" + host);
        bound = ReplaceAll(bound, "{HOST}", host);
        bound = ReplaceAll(bound, "{DEAD}", "http://127.0.0.1:" + std::to_string(deadPort));
        return Unescape(bound);
    };
    for (std::string& arg : args) arg = fill(arg);
    for (auto& steps : peers) {
        for (Step& step : steps) step.bytes = fill(step.bytes);
    }
    for (std::string& request : requests) request = fill(request);
    out = fill(out);
    err = fill(err);
}

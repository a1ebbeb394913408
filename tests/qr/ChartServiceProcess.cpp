#include "ChartServiceProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// Reads the "listening on HOST:PORT" line the service prints once it has bound its socket.
int ReadPort(int pipe) {
    std::string line;
    char byte = 0;
    while (line.find('\n') == std::string::npos) {
        pollfd waiting{pipe, POLLIN, 0};
        if (poll(&waiting, 1, 10000) <= 0 || read(pipe, &byte, 1) != 1) {
            throw std::runtime_error("chart-service did not report its port: " + line);
        }
        line.push_back(byte);
    }
    const std::size_t colon = line.rfind(':');
    if (line.rfind("listening on ", 0) != 0 || colon == std::string::npos) {
        throw std::runtime_error("unexpected first line from chart-service: " + line);
    }
    return std::stoi(line.substr(colon + 1));
}

}  // namespace

std::string ChartServiceProcess::BinaryPath() {
    return VEXMORA_BINARY_DIR "/bin/chart-service";
}

ChartServiceProcess::ChartServiceProcess(std::vector<std::string> arguments,
                                         std::string stderrFile) {
    arguments.insert(arguments.begin(), {BinaryPath(), "--port", "0"});
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        if (!stderrFile.empty()) {
            const int file = open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (file >= 0) dup2(file, STDERR_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    try {
        port_ = ReadPort(pipeEnds[0]);
    } catch (...) {
        close(pipeEnds[0]);
        Stop(SIGKILL);
        throw;
    }
    close(pipeEnds[0]);
}

ChartServiceProcess::~ChartServiceProcess() {
    if (pid_ > 0) Stop(SIGKILL);
}

int ChartServiceProcess::Stop(int signal) {
    if (pid_ <= 0) return -1;
    kill(pid_, signal);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

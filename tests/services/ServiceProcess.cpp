#include "ServiceProcess.h"

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
            throw std::runtime_error("the service did not report its port: " + line);
        }
        line.push_back(byte);
    }
    const std::size_t colon = line.rfind(':');
    if (line.rfind("listening on ", 0) != 0 || colon == std::string::npos) {
        throw std::runtime_error("unexpected first line from the service: " + line);
    }
    return std::stoi(line.substr(colon + 1));
}

// Forks and runs the binary with the arguments, standard output and error where given.
pid_t Spawn(std::vector<std::string> arguments, int outputFd, int errorFd) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (outputFd >= 0) dup2(outputFd, STDOUT_FILENO);
        if (errorFd >= 0) dup2(errorFd, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

}  // namespace

std::string ServiceProcess::BinaryPath(const std::string& name) {
    return VEXMORA_BINARY_DIR "/bin/" + name;
}

ServiceProcess::ServiceProcess(const std::string& name, std::vector<std::string> arguments,
                               const std::string& stderrFile) {
    arguments.insert(arguments.begin(), {BinaryPath(name), "--port", "0"});
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const int errorFd = stderrFile.empty() ? -1
                                           : open(stderrFile.c_str(),
                                                  O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    pid_ = Spawn(arguments, pipeEnds[1], errorFd);
    close(pipeEnds[1]);
    if (errorFd >= 0) close(errorFd);
    try {
        port_ = ReadPort(pipeEnds[0]);
    } catch (...) {
        close(pipeEnds[0]);
        Stop(SIGKILL);
        throw;
    }
    close(pipeEnds[0]);
}

ServiceProcess::~ServiceProcess() {
    if (pid_ > 0) Stop(SIGKILL);
}

int ServiceProcess::Stop(int signal) {
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

int ServiceProcess::RunToEnd(const std::string& name, const std::vector<std::string>& arguments,
                             std::string& output) {
    std::vector<std::string> command = arguments;
    command.insert(command.begin(), BinaryPath(name));
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = Spawn(command, pipeEnds[1], pipeEnds[1]);
    close(pipeEnds[1]);
    output.clear();
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) output.append(buffer, got);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#include "console/testing/test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace console::testing {

namespace fs = std::filesystem;

fs::path WriteOneArcSecondTwin(const fs::path& dir, const std::string& name,
                               const HeightFunction& height3) {
    return WriteHgtTile(
        dir, name, [&height3](int r, int c) { return height3((r + 2) / 3, c / 3); },
        terrain::kOneArcSecondTile);
}

fs::path WriteHgtTile(const fs::path& dir, const std::string& name, const HeightFunction& height,
                      terrain::TileFormat format) {
    return terrain::testing::WriteHgtFile(dir, name, height, format);
}

fs::path WriteTextFile(const fs::path& dir, const std::string& name,
                       const std::vector<std::string>& lines) {
    fs::path file = dir / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << "\r\n";
    return file;
}

fs::path WriteSitesFile(const fs::path& dir, const std::vector<std::string>& lines) {
    return WriteTextFile(dir, "SITES.DAT", lines);
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

// The process's environment with QT_QPA_PLATFORM=offscreen, as "NAME=value" texts.
std::vector<std::string> OffscreenEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& t : texts) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

// A pipe whose ends are closed on exec (the child gets its copies through dup2).
bool MakePipe(std::array<int, 2>& ends) {
    return ::pipe2(ends.data(), O_CLOEXEC) == 0;
}

}  // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const fs::path& workDir, int timeout_ms) {
    RunResult result;
    // A program that ends without reading all its input must not take the test down with it:
    // writing to its closed pipe fails with EPIPE instead of raising SIGPIPE.
    ::signal(SIGPIPE, SIG_IGN);
    std::array<int, 2> in{-1, -1}, out{-1, -1}, err{-1, -1};
    if (!MakePipe(in) || !MakePipe(out) || !MakePipe(err)) {
        result.errors = "could not make pipes for " + program;
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    std::vector<std::string> argvTexts{program};
    argvTexts.insert(argvTexts.end(), args.begin(), args.end());
    std::vector<std::string> envTexts = OffscreenEnvironment();
    std::vector<char*> argv = Pointers(argvTexts), envp = Pointers(envTexts);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    if (spawned != 0) {
        ::close(in[1]);
        ::close(out[0]);
        ::close(err[0]);
        result.errors = "could not start " + program;
        return result;
    }

    // Feed the input and gather both outputs together, so that neither side can block the
    // other on a full pipe.
    ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    std::size_t written = 0;
    if (input.empty()) {
        ::close(in[1]);
        in[1] = -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (out[0] >= 0 || err[0] >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        std::array<pollfd, 3> fds{pollfd{out[0], POLLIN, 0}, pollfd{err[0], POLLIN, 0},
                                  pollfd{in[1], POLLOUT, 0}};
        if (::poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? result.output : result.errors)
                    .append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                (i == 0 ? out[0] : err[0]) = -1;
            }
        }
        if (in[1] >= 0 && fds[2].revents != 0) {
            const ssize_t n = ::write(in[1], input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) {
                ::close(in[1]);
                in[1] = -1;
            }
        }
    }
    for (int fd : {in[1], out[0], err[0]}) {
        if (fd >= 0) ::close(fd);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

}  // namespace console::testing

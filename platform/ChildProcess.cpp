// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChildProcess.h"

#include "platform/CommandLineSplit.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {
namespace {

bool IsExecutable(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string ResolveProgram(const std::string& program, const std::string& appDir)
{
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return IsExecutable(program) ? program : std::string();
    if (IsExecutable(appDir + program))
        return appDir + program;
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
        if (IsExecutable(candidate))
            return candidate;
    }
    return {};
}

ChildProcess::~ChildProcess()
{
    closePipe();
    if (pid_ > 0 && !reaped_) {
        if (waitpid(pid_, nullptr, WNOHANG) == 0) {
            // Still running: reap it whenever it ends, without holding up the owner.
            std::thread([pid = pid_] { waitpid(pid, nullptr, 0); }).detach();
        }
    }
}

bool ChildProcess::start(const std::string& commandLine, const std::string& workingDir, const std::string& appDir)
{
    const auto args = SplitCommandLine(commandLine);
    if (args.empty())
        return false;
    const std::string program = ResolveProgram(args[0], appDir);
    if (program.empty())
        return false;

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    if (!workingDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());

    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    // The child leads a process group of its own, so that killing it ends
    // whatever it started as well, and nothing else. A broken pipe ends it
    // as usual, even where this program ignores that signal.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);

    pid_t pid = -1;
    const int result = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    // Our copy of the write end goes at once, so the read end ends with the child.
    close(fds[1]);
    if (result != 0) {
        close(fds[0]);
        return false;
    }
    pid_ = pid;
    readFd_ = fds[0];
    reaped_ = false;
    return true;
}

ChildProcess::ReadStatus ChildProcess::read(std::string& chunk, int timeoutMs, std::size_t maxBytes)
{
    if (readFd_ < 0)
        return ReadStatus::End;
    pollfd poller{readFd_, POLLIN, 0};
    int ready;
    do {
        ready = poll(&poller, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return ReadStatus::Timeout;
    std::string buffer(maxBytes, '\0');
    ssize_t count;
    do {
        count = ::read(readFd_, buffer.data(), buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count <= 0) {
        closePipe();
        return ReadStatus::End;
    }
    chunk.append(buffer.data(), static_cast<std::size_t>(count));
    return ReadStatus::Data;
}

int ChildProcess::wait()
{
    if (pid_ <= 0)
        return -1;
    if (!reaped_) {
        int status = 0;
        pid_t result;
        do {
            result = waitpid(pid_, &status, 0);
        } while (result < 0 && errno == EINTR);
        if (result == pid_)
            noteEnd(status);
        else
            reaped_ = true;
    }
    return exitStatus_;
}

void ChildProcess::kill()
{
    if (pid_ > 0 && !reaped_)
        ::killpg(pid_, SIGKILL);
}

void ChildProcess::end(int graceMs)
{
    if (pid_ <= 0 || reaped_)
        return;
    ::killpg(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    std::string ignored;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        if (read(ignored, 20) == ReadStatus::End)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ignored.clear();
    }
    kill();
    wait();
}

bool ChildProcess::running()
{
    if (pid_ <= 0 || reaped_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        noteEnd(status);
        return false;
    }
    return true;
}

void ChildProcess::noteEnd(int status)
{
    reaped_ = true;
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    endSignal_ = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

void ChildProcess::closePipe()
{
    if (readFd_ >= 0) {
        close(readFd_);
        readFd_ = -1;
    }
}

} // namespace platform

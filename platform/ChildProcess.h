// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One child process started from a Windows-style command line, with its
// standard output and standard error in one pipe. The object owns the pipe
// and the process: the pipe closes and the process is reaped on every path.
// The child leads its own process group.
#include <string>
#include <sys/types.h>

namespace platform {

class ChildProcess {
public:
    enum class ReadStatus { Data, Timeout, End };

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Splits `commandLine` by the Windows rules; a program named without a
    // folder is looked up in `appDir` first, then on PATH. Standard input is
    // the caller's. Returns false when nothing could be started.
    bool start(const std::string& commandLine, const std::string& workingDir, const std::string& appDir);

    // Waits up to `timeoutMs` (-1: no limit) for output and appends what is
    // there, at most `maxBytes`. End means every writer closed the pipe.
    ReadStatus read(std::string& chunk, int timeoutMs, std::size_t maxBytes = 4096);

    // Waits for the process to end; returns its exit status, or -1 when it
    // was killed by a signal or never started.
    int wait();

    // After wait(): the signal that ended the process, 0 when it exited by
    // itself (or never started).
    int endSignal() const { return endSignal_; }

    // Ends the process and everything it started (its process group) at
    // once; nothing when it has ended already. wait() reaps it.
    void kill();

    // Asks the process group to end (SIGTERM), so that the process can
    // clean up after itself, reading away what it still writes; kills the
    // group when the process has not ended within `graceMs`. Reaps it.
    void end(int graceMs);

    // True until the process has ended and been reaped.
    bool running();

    pid_t pid() const { return pid_; }

private:
    void closePipe();
    void noteEnd(int waitStatus);

    pid_t pid_ = -1;
    int readFd_ = -1;
    bool reaped_ = false;
    int exitStatus_ = -1;
    int endSignal_ = 0;
};

// The path the program token of a command line resolves to, or empty.
std::string ResolveProgram(const std::string& program, const std::string& appDir);

} // namespace platform

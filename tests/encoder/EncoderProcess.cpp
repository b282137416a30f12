// SPDX-License-Identifier: GPL-3.0-or-later
#include "EncoderProcess.h"

#include "platform/CommandLineSplit.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <array>
#include <csignal>

namespace encodertest {

std::string EncoderPath()
{
    return qEnvironmentVariable("VANTOREL_APPDIR").toStdString() + "ridod2e";
}

namespace {

EncoderRun RunOnce(const std::vector<std::string>& arguments, int timeLimitMs)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(QString::fromStdString(EncoderPath()), list);
    EncoderRun run;
    if (!process.waitForStarted(10000))
        return run;
    std::string pending;
    const auto takeOutput = [&] {
        const std::string chunk = process.readAll().toStdString();
        run.output += chunk;
        pending += chunk;
        for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            run.lines.push_back(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
    };
    while (process.state() != QProcess::NotRunning && clock.elapsed() < timeLimitMs) {
        process.waitForReadyRead(50);
        takeOutput();
    }
    run.finished = process.state() == QProcess::NotRunning || process.waitForFinished(100);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    takeOutput();
    if (!pending.empty())
        run.lines.push_back(pending);
    run.seconds = clock.elapsed() / 1000.0;
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    return run;
}

} // namespace

EncoderRun RunEncoder(const std::vector<std::string>& arguments, int timeLimitMs)
{
    // Tests of other areas stop every "ridod2e" by name; an encoder killed
    // that way (SIGKILL, which it never sends itself) is run again.
    EncoderRun run = RunOnce(arguments, timeLimitMs);
    for (int attempt = 1; attempt < 3 && run.finished && run.crashed && run.exitCode == SIGKILL; ++attempt)
        run = RunOnce(arguments, timeLimitMs);
    return run;
}

EncoderRun RunCommandLine(const std::string& commandLine, int timeLimitMs)
{
    std::vector<std::string> arguments = platform::SplitCommandLine(commandLine);
    arguments.erase(arguments.begin());
    return RunEncoder(arguments, timeLimitMs);
}

std::vector<std::string> LinesWithErrorWords(const std::vector<std::string>& lines)
{
    static const std::array<const char*, 9> words = {
        "xpxframe", "clntcore.dll", "failed", "Unexpected", "error:", "Error while opening file",
        "exception encounter", "Unknown format", "Unsupported codec",
    };
    std::vector<std::string> found;
    for (const std::string& line : lines)
        for (const char* word : words)
            if (line.find(word) != std::string::npos) {
                found.push_back(line);
                break;
            }
    return found;
}

} // namespace encodertest

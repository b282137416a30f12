// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vantorel-cli beside the stand-in encoder, run as a user runs it.
#include "support/StandInAppDir.h"

#include <QProcess>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

struct CliRun {
    CliRun() { std::filesystem::copy_file(VANTOREL_CLI, encoder.temp().path() / "vantorel-cli"); }

    // `input` goes to its standard input.
    void start(QStringList arguments, const std::string& input = {})
    {
        arguments.prepend(QString::fromStdString(encoder.outputDir()));
        arguments.prepend("--output-dir");
        arguments.prepend(QString::fromStdString(encoder.appDir() + "vantorel-cli"));
        arguments = launcher + arguments;
        process.setWorkingDirectory(QString::fromStdString(encoder.appDir()));
        process.start(arguments.takeFirst(), arguments);
        ASSERT_TRUE(process.waitForStarted());
        process.write(input.data(), static_cast<qint64>(input.size()));
        process.closeWriteChannel();
    }
    int finish()
    {
        EXPECT_TRUE(process.waitForFinished(60000));
        out = process.readAllStandardOutput().toStdString();
        err = process.readAllStandardError().toStdString();
        return process.exitCode();
    }
    std::vector<std::string> outLines() const
    {
        std::vector<std::string> lines;
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }
    std::string path(const std::string& name) const { return encoder.appDir() + name; }

    // The program and arguments that start vantorel-cli (taskset -c 0), if any.
    QStringList launcher;
    StandInAppDir encoder;
    QProcess process;
    std::string out;
    std::string err;
};

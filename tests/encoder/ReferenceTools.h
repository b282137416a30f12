// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Debian ffmpeg package's tools, as a reference reader of the outputs.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

namespace encodertest {

// Runs a tool of the Debian ffmpeg package; its standard output and error.
inline std::string Tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(240000);
    return process.readAll().toStdString();
}

// "key=value" of the first stream of the kind, as ffprobe reads the file.
inline std::string Probe(const std::filesystem::path& file, const char* stream, const char* key)
{
    const std::string text = Tool("ffprobe", {"-v", "error", "-select_streams", stream, "-show_entries",
                                              QString("stream=") + key + ":stream_tags=" + key, "-of",
                                              "default=nw=1:nk=1", QString::fromStdString(file.string())});
    return text.substr(0, text.find('\n'));
}

} // namespace encodertest

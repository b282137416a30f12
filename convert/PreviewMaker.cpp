// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/PreviewMaker.h"

#include "convert/EncoderOutputParser.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "platform/ChildOutputReader.h"
#include "platform/ChildProcess.h"
#include "platform/OutputLines.h"

#include <QMetaObject>

#include <filesystem>

namespace {

// How often a stop is looked for while the encoder works.
constexpr int kStopLookMs = 40;

} // namespace

PreviewOutcome MakePreview(const std::string& commandLine, const std::string& picturePath, const std::string& appDir,
                           const std::function<bool()>& keepGoing)
{
    platform::ChildProcess encoder;
    if (!encoder.start(commandLine, "", appDir))
        return {false, texts::kReasonNotStarted};
    OutputLines splitter;
    std::string errorLine;
    const auto onChunk = [&](std::string_view chunk) {
        for (const std::string& line : splitter.feed(chunk))
            if (FindErrorWords(line).found)
                errorLine = line;
        return true;
    };
    const platform::ReadEnd end = platform::ReadUntilVerdict(encoder, kStopLookMs, keepGoing, onChunk);
    if (end == platform::ReadEnd::Interrupted)
        encoder.kill();
    const int status = encoder.wait();
    if (end == platform::ReadEnd::Interrupted)
        return {false, texts::kReasonStopped};
    std::error_code error;
    if (status == 0 && std::filesystem::is_regular_file(picturePath, error))
        return {true, {}};
    const std::string reason = ReasonFromLine(errorLine, {{picturePath, FileNameOf(picturePath)}});
    return {false, reason.empty() ? texts::kReasonStatus + std::to_string(status) : reason};
}

PreviewMaker::PreviewMaker(std::string appDir, QObject* parent)
    : QObject(parent)
    , appDir_(std::move(appDir))
{
}

PreviewMaker::~PreviewMaker()
{
    cancel();
}

void PreviewMaker::request(const std::string& commandLine, const std::string& picturePath)
{
    cancel();
    const std::uint64_t asked = ++latest_;
    worker_ = std::thread([this, asked, commandLine, picturePath] {
        const PreviewOutcome outcome =
            MakePreview(commandLine, picturePath, appDir_, [this, asked] { return latest_ == asked; });
        // Handed to this object's thread, and dropped there if a later request came meanwhile.
        QMetaObject::invokeMethod(this, [this, asked, outcome, picturePath] {
            if (latest_ != asked)
                return;
            if (outcome.made)
                emit made(QString::fromStdString(picturePath));
            else
                emit failed(QString::fromStdString(outcome.reason));
        }, Qt::QueuedConnection);
    });
}

void PreviewMaker::cancel()
{
    ++latest_;
    if (worker_.joinable())
        worker_.join();
}

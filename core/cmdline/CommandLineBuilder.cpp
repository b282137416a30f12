#include "core/cmdline/CommandLineBuilder.h"

#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/Letterbox.h"
#include "core/cmdline/NewerOptionArgs.h"
#include "core/cmdline/OptionArgs.h"
#include "core/cmdline/OutputNaming.h"
#include "core/TextRules.h"
#include "core/EncoderName.h"
#include "platform/CommandLineSplit.h"

#include <array>
#include <optional>
#include <filesystem>
#include <string_view>

namespace {

BuildResult Failure(BuildResult::Status status, std::string error)
{
    BuildResult result;
    result.status = status;
    result.error = std::move(error);
    return result;
}


// Empty when the directory is there or was made; else the system's words.
std::string EnsureDirectory(const std::string& dir)
{
    std::error_code error;
    if (std::filesystem::is_directory(dir, error))
        return {};
    if (dir.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory).message();
    if (std::filesystem::create_directory(dir, error) && !error)
        return {};
    return error ? error.message() : std::make_error_code(std::errc::file_exists).message();
}

// The plain size, or with bars when the letterbox is on for a video output;
// a picture of non-square pixels is fitted as it is shown.
std::string FittedSizeArg(const ConversionChoices& choices, const JobInput& job)
{
    const std::string plain = SizeArg(choices.videoSize, job.sourceSize);
    if (choices.letterBoxIndex != 1 || IsAudioOnlyOutput(job.outputExt))
        return plain;
    return LetterboxedSize(job.sourceSize, plain, job.displayAspect);
}

} // namespace

bool IsAudioOnlyOutput(const std::string& outputExt)
{
    static constexpr std::array<std::string_view, 11> kAudioOnly{"mp3", "mp2", "m4a", "wav", "ogg", "aac",
                                                                 "wma", "ra",  "ac3", "flac", "opus"};
    for (std::string_view ext : kAudioOnly) {
        if (outputExt == ext)
            return true;
    }
    return false;
}

CommandLineBuilder::CommandLineBuilder(BuilderDisk disk)
    : disk_(std::move(disk))
{
}

bool CommandLineBuilder::Reserved(const std::string& path) const
{
    return disk_.reserved && disk_.reserved(path);
}

std::string CommandLineBuilder::ChooseOutputPath(const ConversionChoices& choices, const std::string& dir,
                                                 const JobInput& job) const
{
    const std::string& inputPath = job.inputPath;
    const std::string base = BaseNameOf(FileNameOf(inputPath));
    const std::string path = OutputPathFor(dir, base, job.outputExt);
    // The encoder must never write over its own input or another row's,
    // whatever the overwrite option says.
    if (SameFile(path, inputPath) || Reserved(path) || (!choices.overwrite && PathExists(path)))
        return UniqueOutputName(dir, base, job.outputExt,
                                [this](const std::string& candidate) { return PathExists(candidate) || Reserved(candidate); });
    return path;
}

std::optional<PieceSet> CommandLineBuilder::SharedPieces(const ConversionChoices& choices, const JobInput& job,
                                                         BuildResult& result) const
{
    const std::string& inputPath = job.inputPath;
    const std::string dir = Trim(choices.outputDir);
    // The program's own token knows no escape for a quote.
    if (choices.appDir.find('"') != std::string::npos) {
        result = Failure(BuildResult::Status::UnsafePath, kQuotedPathError + choices.appDir);
        return std::nullopt;
    }
    PieceSet p;
    p.encoderPrefix = '"' + choices.appDir + kEncoderName
        + std::string(job.options.forceQuickTimeInput ? pieces::kEncoderTailQuickTime : pieces::kEncoderTail);
    if (choices.profileFamily == kPspFamily)
        p.title = platform::QuotedTail(PspTitleOf(FileNameOf(inputPath)));
    if (disk_.createDirectory) {
        if (std::string cause = EnsureDirectory(dir); !cause.empty()) {
            result = Failure(BuildResult::Status::DirectoryError, kDirectoryCreateError);
            result.cause = std::move(cause);
            return std::nullopt;
        }
    }
    // Names are data: quoted so that splitting gives each back exactly.
    p.inputArg = platform::QuotedTail(
        (job.options.useAltReader ? std::string(pieces::kAltReaderPrefix) : std::string()) + inputPath);
    p.videoCodecArg = VideoCodecArg(choices.videoCodec);
    p.audioCodecArg = AudioCodecArg(choices.audioCodec);
    p.videoCodecText = Trim(choices.videoCodec);
    p.audioCodecText = Trim(choices.audioCodec);
    p.sizeArg = FittedSizeArg(choices, job);
    p.videoBitrateArg = VideoBitrateArg(choices.videoBitrate);
    p.frameRateArg = FrameRateArg(choices.frameRate);
    p.audioBitrateArg = AudioBitrateArg(choices.audioBitrate);
    p.channelsArg = ChannelsArg(choices.channelIndex);
    if (choices.muteIndex == 1) {
        if (IsAudioOnlyOutput(job.outputExt))
            result.resetMute = true;
        else
            p.muteArg = pieces::kMute;
    }
    p.samplingRateArg = SamplingRateArg(choices.samplingRate);
    p.volumeArg = VolumeArg(choices.volumeFactor);
    p.channelsArg += p.muteArg + p.volumeArg;
    p.newer = NewerPiecesFor(choices, job.sourceSize, job.displayAspect);
    return p;
}

BuildResult CommandLineBuilder::BuildCommandLine(const ConversionChoices& choices, const JobInput& job) const
{
    BuildResult result;
    std::optional<PieceSet> p = SharedPieces(choices, job, result);
    if (!p)
        return result;
    result.outputPath = ChooseOutputPath(choices, Trim(choices.outputDir), job);
    p->outputArg = ' ' + platform::QuoteArgument(result.outputPath);
    if (auto line = AssembleFormat(choices.formatIndex, *p)) {
        result.commandLine = std::move(*line);
        result.thumbnailDue = HasThumbnailRun(choices.formatIndex);
        // The switches between the input and the output say which streams
        // the output keeps; an audio-only container keeps no picture.
        const std::size_t head = p->encoderPrefix.size() + p->inputArg.size();
        const std::string switches
            = result.commandLine.substr(head, result.commandLine.size() - head - p->outputArg.size());
        result.keepsVideo = !IsAudioOnlyOutput(job.outputExt) && switches.find(" -vn") == std::string::npos;
        result.keepsAudio = switches.find(" -an") == std::string::npos;
    } else {
        result.status = BuildResult::Status::NoAssembly;
    }
    return result;
}

BuildResult CommandLineBuilder::BuildThumbnailCommandLine(const ConversionChoices& choices, const JobInput& job,
                                                          const std::string& videoOutputPath) const
{
    BuildResult result;
    std::optional<PieceSet> p = SharedPieces(choices, job, result);
    if (!p)
        return result;
    result.outputPath = ThumbnailPathOf(videoOutputPath);
    p->outputArg = ' ' + platform::QuoteArgument(result.outputPath);
    result.commandLine = AssembleThumbnail(*p);
    return result;
}

std::optional<std::string> WithOutputPath(const std::string& commandLine, const std::string& from,
                                          const std::string& to)
{
    const std::string tail = ' ' + platform::QuoteArgument(from);
    if (commandLine.size() < tail.size() || commandLine.compare(commandLine.size() - tail.size(), tail.size(), tail) != 0)
        return std::nullopt;
    return commandLine.substr(0, commandLine.size() - tail.size()) + ' ' + platform::QuoteArgument(to);
}

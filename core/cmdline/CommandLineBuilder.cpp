// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/CommandLineBuilder.h"

#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/JobCuts.h"
#include "core/cmdline/Letterbox.h"
#include "core/cmdline/NewerOptionArgs.h"
#include "core/cmdline/OptionArgs.h"
#include "core/cmdline/OutputNaming.h"
#include "core/TextRules.h"
#include "core/EncoderName.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/LoudnessEntries.h"
#include "platform/CommandLineSplit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <optional>
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

// A language is a few plain letters ("fra", "en"); anything else in the
// settings file is no language and asks for nothing.
bool IsLanguageCode(const std::string& text)
{
    return text.size() >= 2 && text.size() <= 8
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
}

// The line with the pieces before its output.
std::string BeforeOutput(std::string line, const std::string& outputArg, const std::string& pieces)
{
    return line.insert(line.size() - outputArg.size(), pieces);
}

// The line with the preferred sound track's language before its output.
std::string WithAudioLanguage(std::string line, const std::string& outputArg, const std::string& language)
{
    const std::string code = Trim(language);
    if (!IsLanguageCode(code))
        return line;
    return BeforeOutput(std::move(line), outputArg, Quoted(pieces::kAudioLanguageHead, code));
}

// The job's trim and crop; nothing for a row outside the format list.
JobCuts CutsOf(const ConversionChoices& choices, const JobInput& job, bool thumbnail = false)
{
    const FormatSpec* format = FormatAt(choices.formatIndex);
    if (!format)
        return {{}, job.sourceSize, job.displayAspect};
    return CutsFor(choices, *format, job.trim, job.measuredCrop, job.sourceSize, job.displayAspect, thumbnail);
}

// The line that keeps the folder's cover image out of the output.
std::string WithoutFolderCover(std::string line, const std::string& outputArg)
{
    return line.insert(line.size() - outputArg.size(), pieces::kNoFolderCover);
}

// The picture keeps the input's upright shape when the switches keep its
// size, fit it inside a box, or copy it.
bool KeepsShape(const std::string& switches)
{
    return switches.find(pieces::kKeepSize) != std::string::npos || switches.find(pieces::kFit) != std::string::npos
        || switches.find(pieces::kStreamCopy) != std::string::npos;
}

bool Reserved(const BuilderDisk& disk, const std::string& path)
{
    return disk.reserved && disk.reserved(path);
}

std::string ChooseOutputPath(const ConversionChoices& choices, const std::string& dir, const JobInput& job,
                             const BuilderDisk& disk)
{
    const std::string& inputPath = job.inputPath;
    const std::string base = BaseNameOf(FileNameOf(inputPath));
    const std::string path = OutputPathFor(dir, base, job.outputExt);
    // The encoder must never write over its own input or another row's,
    // whatever the overwrite option says.
    const auto taken = [&disk](const std::string& candidate) {
        return PathExists(candidate) || Reserved(disk, candidate);
    };
    if (SameFile(path, inputPath) || Reserved(disk, path) || (!choices.overwrite && PathExists(path)))
        return UniqueOutputName(dir, base, job.outputExt, taken);
    return path;
}

// The pieces both runs share, read from the job with its input path as it
// is. When the encoder's path cannot be used or the output folder cannot be made,
// `result` says why and there are none.
std::optional<PieceSet> SharedPieces(const ConversionChoices& choices, const JobInput& row, const BuilderDisk& disk,
                                     BuildResult& result)
{
    // The sizes are those of the picture a crop keeps.
    JobInput job = row;
    const JobCuts cuts = CutsOf(choices, row);
    job.sourceSize = cuts.sourceSize;
    job.displayAspect = cuts.displayAspect;
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
    if (disk.createDirectory) {
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
    // A loudness target takes the volume slider's place.
    const std::optional<int> loudness = LoudnessTarget(choices.loudness);
    p.volumeArg = loudness ? Quoted(pieces::kLoudnessHead, std::to_string(*loudness)) : VolumeArg(choices.volumeFactor);
    p.channelsArg += p.muteArg + p.volumeArg;
    p.newer = NewerPiecesFor(choices, job.sourceSize, job.displayAspect);
    p.newer.pass = PassArg(job.pass, job.passStatistics);
    return p;
}

} // namespace

bool IsAudioOnlyOutput(const std::string& outputExt)
{
    // Sound alone, though no format of the list writes them.
    static constexpr std::array<std::string_view, 3> kOtherSoundNames{"mp2", "ra", "ac3"};
    if (std::find(kOtherSoundNames.begin(), kOtherSoundNames.end(), outputExt) != kOtherSoundNames.end())
        return true;
    const auto formats = Formats();
    return std::any_of(formats.begin(), formats.end(), [&outputExt](const FormatSpec& format) {
        return format.kind == FormatKind::AudioOnly && ToLower(std::string(format.tag)) == outputExt;
    });
}

BuildResult BuildCommandLine(const ConversionChoices& choices, const JobInput& job, const BuilderDisk& disk)
{
    BuildResult result;
    std::optional<PieceSet> p = SharedPieces(choices, job, disk, result);
    if (!p)
        return result;
    result.outputPath = ChooseOutputPath(choices, Trim(choices.outputDir), job, disk);
    p->outputArg = ' ' + platform::QuoteArgument(result.outputPath);
    const FormatSpec* format = FormatAt(choices.formatIndex);
    if (!format || !format->assemble) {
        result.status = BuildResult::Status::NoAssembly;
        return result;
    }
    result.commandLine = BeforeOutput(WithAudioLanguage(format->assemble(*p), p->outputArg, choices.audioLanguage),
                                      p->outputArg, CutsOf(choices, job).pieces);
    result.thumbnailDue = format->thumbnailRun;
    // An audio-only container keeps no picture; muting or a format without
    // sound keeps no sound.
    result.keepsVideo = !IsAudioOnlyOutput(job.outputExt) && format->kind != FormatKind::AudioOnly;
    result.keepsAudio = p->muteArg.empty() && format->kind != FormatKind::Animation;
    if (result.keepsAudio) {
        result.promises.loudness = LoudnessTarget(choices.loudness);
        if (!choices.folderCover && format->kind != FormatKind::StreamCopy)
            result.commandLine = WithoutFolderCover(result.commandLine, p->outputArg);
    }
    result.promises.everyTrack = format->keepsEveryTrack;
    const std::size_t head = p->encoderPrefix.size() + p->inputArg.size();
    result.promises.shape = result.keepsVideo
        && KeepsShape(result.commandLine.substr(head, result.commandLine.size() - head - p->outputArg.size()));
    return result;
}

BuildResult BuildThumbnailCommandLine(const ConversionChoices& choices, const JobInput& job,
                                      const std::string& videoOutputPath, const BuilderDisk& disk)
{
    BuildResult result;
    std::optional<PieceSet> p = SharedPieces(choices, job, disk, result);
    if (!p)
        return result;
    result.outputPath = ThumbnailPathOf(videoOutputPath);
    p->outputArg = ' ' + platform::QuoteArgument(result.outputPath);
    result.commandLine = BeforeOutput(AssembleThumbnail(*p), p->outputArg, CutsOf(choices, job, true).pieces);
    return result;
}

BuildResult BuildPreviewCommandLine(const ConversionChoices& choices, const JobInput& job, double seconds,
                                    const std::string& picturePath)
{
    BuildResult result = BuildCommandLine(choices, job, BuilderDisk{false, {}});
    if (!result.ok())
        return result;
    const auto line = WithOutputPath(result.commandLine, result.outputPath, picturePath);
    if (!line) {
        result.status = BuildResult::Status::NoAssembly;
        return result;
    }
    const std::string outputArg = ' ' + platform::QuoteArgument(picturePath);
    result.commandLine = BeforeOutput(*line, outputArg, Quoted(pieces::kPreviewHead, TimeArg(seconds)));
    result.outputPath = picturePath;
    result.thumbnailDue = false;
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

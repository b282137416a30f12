// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Console.h"

#include "encoder/StopSignals.h"

#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cmath>

extern "C" {
#include <libavcodec/version.h>
}

namespace ridod2e {
namespace {

std::string Format(const char* pattern, auto... values)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string DurationText(const std::optional<double>& seconds)
{
    if (!seconds || *seconds < 0)
        return "N/A";
    // Hundredths, rounded as a player would show them.
    const int64_t hundredths = std::llround(*seconds * 100);
    return Format("%02" PRId64 ":%02d:%02d.%02d", hundredths / 360000, static_cast<int>(hundredths / 6000 % 60),
                  static_cast<int>(hundredths / 100 % 60), static_cast<int>(hundredths % 100));
}

// After the frame rate, so that the size and rate fields read as before.
std::string PixelShape(const StreamSummary& stream)
{
    const AVRational pixel = stream.pixelAspect;
    if (pixel.num <= 0 || pixel.den <= 0 || pixel.num == pixel.den || stream.width <= 0 || stream.height <= 0)
        return {};
    AVRational display {};
    av_reduce(&display.num, &display.den, int64_t {stream.width} * pixel.num, int64_t {stream.height} * pixel.den,
              1024 * 1024);
    return Format(" [SAR %d:%d DAR %d:%d]", pixel.num, pixel.den, display.num, display.den);
}

// How the stored picture is shown, after everything else on the line.
std::string PictureNotes(const StreamSummary& stream)
{
    std::string notes;
    if (stream.turned != 0 || stream.mirrored) {
        const bool swapped = stream.turned == 90 || stream.turned == 270;
        notes += Format(" [turned %d%s, stored %dx%d]", stream.turned, stream.mirrored ? " mirrored" : "",
                        swapped ? stream.height : stream.width, swapped ? stream.width : stream.height);
    }
    if (stream.interlaced)
        notes += " [interlaced]";
    return notes;
}

std::string StreamLine(size_t index, const StreamSummary& stream)
{
    const std::string head = Format("    Stream #0.%zu: ", index);
    switch (stream.type) {
    case AVMEDIA_TYPE_VIDEO:
        if (stream.coverArt)
            return head + "Cover art: " + stream.codec + Format(", %dx%d", stream.width, stream.height);
        return head + "Video: " + stream.codec + Format(", %dx%d, %.2f fps", stream.width, stream.height, stream.frameRate)
            + PixelShape(stream) + PictureNotes(stream);
    case AVMEDIA_TYPE_AUDIO: {
        std::string line = head + "Audio: " + stream.codec + Format(", %d Hz, ", stream.sampleRate) + stream.channels;
        if (stream.bitRate > 0)
            line += Format(", %" PRId64 " kb/s", stream.bitRate / 1000);
        return line;
    }
    case AVMEDIA_TYPE_SUBTITLE: return head + "Subtitle: " + stream.codec;
    case AVMEDIA_TYPE_ATTACHMENT: return head + "Attachment: " + stream.codec;
    default: return head + "Data: " + stream.codec;
    }
}

std::string StreamLines(const MediaSummary& media)
{
    std::string lines;
    for (size_t i = 0; i < media.streams.size(); ++i)
        lines += StreamLine(i, media.streams[i]) + "\n";
    return lines;
}

} // namespace

std::string InputBlock(const MediaSummary& input)
{
    std::string block = "Input #0, " + input.format + ", from '" + input.path + "':\n";
    block += "  Duration: " + DurationText(input.duration) + Format(", start: %.6f, bitrate: ", input.start);
    block += input.bitRate > 0 ? Format("%" PRId64 " kb/s", input.bitRate / 1000) : std::string("N/A");
    return block + "\n" + StreamLines(input);
}

std::string OutputBlock(const MediaSummary& output)
{
    return "Output #0, " + output.format + ", to '" + output.path + "':\n" + StreamLines(output);
}

std::string ProgressLine(const ProgressSnapshot& progress)
{
    std::string line;
    if (progress.video)
        line = Format("frame=%" PRId64 " fps=%.0f q=%.1f ", progress.frames, progress.framesPerSecond, progress.quality);
    line += Format("size=%" PRId64 "kB time=%.2f bitrate=", progress.bytes / 1024, progress.seconds);
    if (progress.seconds > 0)
        line += Format("%.1fkbits/s", progress.bytes * 8 / progress.seconds / 1000);
    else
        line += "N/A";
    return line;
}

std::string FaultLine(FaultKind kind, const std::string& reason)
{
    switch (kind) {
    case FaultKind::CannotOpenInput: return "Error while opening file " + reason;
    case FaultKind::UnknownFormat: return "Unknown format: " + reason;
    case FaultKind::UnsupportedCodec: return "Unsupported codec: " + reason;
    case FaultKind::Other: break;
    }
    return "error: " + reason;
}

std::string CropLine(const std::optional<CropArea>& area)
{
    if (!area)
        return "Crop: none";
    return Format("Crop: %dx%d at %d,%d", area->width, area->height, area->left, area->top);
}

std::string LeftOutLine(const std::string& kind, const std::vector<int>& streams, const std::string& why)
{
    std::string numbers;
    for (const int stream : streams)
        numbers += (numbers.empty() ? "#0." : ", #0.") + std::to_string(stream);
    return kind + (streams.size() == 1 ? " stream " + numbers + " is" : " streams " + numbers + " are")
        + " left out: " + why;
}

Console::Console(bool machineOutput) : machineOutput_(machineOutput) {}

void Console::banner()
{
    if (!machineOutput_)
        print("ridod2e: media converter on FFmpeg's libraries (" LIBAVCODEC_IDENT ")\n");
}

void Console::print(const std::string& lines)
{
    std::fputs(lines.c_str(), stdout);
    if (!lines.empty() && lines.back() != '\n')
        std::fputc('\n', stdout);
    flush();
}

void Console::progress(const std::string& line, bool last)
{
    std::fputs(line.c_str(), stdout);
    std::fputc(machineOutput_ || last ? '\n' : '\r', stdout);
    flush();
}

// A reader that closed its end (an application killed hard) no longer wants
// the output, even where SIGPIPE is ignored and only the write fails.
void Console::flush()
{
    if (std::fflush(stdout) != 0 && errno == EPIPE)
        RequestStop(SIGPIPE);
}

} // namespace ridod2e

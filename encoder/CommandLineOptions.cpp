// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/CommandLineOptions.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <charconv>
#include <cmath>

extern "C" {
#include <libavutil/parseutils.h>
}

namespace ridod2e {
namespace {

using Text = const std::string&;
using enum OptionGroup;

std::string Trimmed(Text text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The number at the start of a text ("2 (stereo)" gives 2, "8000 " gives
// 8000); nothing for a blank text; fails for a text without a leading number.
std::optional<double> LeadingNumber(Text option, Text text)
{
    const std::string value = Trimmed(text);
    if (value.empty())
        return std::nullopt;
    double number = 0;
    if (std::from_chars(value.data(), value.data() + value.size(), number).ec != std::errc() || !std::isfinite(number))
        Fail(option + " takes a number, not '" + text + "'");
    return number;
}

// A frame rate as the lists write it; the NTSC rates 14.985, 23.975/23.976,
// 29.97 and 59.94 become exact fractions of 1001.
AVRational FrameRateFromText(double framesPerSecond)
{
    for (const int nominal : {15, 24, 30, 48, 60, 120})
        if (std::fabs(framesPerSecond - nominal * 1000.0 / 1001.0) < 0.006)
            return {nominal * 1000, 1001};
    return av_d2q(framesPerSecond, 1001000);
}

std::optional<double> NumberWithin(Text option, Text text, double low, double high)
{
    const std::optional<double> number = LeadingNumber(option, text);
    if (number && (*number < low || *number > high))
        Fail(option + " " + Trimmed(text) + " is out of range");
    return number;
}

std::optional<int> WholeNumberWithin(Text option, Text text, int low, int high)
{
    const std::optional<double> number = NumberWithin(option, text, low, high);
    if (!number)
        return std::nullopt;
    return static_cast<int>(std::lround(*number));
}

// Bitrates and buffer sizes come in kbit/s and kbit.
std::optional<int64_t> Kilobits(Text option, Text text)
{
    const std::optional<double> number = NumberWithin(option, text, 0.001, 1e6);
    if (!number)
        return std::nullopt;
    return static_cast<int64_t>(std::llround(*number * 1000));
}

void SetSize(EncodeRequest& request, Text option, Text text)
{
    const std::string size = Trimmed(text);
    if (size == "keep") {
        request.size.reset();
        return;
    }
    if (size.empty())
        return;
    const auto x = size.find('x');
    int width = 0;
    int height = 0;
    const char* end = size.data() + size.size();
    const bool read = x != std::string::npos
        && std::from_chars(size.data(), size.data() + x, width).ptr == size.data() + x
        && std::from_chars(size.data() + x + 1, end, height).ptr == end;
    // A side of 0 is no bound for -fit; ParseCommandLine holds it to that.
    if (!read || width < 0 || height < 0 || width + height == 0 || width > 16384 || height > 16384)
        Fail(option + " takes a frame size such as 320x240, not '" + text + "'");
    request.size = FrameDimensions{width, height};
}

// Seconds, or [HH:]MM:SS[.m...]; nothing for a blank text.
std::optional<double> Seconds(Text option, Text text)
{
    if (Trimmed(text).empty())
        return std::nullopt;
    int64_t microseconds = 0;
    if (av_parse_time(&microseconds, Trimmed(text).c_str(), 1) < 0 || microseconds < 0)
        Fail(option + " takes a time in seconds, not '" + text + "'");
    return static_cast<double>(microseconds) / 1e6;
}

void SetStart(EncodeRequest& request, Text option, Text text)
{
    if (const auto seconds = Seconds(option, text))
        request.startSeconds = seconds;
}

void SetTrim(EncodeRequest& request, Text option, Text text)
{
    const auto seconds = Seconds(option, text);
    if (!seconds)
        return;
    TrimRange& trim = request.trim ? *request.trim : request.trim.emplace();
    if (option == "-end")
        trim.end = seconds;
    else
        trim.start = *seconds;
}

// "auto", or W:H:X:Y: the area's size and its top left corner.
void SetCrop(EncodeRequest& request, Text option, Text text)
{
    const std::string value = Trimmed(text);
    if (value.empty())
        return;
    if (value == "auto") {
        request.crop = CropRequest {true, {}};
        return;
    }
    int numbers[4] = {};
    const char* at = value.data();
    const char* end = value.data() + value.size();
    for (int i = 0; i < 4; ++i) {
        const auto read = std::from_chars(at, end, numbers[i]);
        const bool last = i == 3;
        if (read.ec != std::errc() || numbers[i] < 0 || (last ? read.ptr != end : read.ptr == end || *read.ptr != ':'))
            Fail(option + " takes auto or W:H:X:Y, such as 1280:536:0:92, not '" + text + "'");
        at = read.ptr + 1;
    }
    if (numbers[0] == 0 || numbers[1] == 0)
        Fail(option + " " + value + " keeps no picture");
    request.crop = CropRequest {false, {numbers[0], numbers[1], numbers[2], numbers[3]}};
}

void SetPreview(EncodeRequest& request, Text option, Text text)
{
    if (const auto seconds = Seconds(option, text))
        request.previewSeconds = seconds;
}

int Padding(Text option, Text text)
{
    return WholeNumberWithin(option, text, 0, 8192).value_or(0);
}

void SetFastStart(EncodeRequest& request, Text option, Text text)
{
    const std::string flags = Trimmed(text);
    if (!flags.empty() && flags != "+faststart" && flags != "faststart")
        Fail(option + " takes +faststart, not '" + text + "'");
    request.fastStart = !flags.empty();
}

void SetInput(EncodeRequest& request, Text, Text token)
{
    if (!request.input.empty() || request.alternativeReader)
        Fail("only one input file can be given");
    const std::string prefix = AlternativeReaderPrefix;
    request.alternativeReader = token.compare(0, prefix.size(), prefix) == 0;
    request.input = request.alternativeReader ? token.substr(prefix.size()) : token;
    if (request.input.empty())
        Fail("-i needs the path of the input file");
}

// Before -i the reader, after it the container.
void SetFormat(EncodeRequest& request, Text, Text value)
{
    (request.input.empty() ? request.inputFormat : request.outputFormat) = Trimmed(value);
}

void SetFrameRate(EncodeRequest& request, Text option, Text value)
{
    if (const auto rate = NumberWithin(option, value, 0.5, 1000))
        request.frameRate = FrameRateFromText(*rate);
}

void SetFrameLimit(EncodeRequest& request, Text option, Text value)
{
    if (const auto frames = NumberWithin(option, value, 0, 1e12))
        request.maxVideoFrames = static_cast<int64_t>(*frames);
}

// clang-format off
constexpr CommandLineOption kOptions[] = {
    {"-@", nullptr, General, "one progress report per line, no banner (for programs reading the output)",
     [](EncodeRequest& r, Text, Text) { r.machineOutput = true; }},
    {"-y", nullptr, General, "replace an existing output file",
     [](EncodeRequest& r, Text, Text) { r.overwrite = true; }},
    {"-i", "INPUT", General, "the input file; \"DS:\\\\\" before the path picks the lenient reader", SetInput},
    {"-allow-protocols", nullptr, General,
     "-i may also name an address the libraries can read (http:, pipe:,\n"
     "concat:, data:, ...); without it only a local file is read",
     [](EncodeRequest& r, Text, Text) { r.allowProtocols = true; }},
    {"-f", "NAME", General,
     "before -i: the reader (\"qt\": QuickTime/MP4); after it: the container\n"
     "(psp, 3gp, xwmv, qt, singlejpeg, or a muxer name); else the output's extension", SetFormat},
    {"-ss", "SECONDS", General, "start this far into the input (after -start: into the part it keeps)", SetStart},
    {"-start", "SECONDS", General,
     "the output begins at this moment of the input (SECONDS or HH:MM:SS.mmm):\n"
     "picture and sound cut exactly, a copy at the key frame at or before it;\n"
     "at or past the input's end it fails", SetTrim},
    {"-end", "SECONDS", General, "the output ends at this moment of the input; past its end: the end", SetTrim},
    {"-preview", "SECONDS", General,
     "instead of converting: the output's picture at this second of the output\n"
     "(counted from -start) as a PNG picture, shaped as a player shows it", SetPreview},
    {"-title", "TEXT", General, "the output's title tag", [](EncodeRequest& r, Text, Text v) { r.title = v; }},
    {"-id3v1", nullptr, General, "MP3: an ID3v1 tag", [](EncodeRequest& r, Text, Text) { r.id3v1 = true; }},
    {"-id3v2", nullptr, General, "MP3: an ID3v2 tag", [](EncodeRequest& r, Text, Text) { r.id3v2 = true; }},
    {"-keepall", nullptr, General,
     "one of today's formats: every sound track with its language and title,\n"
     "text subtitles (mov_text in MP4, WebVTT in WebM), the colour description\n"
     "and frame rates above 120 fps; without it one sound track",
     [](EncodeRequest& r, Text, Text) { r.keepAll = true; }},
    {"-chapters", nullptr, General, "keep the input's chapters (MP4, MOV, MKV, WebM, OGG, Opus and FLAC hold them)",
     [](EncodeRequest& r, Text, Text) { r.keepChapters = true; }},
    {"-movflags", "+faststart", General,
     "MP4 and QuickTime: the index goes before the media, so the file plays\n"
     "while it downloads", SetFastStart},
    {"-bitexact", nullptr, General, "no encoder or library version in the output",
     [](EncodeRequest& r, Text, Text) { r.bitexact = true; }},

    {"-vcodec", "NAME", Video,
     "mpeg4, mpeg4_qt, xvid, h263, mpeg1video, wmv1x, wmv2x, wmv3x, h264 (x264),\n"
     "h265 or hevc (x265), av1 (SVT-AV1), vp9 (libvpx, rows coded in parallel),\n"
     "gif (one palette made from the whole clip), or copy",
     [](EncodeRequest& r, Text, Text v) { r.videoCodec = Trimmed(v); }},
    {"-vn", nullptr, Video, "no video", [](EncodeRequest& r, Text, Text) { r.noVideo = true; }},
    {"-s", "WxH", Video,
     "picture size; with -padtop/-padbottom/-padleft/-padright N, bars of N\n"
     "pixels around it. -s keep: the source's size, made even for codecs that\n"
     "need it; never scaled up", SetSize},
    {"-padtop", "N", Video, "with -s: a bar of N pixels above the picture",
     [](EncodeRequest& r, Text o, Text v) { r.padding.top = Padding(o, v); }},
    {"-padbottom", "N", Video, "with -s: a bar of N pixels below the picture",
     [](EncodeRequest& r, Text o, Text v) { r.padding.bottom = Padding(o, v); }},
    {"-padleft", "N", Video, "with -s: a bar of N pixels left of the picture",
     [](EncodeRequest& r, Text o, Text v) { r.padding.left = Padding(o, v); }},
    {"-padright", "N", Video, "with -s: a bar of N pixels right of the picture",
     [](EncodeRequest& r, Text o, Text v) { r.padding.right = Padding(o, v); }},
    {"-fit", nullptr, Video,
     "with -s WxH: the picture is scaled, aspect kept, to the largest size that\n"
     "fits inside WxH (even sides, no bars); a side of 0 sets no bound, so\n"
     "-s 480x0 -fit is 480 wide", [](EncodeRequest& r, Text, Text) { r.fitInside = true; }},
    {"-r", "FPS", Video, "frame rate (29.97, 23.976, 14.985, 59.94 are the NTSC rates)", SetFrameRate},
    {"-b", "KBITS", Video, "bitrate in kbit/s; it outweighs -crf and -qscale",
     [](EncodeRequest& r, Text o, Text v) { r.videoBitrate = Kilobits(o, v); }},
    {"-crf", "N", Video,
     "constant quality, 0 to 63, lower is better: h264 (0-51, default 23),\n"
     "h265 (0-51, default 28), av1 (default 35), vp9 (default 32, no bitrate cap)",
     [](EncodeRequest& r, Text o, Text v) { r.qualityFactor = NumberWithin(o, v, 0, 63); }},
    {"-preset", "NAME", Video,
     "encoder speed: h264 and h265 ultrafast ... medium ... placebo;\n"
     "av1 0 (slowest) to 13 (fastest); vp9 0 (slowest) to 8 (fastest)",
     [](EncodeRequest& r, Text, Text v) { r.speedPreset = Trimmed(v); }},
    {"-pass", "1|2", Video,
     "two-pass rate control (h264, h265, vp9) with -b: pass 1 writes the\n"
     "encoder's statistics, pass 2 reads them and meets the bitrate closely",
     [](EncodeRequest& r, Text o, Text v) { r.pass = WholeNumberWithin(o, v, 1, 2).value_or(0); }},
    {"-passlogfile", "PREFIX", Video, "with -pass: where the statistics files' names start",
     [](EncodeRequest& r, Text, Text v) { r.passLogFile = Trimmed(v); }},
    {"-qscale", "Q", Video, "fixed quantiser (h264: the constant-quality factor when -crf is absent)",
     [](EncodeRequest& r, Text o, Text v) { r.qscale = NumberWithin(o, v, 0.01, 255); }},
    {"-maxrate", "KBITS", Video, "the highest bitrate the rate control allows, in kbit/s",
     [](EncodeRequest& r, Text o, Text v) { r.maxRate = Kilobits(o, v); }},
    {"-bufsize", "KBITS", Video, "the rate control's buffer, in kbit",
     [](EncodeRequest& r, Text o, Text v) { r.bufferSize = Kilobits(o, v); }},
    {"-bt", "KBITS", Video, "how far the bitrate may stray from -b, in kbit/s",
     [](EncodeRequest& r, Text o, Text v) { r.bitrateTolerance = Kilobits(o, v); }},
    {"-g", "FRAMES", Video, "a key picture at least every FRAMES pictures",
     [](EncodeRequest& r, Text o, Text v) { r.gopSize = WholeNumberWithin(o, v, 0, 100000); }},
    {"-coder", "0|1", Video, "h264: CAVLC (0) or CABAC (1)",
     [](EncodeRequest& r, Text o, Text v) { r.coder = WholeNumberWithin(o, v, 0, 1); }},
    {"-vframes", "N", Video, "stop after N pictures", SetFrameLimit},
    {"-crop", "auto|W:H:X:Y", Video,
     "keep this part of the upright picture before scaling; auto: the black\n"
     "borders found at every one of a dozen moments of the input, none of\n"
     "more than a third of the picture (a probe without output prints them)", SetCrop},
    {"-tonemap", nullptr, Video,
     "HDR (PQ, HLG) becomes SDR BT.709 also for h265, av1 and vp9, which\n"
     "otherwise keep it (10-bit, transfer, primaries, mastering metadata)",
     [](EncodeRequest& r, Text, Text) { r.toneMap = true; }},

    {"-acodec", "NAME", Audio,
     "mpeg4aac, mpeg4aac_qt, aac, mp3, mp2, ac3, pcm_s16le, wma7x, amr_nb,\n"
     "opus, vorbis, flac (keeps up to 24 bits), or copy",
     [](EncodeRequest& r, Text, Text v) { r.audioCodec = Trimmed(v); }},
    {"-an", nullptr, Audio, "no audio", [](EncodeRequest& r, Text, Text) { r.noAudio = true; }},
    {"-ab", "KBITS", Audio, "bitrate in kbit/s", [](EncodeRequest& r, Text o, Text v) { r.audioBitrate = Kilobits(o, v); }},
    {"-ar", "HZ", Audio, "sample rate; a rate the codec lacks becomes the nearest one it has",
     [](EncodeRequest& r, Text o, Text v) { r.sampleRate = WholeNumberWithin(o, v, 1000, 768000); }},
    {"-ac", "N", Audio, "channels (\"2 (stereo)\" reads as 2)",
     [](EncodeRequest& r, Text o, Text v) { r.channels = WholeNumberWithin(o, v, 1, 8); }},
    {"-vol_factor", "N", Audio, "volume N/50 (50 keeps it)",
     [](EncodeRequest& r, Text o, Text v) { r.volumeFactor = WholeNumberWithin(o, v, 0, 100000); }},
    {"-loudness", "LUFS", Audio,
     "measure the sound in a first pass (EBU R128) and bring it with one gain\n"
     "to this integrated loudness (-70 to 0, such as -16), its true peak at\n"
     "most -1 dBTP; no compression. It takes the place of -vol_factor",
     [](EncodeRequest& r, Text o, Text v) { r.loudness = NumberWithin(o, v, -70, 0); }},
    {"-nofoldercover", nullptr, Audio,
     "a sound output whose input holds no picture takes none from the input's\n"
     "folder (cover.jpg, folder.jpg, front.jpg); the input's tags and pictures\n"
     "go into every sound file that holds them (MP3, M4A, FLAC, Ogg, WMA, WAV)",
     [](EncodeRequest& r, Text, Text) { r.folderCover = false; }},
    {"-alang", "LANG", Audio, "the sound track in this language (such as fra) for outputs of one track",
     [](EncodeRequest& r, Text, Text v) { r.audioLanguage = Trimmed(v); }},
};
// clang-format on

} // namespace

std::span<const CommandLineOption> CommandLineOptions()
{
    return kOptions;
}

const CommandLineOption* FindOption(const std::string& name)
{
    const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                     [&name](const CommandLineOption& row) { return name == row.name; });
    return option == std::end(kOptions) ? nullptr : &*option;
}

} // namespace ridod2e

#include "encoder/CommandLine.h"

#include "encoder/Fault.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

extern "C" {
#include <libavutil/parseutils.h>
}

namespace ridod2e {
namespace {

using Setter = std::function<void(EncodeRequest&, const std::string& option, const std::string& value)>;

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<double> NumberWithin(const std::string& option, const std::string& text, double low, double high)
{
    const std::optional<double> number = LeadingNumber(option, text);
    if (number && (*number < low || *number > high))
        Fail(option + " " + Trimmed(text) + " is out of range");
    return number;
}

std::optional<int> WholeNumberWithin(const std::string& option, const std::string& text, int low, int high)
{
    const std::optional<double> number = NumberWithin(option, text, low, high);
    if (!number)
        return std::nullopt;
    return static_cast<int>(std::lround(*number));
}

// Bitrates and buffer sizes come in kbit/s and kbit.
std::optional<int64_t> Kilobits(const std::string& option, const std::string& text)
{
    const std::optional<double> number = NumberWithin(option, text, 0.001, 1e6);
    if (!number)
        return std::nullopt;
    return static_cast<int64_t>(std::llround(*number * 1000));
}

FrameDimensions SizeFromText(const std::string& option, const std::string& text)
{
    const std::string size = Trimmed(text);
    const auto x = size.find('x');
    int width = 0;
    int height = 0;
    const char* end = size.data() + size.size();
    const bool read = x != std::string::npos
        && std::from_chars(size.data(), size.data() + x, width).ptr == size.data() + x
        && std::from_chars(size.data() + x + 1, end, height).ptr == end;
    if (!read || width <= 0 || height <= 0 || width > 16384 || height > 16384)
        Fail(option + " takes a frame size such as 320x240, not '" + text + "'");
    return {width, height};
}

double SecondsFromText(const std::string& option, const std::string& text)
{
    int64_t microseconds = 0;
    if (av_parse_time(&microseconds, Trimmed(text).c_str(), 1) < 0 || microseconds < 0)
        Fail(option + " takes a time in seconds, not '" + text + "'");
    return static_cast<double>(microseconds) / 1e6;
}

const std::map<std::string, Setter>& ValueOptions()
{
    static const std::map<std::string, Setter> options = {
        {"-vcodec", [](EncodeRequest& r, const std::string&, const std::string& v) { r.videoCodec = Trimmed(v); }},
        {"-acodec", [](EncodeRequest& r, const std::string&, const std::string& v) { r.audioCodec = Trimmed(v); }},
        {"-b", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.videoBitrate = Kilobits(o, v); }},
        {"-ab", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.audioBitrate = Kilobits(o, v); }},
        {"-maxrate", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.maxRate = Kilobits(o, v); }},
        {"-bufsize", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.bufferSize = Kilobits(o, v); }},
        {"-bt", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.bitrateTolerance = Kilobits(o, v); }},
        {"-ar", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.sampleRate = WholeNumberWithin(o, v, 1000, 768000); }},
        {"-ac", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.channels = WholeNumberWithin(o, v, 1, 8); }},
        {"-r",
         [](EncodeRequest& r, const std::string& o, const std::string& v) {
             if (const auto rate = NumberWithin(o, v, 0.5, 1000))
                 r.frameRate = FrameRateFromText(*rate);
         }},
        {"-s", [](EncodeRequest& r, const std::string& o, const std::string& v) {
             if (!Trimmed(v).empty())
                 r.size = SizeFromText(o, v);
         }},
        {"-padtop", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.padding.top = WholeNumberWithin(o, v, 0, 8192).value_or(0); }},
        {"-padbottom", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.padding.bottom = WholeNumberWithin(o, v, 0, 8192).value_or(0); }},
        {"-padleft", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.padding.left = WholeNumberWithin(o, v, 0, 8192).value_or(0); }},
        {"-padright", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.padding.right = WholeNumberWithin(o, v, 0, 8192).value_or(0); }},
        {"-g", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.gopSize = WholeNumberWithin(o, v, 0, 100000); }},
        {"-qscale", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.qscale = NumberWithin(o, v, 0.01, 255); }},
        {"-coder", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.coder = WholeNumberWithin(o, v, 0, 1); }},
        {"-vol_factor", [](EncodeRequest& r, const std::string& o, const std::string& v) { r.volumeFactor = WholeNumberWithin(o, v, 0, 100000); }},
        {"-vframes", [](EncodeRequest& r, const std::string& o, const std::string& v) {
             if (const auto frames = NumberWithin(o, v, 0, 1e12))
                 r.maxVideoFrames = static_cast<int64_t>(*frames);
         }},
        {"-ss", [](EncodeRequest& r, const std::string& o, const std::string& v) {
             if (!Trimmed(v).empty())
                 r.startSeconds = SecondsFromText(o, v);
         }},
        {"-title", [](EncodeRequest& r, const std::string&, const std::string& v) { r.title = v; }},
    };
    return options;
}

const std::map<std::string, std::function<void(EncodeRequest&)>>& Switches()
{
    static const std::map<std::string, std::function<void(EncodeRequest&)>> switches = {
        {"-@", [](EncodeRequest& r) { r.machineOutput = true; }},
        {"-y", [](EncodeRequest& r) { r.overwrite = true; }},
        {"-bitexact", [](EncodeRequest& r) { r.bitexact = true; }},
        {"-id3v1", [](EncodeRequest& r) { r.id3v1 = true; }},
        {"-id3v2", [](EncodeRequest& r) { r.id3v2 = true; }},
        {"-vn", [](EncodeRequest& r) { r.noVideo = true; }},
        {"-an", [](EncodeRequest& r) { r.noAudio = true; }},
    };
    return switches;
}

void SetInput(EncodeRequest& request, const std::string& token)
{
    if (!request.input.empty() || request.alternativeReader)
        Fail("only one input file can be given");
    const std::string prefix = AlternativeReaderPrefix;
    request.alternativeReader = token.compare(0, prefix.size(), prefix) == 0;
    request.input = request.alternativeReader ? token.substr(prefix.size()) : token;
    if (request.input.empty())
        Fail("-i needs the path of the input file");
}

} // namespace

std::optional<double> LeadingNumber(const std::string& option, const std::string& text)
{
    const std::string value = Trimmed(text);
    if (value.empty())
        return std::nullopt;
    double number = 0;
    if (std::from_chars(value.data(), value.data() + value.size(), number).ec != std::errc() || !std::isfinite(number))
        Fail(option + " takes a number, not '" + text + "'");
    return number;
}

AVRational FrameRateFromText(double framesPerSecond)
{
    for (const int nominal : {15, 24, 30, 48, 60, 120})
        if (std::fabs(framesPerSecond - nominal * 1000.0 / 1001.0) < 0.006)
            return {nominal * 1000, 1001};
    return av_d2q(framesPerSecond, 1001000);
}

EncodeRequest ParseCommandLine(const std::vector<std::string>& arguments)
{
    EncodeRequest request;
    bool inputSeen = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            if (!request.output.empty())
                Fail("only one output file can be given ('" + request.output + "' and '" + argument + "')");
            if (argument.empty())
                Fail("the output file name is empty");
            request.output = argument;
            continue;
        }
        if (const auto found = Switches().find(argument); found != Switches().end()) {
            found->second(request);
            continue;
        }
        if (i + 1 >= arguments.size())
            Fail("option " + argument + " needs a value");
        const std::string& value = arguments[++i];
        if (argument == "-i") {
            SetInput(request, value);
            inputSeen = true;
        } else if (argument == "-f") {
            (inputSeen ? request.outputFormat : request.inputFormat) = Trimmed(value);
        } else if (const auto found = ValueOptions().find(argument); found != ValueOptions().end()) {
            found->second(request, argument, value);
        } else {
            Fail("unrecognised option " + argument);
        }
    }
    if (!inputSeen)
        Fail("no input file: give -i and the path of the file");
    return request;
}

} // namespace ridod2e

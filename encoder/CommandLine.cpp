#include "encoder/CommandLine.h"

#include "encoder/Fault.h"

#include <charconv>
#include <cmath>

extern "C" {
#include <libavutil/parseutils.h>
}

namespace ridod2e {
namespace {

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
    // A side of 0 is no bound for -fit; ParseCommandLine holds it to that.
    if (!read || width < 0 || height < 0 || width + height == 0 || width > 16384 || height > 16384)
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

int PaddingFromText(const std::string& option, const std::string& text)
{
    return WholeNumberWithin(option, text, 0, 8192).value_or(0);
}

bool FastStartFromText(const std::string& option, const std::string& text)
{
    const std::string flags = Trimmed(text);
    if (!flags.empty() && flags != "+faststart" && flags != "faststart")
        Fail(option + " takes +faststart, not '" + text + "'");
    return !flags.empty();
}

// -fit needs a box, and only a box has a side without bound.
void CheckSize(const EncodeRequest& request)
{
    if (request.fitInside && !request.size)
        Fail("-fit needs -s with the size to fit inside, such as -s 1280x720 -fit");
    if (!request.fitInside && request.size && (request.size->width == 0 || request.size->height == 0))
        Fail("-s with a side of 0 needs -fit: that side then follows the picture's aspect");
}

// Sets the option that takes a value; false for an option it does not know.
bool ApplyValue(EncodeRequest& r, const std::string& option, const std::string& value)
{
    if (option == "-vcodec")
        r.videoCodec = Trimmed(value);
    else if (option == "-acodec")
        r.audioCodec = Trimmed(value);
    else if (option == "-b")
        r.videoBitrate = Kilobits(option, value);
    else if (option == "-ab")
        r.audioBitrate = Kilobits(option, value);
    else if (option == "-maxrate")
        r.maxRate = Kilobits(option, value);
    else if (option == "-bufsize")
        r.bufferSize = Kilobits(option, value);
    else if (option == "-bt")
        r.bitrateTolerance = Kilobits(option, value);
    else if (option == "-ar")
        r.sampleRate = WholeNumberWithin(option, value, 1000, 768000);
    else if (option == "-ac")
        r.channels = WholeNumberWithin(option, value, 1, 8);
    else if (option == "-r") {
        if (const auto rate = NumberWithin(option, value, 0.5, 1000))
            r.frameRate = FrameRateFromText(*rate);
    } else if (option == "-s") {
        if (Trimmed(value) == "keep")
            r.size.reset();
        else if (!Trimmed(value).empty())
            r.size = SizeFromText(option, value);
    } else if (option == "-padtop")
        r.padding.top = PaddingFromText(option, value);
    else if (option == "-padbottom")
        r.padding.bottom = PaddingFromText(option, value);
    else if (option == "-padleft")
        r.padding.left = PaddingFromText(option, value);
    else if (option == "-padright")
        r.padding.right = PaddingFromText(option, value);
    else if (option == "-g")
        r.gopSize = WholeNumberWithin(option, value, 0, 100000);
    else if (option == "-qscale")
        r.qscale = NumberWithin(option, value, 0.01, 255);
    else if (option == "-coder")
        r.coder = WholeNumberWithin(option, value, 0, 1);
    else if (option == "-vol_factor")
        r.volumeFactor = WholeNumberWithin(option, value, 0, 100000);
    else if (option == "-vframes") {
        if (const auto frames = NumberWithin(option, value, 0, 1e12))
            r.maxVideoFrames = static_cast<int64_t>(*frames);
    } else if (option == "-ss") {
        if (!Trimmed(value).empty())
            r.startSeconds = SecondsFromText(option, value);
    } else if (option == "-title")
        r.title = value;
    else if (option == "-crf")
        r.qualityFactor = NumberWithin(option, value, 0, 63);
    else if (option == "-preset")
        r.speedPreset = Trimmed(value);
    else if (option == "-movflags")
        r.fastStart = FastStartFromText(option, value);
    else
        return false;
    return true;
}

// Sets the switch; false for a switch it does not know.
bool ApplySwitch(EncodeRequest& r, const std::string& option)
{
    if (option == "-@")
        r.machineOutput = true;
    else if (option == "-y")
        r.overwrite = true;
    else if (option == "-bitexact")
        r.bitexact = true;
    else if (option == "-id3v1")
        r.id3v1 = true;
    else if (option == "-id3v2")
        r.id3v2 = true;
    else if (option == "-vn")
        r.noVideo = true;
    else if (option == "-an")
        r.noAudio = true;
    else if (option == "-fit")
        r.fitInside = true;
    else if (option == "-chapters")
        r.keepChapters = true;
    else if (option == "-allow-protocols")
        r.allowProtocols = true;
    else
        return false;
    return true;
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
        if (ApplySwitch(request, argument))
            continue;
        if (i + 1 >= arguments.size())
            Fail("option " + argument + " needs a value");
        const std::string& value = arguments[++i];
        if (argument == "-i") {
            SetInput(request, value);
            inputSeen = true;
        } else if (argument == "-f") {
            (inputSeen ? request.outputFormat : request.inputFormat) = Trimmed(value);
        } else if (!ApplyValue(request, argument, value)) {
            Fail("unrecognised option " + argument);
        }
    }
    if (!inputSeen)
        Fail("no input file: give -i and the path of the file");
    CheckSize(request);
    return request;
}

} // namespace ridod2e

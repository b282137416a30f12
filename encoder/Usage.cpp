// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Usage.h"

#include "encoder/CommandLineOptions.h"

#include <sstream>

namespace ridod2e {
namespace {

constexpr const char* kHead = R"text(usage: ridod2e [-@] [-y] [-f READER] -i INPUT [options] [OUTPUT]
Without OUTPUT the input is described and nothing is written.
)text";

constexpr const char* kTail = R"text(
Copying
  -vcodec copy, -acodec copy
                     the streams go into the new container as they are: no quality lost, no
                     encoding; timestamps, metadata and (with -chapters) chapters are kept.
                     Every stream the job keeps is copied (or left out with -vn or -an), and
                     options that would change a copied stream are refused. A stream the
                     container cannot hold ends the job before anything is written.

Every picture is turned upright as its display matrix says, deinterlaced when the
stream says it is interlaced or a short look finds it so, and HDR is tone-mapped where the
codec takes SDR. Outputs of one sound track take the input's default track (never a
commentary while there is another). With -keepall every sound track goes over with its
language and title, text subtitles are carried (mov_text in MP4, WebVTT in WebM) and the
colour is described. Copies keep every stream the
container holds (text subtitles become mov_text in MP4). A line names each subtitle or
other stream left out.
Containers by extension include .mp4, .m4a, .mov, .3gp, .avi, .mpg, .wmv, .wma, .mp3, .aac,
.mkv, .webm, .gif, .flac, .opus, .ogg and .wav.
)text";

constexpr std::size_t kIndent = 2;
constexpr std::size_t kHelpColumn = 21;

struct Group {
    OptionGroup group;
    const char* heading;
};

constexpr Group kGroups[] = {{OptionGroup::General, "General"}, {OptionGroup::Video, "Video"}, {OptionGroup::Audio, "Audio"}};

// The option and its value, then the help's lines at the help column (on
// the next line when the option reaches it).
void PrintOption(std::ostringstream& out, const CommandLineOption& option)
{
    std::string line = std::string(kIndent, ' ') + option.name;
    if (option.value != nullptr)
        line += std::string(" ") + option.value;
    if (line.size() >= kHelpColumn) {
        out << line << '\n';
        line.clear();
    }
    std::istringstream lines(option.help);
    for (std::string text; std::getline(lines, text);) {
        line.resize(kHelpColumn, ' ');
        out << line << text << '\n';
        line.clear();
    }
}

} // namespace

bool AsksForUsage(const std::vector<std::string>& arguments)
{
    return arguments.empty() || arguments == std::vector<std::string> {"-h"}
        || arguments == std::vector<std::string> {"--help"};
}

std::string UsageText()
{
    std::ostringstream out;
    out << kHead;
    for (const Group& group : kGroups) {
        out << '\n' << group.heading << '\n';
        for (const CommandLineOption& option : CommandLineOptions()) {
            if (option.group == group.group)
                PrintOption(out, option);
        }
    }
    out << kTail;
    return out.str();
}

} // namespace ridod2e

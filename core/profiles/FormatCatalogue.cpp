#include "core/profiles/FormatCatalogue.h"

#include <array>

namespace {

struct FormatRow {
    std::string text;
    std::string tag;
};

const std::string kSeparator = std::string(14, ' ') + std::string(53, '-');

const std::array<FormatRow, kFormatCount>& Rows()
{
    static const std::array<FormatRow, kFormatCount> rows{{
        {"iPod (320 x 240) Good Quality (*.mp4)", "MP4"},
        {"iPod (320 x 240) Normal Quality (*.mp4)", "MP4"},
        {"iPod (320 x 240) iPod Mini (*.mp4)", "MP4"},
        {"iPod Video2 (640 x 480) Good Quality (*.mp4)", "MP4"},
        {"iPod Video2 (640 x 480) Normal Quality (*.mp4)", "MP4"},
        {"iPod Video2 (640 x 480) iPod Mini (*.mp4)", "MP4"},
        {"iPod Video For TV (*.mp4)", "MP4"},
        {kSeparator, ""},
        {"Zune Mpeg4 Video (*.mp4)", "MP4"},
        {"Zune Mpeg4 AVC Video (*.mp4)", "MP4"},
        {"Zune WMV Windows Media Video (*.wmv)", "WMV"},
        {kSeparator, ""},
        {"PSP Video  (*.mp4)", "MP4"},
        {"PSP AVC Video (*.mp4)", "MP4"},
        {"PS3 Video(480P) (*.mp4)", "MP4"},
        {"PS3 Video(720P) (*.mp4)", "MP4"},
        {"PS3 Video(1080P) (*.mp4)", "MP4"},
        {kSeparator, ""},
        {"3GP - 3rd Generation Partnership Project (*.3gp)", "3GP"},
        {"3G2 - 3rd Generation Partnership Project 2 (*.3g2)", "3G2"},
        {kSeparator, ""},
        {"AAC - Advance Audio Coding (*.aac)", "AAC"},
        {"M4A - Mpeg4 Audio File (*.m4a)", "M4A"},
        {"MP3 - Mpeg Layer3 Audio File (*.mp3)", "MP3"},
        {"WMA - Windows Media Audio (*.wma)", "WMA"},
        {kSeparator, ""},
        {"AVI - Audio Video Interleave (*.avi)", "AVI"},
        {"MPEG - Mpeg Movie File (*.mpg)", "MPG"},
        {"MOV - QuickTime Video (*.mov)", "MOV"},
        {"WMV - Windows Media Video (*.wmv)", "WMV"},
        {kSeparator, ""},
        {"MP4 Video - H.264, H.265 or AV1 (*.mp4)", "MP4"},
        {"WebM Video - VP9 and Opus (*.webm)", "WEBM"},
        {"MP4 - Same Streams, No Re-encoding (*.mp4)", "MP4"},
        {"MKV - Same Streams, No Re-encoding (*.mkv)", "MKV"},
        {"GIF Animation (*.gif)", "GIF"},
        {kSeparator, ""},
        {"FLAC - Lossless Audio (*.flac)", "FLAC"},
        {"Opus Audio (*.opus)", "OPUS"},
        {"OGG Vorbis Audio (*.ogg)", "OGG"},
        {"WAV - Uncompressed Audio (*.wav)", "WAV"},
    }};
    return rows;
}

const std::string kEmpty;

} // namespace

const std::string& FormatText(int index)
{
    return index >= 0 && index < kFormatCount ? Rows()[index].text : kEmpty;
}

const std::string& FormatTag(int index)
{
    return index >= 0 && index < kFormatCount ? Rows()[index].tag : kEmpty;
}

bool IsSeparatorRow(int index)
{
    return index >= 0 && index < kFormatCount && Rows()[index].tag.empty();
}

bool KeepsEveryTrack(int index)
{
    return index == formats::kMp4Video || index == formats::kWebm || index == formats::kMp4Copy
        || index == formats::kMkvCopy;
}

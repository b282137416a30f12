// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatCatalogue.h"

#include "core/cmdline/FormatAssembly.h"
#include "core/cmdline/NewerAssembly.h"
#include "core/profiles/Profiles.h"

#include <iterator>

namespace {

using enum FormatKind;
using namespace offer;

// Fourteen blanks and fifty-three hyphens.
constexpr std::string_view kSeparator = "              -----------------------------------------------------";

// What today's formats offer; the lists they leave out carry no choice for them.
constexpr Offers kTodaysVideoOffers = kAll | kHdr;
constexpr Offers kCopyOffers = kMute;
constexpr Offers kGifOffers = kVideoCodec | kVideoSize | kFrameRate;
constexpr Offers kLossyAudioOffers = kSound | kVolume | kLoudness;
constexpr Offers kLosslessAudioOffers = kAudioCodec | kChannels | kSamplingRate | kVolume | kLoudness;

constexpr FormatSpec kFormats[] = {
    {"ipod-320-good", "iPod (320 x 240) Good Quality (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"320 x 240", "1500 Kbps", "64 Kbps"}, s); }, assembly::IPod},
    {"ipod-320-normal", "iPod (320 x 240) Normal Quality (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"320 x 240", "1200 Kbps", "64 Kbps"}, s); }, assembly::IPod},
    {"ipod-320-mini", "iPod (320 x 240) iPod Mini (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"320 x 240", "512 Kbps", "64 Kbps"}, s); }, assembly::IPod},
    {"ipod-640-good", "iPod Video2 (640 x 480) Good Quality (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"640 x 480", "2500 Kbps", "80 Kbps"}, s); }, assembly::IPod},
    {"ipod-640-normal", "iPod Video2 (640 x 480) Normal Quality (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"640 x 480", "1200 Kbps", "80 Kbps"}, s); }, assembly::IPod},
    {"ipod-640-mini", "iPod Video2 (640 x 480) iPod Mini (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"640 x 480", "512 Kbps", "80 Kbps"}, s); }, assembly::IPod},
    {"ipod-tv", "iPod Video For TV (*.mp4)", "MP4", Video,
     [](ProfileState& s) { ApplyIPodProfile({"640 x 480", "2500 Kbps", "80 Kbps"}, s); }, assembly::IPod},
    {.id = "divider-zune", .caption = kSeparator, .tag = "", .kind = Separator, .settingsReset = true},
    {"zune-mpeg4", "Zune Mpeg4 Video (*.mp4)", "MP4", Video, ApplyZuneMpeg4Profile, assembly::ZuneMpeg4},
    {"zune-avc", "Zune Mpeg4 AVC Video (*.mp4)", "MP4", Video, ApplyZuneAvcProfile, assembly::ZuneAvc},
    {"zune-wmv", "Zune WMV Windows Media Video (*.wmv)", "WMV", Video, ApplyZuneWmvProfile, assembly::Wmv},
    {.id = "divider-playstation", .caption = kSeparator, .tag = "", .kind = Separator},
    {.id = "psp", .caption = "PSP Video  (*.mp4)", .tag = "MP4", .kind = Video, .applyProfile = ApplyPspProfile,
     .assemble = assembly::Psp, .family = kPspFamily, .thumbnailRun = true},
    {.id = "psp-avc", .caption = "PSP AVC Video (*.mp4)", .tag = "MP4", .kind = Video,
     .applyProfile = ApplyPspAvcProfile, .assemble = assembly::PspAvc, .family = kPspFamily, .thumbnailRun = true},
    {.id = "ps3-480p", .caption = "PS3 Video(480P) (*.mp4)", .tag = "MP4", .kind = Video,
     .applyProfile = ApplyPs3Video480Profile, .assemble = assembly::Ps3Video480, .family = kPspFamily},
    {.id = "ps3-720p", .caption = "PS3 Video(720P) (*.mp4)", .tag = "MP4", .kind = Video,
     .applyProfile = ApplyPs3Video720Profile, .assemble = assembly::Ps3VideoHd, .family = kPspFamily},
    {.id = "ps3-1080p", .caption = "PS3 Video(1080P) (*.mp4)", .tag = "MP4", .kind = Video,
     .applyProfile = ApplyPs3Video1080Profile, .assemble = assembly::Ps3VideoHd, .family = kPspFamily},
    {.id = "divider-phone", .caption = kSeparator, .tag = "", .kind = Separator},
    {"3gp", "3GP - 3rd Generation Partnership Project (*.3gp)", "3GP", Video, Apply3gpProfile, assembly::Phone3gp},
    {"3g2", "3G2 - 3rd Generation Partnership Project 2 (*.3g2)", "3G2", Video, Apply3g2Profile, assembly::Phone3g2},
    {.id = "divider-audio", .caption = kSeparator, .tag = "", .kind = Separator},
    {"aac", "AAC - Advance Audio Coding (*.aac)", "AAC", AudioOnly, ApplyAacProfile, assembly::Aac},
    {"m4a", "M4A - Mpeg4 Audio File (*.m4a)", "M4A", AudioOnly, ApplyM4aProfile, assembly::M4a},
    {"mp3", "MP3 - Mpeg Layer3 Audio File (*.mp3)", "MP3", AudioOnly, ApplyMp3Profile, assembly::Mp3},
    {"wma", "WMA - Windows Media Audio (*.wma)", "WMA", AudioOnly, ApplyWmaProfile, assembly::Wma},
    {.id = "divider-video", .caption = kSeparator, .tag = "", .kind = Separator},
    {"avi", "AVI - Audio Video Interleave (*.avi)", "AVI", Video, ApplyAviProfile, assembly::Avi},
    {"mpeg", "MPEG - Mpeg Movie File (*.mpg)", "MPG", Video, ApplyMpegProfile, assembly::Mpeg},
    {"mov", "MOV - QuickTime Video (*.mov)", "MOV", Video, ApplyMovProfile, assembly::Mov},
    {"wmv", "WMV - Windows Media Video (*.wmv)", "WMV", Video, ApplyWmvProfile, assembly::Wmv},
    {.id = "divider-todays-video", .caption = kSeparator, .tag = "", .kind = Separator, .settingsReset = true},
    {.id = "mp4-video", .caption = "MP4 Video - H.264, H.265 or AV1 (*.mp4)", .tag = "MP4", .kind = Video,
     .applyProfile = ApplyMp4VideoProfile, .assemble = assembly::Mp4Video, .offers = kTodaysVideoOffers, .keepsEveryTrack = true, .fitsToSize = true},
    {.id = "webm", .caption = "WebM Video - VP9 and Opus (*.webm)", .tag = "WEBM", .kind = Video,
     .applyProfile = ApplyWebmProfile, .assemble = assembly::WebmVideo, .offers = kTodaysVideoOffers, .keepsEveryTrack = true, .fitsToSize = true},
    {.id = "mp4-copy", .caption = "MP4 - Same Streams, No Re-encoding (*.mp4)", .tag = "MP4", .kind = StreamCopy,
     .assemble = assembly::Mp4Copy, .offers = kCopyOffers, .keepsEveryTrack = true},
    {.id = "mkv-copy", .caption = "MKV - Same Streams, No Re-encoding (*.mkv)", .tag = "MKV", .kind = StreamCopy,
     .assemble = assembly::MkvCopy, .offers = kCopyOffers, .keepsEveryTrack = true},
    {"gif", "GIF Animation (*.gif)", "GIF", Animation, ApplyGifProfile, assembly::Gif, kGifOffers},
    {.id = "divider-todays-audio", .caption = kSeparator, .tag = "", .kind = Separator, .settingsReset = true},
    {"flac", "FLAC - Lossless Audio (*.flac)", "FLAC", AudioOnly, ApplyFlacProfile, assembly::ChapteredAudio,
     kLosslessAudioOffers},
    {"opus", "Opus Audio (*.opus)", "OPUS", AudioOnly, ApplyOpusProfile, assembly::ChapteredAudio,
     kLossyAudioOffers},
    {"ogg-vorbis", "OGG Vorbis Audio (*.ogg)", "OGG", AudioOnly, ApplyOggProfile, assembly::ChapteredAudio,
     kLossyAudioOffers},
    {"wav", "WAV - Uncompressed Audio (*.wav)", "WAV", AudioOnly, ApplyWavProfile, assembly::Wav,
     kLosslessAudioOffers},
};

} // namespace

Offers OffersOf(const FormatSpec& format)
{
    const bool codesPicture = format.kind == Video || format.kind == Animation;
    return format.offers | (codesPicture ? kCrop : 0);
}

std::span<const FormatSpec> Formats()
{
    return kFormats;
}

int FormatCount()
{
    return static_cast<int>(std::size(kFormats));
}

const FormatSpec* FormatAt(int index)
{
    return index >= 0 && index < FormatCount() ? &kFormats[index] : nullptr;
}

std::string FormatText(int index)
{
    const FormatSpec* format = FormatAt(index);
    return format ? std::string(format->caption) : std::string();
}

std::string FormatTag(int index)
{
    const FormatSpec* format = FormatAt(index);
    return format ? std::string(format->tag) : std::string();
}

bool IsSeparatorRow(int index)
{
    const FormatSpec* format = FormatAt(index);
    return format && format->kind == FormatKind::Separator;
}

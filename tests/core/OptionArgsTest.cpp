// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/OptionArgs.h"
#include "core/profiles/LoudnessEntries.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(CommandPieces, FixedPiecesHaveTheirExactLengths)
{
    using namespace pieces;
    const struct {
        std::string_view piece;
        std::size_t length;
    } table[] = {
        {kEncoderTail, 24 - 11},  {kEncoderTailQuickTime, 30 - 11}, {kAltReaderPrefix, 5},
        {kVideoCodecHead, 10},    {kAudioCodecHead, 10},            {kVideoBitrateHead, 5},
        {kFrameRateHead, 5},      {kAudioBitrateHead, 6},           {kSamplingRateHead, 6},
        {kStereo, 17},            {kMono, 15},                      {kSizeHead, 4},
        {kFallbackSize, 11},      {kVolumeHead, 14},                {kMute, 5},
        {kPadTop, 9},             {kPadBottom, 12},                 {kPadLeft, 10},
        {kPadRight, 11},          {kMpeg4AacCodec, 19},             {kMpeg4Codec, 16},
        {kBitexactH264, 25},      {kZuneAvcRates, 43},              {kGopWide, 35},
        {kWmvCodecHead, 16},      {kXwmvTail, 9},                   {kXvidCodec, 15},
        {kPspContainer, 7},       {kTitleHead, 19},                 {kH264Codec, 15},
        {kPspAvcBitrate, 9},      {kPspAvcMaxrate, 16},             {kPspAvcBufsize, 15},
        {kPspAvcRate, 12},        {kGopNarrow, 34},                 {kPs3Rates480, 54},
        {kPs3RatesHd, 54},        {kPhoneBt, 10},                   {kAmrNbCodec, 17},
        {k3gpContainer, 7},       {kAacCodec, 14},                  {kNoVideo, 5},
        {kMp3Codec, 28},          {kWmaCodec, 23},                  {kNoVideoShort, 4},
        {kXwmvContainer, 8},      {kMpeg1Codec, 21},                {kMpegBitrate, 10},
        {kMpegRate, 8},           {kMovVideoCodec, 19},             {kMovAudioCodec, 22},
        {kQtContainer, 6},        {kThumbnailHead, 31},             {kThumbnailExtension, 4},
    };
    for (const auto& row : table)
        EXPECT_EQ(row.piece.size(), row.length) << '[' << row.piece << ']';
    // The encoder's fixed part once carried ".exe" (4 characters) after the 7-character name.
    EXPECT_EQ(std::string("ridod2e.exe").size(), 11u);
}

TEST(CommandPieces, BlanksSitWhereTheAssembliesNeedThem)
{
    EXPECT_EQ(pieces::kEncoderTail, "\" -@ -y  -i \"");
    EXPECT_EQ(pieces::kEncoderTailQuickTime, "\" -@ -y  -f qt -i \"");
    EXPECT_EQ(pieces::kAltReaderPrefix, "DS:\\\\");
    EXPECT_EQ(pieces::kGopWide, " -g \"250\"  -qscale \"25\"  -coder \"1\"");
    EXPECT_EQ(pieces::kGopNarrow, " -g \"250\" -qscale \"25\" -coder \"1\" ");
    EXPECT_EQ(pieces::kPs3Rates480, " -b \"1200\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\"");
}

struct TextCase {
    const char* text;
    const char* piece;
};

// What --loudness takes: the entry, its level with either minus sign, or off.
TEST(OptionArgs, LoudnessIsNamedByItsEntryOrItsLevel)
{
    const std::string podcast = "\u221216 LUFS (podcast)";
    for (const char* typed : {"-16", "\u221216", " -16 LUFS", "-16lufs", "\u221216 LUFS (podcast)"})
        EXPECT_EQ(LoudnessEntryFor(typed), podcast) << typed;
    EXPECT_EQ(LoudnessEntryFor("OFF"), "Off");
    for (const char* none : {"-15", "16", "-16 dB", "", "loud"})
        EXPECT_EQ(LoudnessEntryFor(none), "") << none;
    EXPECT_EQ(LoudnessTarget(podcast), -16);
    EXPECT_EQ(LoudnessTarget("Off"), std::nullopt);
}

TEST(OptionArgs, VideoCodecIsTrimmedAndLowerCased)
{
    const TextCase table[] = {
        {"MPEG4", " -vcodec \"mpeg4\" "}, {"XVid", " -vcodec \"xvid\" "}, {"XVID", " -vcodec \"xvid\" "},
        {"H264", " -vcodec \"h264\" "},   {"H263", " -vcodec \"h263\" "}, {"  MPEG4 ", " -vcodec \"mpeg4\" "},
        {"", " -vcodec \"\" "},
    };
    for (const auto& row : table)
        EXPECT_EQ(VideoCodecArg(row.text), row.piece) << row.text;
}

TEST(OptionArgs, AudioCodecKeepsItsCase)
{
    const TextCase table[] = {
        {"pcm_s16le", " -acodec \"pcm_s16le\" "}, {"wma7x", " -acodec \"wma7x\" "},
        {"mp3", " -acodec \"mp3\" "},             {" Mp2 ", " -acodec \"Mp2\" "},
    };
    for (const auto& row : table)
        EXPECT_EQ(AudioCodecArg(row.text), row.piece) << row.text;
}

TEST(OptionArgs, VideoBitrateTakesTheNumberBeforeKbps)
{
    const TextCase table[] = {
        {"512 Kbps", " -b \"512\""}, {"2500 Kbps", " -b \"2500\""}, {" 1200 Kbps ", " -b \"1200\""},
        {"", ""},                    {"   ", ""},                    {"fast", " -b \"\""},
    };
    for (const auto& row : table)
        EXPECT_EQ(VideoBitrateArg(row.text), row.piece) << row.text;
}

TEST(OptionArgs, FrameRate)
{
    const TextCase table[] = {
        {"29.97 fps", " -r \"29.97\" "}, {"14.985 fps", " -r \"14.985\" "}, {"23.975 fps", " -r \"23.975\" "},
        {"15 fps", " -r \"15\" "},       {"Auto", " "},                     {" Auto", " "},
        {"", ""},                        {" fps", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(FrameRateArg(row.text), row.piece) << '[' << row.text << ']';
}

TEST(OptionArgs, AudioBitrateIsNotTrimmed)
{
    const TextCase table[] = {
        {"128 Kbps", " -ab \"128\""}, {"32 Kbps", " -ab \"32\""}, {"", ""}, {"none", " -ab \"\""},
        {" 64 Kbps", " -ab \" 64\""},
    };
    for (const auto& row : table)
        EXPECT_EQ(AudioBitrateArg(row.text), row.piece) << row.text;
}

TEST(OptionArgs, ChannelsByIndex)
{
    EXPECT_EQ(ChannelsArg(0), " -ac \"2 (stereo)\"");
    EXPECT_EQ(ChannelsArg(1), " -ac \"1 (mono)\"");
    EXPECT_EQ(ChannelsArg(-1), "");
    EXPECT_EQ(ChannelsArg(2), "");
}

TEST(OptionArgs, SamplingRateIsBuiltEvenWhenEmpty)
{
    const TextCase table[] = {
        {"44100 Hz", " -ar \"44100\""}, {"8000  Hz", " -ar \"8000 \""}, {"24000 Hz", " -ar \"24000\""},
        {"", " -ar \"\""},              {"44100", " -ar \"\""},
    };
    for (const auto& row : table)
        EXPECT_EQ(SamplingRateArg(row.text), row.piece) << row.text;
}

TEST(OptionArgs, SizeFromTheListAndTheSource)
{
    const struct {
        const char* list;
        const char* source;
        const char* piece;
    } table[] = {
        {"320 x 240", "640 x 480", " -s 320x240"},
        {"320 x 240 (VGA)", "640 x 480", " -s 320x240"},
        {"704 x 576 (CIF)", "640 x 480", " -s 704x576"},
        {"320 x 240 (iPod Default)", "640 x 480", " -s 320x240"},
        {"1920 x 1072", "0 x 0", " -s 1920x1072"},
        {"320 x 240", "Unknown", " -s 176x144"},
        {"Original Video Size", "Unknown", " -s 176x144"},
        {"Original Video Size", "", " -s 176x144"},
        {"Original Video Size", "0 x 0", ""},
        {"Original Video Size", "640 x 0", ""},
        {"Original Video Size", "640 x 352", " -s 640x352"},
        {"Original Video Size", " 720 X 576 ", " -s 720x576"},
        {"0 x 240", "640 x 480", " -s 176x144"},
        {"", "640 x 480", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(SizeArg(row.list, row.source), row.piece) << row.list << " / " << row.source;
}

TEST(OptionArgs, VolumeArgument)
{
    EXPECT_EQ(VolumeArg("50"), "");
    EXPECT_EQ(VolumeArg("2"), " -vol_factor \"2\"");
    EXPECT_EQ(VolumeArg("5"), " -vol_factor \"5\"");
    EXPECT_EQ(VolumeArg("100"), " -vol_factor \"100\"");
}

} // namespace

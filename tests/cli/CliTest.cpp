// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptionTable.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "core/profiles/OptionListSlots.h"
#include "core/Version.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string AppDir()
{
    return fs::canonical(qEnvironmentVariable("VANTOREL_APPDIR").toStdString()).string() + "/";
}

class Cli : public ::testing::Test {
protected:
    ToolRun Start(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(home.path().string()));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(work.path().string()));
        process.start(QString::fromStdString(AppDir() + "vantorel-cli"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        ToolRun run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    std::string Video(const std::string& name) { return work.write(name, "not decoded by a dry run").string(); }
    QString OutDir() const { return QString::fromStdString(out.path().string()); }
    std::string Out(const std::string& name) const { return out.path().string() + "/" + name; }

    TempDir home;
    TempDir work;
    TempDir out;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "output ends in a newline";
    return lines;
}

TEST_F(Cli, ListsEveryFormatWithItsTag)
{
    const ToolRun run = Start({"--list-formats"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 41u);
    for (int index = 0; index < 41; ++index)
        EXPECT_EQ(lines[index], std::to_string(index) + "\t" + FormatText(index) + "\t" + FormatTag(index));
    EXPECT_EQ(lines[0], "0\tiPod (320 x 240) Good Quality (*.mp4)\tMP4");
    EXPECT_EQ(lines[7], "7\t              -----------------------------------------------------\t");
    EXPECT_EQ(lines[27], "27\tMPEG - Mpeg Movie File (*.mpg)\tMPG");
    EXPECT_EQ(lines[32], "32\tWebM Video - VP9 and Opus (*.webm)\tWEBM");
    EXPECT_EQ(run.err, "");
}

TEST_F(Cli, ShowsEveryProfileAsTheWindowWouldHoldIt)
{
    for (int format = 0; format < FormatCount(); ++format) {
        const ToolRun run = Start({"--show-profile", QString::number(format)});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), kProfileListSlotCount) << format;
        const ProfileState state = ProfileStateFor(format);
        for (std::size_t i = 0; i < kProfileListSlotCount; ++i) {
            const OptionList& list = state.lists.*(kOptionListSlots[i].list);
            std::string expected = std::string(kOptionListSlots[i].controlName) + "\t";
            if (!list.enabled) {
                EXPECT_EQ(lines[i], expected + "disabled") << format;
                continue;
            }
            expected += std::to_string(list.selected);
            for (const auto& entry : list.entries)
                expected += "\t" + entry;
            EXPECT_EQ(lines[i], expected) << format;
        }
    }
}

TEST_F(Cli, ShowProfileOfThePhoneFormatSpellsItsListsExactly)
{
    const auto lines = Lines(Start({"--show-profile", "18"}).out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "ComboVideoCodec\t0\tMPEG4\tH263\tXVID");
    EXPECT_EQ(lines[4], "ComboAudioCodec\t0\tamr_nb");
    EXPECT_EQ(lines[6], "ComboAudioChannel\t1\tStereo\tMono");
    EXPECT_EQ(lines[7], "ComboSamplingRate\t0\t8000  Hz\t16000 Hz");
    EXPECT_EQ(lines[8], "ComboLetterBox\t1\tNone\tLetterBox");
    EXPECT_EQ(lines[9], "ComboHdr\tdisabled");
    EXPECT_EQ(lines[10], "ComboCrop\t0\tNone\tAuto");
    EXPECT_EQ(Lines(Start({"--show-profile", "23"}).out)[10], "ComboCrop\tdisabled");
    EXPECT_EQ(lines[11], "ComboLoudness\t0\tOff\t\u221214 LUFS (streaming)\t\u221216 LUFS (podcast)\t\u221223 LUFS (broadcast)");
    EXPECT_EQ(Lines(Start({"--show-profile", "34"}).out)[11], "ComboLoudness\tdisabled");
    EXPECT_EQ(Lines(Start({"--show-profile", "31"}).out)[9], "ComboHdr\t0\tKeep HDR\tTone-map to SDR");
    EXPECT_EQ(Lines(Start({"--show-profile", "23"}).out)[0], "ComboVideoCodec\t-1");
    EXPECT_EQ(Start({"--show-profile", "20"}).out, Start({"--show-profile", "0"}).out);
}

TEST_F(Cli, DryRunPrintsTheFirstAttemptsLine)
{
    const std::string input = Video("holiday.avi");
    const ToolRun run = Start({"--output-dir", OutDir(), "--source-size", "640 x 352", "--dry-run",
                           QString::fromStdString(input)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\"" + AppDir() + "ridod2e\" -@ -y  -i \"" + input
                  + "\" -vcodec \"mpeg4\"  -b \"1500\"  -acodec \"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" "
                    "-s 320x176 -padtop 32 -padbottom 32 \"" + Out("holiday.mp4") + "\"\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(Cli, DryRunTakesTheChoices)
{
    const std::string input = Video("holiday.avi");
    const ToolRun run = Start({"--format", "26", "--video-codec", "XVid", "--video-size", "320 x 240 (VGA)",
                           "--video-bitrate", "512 Kbps", "--frame-rate", "Auto", "--audio-codec", "ac3",
                           "--audio-bitrate", "64 Kbps", "--sampling-rate", "48000 Hz", "--channels", "Mono",
                           "--letterbox", "None", "--mute", "True", "--volume", "10", "--output-dir", OutDir(),
                           "--source-size", "640 x 352", "--dry-run", QString::fromStdString(input)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\"" + AppDir() + "ridod2e\" -@ -y  -i \"" + input
                  + "\" -vcodec \"xvid\"  -b \"512\"  -acodec \"ac3\"  -ab \"64\" -ar \"48000\" -ac \"1 (mono)\" -an  "
                    "-vol_factor \"100\" -s 320x240 \"" + Out("holiday.avi") + "\"\n");
}

TEST_F(Cli, PspDryRunAddsTheThumbnailLine)
{
    const std::string input = Video("holiday.avi");
    const auto lines = Lines(Start({"--format", "12", "--output-dir", OutDir(), "--dry-run", QString::fromStdString(input)}).out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" -f psp \"" + Out("holiday.mp4") + "\""), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "\"" + AppDir() + "ridod2e\" -@ -y  -i \"" + input
                            + "\" -f singlejpeg -ss 3 -vframes 1  -s 368x208 -an  \"" + Out("holiday.THM") + "\"");
}

// --audio-language: the one sound track in that language; a text that is no
// language is refused.
TEST_F(Cli, AudioLanguageGoesBeforeTheOutput)
{
    const std::string input = Video("holiday.avi");
    const auto lines = Lines(Start({"--audio-language", "fra", "--output-dir", OutDir(), "--dry-run",
                                    QString::fromStdString(input)}).out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(" -s 320x240 -alang \"fra\" \"" + Out("holiday.mp4") + "\""), std::string::npos) << lines[0];
    EXPECT_NE(Start({"--audio-language", "fr -vn", "--dry-run", QString::fromStdString(input)}).status, 0);
}

// --hdr: today's video rows tone-map HDR on request.
TEST_F(Cli, HdrChoiceAsksTheEncoderToToneMap)
{
    const std::string input = Video("holiday.avi");
    const auto lines = Lines(Start({"--format", "31", "--video-codec", "H.265 (HEVC)", "--hdr", "Tone-map to SDR",
                                    "--output-dir", OutDir(), "--dry-run", QString::fromStdString(input)}).out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(" -vcodec \"h265\" -crf \"28\" -preset \"medium\" -tonemap "), std::string::npos) << lines[0];
}

TEST_F(Cli, SecondAttemptChangesTheInputReader)
{
    const std::string mov = Video("movie.mov");
    const std::string rm = Video("clip.rm");
    const std::string avi = Video("clip.avi");
    const std::string encoder = "\"" + AppDir() + "ridod2e\" -@ -y  ";
    const auto first = Lines(Start({"--output-dir", OutDir(), "--dry-run", QString::fromStdString(rm)}).out);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].rfind(encoder + "-i \"DS:\\\\" + rm + "\"", 0), 0u) << first[0];

    const auto second = Lines(Start({"--format", "13", "--attempt", "2", "--output-dir", OutDir(), "--dry-run",
                                     QString::fromStdString(mov), QString::fromStdString(rm),
                                     QString::fromStdString(avi)})
                                  .out);
    ASSERT_EQ(second.size(), 6u);
    EXPECT_EQ(second[0].rfind(encoder + "-f qt -i \"" + mov + "\" -bitexact -title \"movie\"", 0), 0u) << second[0];
    EXPECT_EQ(second[1].rfind(encoder + "-f qt -i \"" + mov + "\" -f singlejpeg", 0), 0u) << second[1];
    EXPECT_EQ(second[2].rfind(encoder + "-i \"" + rm + "\" -bitexact", 0), 0u) << second[2];
    EXPECT_EQ(second[4].rfind(encoder + "-i \"DS:\\\\" + avi + "\" -bitexact", 0), 0u) << second[4];
    EXPECT_NE(second[5].find("\"" + Out("clip-1.THM") + "\""), std::string::npos) << second[5];
}

TEST_F(Cli, DryRunNumbersPastExistingAndEarlierOutputs)
{
    out.write("holiday.mp4", "x");
    const std::string first = Video("holiday.avi");
    fs::create_directory(work.path() / "more");
    const std::string second = work.write("more/holiday.mkv", "x").string();
    const auto lines = Lines(Start({"--output-dir", OutDir(), "--dry-run", QString::fromStdString(first),
                                    QString::fromStdString(second)})
                                 .out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("\"" + Out("holiday-1.mp4") + "\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"" + Out("holiday-2.mp4") + "\""), std::string::npos);
    const auto overwrite =
        Lines(Start({"--overwrite", "--output-dir", OutDir(), "--dry-run", QString::fromStdString(first)}).out);
    EXPECT_NE(overwrite.at(0).find("\"" + Out("holiday.mp4") + "\""), std::string::npos);
}

TEST_F(Cli, DryRunChangesNothingOnDisk)
{
    const std::string input = Video("holiday.avi");
    const ToolRun run = Start({"--dry-run", QString::fromStdString(input)});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string defaultDir = home.path().string() + "/iPod Files";
    EXPECT_NE(run.out.find("\"" + defaultDir + "/holiday.mp4\""), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(defaultDir));
    const ToolRun nested = Start({"--output-dir", OutDir() + "/a/b", "--dry-run", QString::fromStdString(input)});
    EXPECT_EQ(nested.status, 0);
    EXPECT_FALSE(fs::exists(out.path() / "a"));
}

TEST_F(Cli, RelativePathsAreReadFromTheCurrentDirectory)
{
    Video("holiday.avi");
    const auto lines = Lines(Start({"--output-dir", "outputs", "--dry-run", "./holiday.avi"}).out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("-i \"" + work.path().string() + "/holiday.avi\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"" + work.path().string() + "/outputs/holiday.mp4\""), std::string::npos) << lines[0];
}

TEST_F(Cli, APathHoldingADoubleQuoteReachesTheEncoderAsItIs)
{
    const std::string quoted = Video("say \"hi\".avi");
    const std::string plain = Video("plain.avi");
    const ToolRun run = Start({"--output-dir", OutDir(), "--dry-run", QString::fromStdString(quoted),
                           QString::fromStdString(plain)});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" -i \"" + work.path().string() + "/say \\\"hi\\\".avi\" "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("plain.avi"), std::string::npos);
}

TEST_F(Cli, AMissingFileIsReportedAndSkipped)
{
    const ToolRun run = Start({"--output-dir", OutDir(), "--dry-run", QString::fromStdString(Out("none.avi"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("none.avi"), std::string::npos);
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    const std::string input = Video("holiday.avi");
    const QString file = QString::fromStdString(input);
    const QList<QStringList> cases = {
        {},
        {"--bogus"},
        {"-x", "--list-formats"},
        {"--format", "41", "--dry-run", file},
        {"--format", "seven", "--dry-run", file},
        {"--volume", "11", "--dry-run", file},
        {"--attempt", "3", "--dry-run", file},
        {"--dry-run"},
        {"--attempt", "2", file},
        {"--show-profile"},
        {"--show-profile", "-1"},
        {"--show-profile", "3", file},
        {"--list-formats", "--format", "3"},
        {"--list-formats", "--show-profile", "2"},
        {"--overwrite=yes", "--dry-run", file},
        {"--output-dir", "", "--dry-run", file},
        {"--mute", "yes", "--dry-run", file},
        {"--shard", "0/3", "--dry-run", file},
        {"--shard", "4/3", "--dry-run", file},
        {"--shard", "3", "--dry-run", file},
        {"--shard", "1/x", "--dry-run", file},
        {"--json", "--dry-run", file},
        {"--quiet", "--list-formats"},
        {"--version", file},
        {"--files-from", "", "--dry-run"},
        {"--files-from", QString::fromStdString(Out("no-list.txt")), "--dry-run"},
    };
    for (const QStringList& arguments : cases) {
        const ToolRun run = Start(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "") << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("vantorel-cli: "), std::string::npos) << arguments.join(' ').toStdString();
    }
}

TEST_F(Cli, AChoiceOutsideTheListNamesTheEntries)
{
    const ToolRun run = Start({"--format", "12", "--sampling-rate", "44100 Hz", "--dry-run",
                           QString::fromStdString(Video("holiday.avi"))});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("\"24000 Hz\""), std::string::npos) << run.err;
    const ToolRun audio = Start({"--format", "23", "--video-codec", "MPEG4", "--dry-run",
                             QString::fromStdString(Video("song.wav"))});
    EXPECT_EQ(audio.status, 2);
    EXPECT_NE(audio.err.find("no entries"), std::string::npos) << audio.err;
    // A list today's formats disable takes no choice, nor does a disabled volume slider.
    for (const QStringList& choice : QList<QStringList>{{"--format", "33", "--channels", "Stereo"},
                                                       {"--format", "37", "--letterbox", "None"},
                                                       {"--format", "0", "--hdr", "Keep HDR"},
                                                       {"--format", "35", "--volume", "7"}}) {
        const ToolRun refused = Start(choice + QStringList{"--dry-run", QString::fromStdString(Video("clip.mkv"))});
        EXPECT_EQ(refused.status, 2) << choice.join(' ').toStdString();
        EXPECT_NE(refused.err.find("is not offered by format"), std::string::npos) << refused.err;
    }
}

TEST_F(Cli, HelpListsEveryOptionOfTheTableAndCountsTheFormats)
{
    const ToolRun run = Start({"-h"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Start({"--help"}).out, run.out);
    for (const CliOptionSpec& option : CliOptionTable()) {
        const std::string label = OptionLabel(option);
        // At the start of a line or a column, or in the synopsis.
        const auto shown = [&run](const std::string& start) { return run.out.find(start) != std::string::npos; };
        EXPECT_TRUE(shown("\n" + label) || shown("  " + label) || shown("vantorel-cli " + label)) << label;
        if (!option.help.empty())
            EXPECT_NE(run.out.find(option.help.substr(0, option.help.find('\n'))), std::string::npos) << label;
    }
    const std::string rows = std::to_string(FormatCount());
    EXPECT_NE(run.out.find("the " + rows + " rows"), std::string::npos);
    EXPECT_NE(run.out.find("index, 0 to " + std::to_string(FormatCount() - 1)), std::string::npos);
    EXPECT_NE(run.out.find("Exit status:"), std::string::npos);
    const ToolRun version = Start({"-V"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("vantorel-cli ") + kVersion + "\n");
}

// The fields of a line of TABs.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string field; std::getline(cells, field, '\t');)
        fields.push_back(field);
    return fields;
}

TEST_F(Cli, DvdAndSvcdPicturesKeepTheirShapeInEveryVideoFormat)
{
    const struct {
        const char* name;
        int width, height;
        AVRational pixelAspect;
        const char* displayAspect;
    } sources[] = {{"ntsc-wide", 720, 480, {32, 27}, "16:9"}, {"ntsc", 720, 480, {8, 9}, "4:3"},
                   {"svcd", 480, 576, {8, 5}, "4:3"}, {"pal-wide", 720, 576, {64, 45}, "16:9"}};
    QStringList inputs;
    for (const auto& source : sources) {
        fixtures::ClipSettings clip = fixtures::ClipFor("mpeg");
        clip.videoCodec = "mpeg2video";
        clip.width = source.width;
        clip.height = source.height;
        clip.pixelAspect = source.pixelAspect;
        clip.seconds = 1;
        inputs << QString::fromStdString((work.path() / (std::string(source.name) + ".mpg")).string());
        fixtures::MakeClip(inputs.back().toStdString(), clip);
    }
    const auto measured = Lines(Start(QStringList{"--analyze"} + inputs).out);
    ASSERT_EQ(measured.size(), std::size(sources));
    for (const auto& [format, extension] : {std::pair{0, "mp4"}, {12, "mp4"}, {26, "avi"}, {28, "mov"}}) {
        const TempDir to;
        const ToolRun run = Start(QStringList{"--format", QString::number(format), "--output-dir",
                                              QString::fromStdString(to.dir())} + inputs);
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        for (std::size_t i = 0; i < std::size(sources); ++i) {
            const auto& source = sources[i];
            EXPECT_EQ(Fields(measured[i]).back(), source.displayAspect);
            const fs::path output = to.path() / (std::string(source.name) + "." + extension);
            const fixtures::PictureArea area = fixtures::FirstPictureArea(output);
            const AVRational pixel = fixtures::ReadMedia(output).video()->pixelAspect;
            const double shown = (pixel.num > 0 ? av_q2d(pixel) : 1.0) * area.width / area.height;
            EXPECT_NEAR(shown / (av_q2d(source.pixelAspect) * source.width / source.height), 1, 0.02)
                << output << " shows " << area.width << "x" << area.height << " of " << area.frameWidth;
            // A 4:3 picture fills the iPod's 4:3 frame.
            if (format == 0 && std::string(source.name) == "svcd") {
                EXPECT_EQ(area.width * area.height, 320 * 240);
            }
        }
    }
}

TEST_F(Cli, EveryPspVideoThatConvertsGetsItsThumbnail)
{
    fixtures::ClipSettings silent = fixtures::ClipFor("avi");
    silent.audioCodec.clear();
    fixtures::ClipSettings oneSecond = fixtures::ClipFor("mp4");
    oneSecond.seconds = 1;
    fixtures::ClipSettings withoutCues = fixtures::ClipFor("matroska");
    withoutCues.seconds = 6;
    withoutCues.seekIndex = false;
    QStringList inputs;
    for (const auto& [name, clip] : {std::pair{"silent.avi", silent}, {"short.mp4", oneSecond}, {"nocues.mkv", withoutCues}}) {
        inputs << QString::fromStdString((work.path() / name).string());
        fixtures::MakeClip(inputs.back().toStdString(), clip);
    }
    const ToolRun run = Start(QStringList{"--format", "12", "--output-dir", OutDir()} + inputs);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    for (const std::string base : {"silent", "short", "nocues"}) {
        const fixtures::MediaInfo video = fixtures::ReadMedia(Out(base + ".mp4"));
        EXPECT_TRUE(video.video() && video.audio()) << base;
        const fixtures::StreamInfo* thumbnail = fixtures::ReadMedia(Out(base + ".THM")).video();
        ASSERT_NE(thumbnail, nullptr) << base;
        EXPECT_EQ(thumbnail->codec + " " + std::to_string(thumbnail->packets), "mjpeg 1") << base;
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaOutputVerifier.h"
#include "platform/ChildProcess.h"
#include "support/MediaClips.h"
#include "support/TextFile.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Real outputs as a run might leave them: whole, cut short, damaged, with a
// stream missing; a thumbnail the encoder made and files that are none.
class OutputFiles {
public:
    OutputFiles()
    {
        fixtures::ClipSettings both = fixtures::ClipFor("mp4");
        both.seconds = 3;
        fixtures::MakeClip(path("both.mp4"), both);
        fixtures::ClipSettings silent = both;
        silent.audioCodec.clear();
        fixtures::MakeClip(path("silent.mp4"), silent);
        fixtures::ClipSettings sound = fixtures::ClipFor("mp3");
        sound.seconds = 6;
        fixtures::MakeClip(path("sound.mp3"), sound);

        fixtures::ClipSettings tracks = fixtures::ClipFor("matroska");
        tracks.audioLanguages = {"eng", "fra"};
        tracks.subtitles = true;
        fixtures::MakeClip(path("tracks.mkv"), tracks);
        fixtures::ClipSettings portrait = both;
        portrait.rotation = 90;
        fixtures::MakeClip(path("portrait.mp4"), portrait);

        fixtures::ClipSettings matroska = fixtures::ClipFor("matroska");
        matroska.seconds = 3;
        fixtures::MakeClip(path("understated.mkv"), matroska);
        Understate("understated.mkv");
        Cut("both.mp4", "cut.mp4", 0.5);
        Cut("sound.mp3", "cut.mp3", 0.33);
        Damage("sound.mp3", "damaged.mp3", 0.6);
        WriteText(path("noise.THM"), std::string(4096, 'x'));
        Thumbnail("both.mp4", "picture.THM");
    }

    std::string path(const std::string& name) const { return (dir_.path() / name).string(); }

private:
    void Cut(const std::string& from, const std::string& to, double share) const
    {
        const std::string bytes = ReadText(path(from));
        WriteText(path(to), bytes.substr(0, static_cast<std::size_t>(bytes.size() * share)));
    }
    // Everything after `share` of the file replaced with noise.
    void Damage(const std::string& from, const std::string& to, double share) const
    {
        const std::string bytes = ReadText(path(from));
        const std::size_t kept = static_cast<std::size_t>(bytes.size() * share);
        WriteText(path(to), bytes.substr(0, kept) + ReadText(clips::RandomBytes()).substr(0, bytes.size() - kept));
    }

    // Rewrites a Matroska file's Duration element (a big-endian double) to
    // a third of what it says.
    void Understate(const std::string& name) const
    {
        std::string bytes = ReadText(path(name));
        const std::size_t element = bytes.find("\x44\x89\x88", 0, 3);
        ASSERT_NE(element, std::string::npos);
        std::string big(bytes, element + 3, 8);
        std::reverse(big.begin(), big.end());
        double milliseconds = 0;
        std::memcpy(&milliseconds, big.data(), 8);
        milliseconds /= 3;
        std::memcpy(big.data(), &milliseconds, 8);
        std::reverse(big.begin(), big.end());
        WriteText(path(name), bytes.replace(element + 3, 8, big));
    }

    // One picture as the PSP thumbnail run makes it.
    void Thumbnail(const std::string& from, const std::string& to) const
    {
        const std::string appDir = qEnvironmentVariable("VANTOREL_APPDIR").toStdString();
        platform::ChildProcess encoder;
        ASSERT_TRUE(encoder.start("\"" + appDir + "ridod2e\" -@ -y  -i \"" + path(from)
                                      + "\" -f singlejpeg -ss 1 -vframes 1  -s 160x120 -an  \"" + path(to) + "\"",
                                  appDir, appDir));
        std::string output;
        while (encoder.read(output, -1) == platform::ChildProcess::ReadStatus::Data) {
        }
        ASSERT_EQ(encoder.wait(), 0) << output;
    }

    TempDir dir_;
};

TEST(MediaOutputVerifier, FindsWhatAPlayerWouldMeet)
{
    const OutputFiles files;
    const struct {
        const char* output;
        const char* input;
        bool still;
        bool videoFormat;
        bool audioWanted;
        const char* problem; // empty: good
        double seconds;
        OutputPromises promises = {};
        double unstated = 0; // the source's seconds beyond its header's
    } cases[] = {
        {"both.mp4", "both.mp4", false, true, true, "", 3},
        {"sound.mp3", "both.mp4", false, false, true, "", 6},
        {"silent.mp4", "both.mp4", false, true, true, "the output holds no audio", 0},
        {"silent.mp4", "both.mp4", false, true, false, "", 3},       // muted
        {"silent.mp4", "silent.mp4", false, true, true, "", 3},      // nothing to hear in the input
        {"sound.mp3", "both.mp4", false, true, true, "the output holds no video", 0},
        {"sound.mp3", "noise.THM", false, true, true, "", 6},        // an input it cannot read asks for nothing
        {"cut.mp4", "both.mp4", false, true, true, "the output cannot be read: ", 0},
        {"gone.mp4", "both.mp4", false, true, true, "no output file was written", 0},
        // What decodes is what counts: a file cut short is good but says how little it holds.
        {"cut.mp3", "sound.mp3", false, false, true, "", 6 * 0.33},
        {"damaged.mp3", "sound.mp3", false, false, true, "the end of the output cannot be decoded", 0},
        {"picture.THM", "both.mp4", true, true, true, "", 0},
        {"noise.THM", "both.mp4", true, true, true, "the output cannot be read: ", 0},
        {"both.mp4", "both.mp4", true, true, true, "the thumbnail is no JPEG picture", 0},
        // Every track and the upright shape, where the format promises them.
        {"tracks.mkv", "tracks.mkv", false, true, true, "", 2, {true, true}},
        {"both.mp4", "tracks.mkv", false, true, true, "the output lost a sound track", 0, {true, false}},
        {"both.mp4", "tracks.mkv", false, true, true, "", 3, {false, true}},
        {"both.mp4", "tracks.mkv", false, true, false, "the output lost a subtitle track", 0, {true, false}},
        {"portrait.mp4", "portrait.mp4", false, true, true, "", 3, {false, true}},
        {"both.mp4", "portrait.mp4", false, true, true, "the output lost the picture's upright shape", 0, {false, true}},
        // A source whose header understates what it holds says by how much.
        {"both.mp4", "understated.mkv", false, true, true, "", 3, {}, 2},
        // A tone at half scale is far louder than broadcast's -23 LUFS.
        {"sound.mp3", "sound.mp3", false, false, true, "the output's loudness misses the level asked for", 0,
         {false, false, -23}},
    };
    MediaOutputVerifier verifier;
    for (const auto& c : cases) {
        const OutputFinding finding
            = verifier.verify({files.path(c.output), files.path(c.input), c.still, c.videoFormat, c.audioWanted,
                               c.promises});
        const std::string problem = c.problem;
        EXPECT_EQ(finding.good, problem.empty()) << c.output << ": " << finding.problem.text;
        EXPECT_EQ(finding.problem.text.substr(0, problem.size()), problem) << c.output;
        if (c.seconds > 0) {
            EXPECT_NEAR(finding.seconds, c.seconds, 0.3) << c.output;
            EXPECT_NEAR(finding.sourceUnstatedSeconds, c.unstated, 0.1) << c.input;
        }
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Every failure ends with one line holding the error word that names its
// kind, with the reason, and a non-zero exit status; no other line holds
// an error word, and no unfinished output is left behind.
#include "Clips.h"
#include "EncoderProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include <sys/stat.h>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

struct FailureCase {
    const char* name;
    // Prepares the folder and gives the arguments after "-@ -y".
    std::function<std::vector<std::string>(const fs::path& folder)> arguments;
    const char* word;
    const char* reason;  // a piece of the failure line's reason
};

fs::path WriteFile(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string RandomBytes(size_t count)
{
    std::mt19937 random(20240531);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    return bytes;
}

// A WAV header that promises sound and holds none.
std::string EmptyWave()
{
    const unsigned char header[44] = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                      16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xac, 0, 0, 0x10, 0xb1, 2, 0, 4, 0, 16, 0,
                                      'd', 'a', 't', 'a', 0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(header), sizeof header);
}

// The AVI clip with its video's codec tag replaced by one nobody knows.
std::string AviWithUnknownVideoCodec()
{
    std::ifstream file(Clip("avi"), std::ios::binary);
    std::string bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    for (auto at = bytes.find("FMP4"); at != std::string::npos; at = bytes.find("FMP4", at))
        bytes.replace(at, 4, "QQZ9");
    return bytes;
}

// The first half of a file, as an interrupted copy leaves it.
std::string FirstHalf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return bytes.substr(0, bytes.size() / 2);
}

std::vector<std::string> ToMp4(const fs::path& input, const fs::path& folder)
{
    return {"-i", input.string(), "-vcodec", "mpeg4", "-s", "320x240", (folder / "out.mp4").string()};
}

class EncoderFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EncoderFailure, EndsWithTheErrorWordAndANonZeroStatus)
{
    const FailureCase& c = GetParam();
    const fs::path folder = OutputFolder(std::string("failure-") + c.name);
    std::vector<std::string> arguments = {"-@", "-y"};
    for (const std::string& argument : c.arguments(folder))
        arguments.push_back(argument);

    const EncoderRun run = RunEncoder(arguments, 60000);

    ASSERT_TRUE(run.finished);
    EXPECT_FALSE(run.crashed);
    EXPECT_NE(run.exitCode, 0);
    ASSERT_FALSE(run.lines.empty());
    const std::string& last = run.lines.back();
    EXPECT_NE(last.find(c.word), std::string::npos) << last;
    EXPECT_NE(last.find(c.reason), std::string::npos) << last;
    EXPECT_EQ(LinesWithErrorWords(run.lines), std::vector<std::string> {last}) << run.output;
    EXPECT_FALSE(fs::exists(folder / "out.mp4"));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, EncoderFailure,
    ::testing::Values(
        FailureCase{"MissingInput", [](const fs::path& f) { return ToMp4(f / "missing.avi", f); },
                    "Error while opening file", "No such file"},
        FailureCase{"FolderAsInput", [](const fs::path& f) { return ToMp4(f, f); }, "Error while opening file",
                    "folder"},
        FailureCase{"PipeAsInput",
                    [](const fs::path& f) {
                        mkfifo((f / "pipe.avi").c_str(), 0600);
                        return ToMp4(f / "pipe.avi", f);
                    },
                    "Error while opening file", "not a regular file"},
        FailureCase{"EmptyFile", [](const fs::path& f) { return ToMp4(WriteFile(f / "empty.avi", ""), f); },
                    "Unknown format", "empty.avi' is empty"},
        FailureCase{"CutShortMp4",
                    [](const fs::path& f) { return ToMp4(WriteFile(f / "cut.mp4", FirstHalf(Clip("mp4"))), f); },
                    "Unknown format", "cut.mp4' is damaged or cut short (it begins as QuickTime / MOV, then: "},
        FailureCase{"RandomBytes",
                    [](const fs::path& f) { return ToMp4(WriteFile(f / "noise.mp4", RandomBytes(65536)), f); },
                    "Unknown format", "noise.mp4"},
        FailureCase{"TextWithAVideoName",
                    [](const fs::path& f) { return ToMp4(WriteFile(f / "notes.avi", "just some words\n"), f); },
                    "Unknown format", "notes.avi"},
        FailureCase{"ForcedQuickTimeReaderOnAnAvi",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-f", "qt", "-i", Clip("avi").string(), (f / "out.mp4").string()};
                    },
                    "Unknown format", "clip-avi.avi"},
        FailureCase{"UnknownVideoCodec",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("avi").string(), "-vcodec", "divx9", (f / "out.mp4").string()};
                    },
                    "Unsupported codec", "divx9"},
        FailureCase{"NoDecoderForTheVideo",
                    [](const fs::path& f) { return ToMp4(WriteFile(f / "odd.avi", AviWithUnknownVideoCodec()), f); },
                    "Unsupported codec", "no decoder for stream #0.0"},
        FailureCase{"UnknownAudioCodec",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("avi").string(), "-acodec", "vorbis7x", (f / "out.mp4").string()};
                    },
                    "Unsupported codec", "vorbis7x"},
        FailureCase{"FlacSilenceInPsp",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("silent").string(), "-f", "psp", "-vcodec", "mpeg4",
                                                         "-acodec", "flac", (f / "out.mp4").string()};
                    },
                    "error:", "cannot begin the psp file"},
        FailureCase{"H263AtASizeItLacks",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("avi").string(), "-vcodec", "h263", "-s", "202x150",
                                                         (f / "out.mp4").string()};
                    },
                    "error:", "128x96, 176x144, 352x288, 704x576, 1408x1152"},
        FailureCase{"MissingOutputFolder",
                    [](const fs::path& f) { return ToMp4(Clip("avi"), f / "no-such-folder"); }, "error:",
                    "cannot create"},
        FailureCase{"AudioFileFromASilentVideo",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("silent").string(), "-acodec", "mp3", (f / "out.mp3").string()};
                    },
                    "error:", "holds nothing"},
        FailureCase{"UnknownOutputExtension",
                    [](const fs::path& f) { return std::vector<std::string> {"-i", Clip("avi").string(), (f / "out.xyz").string()}; },
                    "error:", "give -f"},
        FailureCase{"UnreadableOptionValue",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("avi").string(), "-ar", "lots", (f / "out.mp4").string()};
                    },
                    "error:", "-ar takes a number"},
        FailureCase{"UnknownOption",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", Clip("avi").string(), "-turbo", "1", (f / "out.mp4").string()};
                    },
                    "error:", "-turbo"},
        FailureCase{"SoundlessWave",
                    [](const fs::path& f) {
                        return std::vector<std::string> {"-i", WriteFile(f / "quiet.wav", EmptyWave()).string(), "-acodec",
                                                         "mpeg4aac", (f / "out.mp4").string()};
                    },
                    "error:", "could be decoded"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncoderFailure, KeepsAnExistingOutputWhenItFailsBeforeWriting)
{
    const fs::path folder = OutputFolder("failure-keeps");
    const fs::path existing = WriteFile(folder / "out.mp4", "an older file");

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("avi").string(), "-vcodec", "divx9", existing.string()});

    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(fs::file_size(existing), 13u);
}

TEST(EncoderFailure, RefusesToReplaceAFileWithoutTheOverwriteSwitch)
{
    const fs::path folder = OutputFolder("failure-no-y");
    const fs::path existing = WriteFile(folder / "out.mp4", "an older file");

    const EncoderRun run = RunEncoder({"-@", "-i", Clip("avi").string(), existing.string()});

    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.lines.back().find("error:"), std::string::npos);
    EXPECT_EQ(fs::file_size(existing), 13u);
}

} // namespace
} // namespace encodertest

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "support/TempDir.h"
#include "core/OpenDialogFilter.h"
#include "media/MediaContentCheck.h"
#include "media/ReadableExtensions.h"

#include <QDir>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// Every extension in libavformat's own lists of its audio and video
// demuxers, and the ones it finds by probing: each is offered by the open
// dialog's first entry, as are the formats we write.
TEST(ReadableExtensions, TheFirstDialogEntryTakesEveryExtensionTheLibrariesRead)
{
    std::vector<std::string> table{"oga", "mka", "m2ts", "mts", "ts", "webm", "mkv", "flac", "opus"};
    void* iterator = nullptr;
    while (const AVInputFormat* demuxer = av_demuxer_iterate(&iterator)) {
        if (demuxer->extensions == nullptr || IsNotAudioOrVideoDemuxer(demuxer->name))
            continue;
        std::stringstream list(demuxer->extensions);
        for (std::string extension; std::getline(list, extension, ',');)
            table.push_back(extension);
    }
    ASSERT_GT(table.size(), 100u);
    const QStringList patterns = QString::fromStdString(OfferedFilterEntries(ReadableExtensions()).front().patterns)
                                     .split(';', Qt::SkipEmptyParts)
                                     .replaceInStrings(" ", "");
    for (const std::string& extension : table)
        EXPECT_TRUE(QDir::match(patterns, QString::fromStdString("clip." + extension))) << extension;
}

TEST(MediaContentCheck, RefusesJunkAndEmptyFilesAndLetsRealOnesThrough)
{
    const TempDir dir;
    for (const std::string container : {"avi", "mp4", "mov", "matroska", "mpeg", "asf", "flv", "3gp", "wav", "mp3", "ogg"}) {
        fixtures::ClipSettings settings = fixtures::ClipFor(container);
        settings.seconds = 0.5;
        const auto clip = dir.path() / ("clip-" + container);
        fixtures::MakeClip(clip, settings);
        EXPECT_EQ(NotMediaReason(clip.string()), std::nullopt) << container;
    }
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::string noise(4096, '\0');
        for (char& byte : noise)
            byte = static_cast<char>(random());
        EXPECT_EQ(NotMediaReason(dir.write("noise-" + std::to_string(seed) + ".mp4", noise).string()),
                  "holds no picture or sound this program can read")
            << seed;
    }
    EXPECT_EQ(NotMediaReason(clips::RandomBytes()), "holds no picture or sound this program can read");
    EXPECT_EQ(NotMediaReason(dir.write("empty.avi", "").string()), "is empty");
    EXPECT_EQ(NotMediaReason(dir.dir() + "gone.avi"), "does not exist");
    EXPECT_EQ(NotMediaReason(dir.dir()), "is a folder");
}

} // namespace

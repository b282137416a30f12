// SPDX-License-Identifier: GPL-3.0-or-later
// A small music library made with the Debian ffmpeg and metaflac tools,
// converted by vantorel-cli into the sound rows and read back with ffprobe
// as a player would: the tags and cover art kept, the loudness target met,
// the tracks gapless and FLAC exact.
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace {

namespace fs = std::filesystem;

const char* const FullDate = "1999-08-09T14:24:44Z";

// Runs a program of the Debian ffmpeg or flac packages; its output and error.
std::string Tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return process.readAll().toStdString();
}

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

void Ffmpeg(QStringList arguments)
{
    Tool("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
}

// vantorel-cli converts the files into `out` with the choices; its rows.
std::string Convert(int format, const QStringList& choices, const std::vector<fs::path>& files, const fs::path& out)
{
    QStringList arguments{"--quiet", "--format", QString::number(format), "--output-dir", Q(out)};
    for (const fs::path& file : files)
        arguments << Q(file);
    QProcess cli;
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli", choices + arguments);
    EXPECT_TRUE(cli.waitForFinished(180000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput().toStdString();
}

// "key=value" lines of the file's tags (any case of key) and the number of pictures it carries.
struct Probed {
    std::string tags;
    int pictures = 0;

    std::string tag(const std::string& key) const
    {
        std::smatch found;
        const std::regex line("(?:^|\n)(?:" + key + ")=([^\n]*)", std::regex::icase);
        return std::regex_search(tags, found, line) ? found[1].str() : std::string();
    }
};

Probed Probe(const fs::path& file)
{
    Probed probed;
    probed.tags = Tool("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of",
                                   "default=nw=1:nk=0", Q(file)});
    const std::string pictures = Tool("ffprobe", {"-v", "error", "-show_entries", "stream=disposition", "-of", "csv=p=0",
                                                  "-select_streams", "v", Q(file)});
    probed.pictures = static_cast<int>(std::count(pictures.begin(), pictures.end(), '\n'));
    probed.tags = std::regex_replace(probed.tags, std::regex("TAG:"), "");
    return probed;
}

// The decoded sound's sample count (as ffmpeg decodes it, honouring an edit
// list and a LAME header) and its digest.
struct Decoded {
    long long samples = 0;
    std::string digest;
};

Decoded Decode(const fs::path& file)
{
    Decoded decoded;
    const std::string raw = Tool("sh", {"-c", "ffmpeg -nostdin -v error -i \"$1\" -map 0:a -f s16le - | wc -c", "-", Q(file)});
    decoded.samples = std::stoll(raw) / 4; // 16-bit stereo
    decoded.digest = Tool("ffmpeg", {"-nostdin", "-v", "error", "-i", Q(file), "-map", "0:a", "-f", "md5", "-"});
    return decoded;
}

// The source's folder holds a cover; the file carries none. Unicode names throughout.
struct Library {
    TempDir root;
    fs::path flac = root.path() / "Ärtist" / "Album Ü" / "01 Première.flac";
    fs::path mp3 = root.path() / "Ärtist" / "Album Ü" / "02 Deuxième.mp3";
    fs::path vorbis = root.path() / "Vorbis" / "03 Трек.ogg";
    fs::path wav = root.path() / "Folder Cover" / "04 トラック.wav";

    Library()
    {
        for (const fs::path& file : {flac, mp3, vorbis, wav})
            fs::create_directories(file.parent_path());
        const fs::path cover = root.path() / "cover.jpg";
        Ffmpeg({"-f", "lavfi", "-i", "testsrc=s=96x96", "-frames:v", "1", Q(cover)});
        fs::copy_file(cover, wav.parent_path() / "Folder.JPG");
        const QStringList tone{"-f", "lavfi", "-i", "sine=f=440:d=2:sample_rate=44100", "-ac", "2"};
        const QStringList withCover{"-i", Q(cover), "-map", "0:a", "-map", "1:v", "-c:v", "copy", "-disposition:v",
                                    "attached_pic"};
        Ffmpeg(tone + withCover + QStringList{"-c:a", "flac", Q(flac)});
        Tool("metaflac", {"--set-tag=TITLE=Première", "--set-tag=ARTIST=Ärtist", "--set-tag=ARTIST=Guest",
                          "--set-tag=ALBUM=Album Ü", "--set-tag=TRACKNUMBER=1", "--set-tag=DATE=2001",
                          "--set-tag=MOOD=calm", Q(flac)});
        Ffmpeg(tone + withCover
               + QStringList{"-c:a", "libmp3lame", "-id3v2_version", "3", "-metadata", "title=Deuxième", "-metadata",
                             "artist=Ärtist", "-metadata", "album=Album Ü", "-metadata", "track=2", "-metadata",
                             "date=2002", Q(mp3)});
        // Ogg keeps the comments on the stream, not on the file.
        Ffmpeg(tone + QStringList{"-c:a", "libvorbis", "-metadata:s:a:0", "TITLE=Трек", "-metadata:s:a:0",
                                  "ARTIST=Vorbis Artist", "-metadata:s:a:0", "ALBUM=Vorbis Album", "-metadata:s:a:0",
                                  "TRACKNUMBER=3", "-metadata:s:a:0", QString("DATE=") + FullDate, Q(vorbis)});
        Ffmpeg(tone + QStringList{"-metadata", "title=トラック", "-metadata", "artist=Wave", "-metadata", "album=Waves",
                                  "-metadata", "track=4", "-metadata", "date=2004", Q(wav)});
    }
};

struct SoundRow {
    int format;
    const char* extension;
    bool holdsPictures; // WAV's INFO list has no room for one
};

// Rows x sources: each output keeps the five tags, a cover where its source
// had one (in the file or beside it), Vorbis comments reach every row with
// the full date, and FLAC stays bit-exact with its tags and picture.
TEST(SoundLibrary, EveryRowKeepsTheTagsAndTheCover)
{
    const Library library;
    const struct {
        const fs::path& file;
        const char* title;
        const char* artist;
        const char* date;
        bool cover;
    } sources[] = {
        {library.flac, "Première", "Ärtist", "2001", true},
        {library.mp3, "Deuxième", "Ärtist", "2002", true},
        {library.vorbis, "Трек", "Vorbis Artist", FullDate, false},
        {library.wav, "トラック", "Wave", "2004", true},
    };
    for (const SoundRow row : {SoundRow{22, "m4a", true}, SoundRow{23, "mp3", true}, SoundRow{37, "flac", true},
                               SoundRow{38, "opus", true}, SoundRow{39, "ogg", true}}) {
        const TempDir out;
        const std::string rows = Convert(row.format, {}, {library.flac, library.mp3, library.vorbis, library.wav}, out.path());
        for (const auto& source : sources) {
            const fs::path output = out.path() / source.file.filename().replace_extension(row.extension);
            SCOPED_TRACE(output.string());
            const Probed probed = Probe(output);
            EXPECT_EQ(probed.tag("title"), source.title) << probed.tags;
            EXPECT_EQ(probed.tag("artist").substr(0, std::string(source.artist).size()), source.artist);
            EXPECT_FALSE(probed.tag("album").empty());
            EXPECT_FALSE(probed.tag("track|tracknumber").empty());
            // An MP3 keeps the date whole (ID3v2.4 TDRC), as every other row does.
            EXPECT_EQ(probed.tag("date"), source.date);
            EXPECT_EQ(probed.pictures, source.cover && row.holdsPictures ? 1 : 0);
        }
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 4) << rows;
        if (row.format == 37) {
            const fs::path output = out.path() / "01 Première.flac";
            EXPECT_EQ(Decode(output).digest, Decode(library.flac).digest);
            EXPECT_EQ(Probe(output).tag("mood"), "calm");
            EXPECT_EQ(Tool("metaflac", {"--show-tag=ARTIST", Q(output)}), "ARTIST=Ärtist\nARTIST=Guest\n");
        }
    }
    // Off, the folder's cover stays out.
    const TempDir out;
    Convert(23, {"--no-folder-cover"}, {library.wav}, out.path());
    EXPECT_EQ(Probe(out.path() / "04 トラック.mp3").pictures, 0);
}

// ffmpeg's own EBU R128 meter judges the output of a quiet tone.
TEST(SoundLibrary, LoudnessTargetIsMetWithOneGainUnderTheTruePeakLimit)
{
    const TempDir dir;
    const fs::path quiet = dir.path() / "quiet.wav";
    Ffmpeg({"-f", "lavfi", "-i", "sine=f=440:d=20:sample_rate=48000", "-af", "volume=0.03", "-ac", "2", Q(quiet)});
    const std::string row = Convert(23, {"--loudness", "-16"}, {quiet}, dir.path());
    EXPECT_NE(row.find("\tDone\t"), std::string::npos) << row;
    const std::string summary = Tool("ffmpeg", {"-nostdin", "-nostats", "-i", Q(dir.path() / "quiet.mp3"), "-af",
                                                "ebur128=peak=true", "-f", "null", "-"});
    std::smatch integrated;
    std::smatch peak;
    ASSERT_TRUE(std::regex_search(summary, integrated, std::regex(R"(I:\s+(-?[0-9.]+) LUFS\s*\n\s*Threshold)")));
    ASSERT_TRUE(std::regex_search(summary, peak, std::regex(R"(True peak:\s*\n\s*Peak:\s+(-?[0-9.]+) dBFS)")));
    EXPECT_NEAR(std::stod(integrated[1]), -16, 1);
    EXPECT_LE(std::stod(peak[1]), -1);
}

// Two tracks cut one after the other from a tone come back, with the
// encoder's delay and padding honoured, to their own lengths.
TEST(SoundLibrary, TracksComeBackToTheirLengthsForGaplessPlay)
{
    const TempDir dir;
    const fs::path tone = dir.path() / "tone.wav";
    Ffmpeg({"-f", "lavfi", "-i", "sine=f=440:d=8:sample_rate=48000", "-ac", "2", Q(tone)});
    std::vector<fs::path> tracks;
    for (const char* start : {"0", "3.3217"}) {
        tracks.push_back(dir.path() / (std::string("part") + start + ".wav"));
        Ffmpeg({"-i", Q(tone), "-ss", start, "-t", "3.3217", Q(tracks.back())});
    }
    for (const auto& [format, extension] : {std::pair{22, "m4a"}, std::pair{23, "mp3"}}) {
        Convert(format, {}, tracks, dir.path() / extension);
        for (const fs::path& track : tracks) {
            const fs::path output = dir.path() / extension / track.filename().replace_extension(extension);
            long long samples = Decode(output).samples;
            if (std::string(extension) == "m4a") {
                // The edit list gives the delay; iTunSMPB the padding after the sound.
                std::smatch figures;
                const std::string gapless = Probe(output).tag("iTunSMPB");
                ASSERT_TRUE(std::regex_search(gapless, figures, std::regex(R"(^ 0{8} ([0-9A-F]{8}) ([0-9A-F]{8}) ([0-9A-F]{16}))")))
                    << gapless;
                EXPECT_EQ(std::stoll(figures[3], nullptr, 16), Decode(track).samples) << gapless;
                samples -= std::stoll(figures[2], nullptr, 16);
            }
            EXPECT_NEAR(samples, Decode(track).samples, 1) << output;
        }
    }
}

} // namespace

#include "encoder/Usage.h"

namespace ridod2e {

bool AsksForUsage(const std::vector<std::string>& arguments)
{
    return arguments.empty() || arguments == std::vector<std::string> {"-h"}
        || arguments == std::vector<std::string> {"--help"};
}

std::string UsageText()
{
    return R"text(usage: ridod2e [-@] [-y] [-f READER] -i INPUT [options] [OUTPUT]
Without OUTPUT the input is described and nothing is written.

General
  -@                 one progress report per line, no banner (for programs reading the output)
  -y                 replace an existing output file
  -i INPUT           the input file; "DS:\\" before the path picks the lenient reader
  -allow-protocols   -i may also name an address the libraries can read (http:, pipe:,
                     concat:, data:, ...); without it only a local file is read
  -f NAME            before -i: the reader ("qt": QuickTime/MP4); after it: the container
                     (psp, 3gp, xwmv, qt, singlejpeg, or a muxer name); else the output's extension
  -ss SECONDS        start this far into the input
  -title TEXT        the output's title tag;  -id3v1, -id3v2: MP3 tags
  -chapters          keep the input's chapters (MP4, MOV, MKV, WebM, OGG, Opus and FLAC hold them)
  -movflags +faststart
                     MP4 and QuickTime: the index goes before the media, so the file plays
                     while it downloads
  -bitexact          no encoder or library version in the output

Video
  -vcodec NAME       mpeg4, mpeg4_qt, xvid, h263, mpeg1video, wmv1x, wmv2x, wmv3x, h264 (x264),
                     h265 or hevc (x265), av1 (SVT-AV1), vp9 (libvpx, rows coded in parallel),
                     gif (one palette made from the whole clip), or copy
  -vn                no video
  -s WxH             picture size; with -padtop/-padbottom/-padleft/-padright N, bars of N
                     pixels around it
  -s keep            the source's size, made even for codecs that need it; never scaled up
  -fit               with -s WxH: the picture is scaled, aspect kept, to the largest size that
                     fits inside WxH (even sides, no bars); a side of 0 sets no bound, so
                     -s 480x0 -fit is 480 wide
  -r FPS             frame rate (29.97, 23.976, 14.985, 59.94 are the NTSC rates)
  -b KBITS           bitrate in kbit/s; it outweighs -crf and -qscale
  -crf N             constant quality, 0 to 63, lower is better: h264 (0-51, default 23),
                     h265 (0-51, default 28), av1 (default 35), vp9 (default 32, no bitrate cap)
  -preset NAME       encoder speed: h264 and h265 ultrafast ... medium ... placebo;
                     av1 0 (slowest) to 13 (fastest); vp9 0 (slowest) to 8 (fastest)
  -qscale Q          fixed quantiser (h264: the constant-quality factor when -crf is absent)
  -maxrate KBITS, -bufsize KBITS, -bt KBITS, -g FRAMES, -coder 0|1 (h264: CAVLC or CABAC)
  -vframes N         stop after N pictures

Audio
  -acodec NAME       mpeg4aac, mpeg4aac_qt, aac, mp3, mp2, ac3, pcm_s16le, wma7x, amr_nb,
                     opus, vorbis, flac (keeps up to 24 bits), or copy
  -an                no audio
  -ab KBITS          bitrate in kbit/s
  -ar HZ             sample rate; a rate the codec lacks becomes the nearest one it has
  -ac N              channels ("2 (stereo)" reads as 2)
  -vol_factor N      volume N/50 (50 keeps it)

Copying
  -vcodec copy, -acodec copy
                     the streams go into the new container as they are: no quality lost, no
                     encoding; timestamps, metadata and (with -chapters) chapters are kept.
                     Every stream the job keeps is copied (or left out with -vn or -an), and
                     options that would change a copied stream are refused. A stream the
                     container cannot hold ends the job before anything is written.

Subtitle streams are left out of every output; a line says so.
Containers by extension include .mp4, .m4a, .mov, .3gp, .avi, .mpg, .wmv, .wma, .mp3, .aac,
.mkv, .webm, .gif, .flac, .opus, .ogg and .wav.
)text";
}

} // namespace ridod2e

#include "cli/CliModes.h"

#include "core/Version.h"

#include <ostream>

namespace {

constexpr const char* kUsage = R"(Usage:
  vantorel-cli --list-formats
  vantorel-cli --show-profile N
  vantorel-cli [choices] [files] --dry-run [--attempt 1|2] FILE...
  vantorel-cli [--format N] [files] --analyze FILE...
  vantorel-cli [choices] [files] [--jobs N|auto] [--quiet] [--json] FILE...
  vantorel-cli --help
  vantorel-cli --version

--list-formats      the 41 rows of the output-format list: index, TAB, text,
                    TAB, format tag (empty for separators)
--show-profile N    the option lists of a freshly started window switched to
                    format N, one line a list: name, TAB, selected index (-1
                    for none), then a TAB before each entry; a list the
                    format does not offer (disabled in the window) shows
                    "disabled" in place of the index and no entries
--dry-run FILE...   the encoder command lines of each file's first attempt,
                    one a line (a PSP format adds its thumbnail line); nothing
                    is written to disk, no directory is created
--analyze FILE...   measures each file as Add Files does and prints its row:
                    caption, TAB, Video Size, TAB, FrameRate, TAB, Duration,
                    TAB, Output (the tag of --format), and for a picture of
                    non-square pixels TAB and its display aspect (16:9)
--attempt 2         with --dry-run: the lines of the second attempt instead
FILE...             without a mode: converts the files one after another as
                    the window does, then prints one line per file on
                    standard output (the file, TAB, then its six cells: video
                    size, frame rate, duration, output, progress, frames,
                    TAB-separated), then the closing message. On a terminal,
                    standard error shows one line per file, updated in place:
                    name, percentage, speed as a multiple of real time, time
                    left; elsewhere (a log) one line per finished file, such
                    as "clip.avi: Done" or "clip.avi: Failed: <reason>".
                    Ctrl-C stops the conversions.
--jobs N|auto       with converting: up to N files (1 to 8) at the same time
                    instead of one after another; auto starts another file
                    while the running ones leave processor cores idle (sound
                    only and standard-definition pictures take about one core
                    each; H.264, H.265, AV1 and VP9 above 720 x 576 take all
                    of them), never more files than the processors it may
                    use (as nproc counts them). Files may finish in any
                    order; the rows are printed in order at the end
--quiet             with converting: nothing but the rows (no progress, no
                    closing message)
--json              with converting: each row as one JSON object a line on
                    standard output (input, output, outcome, reason, frames,
                    duration, seconds); the closing message goes to standard
                    error
--                  ends the options (for a FILE whose name starts with -)

Files (with --dry-run, --analyze or converting):
  --files-from LIST     the files named in LIST, one path a line, after the
                        FILE arguments; - reads standard input; may be given
                        more than once
  --shard K/N           only the K-th of N shares (1 <= K <= N): the files
                        sorted, each once, then every N-th from the K-th.
                        Files whose outputs could take one name share a
                        share, so N runs given the same list and the same
                        --output-dir (on N machines) convert every file once
                        with no clashing output names

Choices (texts are exact entries of the chosen format's lists; a list the
format does not offer takes no choice, nor --volume where it is disabled):
  --format N            output format index, 0 to 40 (default 0; a separator
                        brings back format 0, as in the window)
  --video-codec TEXT    --video-size TEXT    --video-bitrate TEXT
  --frame-rate TEXT     --audio-codec TEXT   --audio-bitrate TEXT
  --sampling-rate TEXT  --channels TEXT      --letterbox TEXT
  --mute TEXT
  --volume POS          volume slider position 0 to 10 (default 5, 100%)
  --output-dir DIR      output directory (default: home + "/iPod Files")
  --overwrite           overwrite an existing output file of the same name
  --source-size TEXT    the file's "Video Size" cell (a dry run's default is
                        "0 x 0"; converting measures each file without it)
  --display-aspect W:H  with --source-size: the display aspect of a picture
                        whose pixels are not square (720 x 480 at 16:9)

The encoder is looked up beside this tool, or where the installation put it
(../libexec/vantorel/ from this tool's folder).

Exit status:
  0  done (every file converted)
  1  a file could not be handled (reported on standard error, or not "Done"
     after a conversion)
  2  usage error, or a --files-from list that cannot be read
)";

} // namespace

int RunHelp(std::ostream& out)
{
    out << kUsage;
    return kExitOk;
}

int RunVersion(std::ostream& out)
{
    out << "vantorel-cli " << kVersion << '\n';
    return kExitOk;
}

int UsageError(const std::string& message, std::ostream& err)
{
    err << "vantorel-cli: " << message << "\nTry 'vantorel-cli --help'.\n";
    return kExitUsage;
}

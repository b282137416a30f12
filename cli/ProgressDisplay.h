#pragma once
// What a conversion shows on standard error while it runs. On a terminal,
// one line per file, redrawn in place with its percentage, its speed as a
// multiple of real time and the time left, and left with the file's verdict.
// Anywhere else (a log, a pipe), only each finished file's verdict line,
// without carriage returns. Quiet: nothing.
#include "cli/RowReport.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

enum class ProgressStyle { Terminal, Log, Quiet };

class ProgressDisplay {
public:
    // `columns`: the terminal's width; lines are cut to fit it.
    ProgressDisplay(std::ostream& err, ProgressStyle style, int columns);

    // The progress lines of the files converting now (see ProgressLine).
    void progressed(const std::vector<std::string>& progressLines);
    // A row is over: its verdict.
    void finished(const RowReport& report);
    // A line of its own between them ("clip.avi: 25.8 MB over 25 MB: again at 1,830 kb/s").
    void note(const std::string& line);

private:
    void draw(std::string line);

    std::ostream& err_;
    ProgressStyle style_;
    int columns_;
    std::size_t drawn_ = 0; // the characters of the line now on the terminal
};

// "clip.avi  45%  2.5x  0:12 left" after `elapsedSeconds`; `mediaSeconds` is
// the file's length, 0 when unknown. The speed and the time left appear once
// they can be told.
std::string ProgressLine(const std::string& fileName, int percent, double elapsedSeconds, int mediaSeconds);

// The text cut to `columns` characters at most, the middle given up for "...".
std::string FitToColumns(const std::string& text, int columns);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a conversion shows on standard error while it runs. On a terminal,
// one line per file, redrawn in place with its percentage, its speed as a
// multiple of real time and the time left, and left with the file's verdict.
// Anywhere else (a log, a pipe), only each finished file's verdict line,
// without carriage returns. Quiet: nothing.
#include "cli/RowReport.h"

#include <iosfwd>
#include <string>
#include <vector>

enum class ProgressStyle { Terminal, Log, Quiet };

// A file's part of a line: its name, then what is said of it. A line too
// wide for the terminal gives up the middle of the names first.
struct ProgressPart {
    std::string name;
    std::string tail;

    std::string text() const { return name + tail; }
};

class ProgressDisplay {
public:
    // `columns`: the terminal's width; lines are cut to fit it.
    ProgressDisplay(std::ostream& err, ProgressStyle style, int columns);

    // The progress of the files converting now (see ProgressLine).
    void progressed(const std::vector<ProgressPart>& parts);
    // A row is over: its verdict.
    void finished(const RowReport& report);
    // A line of its own between them ("clip.avi: 25.8 MB over 25 MB: again at 1,830 kb/s").
    void note(const ProgressPart& line);

private:
    void draw(const std::vector<ProgressPart>& parts);

    std::ostream& err_;
    ProgressStyle style_;
    int columns_;
    int drawn_ = 0; // the columns of the line now on the terminal
};

// "clip.avi" and "  45%  2.5x  0:12 left" after `elapsedSeconds`;
// `mediaSeconds` is the file's length, 0 when unknown. The speed and the
// time left appear once they can be told.
ProgressPart ProgressLine(const std::string& fileName, int percent, double elapsedSeconds, int mediaSeconds);

// The columns a terminal takes to show the UTF-8 text: two for a wide (East
// Asian) character, none for a combining mark.
int DisplayWidth(const std::string& text);

// The text cut to `columns` display columns at most, the middle given up
// for "..."; a character is never split.
std::string FitToColumns(const std::string& text, int columns);

// The parts side by side, "  |  " between them, in `columns` at most: the
// names are cut first, each to its share of the room the tails leave; only
// then is the end of the line given up.
std::string FitParts(const std::vector<ProgressPart>& parts, int columns);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the encoder's console lines mean to a conversion run: the progress
// values, the error words and the first-line test. Values that do not parse
// are left out, so such a line changes nothing.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The values one line carries, each present only when its keyword was found
// and its value could be read.
struct ProgressValues {
    std::optional<std::string> frames;   // after "frame=" up to the next blank
    std::optional<std::string> size;     // between "size=" and "kB" within 13 characters
    std::optional<int> durationSeconds;  // from "Duration: ", at least 1
    std::optional<double> timeSeconds;   // from "time" plus one character
};

ProgressValues ReadProgress(std::string_view line);

// The duration field that follows "Duration: " (hours:minutes:seconds, a
// fraction and a comma, or "N/A"), in whole seconds, at least 1.
std::optional<int> DurationSeconds(std::string_view field);

// time / duration as a whole percentage, halves to the even neighbour.
int Percent(double timeSeconds, int durationSeconds);

// The line with the paths the encoder echoes ("from '...'", "to '...'")
// emptied, so that nothing inside a file name is taken for a keyword.
std::string WithoutEchoedPaths(std::string_view line);

struct ErrorWords {
    bool found = false;             // any error word
    bool unsupportedCodec = false;  // "Unsupported codec" among them
};

// The error words in the line outside echoed paths; a line that holds both
// "Input #0," and "Output #0," is not searched.
ErrorWords FindErrorWords(std::string_view line);

// The first line of a run must begin with "Input #0,".
bool IsAcceptedFirstLine(std::string_view line);

// The line that begins "Output #0,", printed once the output file is made.
bool BeginsOutputBlock(std::string_view line);

// An error report as a reason for the user: each echoed path shortened to
// the file name given for it, blanks tidied.
struct EchoedPath {
    std::string path;
    std::string shownAs;
};
std::string ReasonFromLine(std::string_view line, std::initializer_list<EchoedPath> paths);

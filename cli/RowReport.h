// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tool reports of one row once its conversion is over: the TAB
// line, the JSON object and the one-line verdict on standard error.
#include "core/FileRow.h"

#include <string>
#include <vector>

struct RowReport {
    FileRow row;        // its output path the file written; empty when no job was built
    Reason reason;      // why the row is not "Done", where that is known
    double seconds = 0; // from its job's start to its end; 0 when it had no job
    int index = 0;      // its place in the tool's list of files, from 0
    bool skipped = false; // --skip-existing found its output made: it shows "Skipped"
};

// The report of a finished row. The reason is the one the conversion gave
// the row, else an input that is not there; a run without a file is "Not
// converted".
RowReport ReportOf(const FileRow& row, int index, double seconds);
// The report of a row whose complete output is at `outputPath` already.
RowReport SkippedReport(const FileRow& row, int index, const std::string& outputPath);

// "Done", "Failed", "Aborted", ... "Skipped", or "Not converted" for a row
// no job reached.
std::string OutcomeOf(const RowReport& report);
// Done, or skipped for its output was made before.
bool Succeeded(const RowReport& report);

// The caption, the six cells and the index, TAB-separated.
std::string TabLine(const RowReport& report);
// One JSON object: index, input, output, outcome, reason, reason_code,
// frames, duration, seconds.
std::string JsonLine(const RowReport& report);
// "All Conversion Jobs Done!" when every row is "Done"; else the counts:
// "1 file converted, 2 skipped, 1 failed, 3 not converted".
std::string ClosingLine(const std::vector<RowReport>& reports);
// "Done", "Failed: <reason>".
std::string VerdictOf(const RowReport& report);
// "clip.avi: Done", "clip.avi: Failed: <reason>".
std::string VerdictLine(const RowReport& report);

#pragma once
// What the tool reports of one row once its conversion is over: the TAB
// line, the JSON object and the one-line verdict on standard error.
#include "core/FileRow.h"

#include <string>

struct RowReport {
    FileRow row;        // its output path the file written; empty when no job was built
    Reason reason;      // why the row is not "Done", where that is known
    double seconds = 0; // from its job's start to its end; 0 when it had no job
};

// The report of a finished row. The reason is the one the conversion gave
// the row, else an input that is not there; a run without a file is "Not
// converted".
RowReport ReportOf(const FileRow& row, double seconds);

// "Done", "Failed", "Aborted", ... or "Not converted" for a row no job reached.
std::string OutcomeOf(const RowReport& report);

// The caption and the six cells, TAB-separated.
std::string TabLine(const RowReport& report);
// One JSON object: input, output, outcome, reason, reason_code, frames,
// duration, seconds.
std::string JsonLine(const RowReport& report);
// "clip.avi: Done", "clip.avi: Failed: <reason>".
std::string VerdictLine(const RowReport& report);

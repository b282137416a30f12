// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of a file its job converts (Trim…, or Start and End for the
// whole batch), as a value each row keeps: from `start` to `end` seconds of
// the file, all of it by default. Formats that code their streams anew cut
// at the exact picture and sample; the copies cut at the key frame at or
// before the start, so their output may begin up to one key-frame interval
// earlier.
#include <optional>
#include <string>
#include <string_view>

struct FormatSpec;

struct TrimRange {
    double start = 0;
    std::optional<double> end; // nothing: to the file's end; past it: the end too

    bool asked() const { return start > 0 || end.has_value(); }
    bool operator==(const TrimRange&) const = default;
};

// Seconds ("90", "90.5") or [HH:]MM:SS[.mmm] ("01:30", "1:02:03.500");
// nothing for any other text, a negative time, or minutes or seconds of 60
// and more after a colon.
std::optional<double> ParseTimeText(std::string_view text);

// How long a job's output lasts: the file's length (0 when unknown) cut to
// the range; 0 when that cannot be told.
double TrimmedSeconds(double fileSeconds, const TrimRange& trim);

// A time as the encoder's command line takes it, to the millisecond: "2", "2.5", "125.25".
std::string TimeArg(double seconds);

// Whether the format cuts at the key frame at or before the start rather
// than at the exact picture: a copy, given a start.
bool CutsAtKeyFrame(const FormatSpec& format, const TrimRange& trim);

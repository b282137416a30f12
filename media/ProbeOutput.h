#pragma once
// The encoder's description of an input file: its console output cut into
// lines, the verdict on its first line, and the duration, frame size and
// frame rate read from its lines.
#include <string>
#include <string_view>
#include <vector>

// Collects output chunk by chunk. A line split between two chunks is joined
// before anyone sees it: the unfinished last line is held back until its
// line break arrives or the output ends.
class LineBuffer {
public:
    void clear();
    void append(std::string_view chunk);
    // The output has ended: an unfinished last line becomes a line.
    void finish();

    // The complete lines so far.
    const std::vector<std::string>& lines() const { return lines_; }
    // True when no output at all has arrived.
    bool empty() const { return lines_.empty() && partial_.empty() && !pendingBreak_; }
    // The first line as far as it has arrived, and whether it is complete.
    std::string_view firstLine() const;
    bool firstLineComplete() const { return !lines_.empty(); }

private:
    std::vector<std::string> lines_;
    std::string partial_;
    bool pendingBreak_ = false; // a carriage return whose line feed may follow
};

// True when output has arrived and its first line does not begin with
// "Input #0," (case-sensitive). A first line still arriving is judged as
// soon as it can no longer begin so.
bool ProbeRejected(const LineBuffer& buffer);

struct ProbeValues {
    std::string sizeText = "0 x 0";
    std::string frameRateText = "0";
    std::string durationText = "00:00:00";
};

// Reads the lines in order; a later line overwrites what an earlier one set,
// and a "Duration: N/A" ends the reading. Output without a duration line
// gives "00:00:00".
ProbeValues ParseProbeOutput(const std::vector<std::string>& lines);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a row's job did not end "Done", or what its outcome leaves unsaid: a
// code that stays the same from release to release, for scripts, and the
// sentence for people.
#include <string>

enum class ReasonCode {
    None,
    Stopped,           // Stop Convert, or Ctrl-C
    NotStarted,        // the encoder could not be started
    EncoderSignal,     // the encoder ended by a signal
    EncoderStatus,     // the encoder ended with a failing status
    Stalled,           // the stall watch ended the encoder
    EncoderError,      // the encoder's own error report
    EncoderSilent,     // the encoder did not describe the input
    FolderNotMade,     // the output folder cannot be created
    NoSuchFile,        // the input is gone
    NotPlaced,         // the output cannot be put in place
    Incomplete,        // the output falls short of the input
    Overlong,          // the output's sound runs on past the input's length
    NoThumbnail,       // the thumbnail could not be made
    UnsafePath,        // a path the command line cannot carry
    OutputMissing,     // the check of the output: nothing written
    OutputUnreadable,  // the output cannot be read
    OutputNoVideo,     // the output holds no video
    OutputNoAudio,     // the output holds no audio
    OutputNoPicture,   // the thumbnail is no JPEG picture
    OutputUndecodable, // the end of the output cannot be decoded
    OutputLostTrack,   // the output lost a sound track
    OutputLostSubtitle, // the output lost a subtitle track
    OutputLostShape,   // the output lost the picture's upright shape
    OutputLoudness,    // the output's loudness misses the target asked for
    Interrupted,       // the program ended while the job ran
    CannotFit,         // the clip cannot fit in the size asked for
    OverLimit,         // the output came out over the size asked for
};

struct Reason {
    ReasonCode code = ReasonCode::None;
    std::string text; // one line; empty with ReasonCode::None

    bool empty() const { return code == ReasonCode::None; }
    bool operator==(const Reason&) const = default;
};

// The code's stable name: "stopped", "encoder_error", "output_no_audio", ...
// "" for ReasonCode::None.
const char* ReasonCodeName(ReasonCode code);

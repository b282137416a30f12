// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Reason.h"

const char* ReasonCodeName(ReasonCode code)
{
    switch (code) {
    case ReasonCode::None: return "";
    case ReasonCode::Stopped: return "stopped";
    case ReasonCode::NotStarted: return "not_started";
    case ReasonCode::EncoderSignal: return "encoder_signal";
    case ReasonCode::EncoderStatus: return "encoder_status";
    case ReasonCode::Stalled: return "stalled";
    case ReasonCode::EncoderError: return "encoder_error";
    case ReasonCode::EncoderSilent: return "encoder_silent";
    case ReasonCode::FolderNotMade: return "folder_not_made";
    case ReasonCode::NoSuchFile: return "no_such_file";
    case ReasonCode::NotPlaced: return "not_placed";
    case ReasonCode::Incomplete: return "incomplete";
    case ReasonCode::Overlong: return "overlong";
    case ReasonCode::NoThumbnail: return "no_thumbnail";
    case ReasonCode::UnsafePath: return "unsafe_path";
    case ReasonCode::OutputMissing: return "output_missing";
    case ReasonCode::OutputUnreadable: return "output_unreadable";
    case ReasonCode::OutputNoVideo: return "output_no_video";
    case ReasonCode::OutputNoAudio: return "output_no_audio";
    case ReasonCode::OutputNoPicture: return "output_no_picture";
    case ReasonCode::OutputUndecodable: return "output_undecodable";
    case ReasonCode::OutputLostTrack: return "output_lost_track";
    case ReasonCode::OutputLostSubtitle: return "output_lost_subtitle";
    case ReasonCode::OutputLostShape: return "output_lost_shape";
    case ReasonCode::OutputLoudness: return "output_loudness";
    case ReasonCode::Interrupted: return "interrupted";
    case ReasonCode::CannotFit: return "cannot_fit";
    case ReasonCode::OverLimit: return "over_limit";
    }
    return "";
}

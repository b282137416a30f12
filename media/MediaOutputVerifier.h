// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a finished output with the media libraries, as a player would
// meet it: the file opens, holds video when the format is a video format and
// the input had video, holds audio when the job is not muted and the input
// had audio, and every stream decodes over the last second; sound brought to
// a loudness target meets it. A thumbnail must be one readable JPEG picture. An input the libraries cannot open asks for
// no particular stream.
#include "core/OutputVerifier.h"

class MediaOutputVerifier : public OutputVerifier {
public:
    MediaOutputVerifier();

    OutputFinding verify(const OutputCheck& check) override;
};

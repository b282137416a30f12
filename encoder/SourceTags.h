// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a sound output takes over from its source: the tags of the file and
// of its sound track (an Ogg file keeps them on the track), read by TagLib
// where it knows the container, so that a field of several values and a
// custom field stay as they are, else from the media libraries; and the
// embedded pictures, else, when asked, the cover image of the source's
// folder.
#include "encoder/InputMedia.h"
#include "encoder/MediaTags.h"

namespace ridod2e {

MediaTags SourceTags(const InputMedia& input, int soundStream, bool folderCover);

// TagLib writes nothing to the console: a line of it could hold a word the
// application takes for a failure.
void QuietTagLib();

} // namespace ridod2e

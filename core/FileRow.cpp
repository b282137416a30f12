// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileRow.h"

#include "core/Texts.h"

const char* OutcomeText(RowOutcome outcome)
{
    switch (outcome) {
    case RowOutcome::None: return "";
    case RowOutcome::Done: return texts::kDone;
    case RowOutcome::Incomplete: return texts::kIncomplete;
    case RowOutcome::Failed: return texts::kFailed;
    case RowOutcome::Aborted: return texts::kAborted;
    case RowOutcome::Rescan: return texts::kRescan;
    }
    return "";
}

std::string FileRow::outputText() const
{
    const std::string& tag = cell(FileColumn::Output);
    return expectedSize.empty() ? tag : tag + "  " + expectedSize;
}

std::string FileRow::pictureNote() const
{
    std::string note;
    if (!storedSize.empty())
        note = texts::kStoredAs + storedSize + texts::kTurned + std::to_string(rotation) + texts::kClockwise;
    if (interlaced)
        note += (note.empty() ? "" : "\n") + std::string(texts::kInterlacedNote);
    if (crop && CutsPicture(*crop, cell(FileColumn::VideoSize)))
        note += (note.empty() ? "" : "\n") + CropNote(*crop);
    return note;
}

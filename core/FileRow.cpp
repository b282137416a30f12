#include "core/FileRow.h"

#include "core/Texts.h"

std::string FileRow::pictureNote() const
{
    std::string note;
    if (!storedSize.empty())
        note = texts::kStoredAs + storedSize + texts::kTurned + std::to_string(rotation) + texts::kClockwise;
    if (interlaced)
        note += (note.empty() ? "" : "\n") + std::string(texts::kInterlacedNote);
    return note;
}

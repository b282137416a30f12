// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunRecord.h"

#include "core/Texts.h"
#include "core/cmdline/CommandPieces.h"

namespace {

// The command line as a person would type it: the alternative reader's
// prefix before the input is the encoder's business.
std::string ShownCommandLine(std::string commandLine)
{
    const std::string prefix = "\"" + std::string(pieces::kAltReaderPrefix);
    for (auto at = commandLine.find(prefix); at != std::string::npos; at = commandLine.find(prefix, at + 1))
        commandLine.erase(at + 1, pieces::kAltReaderPrefix.size());
    return commandLine;
}

} // namespace

std::string RecordText(const RunRecord& record)
{
    std::string text = record.time + "  " + record.file + "\n";
    text += std::string(texts::kLogCommandLine) + ShownCommandLine(record.commandLine) + "\n";
    text += std::string(texts::kLogOutcome) + record.outcome + "\n";
    if (!record.reason.empty())
        text += std::string(texts::kLogReason) + record.reason + "\n";
    if (!record.lastLines.empty()) {
        text += std::string(texts::kLogLastLines) + "\n";
        for (const std::string& line : record.lastLines)
            text += "    " + line + "\n";
    }
    return text;
}

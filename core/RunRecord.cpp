#include "core/RunRecord.h"

#include "core/Texts.h"

std::string RecordText(const RunRecord& record)
{
    std::string text = record.time + "  " + record.file + "\n";
    text += std::string(texts::kLogCommandLine) + record.commandLine + "\n";
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

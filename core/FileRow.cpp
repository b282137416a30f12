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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/HeadlessFrontEnd.h"

#include "core/Messages.h"
#include "core/RequiredFiles.h"

HeadlessFrontEnd::HeadlessFrontEnd(ConversionChoices choices, Messages& messages, int jobsAtOnce)
    : choices_(std::move(choices))
    , messages_(messages)
    , jobsAtOnce_(jobsAtOnce)
{
}

void HeadlessFrontEnd::report(const ConversionEvent& event)
{
    if (std::holds_alternative<events::MuteReset>(event)) {
        std::lock_guard guard(lock_);
        choices_.muteIndex = 0;
    }
    if (onReport)
        onReport(event);
}

bool HeadlessFrontEnd::checkRequiredFiles()
{
    return CheckRequiredFiles(HeadlessFrontEnd::choices().appDir, messages_);
}

ConversionChoices HeadlessFrontEnd::choices()
{
    std::lock_guard guard(lock_);
    return choices_;
}

void HeadlessFrontEnd::information(const std::string& text)
{
    messages_.information(text);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/StartOutput.h"

namespace ridod2e {

bool StartOutput(const EncodeRequest& request, InputMedia& input, const std::vector<int>& kept,
                 const std::vector<std::string>& notes, OutputMedia& output, Console& console)
{
    input.keepOnly(kept);
    for (const std::string& note : notes)
        console.print(note);
    if (request.keepChapters)
        output.keepChapters(input.context(), TimelineStart(input, request));

    output.open(input.context()->metadata);
    console.print(OutputBlock(output.summary()));
    const bool seeks = StartSeconds(request) > 0;
    if (seeks)
        input.seek(StartSeconds(request));
    return seeks;
}

} // namespace ridod2e

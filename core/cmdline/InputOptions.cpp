// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/InputOptions.h"

#include "core/TextRules.h"

#include <array>
#include <string_view>

bool IsRealMediaInput(const std::string& inputPath)
{
    static constexpr std::array<std::string_view, 4> kRealMedia{".rm", ".rmvb", ".ram", ".ra"};
    const std::string extension = ToLower(ExtensionOf(inputPath));
    for (std::string_view realMedia : kRealMedia) {
        if (extension == realMedia)
            return true;
    }
    return false;
}

InputOptions FirstAttemptOptions(const std::string& inputPath)
{
    return {IsRealMediaInput(inputPath), false};
}

InputOptions SecondAttemptOptions(const std::string& inputPath, InputOptions first)
{
    InputOptions second = first;
    if (ToLower(ExtensionOf(inputPath)) == ".mov")
        second.forceQuickTimeInput = true;
    second.useAltReader = second.forceQuickTimeInput ? false : !first.useAltReader;
    return second;
}

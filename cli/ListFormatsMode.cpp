// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliModes.h"

#include "core/profiles/FormatCatalogue.h"

#include <ostream>

int RunListFormats(std::ostream& out)
{
    for (int index = 0; index < FormatCount(); ++index)
        out << index << '\t' << FormatText(index) << '\t' << FormatTag(index) << '\n';
    return kExitOk;
}

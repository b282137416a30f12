// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --skip-existing: a file whose output is there already under the exact name
// a conversion would give it, and complete as the check of a finished
// conversion judges it, is not converted again. Reruns of one list then
// convert only what is missing.
#include "core/FileRow.h"
#include "core/OutputVerifier.h"
#include "core/cmdline/ConversionChoices.h"

#include <optional>
#include <string>

// The complete output of the row's file; nothing when there is none.
std::optional<std::string> MadeOutputOf(const ConversionChoices& choices, const FileRow& row, OutputVerifier& verifier);

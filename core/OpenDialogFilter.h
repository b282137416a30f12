// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input formats the open dialog offers, kept in the Windows filter form
// ("description|patterns|...|") and converted for Qt's file dialog.
#include <QStringList>
#include <string>
#include <vector>

extern const std::string kOpenDialogFilter;

struct FilterEntry {
    std::string description;
    std::string patterns; // separated by ";", blanks kept
};

// The entries of a Windows filter, in order.
std::vector<FilterEntry> FilterEntries(const std::string& windowsFilter);

// Qt's name filters: the description followed by the patterns in
// parentheses, blank-separated. The file dialog hides the pattern part, so
// the descriptions show as written.
QStringList QtNameFilters(const std::string& windowsFilter);
QStringList QtNameFilters(const std::vector<FilterEntry>& entries);

// What the open dialog offers: the entries above, the first one taking
// every extension in `readable` (lower case, without the dot) as well; one
// entry for each format we write that no entry names; and a last entry for
// every file.
std::vector<FilterEntry> OfferedFilterEntries(const std::vector<std::string>& readable);

// The extensions of the first offered entry, lower case, without "*.": what
// counts as audio or video when a folder is dropped.
std::vector<std::string> MediaExtensions(const std::vector<std::string>& readable);

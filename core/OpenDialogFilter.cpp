// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OpenDialogFilter.h"

#include "core/profiles/FormatCatalogue.h"

#include <algorithm>
#include <cctype>

const std::string kOpenDialogFilter =
    "All Supported Files|*.avi;*.mpeg;*.mpg;*.mpa;*.m1v;*.mv2;*.wma;*.wmv;*.asf;*.asx;*.mov; *.qt;*.3gp;*.3g2;*.mp3;"
    "*.mp2;*.ogg;*.aac;*.mp4;*.m4a;*.rm;*.rmvb;*.ram;*.ra;*.vob; *.dat;*.cda;*.dv; *.dif;*.wav; *.au; *.aiff;*.mjpg;"
    " *.mjpeg;*.ac3; *.gif; *.swf|"
    "3GPP Files (*.3gp)|*.3gp|"
    "3GPP2 Files (*.3g2)|*.3g2|"
    "AAC Files (*.aac)|*.aac|"
    "AC3 Files (*.ac3)|*.ac3|"
    "Audio CD Files (*.cda)|*.cda|"
    "AVI Files (*.avi)|*.avi|"
    "DV Video Files (*.dv, *.dif)|*.dv;*.dif|"
    "DVD VOB Files (*.vob)|*.vob|"
    "GIF Animated Files (*.gif)|*.gif|"
    "Macromedia Flash Files (*.swf)|*.swf|"
    "Monkey Audio Files (*.ape, *.cue)|*.ape;*.cue|"
    "MJpeg Video Files (*.mjpg, *.mjpeg)|*.mjpg; *.mjpeg|"
    "MP2 Files (*.mp2)|*.mp2|"
    "MP3 Files (*.mp3)|*.mp3|"
    "MPEG Files (*.mpeg, *.mpg, *.mpa, *.m1v, *.mv2)|*.mpeg;*.mpg;*.mpa;*.m1v;*.mv2|"
    "MPEG-4 Files (*.mp4)|*.mp4|"
    "MPEG-4 Audio Files (*.m4a, *.mp4)|*.m4a; *.mp4|"
    "Ogg Vorbis Files (*.ogg)|*.ogg|"
    "RealMedia Files (*.rm, *.rmvb, *.ram, *.ra)|*.rm; *.rmvb; *.ram; *.ra|"
    "QuickTime Files (*.mov, *.qt)|*.mov; *.qt|"
    "VCD DAT Files (*.dat)|*.dat|"
    "WAV Files (*.wav, *.au, *.aiff)|*.wav; *.au; *.aiff|"
    "Windows Media Files(*.wma, *.wmv, *.asf, *.asx)|*.wma;*.wmv;*.asf;*.asx|";

std::vector<FilterEntry> FilterEntries(const std::string& windowsFilter)
{
    std::vector<FilterEntry> entries;
    std::size_t start = 0;
    while (start < windowsFilter.size()) {
        const auto bar = windowsFilter.find('|', start);
        if (bar == std::string::npos)
            break;
        const auto end = windowsFilter.find('|', bar + 1);
        const auto patternsEnd = end == std::string::npos ? windowsFilter.size() : end;
        entries.push_back({windowsFilter.substr(start, bar - start), windowsFilter.substr(bar + 1, patternsEnd - bar - 1)});
        start = patternsEnd + 1;
    }
    return entries;
}

QStringList QtNameFilters(const std::string& windowsFilter)
{
    return QtNameFilters(FilterEntries(windowsFilter));
}

QStringList QtNameFilters(const std::vector<FilterEntry>& entries)
{
    QStringList filters;
    for (const auto& entry : entries) {
        QStringList patterns;
        for (const QString& pattern : QString::fromStdString(entry.patterns).split(';', Qt::SkipEmptyParts))
            patterns << pattern.trimmed();
        filters << QString::fromStdString(entry.description) + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

namespace {

// The extensions an entry's patterns name, lower case, without "*.".
std::vector<std::string> PatternExtensions(const FilterEntry& entry)
{
    std::vector<std::string> extensions;
    for (QString pattern : QString::fromStdString(entry.patterns).split(';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed().toLower();
        if (pattern.startsWith("*."))
            extensions.push_back(pattern.mid(2).toStdString());
    }
    return extensions;
}

bool Names(const FilterEntry& entry, const std::string& extension)
{
    const auto named = PatternExtensions(entry);
    return std::find(named.begin(), named.end(), extension) != named.end();
}

// Whether an entry for one type of file names the extension.
bool TypeEntryNames(const std::vector<FilterEntry>& entries, const std::string& extension)
{
    return std::any_of(entries.begin() + 1, entries.end(),
                       [&](const FilterEntry& entry) { return Names(entry, extension); });
}

} // namespace

std::vector<FilterEntry> OfferedFilterEntries(const std::vector<std::string>& readable)
{
    auto entries = FilterEntries(kOpenDialogFilter);
    for (const std::string& extension : readable) {
        if (!Names(entries.front(), extension))
            entries.front().patterns += ";*." + extension;
    }
    for (const FormatSpec& format : Formats()) {
        std::string extension(format.tag);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension.empty() || TypeEntryNames(entries, extension))
            continue;
        entries.push_back({std::string(format.tag) + " Files (*." + extension + ")", "*." + extension});
        if (!Names(entries.front(), extension))
            entries.front().patterns += ";*." + extension;
    }
    entries.push_back({"All Files (*)", "*"});
    return entries;
}

std::vector<std::string> MediaExtensions(const std::vector<std::string>& readable)
{
    return PatternExtensions(OfferedFilterEntries(readable).front());
}

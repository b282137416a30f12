// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StartArguments.h"

#include <QFileInfo>

StartArguments ParseStartArguments(const QStringList& arguments)
{
    StartArguments parsed;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || !argument.startsWith('-')) {
            parsed.files << QFileInfo(argument).absoluteFilePath();
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            parsed.help = true;
        } else if (argument == "-v" || argument == "--version") {
            parsed.version = true;
        } else if (parsed.error.isEmpty()) {
            parsed.error = "unknown option " + argument;
        }
    }
    return parsed;
}

QString StartUsage()
{
    return "Usage: vantorel [FILE...]\n"
           "Opens the converter's window; each FILE is added to its list and\n"
           "measured as Add Files does (a folder adds the audio and video files\n"
           "inside it).\n"
           "\n"
           "  -h, --help     this help\n"
           "  -v, --version  the version\n"
           "  --             ends the options (for a FILE whose name starts with -)\n"
           "\n"
           "vantorel-cli converts from the command line.\n";
}

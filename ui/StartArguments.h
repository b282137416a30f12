// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `vantorel` is given on its command line: files to add to the list
// at start (as a file manager's "Open With" gives them), or a wish for the
// usage or the version, which are printed without a window.
#include <QString>
#include <QStringList>

struct StartArguments {
    bool help = false;    // -h, --help
    bool version = false; // -v, --version
    QStringList files;    // full paths, in the order given
    QString error;        // the first argument that is no file and no option of ours
};

// The arguments after the program's name; "--" ends the options. Relative
// paths are read from the current folder.
StartArguments ParseStartArguments(const QStringList& arguments);

// The usage text, ending in a line feed.
QString StartUsage();

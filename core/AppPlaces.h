// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the programs find the encoder, the help file and the settings file.
// Run from the build folder (the encoder lies beside the executable), all
// three are that folder, the settings too unless the folder is read-only. An
// installed program finds the encoder and the help file where the
// installation put them, relative to its own folder, and keeps its settings
// in the user's configuration folder, and the list of its last session in
// the user's state folder.
#include <string>

struct AppPlaces {
    std::string encoderDir;  // the encoder and reg.sh; the encoder runs in it
    std::string helpDir;     // help.html and the window's translations
    std::string settingsDir; // plumly.ini; created when the settings are written
    std::string stateDir;    // the last session's list; created when the list is written

    bool operator==(const AppPlaces&) const = default;
};

// Every place the one folder `dir`, which ends in "/".
AppPlaces PlacesIn(const std::string& dir);

// The places for a program in `executableDir`, with `configDir` the user's
// folder for its settings and `stateDir` for its list. All end in "/", and
// so do the places.
AppPlaces FindAppPlaces(const std::string& executableDir, const std::string& configDir, const std::string& stateDir);

// The places of the running program.
AppPlaces CurrentAppPlaces();

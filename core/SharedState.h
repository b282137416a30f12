// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide flags and values that several parts of the application
// share. Flags and counters are atomics: the conversion worker and the
// window's thread both touch them, each read and written whole.
#include <atomic>
#include <string>

struct SharedState {
    std::string appDir;                              // the encoder's folder, ends in "/"
    std::atomic<bool> isConverting{false};           // a job reached the encoder
    std::atomic<bool> stopRequested{false};          // Stop Convert: end the encoder and the walk, no shutdown
    std::atomic<bool> shutdownPending{false};        // the power-off countdown runs
    std::atomic<bool> keepAnalyzing{false};          // the add-files loop may go on
    std::atomic<bool> analysisBusy{false};           // the analysing splash must not close
};

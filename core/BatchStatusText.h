// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that tell how a batch is getting on: the status bar's panels
// and the window title while it runs, and what happened once it is over.
#include <optional>
#include <string>

// "Converting 2 of 5".
std::string ConvertingText(int current, int total);

// "12:34 left", "1:02:03 left"; a dash while there is no estimate.
std::string TimeLeftText(std::optional<int> seconds);

// "37% – Vantorel".
std::string TitleWithPercent(int percent, const std::string& caption);

// "5 converted, 1 failed", and how many were not converted when the batch was stopped.
std::string BatchSummaryText(int converted, int failed, int notConverted);

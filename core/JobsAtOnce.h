// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many files a batch converts at the same time: a fixed number, or
// "Auto", where a further job starts while the running ones leave cores
// idle. A job whose codec spreads its work over every core by itself (H.264,
// H.265, AV1, VP9) at a frame larger than standard definition is expected to
// fill the processor alone, unless it is measured to leave some idle; any
// other job (sound only, standard-definition MPEG-4 and the like, copied
// streams) keeps about one core busy.
#include <optional>
#include <string>
#include <vector>

struct ConversionChoices;

inline constexpr int kAutoJobs = 0;       // "Auto"
inline constexpr int kMostJobsAtOnce = 8; // the highest fixed number offered

// "1" to "8", or "auto" in any case; nothing for any other text.
std::optional<int> ParseJobsAtOnce(const std::string& text);
// "2", "auto".
std::string JobsAtOnceText(int jobs);

enum class JobLoad { OneCore, AllCores };

// What a job asks of the processor, from the choices it is built with, its
// row's Output cell in lower case and its source's Video Size cell.
JobLoad LoadOf(const ConversionChoices& choices, const std::string& outputExt, const std::string& sourceSize);

// The most jobs that ever run at once: the fixed number, or the cores for "Auto".
int MostJobs(int jobs, int cores);

// The processors that must stand idle beside a job that fills the
// processor before "Auto" starts another: even a quarter of a core left
// over is worth a second job (on two cores one 720p H.264 encoder leaves
// about that much, and a short file's start-up and check far more).
inline constexpr double kIdleCoresToStart = 0.25;

// Whether the next job may start beside the running ones; `idleCores`: the
// processors measured idle for a moment while they ran.
bool MayStartJob(int jobs, int cores, const std::vector<JobLoad>& running, JobLoad next, double idleCores = 0);

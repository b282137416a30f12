// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A front end without a window that records every report and message as
// text, and a file list that keeps each row's Progress and Frames cells as
// they changed.
#include "convert/HeadlessFrontEnd.h"
#include "core/FileList.h"
#include "core/profiles/FormatSwitch.h"
#include "support/FakeMessages.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// "job 0", "run 0 2", "progress 0 8% 123 frames 1234 kB", "bar 100", "bar reset", "size 2000",
// "logged 0 Done", "ended 0 Failed no_such_file", "batch started", "batch ended, countdown", ...
inline std::string Described(const ConversionEvent& event)
{
    const auto text = [](const auto& value) { return value ? std::to_string(*value) : std::string("-"); };
    const auto row = [](int index) { return " " + std::to_string(index); };
    if (const auto* job = std::get_if<events::JobStarted>(&event))
        return "job" + row(job->row);
    if (const auto* run = std::get_if<events::RunStarted>(&event))
        return "run" + row(run->row) + " " + (run->thumbnail ? "thumbnail" : std::to_string(run->attempt));
    if (const auto* p = std::get_if<events::Progressed>(&event))
        return "progress" + row(p->row) + " " + text(p->percent) + "% " + text(p->frames) + " frames " + text(p->kilobytes) + " kB";
    if (const auto* bar = std::get_if<events::BarMoved>(&event))
        return "bar " + std::to_string(bar->position);
    if (const auto* size = std::get_if<events::SizeShown>(&event))
        return "size " + text(size->kilobytes);
    if (const auto* logged = std::get_if<events::RunLogged>(&event))
        return "logged" + row(logged->record.row) + " " + logged->record.outcome;
    if (const auto* ended = std::get_if<events::JobEnded>(&event))
        return "ended" + row(ended->row) + " " + OutcomeText(ended->outcome) + " " + ReasonCodeName(ended->reason.code);
    if (const auto* ended = std::get_if<events::BatchEnded>(&event))
        return ended->countdown ? "batch ended, countdown" : "batch ended";
    return std::holds_alternative<events::BatchStarted>(event) ? "batch started"
        : std::holds_alternative<events::BarResetSoon>(event)  ? "bar reset"
                                                                : "mute reset";
}

class RecordedFiles : public FileListWatcher {
public:
    explicit RecordedFiles(std::vector<FileRow> rows)
        : files(std::move(rows))
    {
        files.setWatcher(this);
    }

    FileList files;

    // The texts the cell took, in order.
    std::vector<std::string> history(int row, FileColumn column) const
    {
        std::lock_guard guard(lock_);
        const auto found = history_.find({row, column});
        return found != history_.end() ? found->second : std::vector<std::string>{};
    }
    FileRow row(int index) const { return files.row(index).value_or(FileRow{}); }
    std::string cell(int index, FileColumn column) const { return row(index).cell(column); }

    void rowsAboutToBeInserted(int, int) override {}
    void rowsInserted() override {}
    void rowsAboutToBeRemoved(int, int) override {}
    void rowsRemoved() override {}
    void rowsChanged(int first, int last) override
    {
        std::lock_guard guard(lock_);
        for (int index = first; index <= last; ++index) {
            for (const FileColumn column : {FileColumn::Progress, FileColumn::Frames}) {
                auto& texts = history_[{index, column}];
                const std::string now = cell(index, column);
                if (texts.empty() ? !now.empty() : texts.back() != now)
                    texts.push_back(now);
            }
        }
    }

private:
    mutable std::mutex lock_;
    std::map<std::pair<int, FileColumn>, std::vector<std::string>> history_;
};

class RecordingFrontEnd : public HeadlessFrontEnd {
public:
    explicit RecordingFrontEnd(ConversionChoices choices, int jobsAtOnce = 1)
        : HeadlessFrontEnd(std::move(choices), messages, jobsAtOnce)
    {
    }

    FakeMessages messages;
    bool shutdown = false;
    std::atomic<int> choicesTaken{0};

    std::vector<std::string> log() const
    {
        std::lock_guard guard(lock_);
        return log_;
    }
    bool logHas(const std::string& entry) const
    {
        const auto entries = log();
        return std::find(entries.begin(), entries.end(), entry) != entries.end();
    }
    // The progress bar after the reports so far; a reset shows at once.
    int bar() const
    {
        const auto entries = log();
        const auto last = std::find_if(entries.rbegin(), entries.rend(), [](const auto& e) { return e.starts_with("bar "); });
        return last == entries.rend() || *last == "bar reset" ? 0 : std::clamp(std::stoi(last->substr(4)), 0, 100);
    }
    std::vector<RunRecord> runLog() const
    {
        std::lock_guard guard(lock_);
        return runLog_;
    }

    void report(const ConversionEvent& event) override
    {
        record(Described(event));
        if (const auto* logged = std::get_if<events::RunLogged>(&event)) {
            std::lock_guard guard(lock_);
            runLog_.push_back(logged->record);
        }
        HeadlessFrontEnd::report(event);
    }
    void information(const std::string& text) override
    {
        record("info " + text);
        HeadlessFrontEnd::information(text);
    }
    bool shutdownChecked() override { return shutdown; }
    ConversionChoices choices() override
    {
        ++choicesTaken;
        return HeadlessFrontEnd::choices();
    }

private:
    void record(std::string entry)
    {
        std::lock_guard guard(lock_);
        log_.push_back(std::move(entry));
    }

    mutable std::mutex lock_;
    std::vector<std::string> log_;
    std::vector<RunRecord> runLog_;
};

// The choices of a freshly started window switched to `format`.
inline ConversionChoices ChoicesFor(int format, const std::string& outputDir, const std::string& appDir)
{
    return TakeChoices(ProfileStateFor(format), "50", outputDir, false, appDir);
}

inline FileRow Row(const std::string& path, const std::string& output = "MP4", bool checked = true)
{
    FileRow row{path, {}, checked};
    row.cell(FileColumn::VideoSize) = "640 x 352";
    row.cell(FileColumn::Output) = output;
    return row;
}

#pragma once
// A front end without a window that records every report as text, and a
// file list that keeps each row's Progress and Frames cells as they changed.
#include "convert/HeadlessFrontEnd.h"
#include "core/FileList.h"
#include "core/profiles/FormatSwitch.h"
#include "support/FakeMessages.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// "job 0", "run 0 2", "progress 0 8%", "bar 100", "bar reset", "size 2000",
// "logged 0 Done", "ended 0 Failed no_such_file", "batch started", ...
inline std::string Described(const ConversionEvent& event)
{
    const auto number = [](const auto& value) { return value ? std::to_string(*value) : std::string("-"); };
    if (std::holds_alternative<events::BatchStarted>(event))
        return "batch started";
    if (const auto* job = std::get_if<events::JobStarted>(&event))
        return "job " + std::to_string(job->row);
    if (const auto* run = std::get_if<events::RunStarted>(&event))
        return "run " + std::to_string(run->row) + " " + (run->thumbnail ? "thumbnail" : std::to_string(run->attempt));
    if (const auto* progress = std::get_if<events::Progressed>(&event))
        return "progress " + std::to_string(progress->row) + " " + number(progress->percent) + "% "
            + number(progress->frames) + " frames " + number(progress->kilobytes) + " kB";
    if (const auto* bar = std::get_if<events::BarMoved>(&event))
        return "bar " + std::to_string(bar->position);
    if (std::holds_alternative<events::BarResetSoon>(event))
        return "bar reset";
    if (const auto* size = std::get_if<events::SizeShown>(&event))
        return "size " + number(size->kilobytes);
    if (const auto* logged = std::get_if<events::RunLogged>(&event))
        return "logged " + std::to_string(logged->record.row) + " " + logged->record.outcome;
    if (const auto* ended = std::get_if<events::JobEnded>(&event))
        return "ended " + std::to_string(ended->row) + " " + OutcomeText(ended->outcome) + " "
            + ReasonCodeName(ended->reason.code);
    if (std::holds_alternative<events::MuteReset>(event))
        return "mute reset";
    return std::get<events::BatchEnded>(event).countdown ? "batch ended, countdown" : "batch ended";
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
    std::string cell(int row, FileColumn column) const { return files.row(row).value_or(FileRow{}).cell(column); }
    FileRow row(int index) const { return files.row(index).value_or(FileRow{}); }

    void rowsAboutToBeInserted(int, int) override {}
    void rowsInserted() override {}
    void rowsAboutToBeRemoved(int, int) override {}
    void rowsRemoved() override {}
    void rowsChanged(int first, int last) override
    {
        std::lock_guard guard(lock_);
        for (int row = first; row <= last; ++row) {
            for (const FileColumn column : {FileColumn::Progress, FileColumn::Frames}) {
                const std::string now = cell(row, column);
                auto& texts = history_[{row, column}];
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

    // Every report and message as text, in order; messages as "info TEXT".
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
    // What the progress bar and the size panel show after the reports so far.
    int bar() const
    {
        std::lock_guard guard(lock_);
        return bar_;
    }
    std::string panel() const
    {
        std::lock_guard guard(lock_);
        return panel_;
    }
    std::vector<RunRecord> runLog() const
    {
        std::lock_guard guard(lock_);
        return runLog_;
    }

    void report(const ConversionEvent& event) override
    {
        {
            std::lock_guard guard(lock_);
            log_.push_back(Described(event));
            if (const auto* moved = std::get_if<events::BarMoved>(&event))
                bar_ = std::clamp(moved->position, 0, 100);
            if (std::holds_alternative<events::BarResetSoon>(event))
                bar_ = 0;
            if (const auto* size = std::get_if<events::SizeShown>(&event))
                panel_ = size->kilobytes ? "Output File Size : " + std::to_string(*size->kilobytes) + " KB" : "";
            if (const auto* logged = std::get_if<events::RunLogged>(&event))
                runLog_.push_back(logged->record);
        }
        HeadlessFrontEnd::report(event);
    }
    void information(const std::string& text) override
    {
        {
            std::lock_guard guard(lock_);
            log_.push_back("info " + text);
        }
        HeadlessFrontEnd::information(text);
    }
    bool shutdownChecked() override { return shutdown; }
    ConversionChoices choices() override
    {
        ++choicesTaken;
        return HeadlessFrontEnd::choices();
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> log_;
    int bar_ = 0;
    std::string panel_;
    std::vector<RunRecord> runLog_;
};

// The choices of a freshly started window switched to `format`.
inline ConversionChoices ChoicesFor(int format, const std::string& outputDir, const std::string& appDir)
{
    return TakeChoices(ProfileStateFor(format), "50", outputDir, false, appDir);
}

inline FileRow Row(const std::string& path, const std::string& output = "MP4", bool checked = true)
{
    FileRow row;
    row.caption = path;
    row.checked = checked;
    row.cell(FileColumn::VideoSize) = "640 x 352";
    row.cell(FileColumn::Output) = output;
    return row;
}

#pragma once
// A host without a window that records every call in order.
#include "convert/HeadlessHost.h"
#include "core/profiles/FormatSwitch.h"
#include "support/FakeMessages.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

class RecordingHost : public HeadlessHost {
public:
    RecordingHost(std::vector<FileRow> rows, ConversionChoices choices)
        : HeadlessHost(std::move(rows), std::move(choices), messages)
    {
    }

    FakeMessages messages;
    bool shutdown = false;
    int countdowns = 0;
    std::atomic<int> choicesTaken{0};

    // Every call as text: "cell 0 Progress Done", "bar 100", "info ...", "lock", ...
    std::vector<std::string> log() const
    {
        std::lock_guard guard(logLock_);
        return log_;
    }
    // The texts the Progress cell of `row` took, in order.
    std::vector<std::string> progressHistory(int row) const
    {
        return cellHistory(row, FileColumn::Progress);
    }
    std::vector<std::string> cellHistory(int row, FileColumn column) const
    {
        std::lock_guard guard(logLock_);
        std::vector<std::string> texts;
        for (const auto& entry : cells_) {
            if (entry.row == row && entry.column == column)
                texts.push_back(entry.text);
        }
        return texts;
    }
    std::string cellNow(int row, FileColumn column) { return rows().at(row).cell(column); }

    void setCell(int row, FileColumn column, const std::string& text) override
    {
        record("cell " + std::to_string(row) + " " + std::to_string(static_cast<int>(column)) + " " + text);
        {
            std::lock_guard guard(logLock_);
            cells_.push_back({row, column, text});
        }
        HeadlessHost::setCell(row, column, text);
    }
    void setProgressBar(int position) override
    {
        record("bar " + std::to_string(position));
        HeadlessHost::setProgressBar(position);
    }
    void setStatusPanel(const std::string& text) override
    {
        record("panel " + text);
        HeadlessHost::setStatusPanel(text);
    }
    void information(const std::string& text) override
    {
        record("info " + text);
        HeadlessHost::information(text);
    }
    void setReason(int row, const std::string& reason) override
    {
        record("reason " + std::to_string(row) + " " + reason);
        HeadlessHost::setReason(row, reason);
    }
    void scrollToRow(int row) override { record("scroll " + std::to_string(row)); }
    void lock() override { record("lock"); }
    void unlock() override { record("unlock"); }
    void setStartControlsEnabled(bool enabled) override { record(enabled ? "controls on" : "controls off"); }
    bool shutdownChecked() override { return shutdown; }
    ConversionChoices choices() override
    {
        ++choicesTaken;
        return HeadlessHost::choices();
    }
    void startCountdown() override
    {
        record("countdown");
        ++countdowns;
    }

private:
    struct CellChange {
        int row;
        FileColumn column;
        std::string text;
    };
    void record(const std::string& entry)
    {
        std::lock_guard guard(logLock_);
        log_.push_back(entry);
    }

    mutable std::mutex logLock_;
    std::vector<std::string> log_;
    std::vector<CellChange> cells_;
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

#include "convert/BatchDisplay.h"

#include "core/ConversionHost.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

// "Output File Size : 1234 KB" as 1234; 0 when it holds no number.
long long KilobytesIn(const std::string& panelText)
{
    std::string_view value(panelText);
    const std::string_view prefix(texts::kOutputSizePrefix);
    const std::string_view suffix(texts::kOutputSizeSuffix);
    if (value.substr(0, prefix.size()) == prefix)
        value.remove_prefix(prefix.size());
    if (value.size() >= suffix.size() && value.substr(value.size() - suffix.size()) == suffix)
        value.remove_suffix(suffix.size());
    const std::string number = Trim(value);
    char* end = nullptr;
    const long long kilobytes = std::strtoll(number.c_str(), &end, 10);
    return end != nullptr && *end == '\0' && kilobytes > 0 ? kilobytes : 0;
}

} // namespace

BatchDisplay::BatchDisplay(ConversionHost& host, const SharedState& shared, BatchJobs jobs)
    : host_(host)
    , shared_(shared)
    , jobs_(std::move(jobs))
    , estimate_(jobs_.durations)
{
}

void BatchDisplay::percent(int row, int percent)
{
    std::lock_guard guard(lock_);
    estimate_.setJobDone(jobs_.jobOf(row), percent / 100.0);
    showBar();
}

void BatchDisplay::sizeText(int row, const std::string& panelText)
{
    std::lock_guard guard(lock_);
    if (panelText.empty())
        sizes_.erase(row);
    else
        sizes_[row] = KilobytesIn(panelText);
    showSize();
}

void BatchDisplay::ended(int row)
{
    std::lock_guard guard(lock_);
    estimate_.setJobDone(jobs_.jobOf(row), 1.0);
    // The panel keeps its figure until a running job reports again.
    sizes_.erase(row);
    showBar();
}

void BatchDisplay::showBar()
{
    const int percent = static_cast<int>(std::floor(estimate_.batchDone() * 100));
    if (percent == shownPercent_ || shared_.stopRequested)
        return;
    shownPercent_ = percent;
    host_.setProgressBar(percent);
}

void BatchDisplay::showSize()
{
    if (sizes_.empty()) {
        host_.setStatusPanel(std::string());
        return;
    }
    long long total = 0;
    for (const auto& [row, kilobytes] : sizes_)
        total += kilobytes;
    host_.setStatusPanel(texts::kOutputSizePrefix + std::to_string(total) + texts::kOutputSizeSuffix);
}

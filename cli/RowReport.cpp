// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RowReport.h"

#include "core/TextRules.h"
#include "core/Texts.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <filesystem>

namespace {

constexpr const char* kNotConverted = "Not converted";

QJsonValue TextOrNull(const std::string& text)
{
    return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
}

} // namespace

RowReport ReportOf(const FileRow& row, int index, double seconds)
{
    RowReport report{row, row.reason, seconds, index};
    std::error_code error;
    if (report.reason.empty() && !std::filesystem::exists(row.caption, error))
        report.reason = {ReasonCode::NoSuchFile, texts::kReasonInputGone};
    return report;
}

RowReport SkippedReport(const FileRow& row, int index, const std::string& outputPath)
{
    RowReport report{row, {}, 0, index, true};
    report.row.cell(FileColumn::Progress) = texts::kSkipped;
    report.row.outputPath = outputPath;
    return report;
}

std::string OutcomeOf(const RowReport& report)
{
    const std::string& progress = report.row.cell(FileColumn::Progress);
    return progress.empty() ? kNotConverted : progress;
}

bool Succeeded(const RowReport& report)
{
    return report.skipped || report.row.outcome == RowOutcome::Done;
}

std::string TabLine(const RowReport& report)
{
    std::string line = report.row.caption;
    for (const std::string& cell : report.row.cells)
        line += '\t' + cell;
    return line + '\t' + std::to_string(report.index);
}

std::string ClosingLine(const std::vector<RowReport>& reports)
{
    int done = 0;
    int incomplete = 0;
    int skipped = 0;
    int failed = 0;
    int notConverted = 0;
    for (const RowReport& report : reports) {
        if (report.skipped)
            ++skipped;
        else if (report.row.outcome == RowOutcome::Done)
            ++done;
        else if (report.row.outcome == RowOutcome::Incomplete)
            ++incomplete;
        else if (report.row.outcome == RowOutcome::None)
            ++notConverted;
        else
            ++failed;
    }
    if (done == static_cast<int>(reports.size()))
        return texts::kAllJobsDone;
    std::string line = std::to_string(done) + (done == 1 ? texts::kFileConverted : texts::kFilesConverted);
    for (const auto& [count, suffix] : {std::pair{incomplete, texts::kIncompleteCount}, std::pair{skipped, texts::kSkippedCount},
                                        std::pair{failed, texts::kFailedCount}, std::pair{notConverted, texts::kNotConvertedSuffix}}) {
        if (count > 0)
            line += ", " + std::to_string(count) + suffix;
    }
    return line;
}

std::string JsonLine(const RowReport& report)
{
    const QJsonObject object{
        {"index", report.index},
        {"input", QString::fromStdString(report.row.caption)},
        {"output", TextOrNull(report.row.outputPath)},
        {"outcome", QString::fromStdString(OutcomeOf(report))},
        {"reason", TextOrNull(report.reason.text)},
        {"reason_code", TextOrNull(ReasonCodeName(report.reason.code))},
        {"frames", report.row.frames ? QJsonValue(static_cast<qint64>(*report.row.frames)) : QJsonValue()},
        {"duration", TextOrNull(report.row.cell(FileColumn::Duration))},
        {"seconds", std::round(report.seconds * 1000) / 1000},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string VerdictOf(const RowReport& report)
{
    std::string verdict = OutcomeOf(report);
    if (!report.reason.empty())
        verdict += ": " + report.reason.text;
    return verdict;
}

std::string VerdictLine(const RowReport& report)
{
    return FileNameOf(report.row.caption) + ": " + VerdictOf(report);
}

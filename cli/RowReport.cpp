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

RowReport ReportOf(const FileRow& row, double seconds)
{
    RowReport report{row, row.reason, seconds};
    std::error_code error;
    if (report.reason.empty() && !std::filesystem::exists(row.caption, error))
        report.reason = {ReasonCode::NoSuchFile, texts::kReasonInputGone};
    return report;
}

std::string OutcomeOf(const RowReport& report)
{
    const std::string& progress = report.row.cell(FileColumn::Progress);
    return progress.empty() ? kNotConverted : progress;
}

std::string TabLine(const RowReport& report)
{
    std::string line = report.row.caption;
    for (const std::string& cell : report.row.cells)
        line += '\t' + cell;
    return line;
}

std::string JsonLine(const RowReport& report)
{
    const QJsonObject object{
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

std::string VerdictLine(const RowReport& report)
{
    std::string line = FileNameOf(report.row.caption) + ": " + OutcomeOf(report);
    if (!report.reason.empty())
        line += ": " + report.reason.text;
    return line;
}

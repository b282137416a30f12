// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ConversionBinding.h"

#include "convert/ConversionRun.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/Texts.h"
#include "ui/ConversionLogDialog.h"
#include "ui/MainWindow.h"

#include <algorithm>
#include <vector>

ConversionBinding::ConversionBinding(MainWindow& window, ConversionRun& run, FileList& files,
                                     ConversionLogDialog& log, Messages& messages, QObject* parent)
    : QObject(parent)
    , run_(run)
    , files_(files)
    , log_(log)
    , messages_(messages)
{
    connect(&window, &MainWindow::convertRequested, this, &ConversionBinding::convertNow);
    connect(&window, &MainWindow::stopRequested, this, &ConversionBinding::stopConversion);
    connect(&window, &MainWindow::conversionLogRequested, &log, &ConversionLogDialog::showLatest);
    connect(&window, &MainWindow::rowDoubleClicked, this, &ConversionBinding::showLogFor);
}

void ConversionBinding::convertNow()
{
    if (!run_.running() && askAboutConvertedRows())
        run_.start();
}

bool ConversionBinding::askAboutConvertedRows()
{
    std::vector<int> converted;
    const std::vector<FileRow> rows = files_.rows();
    const auto checked = std::count_if(rows.begin(), rows.end(), [](const FileRow& row) { return row.checked; });
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (rows[row].checked && rows[row].outcome == RowOutcome::Done)
            converted.push_back(row);
    }
    if (converted.empty())
        return true;
    enum { kAgain, kSkip };
    const int answer = messages_.choose(texts::kConfirmCaption,
                                        std::to_string(converted.size()) + texts::kConvertAgainQuestion,
                                        {texts::kConvertAgain, texts::kSkipThem, texts::kCancel});
    // Skipping every checked row leaves nothing to convert, and the ticks as they were.
    if (answer == kSkip && static_cast<long>(converted.size()) < checked) {
        for (const int row : converted)
            files_.setChecked(row, false);
        return true;
    }
    return answer == kAgain;
}

void ConversionBinding::stopConversion()
{
    if (!run_.stopAccepted())
        return;
    if (!messages_.confirmOkCancel(texts::kConfirmCaption, texts::kStopQuestion))
        return;
    run_.stop();
}

void ConversionBinding::showLogFor(int row)
{
    if (const auto file = files_.row(row))
        log_.showFor(file->caption);
}

#include "ui/GuiConversionHost.h"

#include "ui/BusyLock.h"
#include "ui/ListCommands.h"
#include "core/Messages.h"
#include "core/RequiredFiles.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "platform/OnThreadOf.h"
#include "ui/ShutdownCountdown.h"
#include "ui/ProfileView.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

int ListColumn(FileColumn column)
{
    return static_cast<int>(column) + 1;
}

QString CellText(const QTableWidget& list, int row, int column)
{
    const QTableWidgetItem* item = list.item(row, column);
    return item != nullptr ? item->text() : QString();
}

} // namespace

GuiConversionHost::GuiConversionHost(MainWindow& form1, AdditionalOptionsDialog& form4, BusyLock& busyLock, ListCommands& listCommands,
                                     Messages& messages, ShutdownCountdown& countdown, std::string appDir)
    : form1_(form1)
    , form4_(form4)
    , busyLock_(busyLock)
    , listCommands_(listCommands)
    , messages_(messages)
    , countdown_(countdown)
    , appDir_(std::move(appDir))
{
}

std::vector<FileRow> GuiConversionHost::rows()
{
    return OnThreadOf(&form1_, [this] {
        const QTableWidget& list = *form1_.fileList;
        std::vector<FileRow> rows(static_cast<std::size_t>(list.rowCount()));
        for (int row = 0; row < list.rowCount(); ++row) {
            FileRow& out = rows[static_cast<std::size_t>(row)];
            out.caption = CellText(list, row, 0).toStdString();
            const QTableWidgetItem* first = list.item(row, 0);
            out.checked = first != nullptr && first->checkState() == Qt::Checked;
            for (std::size_t cell = 0; cell < out.cells.size(); ++cell)
                out.cells[cell] = CellText(list, row, static_cast<int>(cell) + 1).toStdString();
        }
        return rows;
    });
}

void GuiConversionHost::setCell(int row, FileColumn column, const std::string& text)
{
    OnThreadOf(&form1_, [&] {
        QTableWidget& list = *form1_.fileList;
        if (row < 0 || row >= list.rowCount())
            return;
        QTableWidgetItem* item = list.item(row, ListColumn(column));
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            list.setItem(row, ListColumn(column), item);
        }
        item->setText(QString::fromStdString(text));
    });
}

std::string GuiConversionHost::frameCell(int row)
{
    return OnThreadOf(&form1_, [&] {
        const QTableWidget& list = *form1_.fileList;
        if (row < 0 || row >= list.rowCount())
            return std::string();
        return CellText(list, row, ListColumn(FileColumn::Frames)).toStdString();
    });
}

void GuiConversionHost::scrollToRow(int row)
{
    OnThreadOf(&form1_, [&] {
        if (QTableWidgetItem* item = form1_.fileList->item(row, 0))
            form1_.fileList->scrollToItem(item, QAbstractItemView::EnsureVisible);
    });
}

void GuiConversionHost::setProgressBar(int position)
{
    // The bar holds values outside its range at its ends.
    OnThreadOf(&form1_, [&] {
        ++barChanges_;
        form1_.progressBar->setValue(std::clamp(position, 0, 100));
    });
}

void GuiConversionHost::resetProgressBarSoon()
{
    OnThreadOf(&form1_, [this] {
        const int due = ++barChanges_;
        QTimer::singleShot(kFullBarMs, &barTimers_, [this, due] {
            if (barChanges_ == due)
                form1_.progressBar->setValue(0);
        });
    });
}

void GuiConversionHost::setStatusPanel(const std::string& text)
{
    OnThreadOf(&form1_, [&] { form1_.setStatusPanelText(1, QString::fromStdString(text)); });
}

void GuiConversionHost::information(const std::string& text)
{
    OnThreadOf(&form1_, [&] { messages_.information(text); });
}

bool GuiConversionHost::checkRequiredFiles()
{
    return OnThreadOf(&form1_, [this] { return CheckRequiredFiles(appDir_, messages_); });
}

void GuiConversionHost::lock()
{
    OnThreadOf(&form1_, [this] { busyLock_.lock(); });
}

void GuiConversionHost::unlock()
{
    OnThreadOf(&form1_, [this] { busyLock_.unlock(); });
}

void GuiConversionHost::setStartControlsEnabled(bool enabled)
{
    OnThreadOf(&form1_, [&] {
        form1_.convertButton->setEnabled(enabled);
        listCommands_.setAutoPopup(enabled);
        form1_.addFilesButton->setEnabled(enabled);
    });
}

bool GuiConversionHost::shutdownChecked()
{
    return OnThreadOf(&form1_, [this] { return form4_.shutdownCheck->isChecked(); });
}

void GuiConversionHost::startCountdown()
{
    OnThreadOf(&form1_, [this] { countdown_.start(); });
}

ConversionChoices GuiConversionHost::choices()
{
    return OnThreadOf(&form1_, [this] {
        ProfileView& view = *form1_.profileView;
        return TakeChoices(view.State(), view.VolumeFactor(), form1_.outputDirEdit->text().toStdString(),
                           form4_.overwriteCheck->isChecked(), appDir_);
    });
}

void GuiConversionHost::resetMuteAudio()
{
    OnThreadOf(&form1_, [this] { form1_.profileView->ResetMuteAudio(); });
}

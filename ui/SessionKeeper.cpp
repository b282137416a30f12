// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SessionKeeper.h"

#include "core/FileList.h"
#include "core/Messages.h"
#include "core/Texts.h"

#include <QAbstractItemModel>

namespace {

constexpr int kWriteDelayMs = 1000;

std::string RestoreQuestion(std::size_t rows)
{
    if (rows == 1)
        return texts::kRestoreOneFile;
    return texts::kRestorePrefix + std::to_string(rows) + texts::kRestoreSuffix;
}

} // namespace

SessionKeeper::SessionKeeper(const std::string& stateDir, FileList& files, QAbstractItemModel& model, QObject* parent)
    : QObject(parent)
    , files_(files)
    , file_(stateDir)
{
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(kWriteDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, [this] { writeNow(false); });
    connect(&model, &QAbstractItemModel::rowsInserted, this, &SessionKeeper::changed);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &SessionKeeper::changed);
    connect(&model, &QAbstractItemModel::dataChanged, this, &SessionKeeper::changed);
    connect(&model, &QAbstractItemModel::modelReset, this, &SessionKeeper::changed);
}

void SessionKeeper::changed()
{
    // Not restarted: a list that changes all the time is still written.
    if (!writeTimer_.isActive())
        writeTimer_.start();
}

void SessionKeeper::offerRestore(Messages& messages)
{
    const auto last = file_.load();
    if (!last || last->closed || last->rows.empty())
        return;
    if (messages.confirmYesNo(RestoreQuestion(last->rows.size())))
        files_.restore(RestoredRows(last->rows));
    else
        file_.remove();
}

void SessionKeeper::writeNow(bool closed)
{
    writeTimer_.stop();
    file_.save({files_.rows(), closed});
}

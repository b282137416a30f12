// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kept for the folder-browser component's contract, which nothing in the
// product uses: the events it raises when the browser is set up, on each
// change of selection (by path and by location), and when it closes.
#include "ui/FolderBrowseDialog.h"

#include <QUrl>

#include <functional>

class FolderBrowseDialogWithEvents : public FolderBrowseDialog {
public:
    using NotifyEvent = std::function<void(QObject* sender)>;
    using SelectionChangeEvent = std::function<void(QObject* sender, const QString& folderName,
                                                    const QString& displayName, QString& statusText, bool& okEnabled)>;
    // PIDL is the selected item's location.
    using SelectionChangeEventEx =
        std::function<void(QObject* sender, const QUrl& pidl, QString& statusText, bool& okEnabled)>;

    using FolderBrowseDialog::FolderBrowseDialog;

    NotifyEvent onInitialise;
    SelectionChangeEvent onSelChange;
    SelectionChangeEventEx onSelChangeEx;
    NotifyEvent onClose;

protected:
    void initialised() override
    {
        if (onInitialise)
            onInitialise(this);
    }
    void selectionChanged(const QString& path, QString& statusText, bool& okEnabled) override
    {
        if (onSelChange)
            onSelChange(this, path, displayNameOf(path), statusText, okEnabled);
        if (onSelChangeEx)
            onSelChangeEx(this, QUrl::fromLocalFile(path), statusText, okEnabled);
    }
    void closing() override
    {
        if (onClose)
            onClose(this);
    }
};

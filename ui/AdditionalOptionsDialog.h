// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Additional Options": the options that the conversion reads directly.
// Checking the shutdown option asks for confirmation, except once while the
// settings load sets it (until the main window is first shown). Below the
// two check boxes: how many files are converted at the same time.
#include <QDialog>

#include <string>

class Messages;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class AdditionalOptionsDialog : public QDialog {
    Q_OBJECT
public:
    AdditionalOptionsDialog(Messages& messages, QWidget* parent = nullptr);

    // "Overwrite Existing File With The Same Name".
    bool overwrite() const;
    void setOverwrite(bool overwrite);
    // "Shut Down Computer After All Conversion Jobs Are Done "; checking it
    // asks for confirmation (see confirmShutdownChoice).
    bool shutDown() const;
    void setShutDown(bool shutDown);
    // The busy lock's part of the dialog: both options and the jobs list.
    void setBusy(bool busy);

    // The files converted at the same time: 1 to 8, or kAutoJobs.
    int jobsAtOnce() const;
    void setJobsAtOnce(int jobs);

    // [General] AudioLanguage, which the settings file keeps and no control
    // shows: the sound track one-track outputs prefer ("fra"); empty: the default track.
    const std::string& audioLanguage() const { return audioLanguage_; }
    void setAudioLanguage(const std::string& language) { audioLanguage_ = language; }

    // [General] FitSizeMB, which the settings file keeps: the size in MB
    // "Fit in custom size…" asks for ("42"); empty: none chosen yet.
    const std::string& fitSizeMegabytes() const { return fitSizeMegabytes_; }
    void setFitSizeMegabytes(const std::string& megabytes) { fitSizeMegabytes_ = megabytes; }

    // "Use a cover image from the folder", which the settings file keeps:
    // sound outputs whose file holds no picture take the folder's cover.
    bool folderCover() const { return folderCover_; }
    void setFolderCover(bool folderCover) { folderCover_ = folderCover; }

    // Runs on every change of the shutdown box's state, by the user or by code.
    void confirmShutdownChoice();

    // The next check of the shutdown box asks nothing (the settings load).
    void suppressNextConfirm(bool suppressed) { confirmSuppressed_ = suppressed; }
    bool confirmSuppressed() const { return confirmSuppressed_; }

signals:
    // The shutdown option was checked or unchecked, by the user or by code.
    void shutDownToggled(bool checked);

protected:
    bool event(QEvent* event) override;

private:
    void fitCaptions();
    // Lays out "Convert up to [ ] files at the same time"; returns its width.
    int placeJobsRow();

    Messages& messages_;
    QGroupBox* group_ = nullptr;
    QCheckBox* overwriteCheck_ = nullptr;
    QCheckBox* shutdownCheck_ = nullptr;
    QComboBox* jobsCombo_ = nullptr; // "1" to "8", then "Auto"
    QPushButton* doneButton_ = nullptr;
    std::string audioLanguage_;
    std::string fitSizeMegabytes_;
    bool folderCover_ = true;
    QLabel* jobsLead_ = nullptr;
    QLabel* jobsTail_ = nullptr;
    bool confirmSuppressed_ = true;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the application's name, links to the maker's web site and
// support mail, and OK.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class UrlOpener;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Where the links are opened; the desktop's own programs until set.
    void setUrlOpener(UrlOpener& opener) { opener_ = &opener; }

    QLabel* logo = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* websiteLink = nullptr;
    QLabel* supportLink = nullptr;
    QFrame* outerPanel = nullptr;
    QFrame* innerPanel = nullptr;
    QPushButton* okButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openWebsite();
    void mailSupport();
    QLabel* makeLink(const char* name, const QString& caption, int top);

    UrlOpener* opener_;
};

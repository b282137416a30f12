// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AnalysisProgressDialog.h"

#include "core/Texts.h"
#include "ui/Translation.h"
#include "ui/Fonts.h"

#include "core/SharedState.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 275;
constexpr int kClientHeight = 138;

} // namespace

AnalysisProgressDialog::AnalysisProgressDialog(SharedState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , state_(state)
{
    setObjectName("FormAnalyzingSplash");
    setWindowTitle(Tr(texts::kAnalyzingCaption));
    setFixedSize(kClientWidth, kClientHeight);

    headline_ = new QLabel(Tr(texts::kAnalyzingHeadline), this);
    headline_->setObjectName("Label1");
    QFont labelFont = headline_->font();
    labelFont.setPixelSize(13);
    headline_->setFont(labelFont);
    headline_->setGeometry(16, 14, 243, 20);

    fileNameLabel_ = new QLabel(this);
    fileNameLabel_->setObjectName("Panel1");
    fileNameLabel_->setFrameShape(QFrame::Panel);
    fileNameLabel_->setFrameShadow(QFrame::Sunken);
    fileNameLabel_->setAlignment(Qt::AlignCenter);
    SetBold(*fileNameLabel_);
    fileNameLabel_->setGeometry(16, 44, 243, 41);

    cancelButton_ = new QPushButton(Tr(texts::kCancel), this);
    cancelButton_->setObjectName("Button2");
    cancelButton_->setGeometry(100, 98, 75, 25);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelAnalysis(); });
}

void AnalysisProgressDialog::setFileName(const QString& name)
{
    fileNameLabel_->setText(name);
}

void AnalysisProgressDialog::showCentred()
{
    if (const QWidget* owner = parentWidget()) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
}

void AnalysisProgressDialog::cancelAnalysis()
{
    state_.keepAnalyzing = false;
}

void AnalysisProgressDialog::reject()
{
    // Escape and the close button both end here: QDialog's close event
    // rejects, and keeps the dialog open when this refuses.
    if (!state_.analysisBusy)
        QDialog::reject();
}

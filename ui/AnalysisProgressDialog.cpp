#include "ui/AnalysisProgressDialog.h"

#include "core/Texts.h"
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
    setWindowTitle(texts::kAnalyzingCaption);
    setFixedSize(kClientWidth, kClientHeight);

    headline = new QLabel(texts::kAnalyzingHeadline, this);
    headline->setObjectName("Label1");
    QFont labelFont = headline->font();
    labelFont.setPixelSize(13);
    headline->setFont(labelFont);
    headline->setGeometry(16, 14, 243, 20);

    fileNameLabel = new QLabel(this);
    fileNameLabel->setObjectName("Panel1");
    fileNameLabel->setFrameShape(QFrame::Panel);
    fileNameLabel->setFrameShadow(QFrame::Sunken);
    fileNameLabel->setAlignment(Qt::AlignCenter);
    SetBold(*fileNameLabel);
    fileNameLabel->setGeometry(16, 44, 243, 41);

    cancelButton = new QPushButton(texts::kCancel, this);
    cancelButton->setObjectName("Button2");
    cancelButton->setGeometry(100, 98, 75, 25);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancelAnalysis(); });
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

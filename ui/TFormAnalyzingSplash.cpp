#include "ui/TFormAnalyzingSplash.h"

#include "core/SharedState.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 275;
constexpr int kClientHeight = 138;

} // namespace

TFormAnalyzingSplash::TFormAnalyzingSplash(SharedState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , state_(state)
{
    setObjectName("FormAnalyzingSplash");
    setWindowTitle("Analyzing Video Files");
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = new QLabel("Analyzing Video File.......Please Wait.", this);
    Label1->setObjectName("Label1");
    QFont labelFont = Label1->font();
    labelFont.setPixelSize(13);
    Label1->setFont(labelFont);
    Label1->setGeometry(16, 14, 243, 20);

    Panel1 = new QLabel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);
    QFont panelFont = Panel1->font();
    panelFont.setBold(true);
    Panel1->setFont(panelFont);
    Panel1->setGeometry(16, 44, 243, 41);

    Button2 = new QPushButton("Cancel", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(100, 98, 75, 25);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFormAnalyzingSplash::showCentred()
{
    if (const QWidget* owner = parentWidget()) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
}

void TFormAnalyzingSplash::Button2Click()
{
    state_.keepAnalyzing = false;
}

void TFormAnalyzingSplash::reject()
{
    // Escape closes a dialog without a close event; it is refused the same way.
    if (!state_.analysisBusy)
        QDialog::reject();
}

void TFormAnalyzingSplash::closeEvent(QCloseEvent* event)
{
    if (state_.analysisBusy)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

#include "ui/TFormAbout.h"

#include "core/AppTexts.h"
#include "ui/DesktopUrlOpener.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

QFrame* MakeDivider(QWidget* parent, const char* name, int top)
{
    auto* divider = new QFrame(parent);
    divider->setObjectName(name);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(8, top, 343, 2);
    return divider;
}

} // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , opener_(&DesktopUrlOpener::instance())
{
    setObjectName("FormAbout");
    setWindowTitle(texts::kAboutCaption);
    setFixedSize(359, 221);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(12, 12, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MediaPlay).pixmap(32, 32));

    Label1 = new QLabel(texts::kApplicationTitle, this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(60, 20, 290, 17);
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);

    Panel1 = MakeDivider(this, "Panel1", 60);
    Label2 = makeLink("Label2", texts::kWebsiteLink, 80);
    Label3 = makeLink("Label3", texts::kSupportLink, 110);
    Panel3 = MakeDivider(this, "Panel3", 142);

    SpeedButton1 = new QPushButton(texts::kAboutOk, this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(137, 168, 85, 30);
    QFont bold = SpeedButton1->font();
    bold.setBold(true);
    SpeedButton1->setFont(bold);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFormAbout::SpeedButton1Click);
}

QLabel* TFormAbout::makeLink(const char* name, const QString& caption, int top)
{
    auto* link = new QLabel(caption, this);
    link->setObjectName(name);
    link->setGeometry(60, top, 290, 17);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
    return link;
}

void TFormAbout::SpeedButton1Click()
{
    accept();
}

void TFormAbout::Label2Click()
{
    opener_->open(WebsiteUrl());
}

void TFormAbout::Label3Click()
{
    opener_->open(SupportMailUrl());
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label2) {
            Label2Click();
            return true;
        }
        if (watched == Label3) {
            Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

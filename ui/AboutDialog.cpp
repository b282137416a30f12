// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include "core/Version.h"
#include "core/Texts.h"
#include "ui/Translation.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/Fonts.h"

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

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , opener_(&DesktopUrlOpener::instance())
{
    setObjectName("FormAbout");
    setWindowTitle(Tr(texts::kAboutCaption));
    setFixedSize(359, 221);

    logo = new QLabel(this);
    logo->setObjectName("Image1");
    logo->setGeometry(12, 12, 32, 32);
    logo->setPixmap(style()->standardIcon(QStyle::SP_MediaPlay).pixmap(32, 32));

    titleLabel = new QLabel(texts::kApplicationTitle, this);
    titleLabel->setObjectName("Label1");
    titleLabel->setGeometry(60, 20, 290, 17);
    SetBold(*titleLabel);

    versionLabel = new QLabel(Tr(texts::kVersionPrefix) + QString(kVersion), this);
    versionLabel->setObjectName("VersionLabel");
    versionLabel->setGeometry(60, 38, 290, 17);

    outerPanel = MakeDivider(this, "Panel1", 60);
    websiteLink = makeLink("Label2", Tr(texts::kWebsiteLink), 80);
    supportLink = makeLink("Label3", Tr(texts::kSupportLink), 110);
    innerPanel = MakeDivider(this, "Panel3", 142);

    okButton = new QPushButton(Tr(texts::kAboutOk), this);
    okButton->setObjectName("SpeedButton1");
    okButton->setGeometry(137, 168, 85, 30);
    SetBold(*okButton);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* AboutDialog::makeLink(const char* name, const QString& caption, int top)
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

void AboutDialog::openWebsite()
{
    opener_->open(WebsiteUrl());
}

void AboutDialog::mailSupport()
{
    opener_->open(SupportMailUrl());
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == websiteLink) {
            openWebsite();
            return true;
        }
        if (watched == supportLink) {
            mailSupport();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

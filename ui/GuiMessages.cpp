#include "ui/GuiMessages.h"

#include "core/Texts.h"

#include <QMessageBox>

GuiMessages::GuiMessages(QWidget* parent)
    : parent_(parent)
{
}

void GuiMessages::information(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, texts::kInformationCaption, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool GuiMessages::confirmYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

bool GuiMessages::confirmOkCancel(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    return box.exec() == QMessageBox::Ok;
}

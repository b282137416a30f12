#include "ui/GuiMessages.h"

#include "core/Texts.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

GuiMessages::GuiMessages(QWidget* parent)
    : parent_(parent)
{
}

QWidget* GuiMessages::owner() const
{
    QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->isVisible() ? active : parent_;
}

void GuiMessages::information(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, Tr(texts::kInformationCaption), Tr(text), QMessageBox::Ok, owner());
    box.exec();
}

bool GuiMessages::confirmYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, Tr(texts::kConfirmCaption), Tr(text),
                    QMessageBox::Yes | QMessageBox::No, owner());
    return box.exec() == QMessageBox::Yes;
}

bool GuiMessages::confirmOkCancel(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, Tr(caption), Tr(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner());
    return box.exec() == QMessageBox::Ok;
}

bool GuiMessages::informationWithButton(const std::string& text, const std::string& button)
{
    QMessageBox box(QMessageBox::NoIcon, Tr(texts::kInformationCaption), Tr(text), QMessageBox::Ok, owner());
    QPushButton* extra = box.addButton(Tr(button), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == extra;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GuiMessages.h"

#include "core/Texts.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

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
    return ask(box) == QMessageBox::Yes;
}

bool GuiMessages::confirmOkCancel(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, Tr(caption), Tr(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner());
    return ask(box) == QMessageBox::Ok;
}

bool GuiMessages::informationWithButton(const std::string& text, const std::string& button)
{
    QMessageBox box(QMessageBox::NoIcon, Tr(texts::kInformationCaption), Tr(text), QMessageBox::Ok, owner());
    QPushButton* extra = box.addButton(Tr(button), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    // Escape closes the message as OK does.
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == extra;
}

int GuiMessages::choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner());
    std::vector<QAbstractButton*> added;
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const bool last = index + 1 == buttons.size();
        added.push_back(box.addButton(QString::fromStdString(buttons[index]),
                                      last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (added.empty())
        return -1;
    box.setDefaultButton(static_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    ask(box);
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? -1 : static_cast<int>(pressed - added.begin());
}

int GuiMessages::ask(QMessageBox& box)
{
    const QPointer<QMessageBox> outer = question_;
    question_ = &box;
    const int answer = box.exec();
    question_ = outer;
    return answer;
}

void GuiMessages::closeQuestion(const std::string& text)
{
    if (question_ != nullptr && question_->text() == QString::fromStdString(text))
        question_->reject();
}

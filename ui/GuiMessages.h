// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes on screen, each above the window the user is working in
// (an always-on-top dialog included), else above the given parent.
#include "core/Messages.h"

#include <QPointer>

class QMessageBox;
class QWidget;

class GuiMessages : public Messages {
public:
    explicit GuiMessages(QWidget* parent = nullptr);
    void setParent(QWidget* parent) { parent_ = parent; }
    void information(const std::string& text) override;
    bool confirmYesNo(const std::string& text) override;
    bool confirmOkCancel(const std::string& caption, const std::string& text) override;
    bool informationWithButton(const std::string& text, const std::string& button) override;
    int choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons) override;
    void closeQuestion(const std::string& text) override;

private:
    QWidget* owner() const;
    // Runs a question box, which closeQuestion() can close meanwhile.
    int ask(QMessageBox& box);

    QPointer<QMessageBox> question_;
    QWidget* parent_;
};

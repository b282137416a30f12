// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records every message and answers confirmations as scripted.
#include "core/Messages.h"

#include <string>
#include <vector>

class FakeMessages : public Messages {
public:
    struct Shown {
        std::string kind;
        std::string caption;
        std::string text;
        std::string button; // the extra button an information box offered
    };

    void information(const std::string& text) override { shown.push_back({"information", "Information", text, ""}); }
    bool informationWithButton(const std::string& text, const std::string& button) override
    {
        shown.push_back({"information", "Information", text, button});
        return pressButton;
    }
    bool confirmYesNo(const std::string& text) override
    {
        shown.push_back({"yesno", "Confirm", text, ""});
        return answer;
    }
    bool confirmOkCancel(const std::string& caption, const std::string& text) override
    {
        shown.push_back({"okcancel", caption, text, ""});
        return answer;
    }

    int choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons) override
    {
        std::string names;
        for (const std::string& button : buttons)
            names += (names.empty() ? "" : "|") + button;
        shown.push_back({"choose", caption, text, names});
        return choice;
    }
    void closeQuestion(const std::string& text) override { closedQuestions.push_back(text); }

    std::vector<Shown> shown;
    bool answer = true;
    int choice = 0;          // the button a question with buttons of its own gets
    std::vector<std::string> closedQuestions; // the questions that were to be closed if open
    bool pressButton = false; // whether the extra button of an information box is pressed
};

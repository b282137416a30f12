// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box and confirmation goes through this interface, so tests
// answer them and nothing blocks a test.
#include <string>
#include <vector>

class Messages {
public:
    virtual ~Messages() = default;
    // "Information" box with an OK button and no icon.
    virtual void information(const std::string& text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool confirmYesNo(const std::string& text) = 0;
    // "Confirm" box with a question icon, OK and Cancel; true for OK.
    virtual bool confirmOkCancel(const std::string& caption, const std::string& text) = 0;
    // "Information" box with OK and one more button; true when that button
    // was pressed. Where there is no such button, the plain box.
    virtual bool informationWithButton(const std::string& text, const std::string& /*button*/)
    {
        information(text);
        return false;
    }
    // A question with buttons of its own, the first the default and the last
    // the one Escape presses; the index of the button pressed, -1 when the
    // question was closed otherwise. Where there are no such buttons, OK
    // stands for the first and Cancel for the last.
    virtual int choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons)
    {
        return confirmOkCancel(caption, text) ? 0 : static_cast<int>(buttons.size()) - 1;
    }
    // Closes the open question with this text, as Cancel would; nothing when none is.
    virtual void closeQuestion(const std::string& /*text*/) {}
};

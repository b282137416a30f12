// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's windows as a test drives them: messages recorded, a fake
// power-off installed, the power-off countdown ticking fast, rows added the
// way Add Files adds them, cells read back.
#include "convert/WorkerTask.h"
#include "support/FakeMessages.h"
#include "support/FakePowerOff.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

// An AppDir in `dir` whose encoder is the build's own.
inline std::string LinkedAppDir(const TempDir& dir)
{
    const std::string encoder = qEnvironmentVariable("VANTOREL_APPDIR").toStdString() + "ridod2e";
    std::filesystem::create_symlink(std::filesystem::canonical(encoder), dir.path() / "ridod2e");
    return dir.dir();
}

class WindowFixture {
public:
    explicit WindowFixture(const std::string& appDir)
        : app(appDir, messages)
        , form(app.mainWindow())
    {
        auto fake = std::make_unique<FakePowerOff>();
        powerOff = fake.get();
        app.setPowerOff(std::move(fake));
        Find<QTimer>(form, "TimerShutdown2")->setInterval(5);
    }

    void addRow(const std::string& path, const std::vector<std::string>& cells, bool checked = true)
    {
        FileRow row;
        row.caption = path;
        row.checked = checked;
        for (std::size_t cell = 0; cell < row.cells.size() && cell < cells.size(); ++cell)
            row.cells[cell] = cells[cell];
        app.files().append(row);
    }

    std::string cell(int row, FileColumn column) const { return CellText(form, row, column).toStdString(); }

    bool idle(int timeoutMs = 120000)
    {
        const WorkerTask* worker = Find<WorkerTask>(form, "BMDThreadConvertNow");
        return QTest::qWaitFor([worker] { return !worker->isRunning(); }, timeoutMs);
    }

    // The texts of the messages shown so far.
    std::vector<std::string> shown() const
    {
        std::vector<std::string> texts;
        for (const auto& item : messages.shown)
            texts.push_back(item.text);
        return texts;
    }

    FakeMessages messages;
    Application app;
    MainWindow& form;
    FakePowerOff* powerOff = nullptr;
};

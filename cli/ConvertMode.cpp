#include "cli/CliChoices.h"
#include "cli/CliModes.h"
#include "cli/ProgressDisplay.h"
#include "cli/RunReporter.h"

#include "convert/ConversionRun.h"
#include "convert/HeadlessFrontEnd.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/SharedState.h"
#include "media/MeasureFile.h"
#include "media/MediaOutputVerifier.h"
#include "core/AppPlaces.h"
#include "platform/SignalWatch.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <csignal>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Messages of a run without a window: kept for the end; no question is asked.
class CollectedMessages : public Messages {
public:
    void information(const std::string& text) override
    {
        std::lock_guard guard(lock_);
        texts_.push_back(text);
    }
    bool confirmYesNo(const std::string&) override { return false; }
    bool confirmOkCancel(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> texts() const
    {
        std::lock_guard guard(lock_);
        return texts_;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> texts_;
};

// A checked row per file, measured as Add Files measures it unless
// --source-size gives its Video Size cell (and --display-aspect its shape). A file that gets no measurement
// still gets a row, so its result line shows it was not converted; a
// missing file is not measured at all.
std::vector<FileRow> RowsFor(const CliOptions& options, const ConversionChoices& choices)
{
    std::vector<FileRow> rows;
    for (const std::string& file : options.files) {
        const std::string path = FullPath(file);
        std::optional<FileRow> measured;
        std::error_code error;
        if (!options.sourceSize && std::filesystem::exists(path, error))
            measured = MeasureFile(path, choices.appDir, choices.formatIndex);
        FileRow row = measured ? *measured : MakeFileRow(path, options.sourceSize.value_or(""), "", "", choices.formatIndex);
        if (!measured)
            row.displayAspect = options.displayAspect;
        rows.push_back(row);
    }
    return rows;
}

// Standard error on a terminal gets lines redrawn in place; anywhere else
// only whole lines.
ProgressStyle StyleFor(const CliOptions& options)
{
    if (options.quiet)
        return ProgressStyle::Quiet;
    return ::isatty(STDERR_FILENO) == 1 ? ProgressStyle::Terminal : ProgressStyle::Log;
}

int TerminalColumns()
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

int RunConvert(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliChoices resolved = ResolveChoices(options, CurrentAppPlaces().encoderDir);
    if (!resolved.error.empty())
        return UsageError(resolved.error, err);

    int argc = 1;
    char name[] = "vantorel-cli";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> ownApplication;
    if (QCoreApplication::instance() == nullptr)
        ownApplication.emplace(argc, argv);

    SharedState shared;
    shared.appDir = resolved.choices.appDir;
    CollectedMessages messages;
    FileList files(RowsFor(options, resolved.choices));
    HeadlessFrontEnd frontEnd(resolved.choices, messages, options.jobsAtOnce.value_or(1));
    ProgressDisplay display(err, StyleFor(options), TerminalColumns());
    RunReporter reporter(files, display);
    frontEnd.onReport = [&reporter](const ConversionEvent& event) { reporter.report(event); };
    MediaOutputVerifier verifier;
    ConversionRun run(shared, files, frontEnd, verifier);
    // Ctrl-C acts as Stop Convert answered with OK.
    const platform::SignalWatch interrupts({SIGINT}, [&run] {
        if (run.stopAccepted())
            run.stop();
    });
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    frontEnd.onReport = nullptr;

    bool allDone = true;
    for (const RowReport& report : reporter.finish()) {
        out << (options.json ? JsonLine(report) : TabLine(report)) << '\n';
        allDone = allDone && report.row.outcome == RowOutcome::Done;
    }
    // The closing message is no row: beside JSON rows it goes to standard error.
    std::ostream& messageOut = options.json ? err : out;
    for (const std::string& text : messages.texts()) {
        if (!options.quiet)
            messageOut << text << '\n';
    }
    return allDone ? kExitOk : kExitFailure;
}

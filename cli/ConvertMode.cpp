// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliChoices.h"
#include "cli/CliModes.h"
#include "cli/ProgressDisplay.h"
#include "cli/RunReporter.h"

#include "convert/ConversionRun.h"
#include "convert/HeadlessFrontEnd.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/SharedState.h"
#include "cli/SkipExisting.h"
#include "core/AppPlaces.h"
#include "media/CropProbe.h"
#include "media/MeasureFile.h"
#include "media/MediaOutputVerifier.h"
#include "platform/SignalWatch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// How often a stop is asked again until the walk has taken it.
constexpr int kStopRetryMs = 50;

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

// The front end of the tool's run: the closing message is its own, made
// from the rows once they are all reported.
class CliFrontEnd : public HeadlessFrontEnd {
public:
    using HeadlessFrontEnd::HeadlessFrontEnd;
    void closingMessage(const std::string&) override {}
};

// The rows as they end: one line each on standard output, flushed at once,
// so that a run its farm stops keeps what it finished. Once a line cannot be
// written, nothing more is.
class RowWriter {
public:
    RowWriter(std::ostream& out, bool json)
        : out_(out)
        , json_(json)
    {
    }

    // False when the line could not be written.
    bool write(const RowReport& report)
    {
        if (!failure_.empty())
            return false;
        errno = 0;
        out_ << (json_ ? JsonLine(report) : TabLine(report)) << '\n' << std::flush;
        if (out_)
            return true;
        failure_ = errno != 0 ? std::strerror(errno) : "write error";
        return false;
    }
    // Why the rows could not be written; empty while they could.
    const std::string& failure() const { return failure_; }

private:
    std::ostream& out_;
    bool json_;
    std::string failure_;
};

// Makes the folder and its missing parents, as mkdir -p; empty when it is
// there, else which part cannot be made and why.
std::string MakeFolder(const std::filesystem::path& folder)
{
    std::filesystem::path made;
    for (const auto& part : folder) {
        made /= part;
        std::error_code error;
        if (std::filesystem::is_directory(made, error))
            continue;
        if (std::filesystem::exists(made, error))
            return made.string() + ": " + std::make_error_code(std::errc::not_a_directory).message();
        if (!std::filesystem::create_directory(made, error) && error)
            return made.string() + ": " + error.message();
    }
    return {};
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
    const ConversionChoices& choices = resolved.choices;
    if (const std::string why = MakeFolder(choices.outputDir); !why.empty()) {
        err << "vantorel-cli: the output folder " << choices.outputDir << " cannot be made: " << why << '\n';
        return kExitFailure;
    }

    int argc = 1;
    char name[] = "vantorel-cli";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> ownApplication;
    if (QCoreApplication::instance() == nullptr)
        ownApplication.emplace(argc, argv);
    // A reader that goes away is a write error, not the end of the encoders' work.
    std::signal(SIGPIPE, SIG_IGN);

    ProgressDisplay display(err, StyleFor(options), TerminalColumns());
    RowWriter writer(out, options.json);
    std::unique_ptr<ConversionRun> run;
    // Ctrl-C, SIGTERM and SIGHUP act as Stop Convert answered with OK, and so
    // does a row that cannot be written. A stop that comes before the walk
    // has begun is asked again until the walk ends.
    int signalled = 0;
    QTimer stopper;
    stopper.setInterval(kStopRetryMs);
    QObject::connect(&stopper, &QTimer::timeout, [&run] {
        if (run)
            run->stop();
    });
    const platform::SignalWatch stopSignals({SIGINT, SIGTERM, SIGHUP}, [&](int signalNumber) {
        signalled = signalled != 0 ? signalled : signalNumber;
        if (run)
            run->stop();
        stopper.start();
    });

    // Each file is measured as Add Files measures it, unless --source-size
    // gives its Video Size cell (and --display-aspect its shape). A file
    // that gets no measurement still gets a row, so its line shows it was not
    // converted. Files whose outputs are made already are reported at once.
    MediaOutputVerifier verifier;
    std::vector<RowReport> skipped;
    std::vector<FileRow> rows;
    std::vector<int> indexes;
    for (int index = 0; index < static_cast<int>(options.files.size()); ++index) {
        const std::string path = FullPath(options.files[static_cast<std::size_t>(index)]);
        FileRow row = MakeFileRow(path, options.sourceSize.value_or(""), "", "", choices.formatIndex);
        row.displayAspect = options.displayAspect;
        row.trim = options.trim;
        if (options.skipExisting && signalled == 0) {
            if (const auto made = MadeOutputOf(choices, row, verifier)) {
                skipped.push_back(SkippedReport(row, index, *made));
                display.finished(skipped.back());
                writer.write(skipped.back());
                continue;
            }
        }
        // A missing file is not measured at all.
        std::error_code missing;
        if (!options.sourceSize && signalled == 0 && std::filesystem::exists(path, missing)) {
            if (auto measured = MeasureFile(path, choices.appDir, choices.formatIndex)) {
                row = *measured;
                row.trim = options.trim;
            }
        }
        rows.push_back(row);
        indexes.push_back(index);
        QCoreApplication::processEvents();
    }

    SharedState shared;
    shared.appDir = choices.appDir;
    CollectedMessages messages;
    FileList files(rows);
    CliFrontEnd frontEnd(choices, messages, options.jobsAtOnce.value_or(1));
    RunReporter reporter(files, indexes, display, [&writer, &stopper](const RowReport& report) {
        if (!writer.write(report))
            QMetaObject::invokeMethod(&stopper, qOverload<>(&QTimer::start), Qt::QueuedConnection);
    });
    frontEnd.onReport = [&reporter](const ConversionEvent& event) { reporter.report(event); };
    run = std::make_unique<ConversionRun>(shared, files, frontEnd, verifier);
    run->setCropFinder([appDir = choices.appDir](const std::string& path, const std::string& size) {
        return MeasureCrop(path, size, appDir);
    });
    if (!rows.empty() && signalled == 0 && writer.failure().empty()) {
        QEventLoop loop;
        QObject::connect(run.get(), &ConversionRun::finished, &loop, &QEventLoop::quit);
        run->start();
        loop.exec();
    }
    stopper.stop();
    frontEnd.onReport = nullptr;

    std::vector<RowReport> reports = reporter.finish();
    reports.insert(reports.end(), skipped.begin(), skipped.end());
    for (const std::string& text : messages.texts())
        err << text << '\n';
    if (!writer.failure().empty())
        err << "vantorel-cli: cannot write the rows to standard output: " << writer.failure() << '\n';
    if (!options.quiet)
        err << ClosingLine(reports) << '\n';
    if (signalled != 0)
        return kExitSignal + signalled;
    const bool allSucceeded = std::all_of(reports.begin(), reports.end(), Succeeded);
    return allSucceeded && writer.failure().empty() ? kExitOk : kExitFailure;
}

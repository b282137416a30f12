#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "core/Messages.h"
#include "core/SharedState.h"
#include "convert/ConversionRun.h"
#include "core/Texts.h"
#include "convert/HeadlessHost.h"
#include "media/MeasureFile.h"
#include "media/MediaOutputVerifier.h"
#include "platform/AppDir.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
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

// One progress line per file on the error stream, redrawn in place.
class ProgressLines {
public:
    explicit ProgressLines(std::ostream& err)
        : err_(err)
    {
    }

    // A new line for the row's job.
    void begin(int row)
    {
        std::lock_guard guard(lock_);
        if (current_ >= 0)
            err_ << '\n';
        current_ = row;
        width_ = 0;
    }

    // Redraws the line of the current job.
    void draw(const FileRow& file, int bar)
    {
        std::lock_guard guard(lock_);
        constexpr int kWidth = 30;
        const std::string& progress = file.cell(FileColumn::Progress);
        const int filled = (progress == texts::kDone ? 100 : bar) * kWidth / 100;
        std::string line = std::filesystem::path(file.caption).filename().string() + " ["
                           + std::string(filled, '#') + std::string(kWidth - filled, '-') + "] "
                           + progress;
        const std::size_t shown = line.size();
        if (line.size() < width_)
            line.append(width_ - line.size(), ' ');
        width_ = shown;
        err_ << '\r' << line << std::flush;
    }

    // The row of the last line drawn, or -1.
    int current() const
    {
        std::lock_guard guard(lock_);
        return current_;
    }

    void finish()
    {
        std::lock_guard guard(lock_);
        if (current_ >= 0)
            err_ << '\n' << std::flush;
        current_ = -1;
    }

private:
    std::ostream& err_;
    mutable std::mutex lock_;
    int current_ = -1;
    std::size_t width_ = 0;
};

// Ctrl-C acts as Stop Convert answered with OK. The signal only writes a
// byte into a pipe; the stop itself runs on this thread.
int interruptPipe[2] = {-1, -1};

void OnInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(interruptPipe[1], &byte, 1);
}

class InterruptWatch {
public:
    explicit InterruptWatch(ConversionRun& run)
    {
        if (pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        notifier_.emplace(interruptPipe[0], QSocketNotifier::Read);
        QObject::connect(&*notifier_, &QSocketNotifier::activated, [&run] {
            char byte;
            while (::read(interruptPipe[0], &byte, 1) == 1) {
            }
            if (run.stopAccepted())
                run.stop();
        });
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptWatch()
    {
        if (!notifier_)
            return;
        sigaction(SIGINT, &previous_, nullptr);
        notifier_.reset();
        close(interruptPipe[0]);
        close(interruptPipe[1]);
        interruptPipe[0] = interruptPipe[1] = -1;
    }

private:
    std::optional<QSocketNotifier> notifier_;
    struct sigaction previous_ {};
};

// A checked row per file, measured as Add Files measures it unless
// --source-size gives its Video Size cell. A file that gets no measurement
// still gets a row, so its result line shows it was not converted.
std::vector<FileRow> RowsFor(const CliOptions& options, const ConversionChoices& choices)
{
    std::vector<FileRow> rows;
    for (const std::string& file : options.files) {
        const std::string path = FullPath(file);
        std::optional<FileRow> measured;
        if (!options.sourceSize)
            measured = MeasureFile(path, choices.appDir, choices.formatIndex);
        FileRow row = measured ? *measured : MakeFileRow(path, options.sourceSize.value_or(""), "", "", choices.formatIndex);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

int RunConvert(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliChoices resolved = ResolveChoices(options, platform::ExecutableDir());
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
    HeadlessHost host(RowsFor(options, resolved.choices), resolved.choices, messages);
    ProgressLines progress(err);
    host.jobStarted = [&](int row) { progress.begin(row); };
    host.changed = [&](int row) {
        const int current = progress.current();
        const auto rows = host.rows();
        if (current >= 0 && (row == current || row < 0) && current < static_cast<int>(rows.size()))
            progress.draw(rows[current], host.progressBar());
    };
    MediaOutputVerifier verifier;
    ConversionRun run(shared, host, verifier);
    InterruptWatch interrupts(run);
    QEventLoop loop;
    run.worker->OnTerminate = [&loop](WorkerTaskBase*, WorkerThread*, void*&) { loop.quit(); };
    run.start();
    loop.exec();
    host.changed = nullptr;
    host.jobStarted = nullptr;
    progress.finish();

    bool allDone = true;
    for (const FileRow& row : host.rows()) {
        out << row.caption;
        for (const std::string& cell : row.cells)
            out << '\t' << cell;
        out << '\n';
        // Why a row did not end "Done", on the error stream beside its row.
        if (!row.reason.empty()) {
            out.flush();
            err << "vantorel-cli: " << row.caption << ": " << row.reason << '\n' << std::flush;
        }
        allDone = allDone && row.cell(FileColumn::Progress) == texts::kDone;
    }
    for (const std::string& text : messages.texts())
        out << text << '\n';
    return allDone ? kExitOk : kExitFailure;
}

#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/TextRules.h"
#include "platform/AppDir.h"
#include "core/profiles/FormatCatalogue.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <vector>

namespace {

// One job's runs as the conversion queue makes them, without running the
// encoder: the first attempt, or the second, then the PSP thumbnail run.
class DryRun {
public:
    DryRun(ConversionChoices choices, const CliOptions& options)
        : choices_(std::move(choices))
        , options_(options)
        , builder_(thumbnailPending_, retryPending_, {false, [this](const std::string& path) { return written_.count(path) > 0; }})
    {
    }

    // The job's command lines, or the builder's refusal in `error`.
    std::vector<std::string> Lines(const std::string& inputPath, std::string& error)
    {
        JobInput job{inputPath, options_.sourceSize.value_or("0 x 0"), ToLower(FormatTag(choices_.formatIndex)),
                     FirstAttemptOptions(inputPath)};
        thumbnailPending_ = false;
        retryPending_ = false;
        std::vector<std::string> lines;
        if (!Build(job, lines, error))
            return {};
        if (options_.attempt == 2) {
            lines.clear();
            retryPending_ = true;
            job.options = SecondAttemptOptions(inputPath, job.options);
            if (!Build(job, lines, error))
                return {};
            retryPending_ = false;
        }
        if (thumbnailPending_ && !Build(job, lines, error))
            return {};
        written_.insert(builder_.OutputFilePath());
        return lines;
    }

private:
    bool Build(const JobInput& job, std::vector<std::string>& lines, std::string& error)
    {
        const BuildResult result = builder_.BuildCommandLine(choices_, job);
        if (result.resetMute)
            choices_.muteIndex = 0;
        if (!result.ok()) {
            error = result.error;
            return false;
        }
        lines.push_back(result.commandLine);
        return true;
    }

    ConversionChoices choices_;
    const CliOptions& options_;
    std::atomic<bool> thumbnailPending_{false};
    std::atomic<bool> retryPending_{false};
    // Outputs the earlier jobs of this run would have written: later jobs are numbered past them.
    std::set<std::string> written_;
    CommandLineBuilder builder_;
};

} // namespace

int RunDryRun(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliChoices resolved = ResolveChoices(options, platform::ExecutableDir());
    if (!resolved.error.empty())
        return UsageError(resolved.error, err);
    DryRun dryRun(std::move(resolved.choices), options);
    int status = kExitOk;
    for (const std::string& file : options.files) {
        const std::string inputPath = FullPath(file);
        std::error_code error;
        if (!std::filesystem::is_regular_file(inputPath, error)) {
            err << "vantorel-cli: " << inputPath << ": no such file; a conversion skips it\n";
            status = kExitFailure;
            continue;
        }
        std::string refusal;
        const std::vector<std::string> lines = dryRun.Lines(inputPath, refusal);
        if (!refusal.empty()) {
            err << "vantorel-cli: " << refusal << '\n';
            status = kExitFailure;
            continue;
        }
        for (const std::string& line : lines)
            out << line << '\n';
    }
    return status;
}

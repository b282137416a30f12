// SPDX-License-Identifier: GPL-3.0-or-later
// Planning a batch costs the same per file for any size: vantorel-cli's dry
// run of existing files and a conversion of a list of missing files (every
// row planned, none converted), each at 1,000 and 10,000 files. Prints the
// times and time(10,000) / time(1,000); target at most 12.
#include <QProcess>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kSmall = 1000;
constexpr int kLarge = 10000;
constexpr double kTargetRatio = 12.0;

double Seconds(const QStringList& arguments, bool mustSucceed)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    process.start(VANTOREL_CLI, arguments);
    process.waitForFinished(-1);
    const auto stop = std::chrono::steady_clock::now();
    if (process.exitStatus() != QProcess::NormalExit || (mustSucceed && process.exitCode() != 0)) {
        std::fprintf(stderr, "vantorel-cli %s failed\n", qPrintable(arguments.join(' ')));
        std::exit(1);
    }
    return std::chrono::duration<double>(stop - start).count();
}

// A list of `count` files in `dir` (made when `make`), one path a line.
std::string ListOf(const fs::path& dir, int count, bool make)
{
    fs::create_directories(dir);
    const fs::path list = dir.string() + ".list";
    std::ofstream out(list);
    for (int i = 0; i < count; ++i) {
        const fs::path file = dir / ("clip " + std::to_string(i) + ".avi");
        if (make)
            std::ofstream(file) << "x";
        out << file.string() << '\n';
    }
    return list.string();
}

void Report(const char* name, double small, double large)
{
    const double ratio = large / small;
    std::printf("%s\n  %5d files: %8.2f s\n  %5d files: %8.2f s\n  ratio %.2f (target at most %.0f)%s\n", name,
                kSmall, small, kLarge, large, ratio, kTargetRatio, ratio <= kTargetRatio ? "" : "  MISSED");
}

} // namespace

int main()
{
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("vantorel-bench-" + std::to_string(random()));
    const QString out = QString::fromStdString((root / "out").string());
    fs::create_directories(root / "out");
    // A tenth of the names already exist in the output folder, so numbering is exercised.
    for (int i = 0; i < kLarge; i += 10)
        std::ofstream(root / "out" / ("clip " + std::to_string(i) + ".mp4")) << "x";

    const QStringList dryRun{"--dry-run", "--output-dir", out, "--source-size", "640 x 352", "--files-from"};
    Report("--dry-run of existing files",
           Seconds(dryRun + QStringList{QString::fromStdString(ListOf(root / "small", kSmall, true))}, true),
           Seconds(dryRun + QStringList{QString::fromStdString(ListOf(root / "large", kLarge, true))}, true));

    const QStringList missing{"--quiet", "--format", "23", "--output-dir", out, "--files-from"};
    Report("--files-from of missing files",
           Seconds(missing + QStringList{QString::fromStdString(ListOf(root / "gone-small", kSmall, false))}, false),
           Seconds(missing + QStringList{QString::fromStdString(ListOf(root / "gone-large", kLarge, false))}, false));
    fs::remove_all(root);
    return 0;
}

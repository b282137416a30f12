// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegScript.h"

#include <QProcess>
#include <QString>
#include <filesystem>

namespace platform {

bool StartRegScript(const std::string& appDir)
{
    const std::string script = appDir + "reg.sh";
    std::error_code error;
    if (!std::filesystem::is_regular_file(script, error))
        return false;
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QString::fromStdString(script)});
    process.setWorkingDirectory(QString::fromStdString(appDir));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace platform

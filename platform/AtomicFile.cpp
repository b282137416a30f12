// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace platform {

bool WriteFileAtomically(const std::string& path, std::string_view text)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile's commit does not see a failure of the final flush (a full
    // disk), so the flush is checked here and the new file dropped.
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.flush())
        file.cancelWriting();
    return file.commit();
}

} // namespace platform

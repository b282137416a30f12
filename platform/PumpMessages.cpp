// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PumpMessages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace platform {

void PumpMessagesFor(int milliseconds)
{
    auto* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace platform

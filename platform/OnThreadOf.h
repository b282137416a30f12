// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries a piece of work out on the thread of `context` and waits for it;
// on that thread itself the work runs at once.
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>
#include <utility>

template <typename Work>
auto OnThreadOf(QObject* context, Work&& work) -> std::invoke_result_t<Work>
{
    using Result = std::invoke_result_t<Work>;
    if (QThread::currentThread() == context->thread())
        return work();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(context, [&] { result = work(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

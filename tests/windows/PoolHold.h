// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/shared/BackgroundTask.h"

#include <QMetaObject>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>
#include <utility>

// Holds the threads where the windows wait until released: work asked for meanwhile waits,
// as on a slow disk or for a picture that is slow to decode or draw.
class PoolHold
{
public:
    PoolHold() : m_threads(backgroundThreads()->maxThreadCount())
    {
        backgroundThreads()->setMaxThreadCount(1);
        backgroundThreads()->start([this] {
            m_holding.release();
            m_released.acquire();
        });
        m_holding.acquire();
    }
    ~PoolHold()
    {
        release();
        backgroundThreads()->setMaxThreadCount(m_threads);
    }
    void release()
    {
        if (!std::exchange(m_done, true))
            m_released.release();
    }

private:
    int m_threads;
    bool m_done = false;
    QSemaphore m_holding;
    QSemaphore m_released;
};

// Whether the event loop runs: a posted call is made.
inline bool eventsAreProcessed(QObject *window)
{
    bool called = false;
    QMetaObject::invokeMethod(
        window, [&called] { called = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([&called] { return called; });
}

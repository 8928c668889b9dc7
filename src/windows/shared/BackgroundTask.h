// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

// The threads that wait for the windows. Not Qt's shared pool: Qt paints with it, and would
// wait for it while a read or the print scheduler holds its threads. Never torn down, so that
// the program can end while a wait is still stuck.
inline QThreadPool *backgroundThreads()
{
    static QThreadPool *const threads = [] {
        auto *pool = new QThreadPool;
        // Waits rather than work: more of them than there are cores.
        pool->setMaxThreadCount(8);
        return pool;
    }();
    return threads;
}

// Work that may wait on something outside the process (the print scheduler, a large folder,
// a large picture) runs on a background thread so the window keeps answering. The result
// comes back to done on receiver's thread; nothing comes back once receiver is gone. work
// must own what it uses (capture copies, never the window's members).
template <typename Work, typename Done>
void runInBackground(QObject *receiver, Work work, Done done)
{
    using Result = std::invoke_result_t<Work>;
    auto *watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, done = std::move(done)]() mutable {
                         watcher->deleteLater();
                         done(watcher->result());
                     });
    watcher->setFuture(QtConcurrent::run(backgroundThreads(), std::move(work)));
}

// As runInBackground, for work the user waits on: past limit, abandoned runs instead of done,
// and the result is dropped should it come later. A thread cannot be stopped from outside,
// so work stuck for good keeps its thread; the pool has threads to spare for that.
template <typename Work, typename Done, typename Abandoned>
void runInBackgroundWithin(QObject *receiver, std::chrono::milliseconds limit, Work work, Done done,
                           Abandoned abandoned)
{
    auto settled = std::make_shared<bool>(false);
    auto *timer = new QTimer(receiver);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, receiver,
                     [timer, settled, abandoned = std::move(abandoned)]() mutable {
                         timer->deleteLater();
                         if (!std::exchange(*settled, true))
                             abandoned();
                     });
    timer->start(limit);
    runInBackground(receiver, std::move(work),
                    [timer, settled, done = std::move(done)](const auto &result) mutable {
                        if (std::exchange(*settled, true))
                            return; // timer is gone by now
                        timer->stop();
                        timer->deleteLater();
                        done(result);
                    });
}

// The busy pointer for as long as the user waits on an answer; nests like the pointer stack.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

// The busy pointer for a wait that is most often too short to see, such as reading a label:
// shown once the wait has lasted a moment, so that a quick answer neither makes the pointer
// flicker nor loads the busy pointer's pictures.
class BusyPointerAfterAMoment
{
public:
    BusyPointerAfterAMoment()
    {
        m_moment.setSingleShot(true);
        QObject::connect(&m_moment, &QTimer::timeout, [this] { m_pointer.emplace(); });
        m_moment.start(std::chrono::milliseconds(200));
    }

private:
    QTimer m_moment;
    std::optional<BusyPointer> m_pointer; // after the timer: restored before it goes
};

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SilentScheduler.h"

#include "SchedulerSocket.h"

using namespace Qt::StringLiterals;

SilentScheduler::SilentScheduler()
    : m_dir(u"/tmp/korvalin-silent-XXXXXX"_s), m_socket(listenAsCupsScheduler(m_dir, socketPath()))
{
}

SilentScheduler::~SilentScheduler()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

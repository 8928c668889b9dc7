// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WriteSteps.h"

#include <atomic>
#include <cerrno>

namespace {

constexpr int NoFailure = -1;

std::atomic<int> &injectedStep()
{
    static std::atomic<int> step{NoFailure};
    return step;
}

} // namespace

namespace WriteSteps {

bool injectedFailure(SmallFile::WriteStep step)
{
    if (injectedStep().load() != int(step))
        return false;
    errno = EIO;
    return true;
}

} // namespace WriteSteps

namespace SmallFile {

ScopedWriteFailure::ScopedWriteFailure(WriteStep step)
    : m_previous(injectedStep().exchange(int(step)))
{
}

ScopedWriteFailure::~ScopedWriteFailure()
{
    injectedStep().store(m_previous);
}

} // namespace SmallFile

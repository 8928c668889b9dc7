// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/RecoveryKeeper.h"

RecoveryKeeper::RecoveryKeeper(const RecoveryFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(WriteDelay);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryKeeper::writeDue);
    m_disk.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper()
{
    if (!m_keepAtEnd)
        discard();
    m_disk.waitForDone();
}

void RecoveryKeeper::keep(const LabelDocument &document, const QString &originalName)
{
    m_due = document;
    m_dueName = originalName;
    m_keepAtEnd = false;
    // Not restarted by each change: a user who keeps typing still gets a copy every delay.
    if (!m_delay.isActive())
        m_delay.start();
}

void RecoveryKeeper::discard()
{
    m_delay.stop();
    m_keepAtEnd = false;
    if (!m_copyMayExist)
        return;
    m_copyMayExist = false;
    removeLater(m_folder.ownCopy());
}

void RecoveryKeeper::writeNow()
{
    if (m_delay.isActive()) {
        m_delay.stop();
        writeDue();
    }
}

void RecoveryKeeper::keepBeyondThisRun()
{
    // Also when a copy was removed since the last change (a question answered, then the
    // session went on): what ends now is the label as it stands.
    m_delay.stop();
    writeDue();
    m_keepAtEnd = true;
}

void RecoveryKeeper::removeLater(const RecoveryCopy &copy)
{
    m_disk.start([this, copy] {
        RecoveryFolder::remove(copy);
        QMetaObject::invokeMethod(this, &RecoveryKeeper::copyRemoved, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::writeDue()
{
    m_copyMayExist = true;
    m_disk.start([this, folder = m_folder, document = m_due, name = m_dueName] {
        const SmallFile::WriteResult written = folder.write(document, name);
        QMetaObject::invokeMethod(
            this, [this, written] { onWriteDone(written); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::onWriteDone(const SmallFile::WriteResult &written)
{
    emit copyWritten(written.written);
    if (written) {
        m_refusalReported = false;
    } else if (!m_refusalReported) {
        m_refusalReported = true;
        emit writeRefused(written.reason);
    }
}

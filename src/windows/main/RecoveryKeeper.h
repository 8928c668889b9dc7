// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"
#include "platform/RecoveryFolder.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <chrono>

// Keeps this program's recovery copy in step with a modified label: written at most once
// per delay after a change, off the window's thread, and removed once the edits are saved
// or given up, or the program ends normally. Writes and removals run one at a time, in the
// order they were asked, so a late write never brings back a copy that was removed.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds WriteDelay{2000};

    explicit RecoveryKeeper(const RecoveryFolder &folder, QObject *parent = nullptr);
    // Removes the copy, unless keepBeyondThisRun() was asked, and waits for the disk.
    ~RecoveryKeeper() override;

    const RecoveryFolder &folder() const { return m_folder; }

    // The label differs from its file: a copy of it is due. originalName is the label's
    // own file, empty for an untitled one.
    void keep(const LabelDocument &document, const QString &originalName);
    // The edits are saved or given up: the copy goes, and any write still due with it.
    void discard();
    // Writes the copy that is due now rather than when the delay runs out.
    void writeNow();
    bool isWritePending() const { return m_delay.isActive(); }
    // The program is about to end with edits nobody saved or gave up (the session ends
    // without a question, a save failed): the label last given to keep() is written now
    // and stays for the next start.
    void keepBeyondThisRun();
    // Removes another program's copy once what was asked before is done.
    void removeLater(const RecoveryCopy &copy);

signals:
    // On the window's thread, once a copy is on the disk or the disk refused it.
    void copyWritten(bool written);
    // The first refusal since the program started or since the last copy the disk took:
    // the user is told once that his edits have no safety net, not at every write.
    void writeRefused(const QString &reason);
    void copyRemoved();

private:
    void writeDue();
    void onWriteDone(const SmallFile::WriteResult &written);

    RecoveryFolder m_folder;
    QTimer m_delay;
    LabelDocument m_due;
    QString m_dueName;
    bool m_copyMayExist = false;
    bool m_keepAtEnd = false;
    bool m_refusalReported = false; // since the last copy the disk took
    QThreadPool m_disk;             // one thread: the order of the calls is the order on the disk
};

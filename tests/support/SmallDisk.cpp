// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallDisk.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

using namespace Qt::StringLiterals;

namespace {

const QString FillerFolder = u"remplissage"_s;

} // namespace

SmallDisk::SmallDisk(qint64 sizeBytes)
{
    const QByteArray options = "size=" + QByteArray::number(sizeBytes);
    m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                           "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    // Detached, so that a file a failing test left open cannot keep the mount alive.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fillLeaving(qint64 freeBytes)
{
    QDir disk(m_dir.path());
    if (!m_mounted || !disk.mkpath(FillerFolder))
        return false;
    QDir filler(disk.filePath(FillerFolder));
    const QByteArray page(PageSize, 'x');
    int pages = 0;
    for (;; ++pages) {
        QFile file(filler.filePath(QString::number(pages)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            break;
        if (file.write(page) != page.size()) {
            file.remove();
            break;
        }
    }
    const qint64 pagesToFree = (freeBytes + PageSize - 1) / PageSize;
    if (pages < pagesToFree)
        return false;
    for (qint64 i = 0; i < pagesToFree; ++i) {
        if (!filler.remove(QString::number(pages - 1 - i)))
            return false;
    }
    return true;
}

QStringList SmallDisk::files() const
{
    return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

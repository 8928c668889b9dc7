// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OtherUser.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include "files/SmallFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray oldContent = "ancien contenu";
const QByteArray newContent = "nouveau contenu";

struct stat statusOf(const QString &path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Owner, group and mode of a file or folder a row hands to the other user or keeps.
struct Ownership
{
    uid_t owner;
    gid_t group;
    mode_t mode; // 0: no such file
};

// What a save as the other user comes to.
enum class Save
{
    Replaced, // a new file in the old one's place
    InPlace,  // the old file rewritten, inode kept
    Refused
};

enum class Trouble
{
    None,
    WriteRefused,
    SyncRefused,
    FullDisk
};

} // namespace

Q_DECLARE_METATYPE(Ownership)
Q_DECLARE_METATYPE(Save)
Q_DECLARE_METATYPE(Trouble)
Q_DECLARE_METATYPE(SmallFile::OtherTarget)

class TestSmallFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A process that ran and is gone: the id a save killed midway leaves in its name.
        QProcess finished;
        finished.start(u"true"_s, {});
        QVERIFY(finished.waitForStarted());
        m_deadPid = finished.processId();
        QVERIFY(finished.waitForFinished());
    }

    void asAnotherUser_data()
    {
        QTest::addColumn<Ownership>("folder");
        QTest::addColumn<Ownership>("file");
        QTest::addColumn<Save>("save");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("notice"); // that the file is rewritten in place

        using OtherUser::Group, OtherUser::Id;
        const Ownership ownFolder{Id, Group, 0755}, rootsFolder{0, 0, 0755}, openFolder{0, 0, 0777};
        const QString fileProtected = u"Le fichier est protégé en écriture."_s;
        QTest::newRow("own file, read-only")
            << ownFolder << Ownership{Id, Group, 0444} << Save::Refused << fileProtected << false;
        QTest::newRow("root's file in a folder open to all")
            << openFolder << Ownership{0, 0, 0644} << Save::Refused << fileProtected << false;
        QTest::newRow("root's file the group may write")
            << openFolder << Ownership{0, Group, 0664} << Save::InPlace << QString() << false;
        QTest::newRow("own file in root's folder")
            << rootsFolder << Ownership{Id, Group, 0640} << Save::InPlace << QString() << true;
        QTest::newRow("own file in own folder")
            << ownFolder << Ownership{Id, Group, 0640} << Save::Replaced << QString() << false;
        QTest::newRow("new file in root's folder")
            << rootsFolder << Ownership{0, 0, 0} << Save::Refused
            << u"Le dossier est protégé en écriture."_s << false;
    }

    void asAnotherUser()
    {
        QFETCH(Ownership, folder);
        QFETCH(Ownership, file);
        QFETCH(Save, save);
        QFETCH(QString, reason);
        QFETCH(bool, notice);
        if (const QString why = OtherUser::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        QVERIFY(OtherUser::hand(dir.path(), 0, 0, 0755));
        const QString folderPath = dir.filePath(u"dossier"_s),
                      path = folderPath + u"/etiquette.eti"_s;
        QVERIFY(QDir(dir.path()).mkdir(u"dossier"_s));
        if (file.mode != 0) {
            QVERIFY(writeBytes(path, oldContent));
            QVERIFY(OtherUser::hand(path, file.owner, file.group, file.mode));
        }
        QVERIFY(OtherUser::hand(folderPath, folder.owner, folder.group, folder.mode));
        const ino_t inode = statusOf(path).st_ino;

        QProcess writer;
        OtherUser::start(writer, QStringLiteral(WRITE_SMALL_FILE),
                         {path, QString::fromLatin1(newContent)});
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitCode(), save == Save::Refused ? 1 : 0);
        QCOMPARE(QString::fromUtf8(writer.readAllStandardOutput()), reason);
        QCOMPARE(writer.readAllStandardError().contains("rewritten in place"), notice);

        if (file.mode == 0) {
            QCOMPARE(entries(folderPath), QStringList());
            return;
        }
        QCOMPARE(fileBytes(path), save == Save::Refused ? oldContent : newContent);
        const struct stat after = statusOf(path);
        QCOMPARE((std::tuple{after.st_uid, after.st_gid, mode_t(after.st_mode & 07777)}),
                 (std::tuple{file.owner, file.group, file.mode}));
        QCOMPARE(after.st_ino == inode, save != Save::Replaced);
        QCOMPARE(entries(folderPath), QStringList{u"etiquette.eti"_s});
    }

    // Every name of a hard-linked file sees the new bytes, or all keep the old ones.
    void hardLink_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::newRow("longer") << 2000 << Trouble::None << QString();
        QTest::newRow("shorter") << 3 << Trouble::None << QString();
        const QString diskError = u"Le disque signale une erreur."_s;
        QTest::newRow("write refused") << 2000 << Trouble::WriteRefused << diskError;
        QTest::newRow("sync refused") << 2000 << Trouble::SyncRefused << diskError;
        QTest::newRow("full disk") << 40 * 1024 << Trouble::FullDisk << u"Le disque est plein."_s;
    }

    void hardLink()
    {
        QFETCH(int, size);
        QFETCH(Trouble, trouble);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        std::optional<SmallDisk> disk;
        if (trouble == Trouble::FullDisk && !disk.emplace().isMounted())
            QSKIP("Mounting a small file system needs root");
        const auto filePath = [&](const QString &name) {
            return disk ? disk->filePath(name) : dir.filePath(name);
        };
        const QString path = filePath(u"etiquette.eti"_s), otherName = filePath(u"copie.eti"_s);
        QVERIFY(writeBytes(path, oldContent));
        QCOMPARE(
            ::link(QFile::encodeName(path).constData(), QFile::encodeName(otherName).constData()),
            0);
        const ino_t inode = statusOf(path).st_ino;
        if (disk)
            QVERIFY(disk->fillLeaving(size / 2));

        const QByteArray bytes(size, 'n');
        std::optional<SmallFile::ScopedWriteFailure> failure;
        if (trouble == Trouble::WriteRefused || trouble == Trouble::SyncRefused)
            failure.emplace(trouble == Trouble::WriteRefused ? SmallFile::WriteStep::Write
                                                             : SmallFile::WriteStep::Sync);
        const SmallFile::WriteResult result = SmallFile::write(path, bytes);
        QCOMPARE((std::pair{result.written, result.reason}), (std::pair{reason.isEmpty(), reason}));
        const QByteArray expected = reason.isEmpty() ? bytes : oldContent;
        QCOMPARE((QList{fileBytes(path), fileBytes(otherName)}), QList<QByteArray>(2, expected));
        QCOMPARE((QList{statusOf(path).st_ino, statusOf(otherName).st_ino}),
                 QList<ino_t>(2, inode));
    }

    void danglingLink_data()
    {
        QTest::addColumn<QStringList>("chain"); // lien.eti names the first, each the next
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("reason");
        QTest::newRow("relative") << QStringList{u"vraie.eti"_s} << u"vraie.eti"_s << QString();
        QTest::newRow("absolute") << QStringList{u"%1/vraie.eti"_s} << u"vraie.eti"_s << QString();
        QTest::newRow("through another link")
            << QStringList{u"relais.eti"_s, u"sous-dossier/../vraie.eti"_s} << u"vraie.eti"_s
            << QString();
        QTest::newRow("into a missing folder")
            << QStringList{u"absent/vraie.eti"_s} << QString() << u"Le dossier n'existe pas."_s;
    }

    void danglingLink()
    {
        QFETCH(QStringList, chain);
        QFETCH(QString, created);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"sous-dossier"_s));
        QString link = dir.filePath(u"lien.eti"_s);
        QStringList names{u"lien.eti"_s, u"sous-dossier"_s};
        for (const QString &target : chain) {
            const QString text = QString(target).replace(u"%1"_s, dir.path());
            QCOMPARE(
                ::symlink(QFile::encodeName(text).constData(), QFile::encodeName(link).constData()),
                0);
            link = QDir(dir.path()).filePath(text);
            names.append(text);
        }
        names.removeLast();

        const auto result = SmallFile::write(dir.filePath(u"lien.eti"_s), newContent);
        QCOMPARE(result.reason, reason);
        QVERIFY(S_ISLNK(statusOf(dir.filePath(u"lien.eti"_s)).st_mode));
        if (!created.isEmpty()) {
            QVERIFY(result);
            QCOMPARE(fileBytes(dir.filePath(created)), newContent);
            QVERIFY(S_ISREG(statusOf(dir.filePath(created)).st_mode));
            names.append(created);
        }
        names.sort();
        QCOMPARE(entries(dir.path()), names);
    }

    // What a save killed midway (kill -9) leaves beside the file, and what only looks like it.
    void staleTemporaries_data()
    {
        QTest::addColumn<QString>("name"); // %1: a process that is gone, %2: one still running
        QTest::addColumn<bool>("removed");
        QTest::addColumn<bool>("temporary");
        QTest::newRow("left by a killed save")
            << u".etiquette.eti.korvalin-%1-0123abcd"_s << true << true;
        QTest::newRow("of a save still running")
            << u".etiquette.eti.korvalin-%2-0123abcd"_s << false << true;
        QTest::newRow("of another file") << u".autre.eti.korvalin-%1-0123abcd"_s << false << true;
        QTest::newRow("a user's hidden file")
            << u".etiquette.eti.korvalin-notes"_s << false << false;
        QTest::newRow("not hidden") << u"etiquette.eti.korvalin-%1-0123abcd"_s << false << false;
    }

    void staleTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QFETCH(bool, temporary);
        name.replace(u"%1"_s, QString::number(m_deadPid))
            .replace(u"%2"_s, QString::number(QCoreApplication::applicationPid()));
        QCOMPARE(SmallFile::isTemporaryFileName(name), temporary);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(name), oldContent));
        const QString path = dir.filePath(u"etiquette.eti"_s);
        QVERIFY(writeBytes(path, oldContent));
        QVERIFY(SmallFile::write(path, newContent));
        QCOMPARE(fileBytes(path), newContent);
        QStringList expected{u"etiquette.eti"_s};
        if (!removed)
            expected.append(name);
        expected.sort();
        QCOMPARE(entries(dir.path()), expected);
    }

    // /dev/fd/N names the descriptor itself, never the file that lies behind it.
    void descriptor_data()
    {
        QTest::addColumn<QString>("name"); // %1: the descriptor
        QTest::addColumn<SmallFile::OtherTarget>("other");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("reason");
        const auto into = SmallFile::OtherTarget::WriteInto;
        QTest::newRow("output, /dev/fd") << u"/dev/fd/%1"_s << into << true << QString();
        QTest::newRow("output, /proc/self/fd")
            << u"/proc/self/fd/%1"_s << into << true << QString();
        QTest::newRow("output, closed")
            << u"/dev/fd/%1"_s << into << false << u"Le descripteur %1 n'est pas ouvert."_s;
        QTest::newRow("document") << u"/dev/fd/%1"_s << SmallFile::OtherTarget::Refuse << true
                                  << u"Ce nom ne désigne pas un fichier ordinaire."_s;
    }

    void descriptor()
    {
        QFETCH(QString, name);
        QFETCH(SmallFile::OtherTarget, other);
        QFETCH(bool, open);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString log = dir.filePath(u"journal.txt"_s);
        QVERIFY(writeBytes(log, oldContent));
        const ino_t inode = statusOf(log).st_ino;
        const int descriptor =
            ::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
        QVERIFY(descriptor >= 0);
        if (!open)
            ::close(descriptor);

        const QString number = QString::number(descriptor);
        const auto result = SmallFile::write(name.replace(u"%1"_s, number), newContent, other);
        if (open)
            ::close(descriptor);
        QCOMPARE(result.reason, reason.replace(u"%1"_s, number));
        QCOMPARE(fileBytes(log), reason.isEmpty() ? oldContent + newContent : oldContent);
        QCOMPARE(statusOf(log).st_ino, inode);
        QCOMPARE(entries(dir.path()), QStringList{u"journal.txt"_s});
    }

private:
    qint64 m_deadPid = 0;
};

QTEST_GUILESS_MAIN(TestSmallFile)
#include "tst_smallfile.moc"

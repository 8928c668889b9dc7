#include "TestFiles.h"

#include "label/SmallFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

Q_DECLARE_METATYPE(SmallFile::OtherTarget)

class TestSmallFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

        const SmallFile::WriteResult result =
            SmallFile::write(dir.filePath(u"lien.eti"_s), newContent);
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
        const SmallFile::WriteResult result =
            SmallFile::write(name.replace(u"%1"_s, number), newContent, other);
        if (open)
            ::close(descriptor);
        QCOMPARE(result.reason, reason.replace(u"%1"_s, number));
        QCOMPARE(fileBytes(log), reason.isEmpty() ? oldContent + newContent : oldContent);
        QCOMPARE(statusOf(log).st_ino, inode);
        QCOMPARE(entries(dir.path()), QStringList{u"journal.txt"_s});
    }
};

QTEST_GUILESS_MAIN(TestSmallFile)
#include "tst_smallfile.moc"

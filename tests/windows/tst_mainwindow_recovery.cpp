// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy of a modified label: kept while the label is modified, gone once it is
// saved or given up, and offered at the next start when the program that wrote it died.
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "platform/RecoveryFolder.h"

#include <QApplication>
#include <QProcess>
#include <QSessionManager>
#include <QSignalSpy>

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Set, the test program stands for another Korvalin: it writes a recovery copy of
// otherLabel() for the file the variable names, says so, and runs until its input closes
// or it is killed.
const char WriterVariable[] = "KORVALIN_TEST_RECOVERY_WRITER";
const QByteArray WrittenLine = "written\n";

LabelDocument otherLabel()
{
    LabelDocument document = LabelDocument::startUp();
    document.zones[ZoneId::First].text = u"Récupérée"_s;
    document.zones[ZoneId::First].style.bold = true;
    document.zones[ZoneId::Second].text = u"après l'arrêt\r\ndu programme"_s;
    document.zones[ZoneId::Second].style.alignment = ZoneAlignment::Centre;
    return document;
}

int runAsWriter()
{
    if (!RecoveryFolder().write(otherLabel(), qEnvironmentVariable(WriterVariable)))
        return 1;
    std::fputs(WrittenLine.constData(), stdout);
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}

QString thisBoot()
{
    return RecoveryFolder::Writer::thisProcess().bootId;
}

// A process of this test program that has written its recovery copy and still runs.
class OtherKorvalin
{
public:
    OtherKorvalin(const QString &stateHome, const QString &labelFileName)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_STATE_HOME"_s, stateHome);
        environment.insert(QLatin1String(WriterVariable), labelFileName);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), QStringList());
        while (m_written.size() < WrittenLine.size() && m_process.waitForReadyRead())
            m_written += m_process.readAllStandardOutput();
    }
    ~OtherKorvalin() { killHard(); }

    bool hasWritten() const { return m_written == WrittenLine; }
    qint64 processId() const { return m_process.processId(); }
    // As kill -9 does: the program has no chance to remove its copy.
    void killHard()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
    QByteArray m_written;
};

// Another program, not Korvalin, running until its input closes.
class OtherProgram
{
public:
    OtherProgram()
    {
        m_process.start(u"cat"_s, QStringList());
        m_process.waitForStarted();
    }
    ~OtherProgram()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished();
    }
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
};

// A process that has ended and that nobody has reaped yet: kill(pid, 0) still finds it.
class Zombie
{
public:
    Zombie() : m_processId(::fork())
    {
        if (m_processId == 0)
            ::_exit(0);
    }
    ~Zombie() { ::waitpid(m_processId, nullptr, 0); }
    qint64 processId() const { return m_processId; }

private:
    pid_t m_processId;
};

QString recoveryPath(const QString &stateHome)
{
    return QDir(stateHome).filePath(u"korvalin"_s);
}

MsgBoxCall recoveryQuestion(const QString &name, const RecoveryCopy &copy)
{
    const QString date = QFileInfo(copy.copyPath).lastModified().toString(u"dd/MM/yyyy HH:mm"_s);
    return {u"Une étiquette non enregistrée a été retrouvée (%1, %2).\r\nLa récupérer ?"_s.arg(
                name, date),
            MsgBoxButtons::YesNo, MsgBoxIcon::Question, u"Korvalin"_s, MsgBoxDefault::First};
}

std::optional<LabelDocument> readCopy(const QString &path)
{
    return LabelFile::read(path);
}

// Whether the disk took the copy now due; nothing when no answer came.
std::optional<bool> writeCopy(MainWindowHarness &h)
{
    QSignalSpy written(h.recovery(), &RecoveryKeeper::copyWritten);
    h.recovery()->writeNow();
    if (!written.wait())
        return std::nullopt;
    return written.first().first().toBool();
}

bool copyWritten(MainWindowHarness &h)
{
    return writeCopy(h) == std::optional<bool>(true);
}

MsgBoxCall copyRefusedNote(const QString &reason)
{
    return {u"Impossible d'écrire la copie de secours de l'étiquette.\r"_s + reason,
            MsgBoxButtons::OKOnly, MsgBoxIcon::Information, u"Korvalin"_s, MsgBoxDefault::First};
}

bool exists(const RecoveryCopy &copy)
{
    return QFileInfo::exists(copy.copyPath) || QFileInfo::exists(copy.recordPath);
}

} // namespace

using Step = std::function<void(MainWindowHarness &)>;
Q_DECLARE_METATYPE(Step)

enum class Writer
{
    Killed,
    Running,
    NotYetReaped,
    EarlierBoot,
    PidReused
};
Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(MsgBoxResult)

class TestMainWindowRecovery : public QObject
{
    Q_OBJECT

private slots:
    // Written once the delay after a change runs out; gone when the edits are.
    void copyGoes_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("windowStays");
        QTest::newRow("label saved") << Step([](MainWindowHarness &h) {
            h.runAnswering("saveAsAction", h.ownStateHome.filePath(u"lot.eti"_s));
        }) << true;
        QTest::newRow("edits undone") << Step([](MainWindowHarness &h) {
            h.type(QString());
            h.runAnswering("fontButton", FontChoice{u"Arial"_s, 8.25f});
        }) << true;
        QTest::newRow("given up before Nouveau") << Step([](MainWindowHarness &h) {
            h.msgBoxes.expect(leaveQuestion(QString()), MsgBoxResult::No);
            h.msgBoxes.expect(newLabelQuestion(), MsgBoxResult::OK);
            h.action("newAction")->trigger();
        }) << true;
        QTest::newRow("given up as the session ends") << Step([](MainWindowHarness &h) {
            h.msgBoxes.expect(leaveQuestion(QString()), MsgBoxResult::No);
            QVERIFY(h.form->mayEndSession(true));
        }) << true;
        QTest::newRow("program ends")
            << Step([](MainWindowHarness &h) { h.form.reset(); }) << false;
    }

    void copyGoes()
    {
        QFETCH(Step, step);
        QFETCH(bool, windowStays);
        MainWindowHarness h;
        h.keys(u"texte"_s);
        h.runAnswering("fontButton", FontChoice{u"Liberation Serif"_s, 12, true});
        const RecoveryCopy own = h.recovery()->folder().ownCopy();
        QCOMPARE(h.recovery()->folder().path(), recoveryPath(h.ownStateHome.path()));
        // Not at each change: once the delay runs out.
        QVERIFY(h.recovery()->isWritePending());
        QVERIFY(!exists(own));
        QVERIFY(copyWritten(h));
        QCOMPARE(readCopy(own.copyPath), h.form->document());
        if (windowStays) {
            QSignalSpy removed(h.recovery(), &RecoveryKeeper::copyRemoved);
            step(h);
            QVERIFY(removed.wait());
        } else {
            step(h);
        }
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!exists(own));
    }

    void copyOutlivesTheProgram_data()
    {
        QTest::addColumn<Step>("step");
        QTest::newRow("session ends without a question") << Step([](MainWindowHarness &) {
            auto *session = qApp->findChild<QSessionManager *>();
            QVERIFY(session);
            QVERIFY(!session->allowsInteraction());
            emit qApp->commitDataRequest(*session);
        });
        QTest::newRow("Quitter after a failed save") << Step([](MainWindowHarness &h) {
            const QString folder = h.ownStateHome.filePath(u"dossier.eti"_s);
            QVERIFY(QDir().mkpath(folder));
            h.state.label.fileName = folder;
            h.msgBoxes.expect(saveQuestion(folder), MsgBoxResult::Yes);
            h.msgBoxes.expect(saveError(u"Ce nom désigne un dossier."_s));
            h.msgBoxes.expect(quitConfirmation(), MsgBoxResult::Yes);
            QVERIFY(programEnds([&] { h.action("quitAction")->trigger(); }));
        });
    }

    // The program ends with edits that nobody saved or gave up: the copy written at that
    // moment stays for the next start.
    void copyOutlivesTheProgram()
    {
        QFETCH(Step, step);
        MainWindowHarness h;
        h.keys(u"jamais enregistré"_s);
        const RecoveryCopy own = h.recovery()->folder().ownCopy();
        QVERIFY(!exists(own));
        step(h);
        QVERIFY(h.msgBoxes.allSeen());
        const LabelDocument edited = h.form->document();
        h.form.reset();
        QCOMPARE(readCopy(own.copyPath), edited);
    }

    // No copy can be written: told once, editing goes on, and told again only after a copy
    // was written since.
    void refusalToldOnce_data()
    {
        QTest::addColumn<bool>("fullDisk"); // else a file where the folder should be
        QTest::addColumn<QString>("reason");
        QTest::newRow("file instead of the folder") << false << u"Le dossier n'existe pas."_s;
        QTest::newRow("full disk") << true << u"Le disque est plein."_s;
    }

    void refusalToldOnce()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        SmallDisk disk;
        if (fullDisk && !disk.isMounted())
            QSKIP("Mounting a small file system needs root");
        QVERIFY(!fullDisk || disk.fillLeaving(0));
        MainWindowHarness h;
        const QString folder = h.recovery()->folder().path();
        const auto spoil = [&] {
            return fullDisk ? QFile::link(disk.filePath(QString()), folder)
                            : writeBytes(folder, "pas un dossier");
        };
        QVERIFY(spoil());
        h.keys(u"a"_s);
        h.msgBoxes.expect(copyRefusedNote(reason));
        QCOMPARE(writeCopy(h), std::optional<bool>(false));
        QVERIFY(h.msgBoxes.allSeen());
        h.keys(u"b"_s);
        QCOMPARE(writeCopy(h), std::optional<bool>(false));
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.text1()->text(), u"ab"_s);

        QVERIFY(QFile::remove(folder));
        h.keys(u"c"_s);
        QVERIFY(copyWritten(h));
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(spoil());
        h.keys(u"d"_s);
        h.msgBoxes.expect(copyRefusedNote(reason));
        QCOMPARE(writeCopy(h), std::optional<bool>(false));
        QVERIFY(h.msgBoxes.allSeen());
    }

    void offeredAtStartUp_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<MsgBoxResult>("answer");
        const MsgBoxResult yes = MsgBoxResult::Yes;
        QTest::newRow("writer killed") << Writer::Killed << true << true << yes;
        QTest::newRow("writer ended, not yet reaped")
            << Writer::NotYetReaped << true << true << yes;
        QTest::newRow("writer of an earlier boot, untitled")
            << Writer::EarlierBoot << false << true << yes;
        QTest::newRow("copy refused is deleted")
            << Writer::EarlierBoot << false << true << MsgBoxResult::No;
        QTest::newRow("writer's id now another program's")
            << Writer::PidReused << true << true << yes;
        QTest::newRow("writer still running") << Writer::Running << true << false << yes;
    }

    void offeredAtStartUp()
    {
        QFETCH(Writer, writer);
        QFETCH(bool, named);
        QFETCH(bool, offered);
        QFETCH(MsgBoxResult, answer);
        QTemporaryDir stateHome;
        QTemporaryDir folder;
        const QString userFile = folder.filePath(u"sauvegarde.eti"_s);
        const QByteArray userBytes = fileBytes(QFINDTESTDATA("../label/data/sauvegarde.eti"));
        QVERIFY(writeBytes(userFile, userBytes));
        const QString original = named ? userFile : QString();

        std::unique_ptr<OtherKorvalin> other;
        std::unique_ptr<OtherProgram> reuser;
        std::unique_ptr<Zombie> zombie;
        RecoveryFolder::Writer writtenBy;
        if (writer == Writer::Killed || writer == Writer::Running) {
            other = std::make_unique<OtherKorvalin>(stateHome.path(), original);
            QVERIFY(other->hasWritten());
            writtenBy = {other->processId(), thisBoot()};
            if (writer == Writer::Killed)
                other->killHard();
        } else {
            if (writer == Writer::EarlierBoot) {
                writtenBy = {QCoreApplication::applicationPid(), u"une-autre-session"_s};
            } else if (writer == Writer::NotYetReaped) {
                zombie = std::make_unique<Zombie>();
                writtenBy = {zombie->processId(), thisBoot()};
            } else {
                reuser = std::make_unique<OtherProgram>();
                writtenBy = {reuser->processId(), thisBoot()};
            }
            QVERIFY(RecoveryFolder(recoveryPath(stateHome.path()), writtenBy)
                        .write(otherLabel(), original));
        }
        const RecoveryCopy left =
            RecoveryFolder(recoveryPath(stateHome.path()), writtenBy).ownCopy();
        const QByteArray leftBytes = fileBytes(left.copyPath);
        QVERIFY(!leftBytes.isEmpty());

        QList<MainWindowHarness::ShownBox> atLoad;
        if (offered)
            atLoad.append(
                {recoveryQuestion(named ? u"SAUVEGARDE.ETI"_s : u"SANS NOM"_s, left), answer});
        MainWindowHarness h(MainWindowHarness::StateHome{stateHome.path()}, atLoad);
        QVERIFY(h.msgBoxes.allSeen());
        if (offered && answer == MsgBoxResult::No) {
            QVERIFY(!exists(left));
            QCOMPARE(h.form->document(), LabelDocument::startUp());
            QVERIFY(!h.form->isModified());
        } else if (offered) {
            QCOMPARE(h.form->document(), otherLabel());
            QVERIFY(h.form->isModified());
            QCOMPARE(h.state.label.fileName, original);
            QCOMPARE(h.panel(StatusPanels::Panel::DocumentName),
                     named ? u"SAUVEGARDE.ETI"_s : u"SANS NOM"_s);
            QCOMPARE(h.text1()->text(), otherLabel().zones[ZoneId::First].text);
            // This program's own copy takes over from the one it came from.
            QSignalSpy gone(h.recovery(), &RecoveryKeeper::copyRemoved);
            QVERIFY(gone.wait());
            QVERIFY(!exists(left));
            QCOMPARE(readCopy(h.recovery()->folder().ownCopy().copyPath), otherLabel());
        } else {
            QCOMPARE(h.form->document(), LabelDocument::startUp());
            // Two programs at once: each keeps its own copy.
            h.keys(u"le mien"_s);
            QVERIFY(copyWritten(h));
            QCOMPARE(fileBytes(left.copyPath), leftBytes);
            QVERIFY(QFileInfo::exists(h.recovery()->folder().ownCopy().copyPath));
        }
        QCOMPARE(fileBytes(userFile), userBytes);
    }

    // Two programs died with a label each. The later copy is offered first, though it comes
    // second in the folder; once it is taken, the earlier one waits for the next start.
    void newerOrphanFirstOlderKept()
    {
        QTemporaryDir stateHome;
        const QString folder = recoveryPath(stateHome.path());
        const RecoveryFolder::Writer olderWriter{1000, u"une-autre-session"_s};
        const RecoveryFolder::Writer newerWriter{2000, u"une-autre-session"_s};
        LabelDocument older = otherLabel();
        older.zones[ZoneId::First].text = u"La plus ancienne"_s;
        QVERIFY(RecoveryFolder(folder, olderWriter).write(older, QString()));
        QVERIFY(RecoveryFolder(folder, newerWriter).write(otherLabel(), QString()));
        const RecoveryCopy olderCopy = RecoveryFolder(folder, olderWriter).ownCopy();
        const RecoveryCopy newerCopy = RecoveryFolder(folder, newerWriter).ownCopy();
        QFile olderFile(olderCopy.copyPath);
        QVERIFY(olderFile.open(QIODevice::ReadWrite));
        QVERIFY(olderFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                      QFileDevice::FileModificationTime));
        olderFile.close();

        {
            MainWindowHarness h(MainWindowHarness::StateHome{stateHome.path()},
                                {{recoveryQuestion(u"SANS NOM"_s, newerCopy), MsgBoxResult::Yes}});
            QVERIFY(h.msgBoxes.allSeen());
            QCOMPARE(h.form->document(), otherLabel());
            QSignalSpy gone(h.recovery(), &RecoveryKeeper::copyRemoved);
            QVERIFY(gone.wait());
            QVERIFY(!exists(newerCopy));
            QCOMPARE(readCopy(olderCopy.copyPath), older);
        }
        MainWindowHarness next(MainWindowHarness::StateHome{stateHome.path()},
                               {{recoveryQuestion(u"SANS NOM"_s, olderCopy), MsgBoxResult::Yes}});
        QVERIFY(next.msgBoxes.allSeen());
        QCOMPARE(next.form->document(), older);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(WriterVariable))
        return runAsWriter();
    QApplication app(argc, argv);
    TestMainWindowRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow_recovery.moc"

// The about box: its texts, its links, the details message and the system information program.
#include "Accessibility.h"
#include "MemoryKeyValueStore.h"
#include "MsgBoxRecorder.h"
#include "TestFiles.h"

#include "platform/SystemInfoTool.h"
#include "windows/frmAbout.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

Q_DECLARE_METATYPE(MakerAddresses)

namespace {

const MakerAddresses Addresses{QStringLiteral("https://korvalin.example/"),
                               QStringLiteral("https://korvalin.example/don"),
                               QStringLiteral("auteur@korvalin.example")};

QString label(const frmAbout &about, const char *name)
{
    return about.findChild<QLabel *>(QLatin1String(name))->text();
}

QAbstractButton *button(const frmAbout &about, const QString &name)
{
    return about.findChild<QAbstractButton *>(name);
}

// Collects the addresses the desktop is asked to open, in place of a browser or mail program.
class OpenedAddresses : public QObject
{
    Q_OBJECT

public:
    OpenedAddresses()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~OpenedAddresses() override
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// A folder standing in for PATH while it lives.
class ProgramsOnPath
{
public:
    ProgramsOnPath() : m_savedPath(qgetenv("PATH")) { qputenv("PATH", m_folder.path().toUtf8()); }
    ~ProgramsOnPath() { qputenv("PATH", m_savedPath); }

    // A program that leaves a mark beside itself when it runs; its path.
    QString addProgram(const QString &name) const
    {
        const QString path = m_folder.filePath(name);
        if (!writeBytes(path, "#!/bin/sh\n: > \"$0.ran\"\n") ||
            !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return QString();
        return path;
    }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QByteArray m_savedPath;
};

MsgBoxCall notFound()
{
    return {QStringLiteral("Information Systeme introuvable !"), MsgBoxButtons::OKOnly,
            MsgBoxIcon::None, QStringLiteral("Korvalin"), MsgBoxDefault::First};
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void texts();
    void looks();
    void links_data();
    void links();
    void detailsMessage_data();
    void detailsMessage();
    void enterAndEscapeClose_data();
    void enterAndEscapeClose();
    void systemInformation_data();
    void systemInformation();
    void everyControlIsNamed();
};

void TestFrmAbout::texts()
{
    const MemoryKeyValueStore settings;
    const frmAbout about(settings, MakerAddresses());
    QCOMPARE(about.windowTitle(), QStringLiteral("A propos Korvalin"));
    QCOMPARE(label(about, "lblTitle"), QStringLiteral("Korvalin"));
    // The build's own version, each number as it is.
    QCOMPARE(label(about, "lblVersion"), QStringLiteral("Version %1.%2.%3")
                                             .arg(KORVALIN_EXPECTED_MAJOR)
                                             .arg(KORVALIN_EXPECTED_MINOR)
                                             .arg(KORVALIN_EXPECTED_REVISION));
    QVERIFY(!label(about, "lblDescription").isEmpty());
    QCOMPARE(button(about, QStringLiteral("cmdSysInfo"))->text(),
             QStringLiteral("&Système Info..."));
    QCOMPARE(button(about, QStringLiteral("cmdSysInfo"))->toolTip(),
             QStringLiteral("Informations système"));
    QCOMPARE(button(about, QStringLiteral("Command1"))->text(), QStringLiteral("Détails..."));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QVERIFY(ok->font().bold());
}

void TestFrmAbout::looks()
{
    const MemoryKeyValueStore settings;
    frmAbout about(settings, MakerAddresses());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shown = about.grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(Qt::black));
    // Green texts in the stand-in for Comic Sans MS, which fontconfig finds.
    for (const char *name : {"lblTitle", "lblVersion", "lblDescription"}) {
        const QLabel *text = about.findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Comic Neue"));
    }
    // The white separator across the window, under the description.
    const int separator = qRound(21.2 * about.logicalDpiY() / 25.4);
    QCOMPARE(shown.pixelColor(shown.width() / 10, separator), QColor(Qt::white));
}

void TestFrmAbout::links_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<MakerAddresses>("addresses");
    QTest::addColumn<QUrl>("opened");
    QTest::newRow("web site") << QStringLiteral("Label3") << Addresses
                              << QUrl(QStringLiteral("https://korvalin.example/"));
    QTest::newRow("donation") << QStringLiteral("Image2") << Addresses
                              << QUrl(QStringLiteral("https://korvalin.example/don"));
    QTest::newRow("e-mail") << QStringLiteral("lblDisclaimer") << Addresses
                            << QUrl(QStringLiteral("mailto:auteur@korvalin.example"));
    QTest::newRow("no web site") << QStringLiteral("Label3") << MakerAddresses() << QUrl();
    QTest::newRow("no donation page") << QStringLiteral("Image2") << MakerAddresses() << QUrl();
    QTest::newRow("no e-mail") << QStringLiteral("lblDisclaimer") << MakerAddresses() << QUrl();
}

void TestFrmAbout::links()
{
    QFETCH(QString, name);
    QFETCH(MakerAddresses, addresses);
    QFETCH(QUrl, opened);
    OpenedAddresses desktop;
    const MemoryKeyValueStore settings;
    frmAbout about(settings, addresses);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QAbstractButton *link = button(about, name);
    QCOMPARE(link->isVisible(), !opened.isEmpty());
    if (opened.isEmpty())
        return;
    QVERIFY(!link->toolTip().isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(desktop.opened, QList<QUrl>{opened});
}

void TestFrmAbout::detailsMessage_data()
{
    QTest::addColumn<MakerAddresses>("addresses");
    QTest::addColumn<QString>("mailLine");
    QTest::addColumn<QString>("webLine");
    QTest::newRow("addresses given")
        << Addresses << QStringLiteral("Courriel : auteur@korvalin.example")
        << QStringLiteral("Site web : https://korvalin.example/");
    QTest::newRow("no addresses") << MakerAddresses() << QStringLiteral("Courriel : non communiqué")
                                  << QStringLiteral("Site web : non communiqué");
}

void TestFrmAbout::detailsMessage()
{
    QFETCH(MakerAddresses, addresses);
    QFETCH(QString, mailLine);
    QFETCH(QString, webLine);
    MsgBoxRecorder msgBoxes;
    const MemoryKeyValueStore settings;
    const frmAbout about(settings, addresses);
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(KORVALIN_EXPECTED_MAJOR)
                                .arg(KORVALIN_EXPECTED_MINOR)
                                .arg(KORVALIN_EXPECTED_REVISION);
    msgBoxes.expect(
        {QStringLiteral("- Korvalin version ") + version + QStringLiteral(" -\r") +
             QStringLiteral("Création d'étiquettes de disquettes au format 3 \"1/2.\r") +
             QStringLiteral("\r") +
             QStringLiteral("Auteur : l'équipe de développement de Korvalin\r") + mailLine +
             QStringLiteral("\r") + webLine + QStringLiteral("\r"),
         MsgBoxButtons::OKOnly, MsgBoxIcon::Information, QStringLiteral("A propos"),
         MsgBoxDefault::First});
    button(about, QStringLiteral("Command1"))->click();
    QVERIFY(msgBoxes.allSeen());
}

void TestFrmAbout::enterAndEscapeClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestFrmAbout::enterAndEscapeClose()
{
    QFETCH(int, key);
    const MemoryKeyValueStore settings;
    frmAbout about(settings, Addresses);
    bool wasModal = false;
    QWidget *focused = nullptr;
    QTimer::singleShot(0, &about, [&] {
        wasModal = QApplication::activeModalWidget() == &about;
        // The box opens with the focus on "OK", not on the first link.
        focused = about.focusWidget();
        QTest::keyClick(focused ? focused : &about, Qt::Key(key));
    });
    about.exec();
    QVERIFY(wasModal);
    QCOMPARE(focused, button(about, QStringLiteral("cmdOK")));
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(),
             key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void TestFrmAbout::systemInformation_data()
{
    QTest::addColumn<QString>("named");   // "" nothing named, "tool" a program of the folder
    QTest::addColumn<QString>("onPath");  // a well-known program put on PATH, or ""
    QTest::addColumn<QString>("started"); // the program that must run, or "" for the message
    QTest::newRow("nothing anywhere") << QString() << QString() << QString();
    QTest::newRow("named by the administrator")
        << QStringLiteral("outil-maison") << QString() << QStringLiteral("outil-maison");
    QTest::newRow("named before what is on PATH")
        << QStringLiteral("outil-maison") << QStringLiteral("hardinfo")
        << QStringLiteral("outil-maison");
    QTest::newRow("named but missing, PATH not tried")
        << QStringLiteral("absent") << QStringLiteral("hardinfo") << QString();
    QTest::newRow("found on PATH")
        << QString() << QStringLiteral("hardinfo") << QStringLiteral("hardinfo");
    QTest::newRow("last of the well-known ones")
        << QString() << SystemInfoTool::wellKnownPrograms().last()
        << SystemInfoTool::wellKnownPrograms().last();
}

void TestFrmAbout::systemInformation()
{
    QFETCH(QString, named);
    QFETCH(QString, onPath);
    QFETCH(QString, started);
    ProgramsOnPath path;
    MemoryKeyValueStore settings;
    if (!named.isEmpty()) {
        const QString namedPath = named == QLatin1String("absent")
                                      ? path.folder() + QStringLiteral("/absent")
                                      : path.addProgram(named);
        QVERIFY(!namedPath.isEmpty());
        settings.set(HKEY_LOCAL_MACHINE, QLatin1String(SystemInfoTool::Key),
                     QLatin1String(SystemInfoTool::PathValue), {REG_SZ, namedPath.toUtf8()});
    }
    if (!onPath.isEmpty())
        QVERIFY(!path.addProgram(onPath).isEmpty());

    MsgBoxRecorder msgBoxes;
    if (started.isEmpty())
        msgBoxes.expect(notFound());
    const frmAbout about(settings, MakerAddresses());
    button(about, QStringLiteral("cmdSysInfo"))->click();
    QVERIFY(msgBoxes.allSeen());
    if (!started.isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(path.folder() + QLatin1Char('/') + started + QStringLiteral(".ran")),
            20000);
}

void TestFrmAbout::everyControlIsNamed()
{
    const MemoryKeyValueStore settings;
    frmAbout about(settings, Addresses);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(Accessibility::namelessControls(&about), QStringList());
    const QStringList names = Accessibility::controlNames(&about);
    for (const char *name : {"OK", "Détails...", "Système Info...", "Korvalin",
                             "auteur@korvalin.example", "https://korvalin.example/"})
        QVERIFY2(names.contains(QString::fromUtf8(name)), name);
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box: its texts, its links, the details message and the system information program.
#include "Accessibility.h"
#include "MsgBoxRecorder.h"
#include "SystemSettingsFile.h"
#include "TestFiles.h"

#include "platform/SystemInfoTool.h"
#include "windows/about/AboutDialog.h"

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

using namespace Qt::StringLiterals;

namespace {

// The build's own version, each number as it is.
const QString Version = u"%1.%2.%3"_s.arg(KORVALIN_EXPECTED_MAJOR)
                            .arg(KORVALIN_EXPECTED_MINOR)
                            .arg(KORVALIN_EXPECTED_REVISION);

const MakerAddresses Addresses{u"https://korvalin.example/"_s, u"https://korvalin.example/don"_s,
                               u"auteur@korvalin.example"_s};

QString label(const AboutDialog &about, const char *name)
{
    return about.findChild<QLabel *>(QLatin1String(name))->text();
}

QAbstractButton *button(const AboutDialog &about, const QString &name)
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

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void texts()
    {
        const AboutDialog about(m_noSettings.settings(), MakerAddresses());
        QCOMPARE(about.windowTitle(), u"A propos Korvalin"_s);
        QCOMPARE(label(about, "titleLabel"), u"Korvalin"_s);
        QCOMPARE(label(about, "versionLabel"), u"Version "_s + Version);
        QVERIFY(!label(about, "descriptionLabel").isEmpty());
        QCOMPARE(button(about, u"systemInfoButton"_s)->text(), u"&Système Info..."_s);
        QCOMPARE(button(about, u"systemInfoButton"_s)->toolTip(), u"Informations système"_s);
        QCOMPARE(button(about, u"detailsButton"_s)->text(), u"Détails..."_s);
        auto *ok = about.findChild<QPushButton *>(u"okButton"_s);
        QCOMPARE(ok->text(), u"OK"_s);
        QVERIFY(ok->isDefault());
        QVERIFY(ok->font().bold());
    }

    void looks()
    {
        AboutDialog about(m_noSettings.settings(), MakerAddresses());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage shown = about.grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(Qt::black));
        // Green texts in the stand-in for Comic Sans MS, which fontconfig finds.
        for (const char *name : {"titleLabel", "versionLabel", "descriptionLabel"}) {
            const QLabel *text = about.findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            QCOMPARE(QFontInfo(text->font()).family(), u"Comic Neue"_s);
        }
        // The white separator across the window, under the description.
        const int separator = qRound(21.2 * about.logicalDpiY() / 25.4);
        QCOMPARE(shown.pixelColor(shown.width() / 10, separator), QColor(Qt::white));
    }

    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MakerAddresses>("addresses");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("web site") << u"webLink"_s << Addresses << QUrl(Addresses.web);
        QTest::newRow("donation") << u"donationButton"_s << Addresses << QUrl(Addresses.donation);
        QTest::newRow("e-mail") << u"mailLink"_s << Addresses
                                << QUrl(u"mailto:"_s + Addresses.mail);
        QTest::newRow("no web site") << u"webLink"_s << MakerAddresses() << QUrl();
        QTest::newRow("no donation page") << u"donationButton"_s << MakerAddresses() << QUrl();
        QTest::newRow("no e-mail") << u"mailLink"_s << MakerAddresses() << QUrl();
    }

    void links()
    {
        QFETCH(QString, name);
        QFETCH(MakerAddresses, addresses);
        QFETCH(QUrl, opened);
        OpenedAddresses desktop;
        AboutDialog about(m_noSettings.settings(), addresses);
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

    void detailsMessage_data()
    {
        QTest::addColumn<MakerAddresses>("addresses");
        QTest::addColumn<QString>("mailLine");
        QTest::addColumn<QString>("webLine");
        QTest::newRow("addresses given") << Addresses << u"Courriel : auteur@korvalin.example"_s
                                         << u"Site web : https://korvalin.example/"_s;
        QTest::newRow("no addresses")
            << MakerAddresses() << u"Courriel : non communiqué"_s << u"Site web : non communiqué"_s;
    }

    void detailsMessage()
    {
        QFETCH(MakerAddresses, addresses);
        QFETCH(QString, mailLine);
        QFETCH(QString, webLine);
        MsgBoxRecorder msgBoxes;
        const AboutDialog about(m_noSettings.settings(), addresses);
        msgBoxes.expect({u"- Korvalin version "_s + Version +
                             u" -\rCréation d'étiquettes de disquettes au format 3 \"1/2.\r\r"
                             u"Auteur : l'équipe de développement de Korvalin\r"_s +
                             mailLine + u"\r"_s + webLine + u"\r"_s,
                         MsgBoxButtons::OKOnly, MsgBoxIcon::Information, u"A propos"_s,
                         MsgBoxDefault::First});
        button(about, u"detailsButton"_s)->click();
        QVERIFY(msgBoxes.allSeen());
    }

    void enterAndEscapeClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void enterAndEscapeClose()
    {
        QFETCH(int, key);
        AboutDialog about(m_noSettings.settings(), Addresses);
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
        QCOMPARE(focused, button(about, u"okButton"_s));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(),
                 key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    void systemInformation_data()
    {
        QTest::addColumn<QString>("named");   // "" nothing named, "tool" a program of the folder
        QTest::addColumn<QString>("onPath");  // a well-known program put on PATH, or ""
        QTest::addColumn<QString>("started"); // the program that must run, or "" for the message
        QTest::newRow("nothing anywhere") << QString() << QString() << QString();
        QTest::newRow("named by the administrator")
            << u"outil-maison"_s << QString() << u"outil-maison"_s;
        QTest::newRow("named before what is on PATH")
            << u"outil-maison"_s << u"hardinfo"_s << u"outil-maison"_s;
        QTest::newRow("named but missing, PATH not tried")
            << u"absent"_s << u"hardinfo"_s << QString();
        QTest::newRow("found on PATH") << QString() << u"hardinfo"_s << u"hardinfo"_s;
        QTest::newRow("last of the well-known ones")
            << QString() << SystemInfoTool::wellKnownPrograms().last()
            << SystemInfoTool::wellKnownPrograms().last();
    }

    void systemInformation()
    {
        QFETCH(QString, named);
        QFETCH(QString, onPath);
        QFETCH(QString, started);
        ProgramsOnPath path;
        QString namedPath;
        if (!named.isEmpty()) {
            namedPath =
                named == "absent"_L1 ? path.folder() + u"/absent"_s : path.addProgram(named);
            QVERIFY(!namedPath.isEmpty());
        }
        const SystemSettingsFile settings("[SystemInformation]\nPath=" + namedPath.toUtf8() + '\n');
        QVERIFY(settings.isValid());
        if (!onPath.isEmpty())
            QVERIFY(!path.addProgram(onPath).isEmpty());
        MsgBoxRecorder msgBoxes;
        if (started.isEmpty())
            msgBoxes.expect({u"Information Systeme introuvable !"_s, MsgBoxButtons::OKOnly,
                             MsgBoxIcon::None, u"Korvalin"_s, MsgBoxDefault::First});
        const AboutDialog about(settings.settings(), MakerAddresses());
        button(about, u"systemInfoButton"_s)->click();
        QVERIFY(msgBoxes.allSeen());
        if (!started.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(
                QFile::exists(path.folder() + QLatin1Char('/') + started + u".ran"_s), 20000);
    }

    void everyControlIsNamed()
    {
        AboutDialog about(m_noSettings.settings(), Addresses);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(Accessibility::namelessControls(&about), QStringList());
        const QStringList names = Accessibility::controlNames(&about);
        for (const char *name : {"OK", "Détails...", "Système Info...", "Korvalin",
                                 "auteur@korvalin.example", "https://korvalin.example/"})
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    }

private:
    const SystemSettingsFile m_noSettings; // names no program
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in the desktop's language: run once under English and once under C, where
// the program speaks French exactly as it always has (KORVALIN_TEST_LANGUAGE says which).
#include "MainWindowHarness.h"

#include "platform/InterfaceLanguage.h"
#include "platform/ProgramFiles.h"

#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString expectedLanguage()
{
    return qEnvironmentVariable("KORVALIN_TEST_LANGUAGE");
}

// The letter after a lone "&", lower case; none for "Noir && blanc".
QChar acceleratorOf(const QString &text)
{
    static const QRegularExpression accelerator(u"(?:^|[^&])&([^&\\s])"_s);
    const QRegularExpressionMatch match = accelerator.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

// The texts that share an accelerator letter.
QStringList clashes(const QStringList &texts)
{
    QMultiHash<QChar, QString> byLetter;
    for (const QString &text : texts) {
        if (const QChar letter = acceleratorOf(text); !letter.isNull())
            byLetter.insert(letter, text);
    }
    QStringList found;
    for (const QChar letter : byLetter.uniqueKeys()) {
        if (byLetter.count(letter) > 1)
            found << QStringList(byLetter.values(letter)).join(u" / "_s);
    }
    return found;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance()), expectedLanguage());
        QCOMPARE(InterfaceLanguage::current(), expectedLanguage());
    }

    void windowSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("english");
        MainWindowHarness h;
        const auto menuTitle = [&](const char *name) { return h.find<QMenu>(name)->title(); };
        // As the desktop shows it while the label is unmodified.
        QTest::newRow("title") << h.form->windowTitle().remove(u"[*]"_s)
                               << u"Création d'étiquette pour disquette 3\"1/2"_s
                               << u"Floppy Disk Label Designer"_s;
        QTest::newRow("file menu") << menuTitle("fileMenu") << u"&Fichier"_s << u"&File"_s;
        QTest::newRow("edit menu") << menuTitle("editMenu") << u"&Edition"_s << u"&Edit"_s;
        QTest::newRow("help menu") << menuTitle("helpMenu") << u"?"_s << u"&Help"_s;
        QTest::newRow("menu entry") << h.action("printerSetupAction")->text()
                                    << u"Configurer l'imprimante"_s << u"Printer Setup..."_s;
        QTest::newRow("toolbar tip")
            << h.toolbarEntry(4)->toolTip() << u"Enregistrer sous"_s << u"Save As"_s;
        QTest::newRow("button tip")
            << h.button("colorButton")->toolTip()
            << u"Affecte une couleur à la police de caractère à la zone de texte sélectionnée"_s
            << u"Sets the text color of the selected text zone"_s;
        QTest::newRow("zone caption") << h.find<QLabel>("zoneTextCaption")->text()
                                      << u"Edition du texte zone 1"_s << u"Zone 1 text"_s;
        QTest::newRow("status bar") << h.panel(StatusPanels::Panel::DocumentName) << u"SANS NOM"_s
                                    << u"UNTITLED"_s;
        QTest::newRow("a message of the label layer")
            << QCoreApplication::translate("ZoneLines",
                                           "Nombre de lignes de texte trop important !")
            << u"Nombre de lignes de texte trop important !"_s << u"Too many lines of text."_s;
        QTest::newRow("Qt's own buttons")
            << QCoreApplication::translate("QPlatformTheme", "&Yes") << u"&Oui"_s << u"&Yes"_s;
        QTest::newRow("help file")
            << ProgramFiles::translatedHelpFile(QStringLiteral(KORVALIN_BUILT_HELP_FILE),
                                                InterfaceLanguage::current())
            << QStringLiteral(KORVALIN_BUILT_HELP_FILE)
            << QFileInfo(QStringLiteral(KORVALIN_BUILT_HELP_FILE))
                   .dir()
                   .filePath(u"en/KORVALIN.HLP"_s);
    }

    void windowSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, shown);
        QFETCH(QString, french);
        QFETCH(QString, english);
        QCOMPARE(shown, expectedLanguage() == u"en" ? english : french);
    }

    // Within a menu, and among the menu bar and the window's own controls, each accelerator
    // letter leads to one place. The French window keeps its letters as they always were.
    void englishAcceleratorsDoNotClash()
    {
        if (expectedLanguage() != u"en")
            QSKIP("the French accelerators are the program's own");
        MainWindowHarness h;
        QStringList window;
        for (QAction *menu : h.form->menuBar()->actions()) {
            window << menu->text();
            QStringList entries;
            for (QAction *entry : menu->menu()->actions())
                entries << entry->text();
            QVERIFY2(clashes(entries).isEmpty(), qPrintable(clashes(entries).join(u", "_s)));
        }
        for (QAbstractButton *button : h.form->findChildren<QAbstractButton *>())
            window << button->text();
        for (QGroupBox *group : h.form->findChildren<QGroupBox *>())
            window << group->title();
        QVERIFY2(clashes(window).isEmpty(), qPrintable(clashes(window).join(u", "_s)));
    }

    // The desktop's first language the program has wins; French for any other.
    void chooseTheLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("English") << QStringList{u"en-US"_s, u"en"_s} << u"en"_s;
        QTest::newRow("British, as LANG spells it") << QStringList{u"en_GB"_s} << u"en"_s;
        QTest::newRow("French") << QStringList{u"fr-FR"_s, u"fr"_s} << u"fr"_s;
        QTest::newRow("French before English") << QStringList{u"fr-CA"_s, u"en"_s} << u"fr"_s;
        QTest::newRow("C") << QStringList{u"C"_s} << u"fr"_s;
        QTest::newRow("German") << QStringList{u"de-DE"_s, u"de"_s} << u"fr"_s;
        QTest::newRow("German, then English") << QStringList{u"de"_s, u"en"_s} << u"en"_s;
        QTest::newRow("none") << QStringList{} << u"fr"_s;
    }

    void chooseTheLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(InterfaceLanguage::choose(uiLanguages, InterfaceLanguage::translated()), chosen);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"

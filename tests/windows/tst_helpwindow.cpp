// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help file that ships with the program and the window that shows it.
#include "Accessibility.h"
#include "platform/HelpDocument.h"
#include "widgets/HelpWindow.h"
#include "windows/shared/CommonDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

namespace {

QString pageText(const HelpWindow &window)
{
    return window.findChild<QTextBrowser *>(u"page"_s)->toPlainText();
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_document = HelpDocument::load(m_helpFile);
        QVERIFY2(m_document, qPrintable(m_helpFile));
    }

    void everyTopicHasAnIdATitleAndKeywords()
    {
        QStringList ids;
        for (const HelpTopic &topic : m_document->topics()) {
            QVERIFY2(!topic.id.isEmpty() && !ids.contains(topic.id), qPrintable(topic.id));
            ids.append(topic.id);
            QVERIFY2(!topic.title.isEmpty(), qPrintable(topic.id));
            QVERIFY2(!topic.keywords.isEmpty(), qPrintable(topic.id));
        }
        QVERIFY(ids.size() >= 20);
    }

    void everyLinkLeadsToATopic()
    {
        static const QRegularExpression link(u"href=\"#([^\"]+)\""_s);
        int links = 0;
        for (const HelpTopic &topic : m_document->topics()) {
            for (const QRegularExpressionMatch &match : link.globalMatch(topic.html)) {
                ++links;
                QVERIFY2(m_document->topicIndex(match.captured(1)) >= 0,
                         qPrintable(topic.id + u" -> "_s + match.captured(1)));
            }
        }
        QVERIFY(links > 0);
    }

    // Each command of the window is found by the word a user would type.
    void everyCommandHasATopic_data()
    {
        QTest::addColumn<QString>("keyword");
        const QString keywords = QStringLiteral(
            "nouveau|ouvrir|enregistrer|enregistrer sous|quitter|aperçu|imprimer|configurer "
            "l'imprimante|portrait|paysage|police|couleur|alignement|Logo Icone|Pas d'icone|"
            "Visualiser les images|Coller l'image|à propos|sommaire|numérotation|fichier "
            "étiquette|fichier de paramètres|paramétrage de l'impression");
        for (const QString &keyword : keywords.split(QLatin1Char('|')))
            QTest::newRow(keyword.toUtf8().constData()) << keyword;
    }

    void everyCommandHasATopic()
    {
        QFETCH(QString, keyword);
        const QStringList found = m_document->keywordsStartingWith(keyword);
        QVERIFY2(!found.isEmpty(), qPrintable(keyword));
        QVERIFY(!m_document->topicsWithKeyword(found.first()).isEmpty());
    }

    // What the help says the program does, where it once said otherwise.
    void topicDescribesTheProgram_data()
    {
        QTest::addColumn<QString>("topicId");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("number after the last line of zone 3")
            << u"numerotation"_s << u"après la dernière ligne de la zone 3"_s;
    }

    void topicDescribesTheProgram()
    {
        QFETCH(QString, topicId);
        QFETCH(QString, phrase);
        const int index = m_document->topicIndex(topicId);
        QVERIFY2(index >= 0, qPrintable(topicId));
        const QString text = m_document->topics().at(index).html.simplified();
        QVERIFY2(text.contains(phrase), qPrintable(text));
    }

    void keywordSearch_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("case") << u"APER"_s << QStringList{u"Aperçu"_s};
        QTest::newRow("accents") << u"apercu"_s << QStringList{u"Aperçu"_s};
        QTest::newRow("accent typed, none in keyword")
            << u"ìmpr"_s << QStringList{u"impression"_s, u"imprimer"_s};
        QTest::newRow("empty prefix lists all, in order")
            << QString()
            << QStringList{u"Aperçu"_s, u"étiquette"_s, u"impression"_s, u"imprimer"_s};
        QTest::newRow("no match") << u"zz"_s << QStringList{};
    }

    void keywordSearch()
    {
        QFETCH(QString, prefix);
        const HelpDocument document = HelpDocument::parse(QStringLiteral(
            "<section id=\"a\" data-keywords=\"Aperçu;imprimer\"><h1>A</h1></section>"
            "<section id=\"b\" data-keywords=\"étiquette; impression \"><h1>B <i>en</i> "
            "gras</h1></section>"));
        QCOMPARE(document.topics().size(), 2);
        QCOMPARE(document.topics().at(1).title, u"B en gras"_s);
        QTEST(document.keywordsStartingWith(prefix), "keywords");
    }

    void contentsListsEveryTopic()
    {
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        window.showContents();
        auto *contents = window.findChild<QListWidget *>(u"contents"_s);
        QCOMPARE(contents->count(), m_document->topics().size());
        QCOMPARE(contents->item(0)->text(), m_document->topics().first().title);
        const QString page = pageText(window);
        QVERIFY2(page.contains(m_document->topics().first().title), qPrintable(page));
        contents->setCurrentRow(3);
        QVERIFY(pageText(window).contains(m_document->topics().at(3).title));
        QVERIFY(window.windowTitle().endsWith(m_document->topics().at(3).title));
    }

    void searchListsKeywordsAndTheirTopics()
    {
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        window.showSearch(QString());
        auto *keyword = window.findChild<QLineEdit *>(u"keyword"_s);
        auto *keywords = window.findChild<QListWidget *>(u"keywords"_s);
        QVERIFY(keyword->text().isEmpty());
        QCOMPARE(keywords->count(), m_document->keywords().size());
        QTest::keyClicks(keyword, u"QUIT"_s);
        QCOMPARE(keywords->count(), 1);
        QCOMPARE(keywords->item(0)->text(), u"quitter"_s);
        auto *topics = window.findChild<QListWidget *>(u"keywordTopics"_s);
        QCOMPARE(topics->count(), 1);
        QCOMPARE(topics->item(0)->text(), u"Quitter"_s);
        QVERIFY(pageText(window).contains(u"termine le programme"_s));
    }

    void topicOpensById_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("shownId"); // the first topic stands in for an unknown id
        QTest::newRow("known") << u"numerotation"_s << u"numerotation"_s;
        QTest::newRow("not in the file") << u"absente"_s << m_document->topics().first().id;
    }

    // A window's F1 opens its own topic.
    void topicOpensById()
    {
        QFETCH(QString, id);
        QFETCH(QString, shownId);
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        window.showTopic(id);
        const HelpTopic &shown = m_document->topics().at(m_document->topicIndex(shownId));
        QVERIFY(window.windowTitle().endsWith(shown.title));
        QCOMPARE(window.findChild<QTabWidget *>()->currentIndex(), 0);
    }

    void linkOpensTheTopic()
    {
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        window.showContents();
        auto *page = window.findChild<QTextBrowser *>(u"page"_s);
        emit page->anchorClicked(QUrl(u"#zones"_s));
        const HelpTopic &zones = m_document->topics().at(m_document->topicIndex(u"zones"_s));
        QVERIFY(page->toPlainText().contains(zones.title));
    }

    void missingHelpFileIsReported()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(u"KORVALIN.HLP"_s);
        HelpWindow window;
        QVERIFY(!window.load(missing));
        window.showContents();
        QCOMPARE(window.findChild<QListWidget *>(u"contents"_s)->count(), 0);
        const QString page = pageText(window);
        QVERIFY2(page.contains(missing) && page.contains(u"introuvable"_s), qPrintable(page));
    }

    // Contents first, then the search: one help window, on the tab of each command.
    void commonDialogOpensOneHelpWindow()
    {
        CommonDialog commonDialog;
        HelpRequest request;
        request.file = m_helpFile;
        const auto helpWindows = [] {
            QList<HelpWindow *> found;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *help = qobject_cast<HelpWindow *>(widget); help && help->isVisible())
                    found.append(help);
            }
            return found;
        };
        commonDialog.showHelp(request);
        QCOMPARE(helpWindows().size(), 1);
        auto *tabs = helpWindows().first()->findChild<QTabWidget *>();
        QCOMPARE(tabs->currentIndex(), 0);
        request.page = HelpRequest::Page::Search;
        request.searchKey = u"imp"_s;
        commonDialog.showHelp(request);
        QCOMPARE(helpWindows().size(), 1);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(helpWindows().first()->findChild<QLineEdit *>(u"keyword"_s)->text(), u"imp"_s);
    }

    void contentsShowTheLongestTitleWhole()
    {
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        window.showContents();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *contents = window.findChild<QListWidget *>(u"contents"_s);
        int longest = 0;
        for (const HelpTopic &topic : m_document->topics())
            longest = std::max(longest, contents->fontMetrics().horizontalAdvance(topic.title));
        QVERIFY2(contents->viewport()->width() >= longest,
                 qPrintable(u"%1 < %2"_s.arg(contents->viewport()->width()).arg(longest)));
        QVERIFY(!contents->horizontalScrollBar()->isVisible());
    }

    void escapeClosesTheWindow_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::newRow("contents") << u"contents"_s;
        QTest::newRow("keyword") << u"keyword"_s;
        QTest::newRow("page") << u"page"_s;
    }

    void escapeClosesTheWindow()
    {
        QFETCH(QString, focused);
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        focused == "keyword"_L1 ? window.showSearch(u"imp"_s) : window.showContents();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *widget = window.findChild<QWidget *>(focused);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void everyControlIsNamed()
    {
        HelpWindow window;
        QVERIFY(window.load(m_helpFile));
        for (const bool search : {false, true}) {
            search ? window.showSearch(QString()) : window.showContents();
            const QStringList nameless = Accessibility::namelessControls(&window);
            QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join("; "_L1)));
        }
    }

private:
    const QString m_helpFile = QStringLiteral(KORVALIN_HELP_FILE);
    std::optional<HelpDocument> m_document;
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"

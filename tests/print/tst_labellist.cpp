// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListPages.h"

#include "print/LabelList.h"
#include "print/LabelOutput.h"
#include "print/LabelPrinting.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A label of a list as the rows write it: its three fields joined by "|", "-" for a zone it
// leaves to the label, and its line after "@".
QString described(const ListedLabel &label)
{
    QStringList fields;
    for (const std::optional<QString> &text : label.texts)
        fields.append(text ? *text : u"-"_s);
    return fields.join(u'|') + u'@' + QString::number(label.lineNumber);
}

} // namespace

class TestLabelList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("one field sets zone 1") << u"Jeux"_s << QStringList{u"Jeux|-|-@1"_s};
        QTest::newRow("tabs") << u"A\tB\tC"_s << QStringList{u"A|B|C@1"_s};
        QTest::newRow("semicolons") << u"A;B;C"_s << QStringList{u"A|B|C@1"_s};
        QTest::newRow("empty field keeps the label's") << u";B"_s << QStringList{u"-|B|-@1"_s};
        QTest::newRow("line ends of every kind")
            << u"A\r\nB\nC\rD"_s
            << QStringList{u"A|-|-@1"_s, u"B|-|-@2"_s, u"C|-|-@3"_s, u"D|-|-@4"_s};
        QTest::newRow("blank lines skipped, numbered as an editor does")
            << u"\nA\n  \n\nB\n"_s << QStringList{u"A|-|-@2"_s, u"B|-|-@5"_s};
        QTest::newRow("backslash n breaks a zone")
            << u"Un\\nDeux"_s << QStringList{u"Un\r\nDeux|-|-@1"_s};
        QTest::newRow("quoted separator and quote")
            << u"\"A;B\"\t\"dit \"\"oui\"\"\""_s << QStringList{u"A;B|dit \"oui\"|-@1"_s};
        QTest::newRow("quoted line break as a spreadsheet copies it")
            << u"\"Un\nDeux\"\tX\nSuite"_s << QStringList{u"Un\r\nDeux|X|-@1"_s, u"Suite|-|-@3"_s};
        QTest::newRow("quote inside a field kept")
            << u"5\" 1/4"_s << QStringList{u"5\" 1/4|-|-@1"_s};
        QTest::newRow("empty cells of wider rows") << u"A;B;C;;"_s << QStringList{u"A|B|C@1"_s};
        QTest::newRow("a line of separators keeps every text")
            << u";;"_s << QStringList{u"-|-|-@1"_s};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, labels);
        const std::variant<LabelList, ListRefusal> parsed = LabelListText::read(text);
        const LabelList *list = std::get_if<LabelList>(&parsed);
        QVERIFY2(list, list ? "" : qPrintable(std::get<ListRefusal>(parsed).message()));
        QStringList got;
        for (const ListedLabel &label : list->labels)
            got.append(described(label));
        QCOMPARE(got, labels);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("open quote") << u"A\n\"B;C\nD"_s << 2 << u"Un guillemet n'est pas fermé."_s;
        QTest::newRow("four texts")
            << u"A\nB\nA;B;C;D"_s << 3 << u"La ligne donne plus de trois textes."_s;
        QTest::newRow("outside Windows-1252")
            << u"A\n;\u0141\u00f3d\u017a"_s << 2
            << u"Le texte de la zone 2 contient un caractère que le fichier ne peut pas coder."_s;
        QTest::newRow("a section header of the label file")
            << u"\n\"Titre\n[Police 1]\nFin\""_s << 2
            << u"Le texte de la zone 1 contient la ligne « [Police 1] », que le fichier réserve "
               "à sa police."_s;
        QTest::newRow("more lines than a zone holds")
            << u"A\n"_s + u"L\\n"_s.repeated(16) << 2
            << u"Nombre de lignes de texte trop important !"_s;
    }

    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const std::variant<LabelList, ListRefusal> read = LabelListText::read(text);
        const ListRefusal *refusal = std::get_if<ListRefusal>(&read);
        QVERIFY(refusal);
        QCOMPARE(refusal->lineNumber, line);
        QCOMPARE(refusal->reason, reason);
        QCOMPARE(refusal->message(), u"Ligne %1 : %2"_s.arg(line).arg(reason));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << "Th\xc3\xa9\xe2\x82\xac"_ba << u"Thé€"_s;
        QTest::newRow("UTF-8 with its mark") << "\xef\xbb\xbfTh\xc3\xa9"_ba << u"Thé"_s;
        QTest::newRow("Windows-1252") << "Th\xe9\x80"_ba << u"Thé€"_s;
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(LabelListText::decode(bytes), text);
    }

    void pagesOfAList_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("pages");
        QTest::newRow("14 from position 8: 8-10, 1-10, 1") << 14 << 8 << 3;
        QTest::newRow("a sheet exactly") << 10 << 1 << 1;
        QTest::newRow("one past a sheet") << 11 << 1 << 2;
    }

    void pagesOfAList()
    {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(int, pages);
        PrintRequest request;
        request.run.mode = PrintMode::List;
        request.run.startPosition = start;
        request.list = std::get<LabelList>(LabelListText::read(numberedTitles(count)));
        QCOMPARE(LabelPrinting::pageCount(request), pages);
        const QString pdf = m_dir.filePath(u"liste.pdf"_s);
        const PrintOutcome outcome =
            LabelOutput::writePdf(pdf, request, *LabelArtwork::of(LabelDocument::blank()));
        QCOMPARE(outcome.result, PrintResult::Printed);
        checkListPages(pdf, count, start, pages);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLabelList)
#include "tst_labellist.moc"

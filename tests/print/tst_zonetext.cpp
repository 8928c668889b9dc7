// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingPaintDevice.h"
#include "RecordingSurface.h"

#include "label/ZoneLines.h"
#include "platform/LabelFonts.h"
#include "print/LabelPrinting.h"
#include "print/LineBreaks.h"
#include "print/PainterSurface.h"
#include "print/SheetGeometry.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

// Zone text on the page: a line that would reach the neighbouring label is broken at its
// blanks, what falls below the label is cut at its edge, and ordinary lines are drawn exactly
// as before; a crafted label of huge lines prints as fast as a plain one.

namespace {

constexpr double DotsPerMm = 1200 / 25.4;
const QPointF LabelOrigin(90, 58);

struct Printed
{
    qint64 characters = 0;
    QList<CountingPaintDevice::TextRun> texts;
    QList<qreal> widths; // of each run, in device units
    qreal ascent = 0;
};

// Prints one label whose zone 1 holds text, the other zones empty, on a counting page.
Printed printZone1(const QString &text, float pointSize, int alignment)
{
    PrintRequest request;
    LabelDocument document = LabelDocument::startUp();
    ZoneStyle &style = document.zones[ZoneId::First].style;
    document.zones[ZoneId::First].text = text;
    style.pointSize = pointSize;
    style.alignment = ZoneAlignment(alignment);
    document.zones[ZoneId::Second].text.clear();
    document.zones[ZoneId::Third].text.clear();
    const std::optional<LabelArtwork> artwork = LabelArtwork::of(document);
    if (!artwork)
        return {};
    request.run.mode = PrintMode::SingleLabel;
    request.run.labelOrigin = LabelOrigin;

    CountingPaintDevice page;
    QPainter painter(&page);
    PainterSurface surface(painter, DotsPerMm, QPointF());
    LabelPrinting::drawPrintPage(surface, request, *artwork);
    painter.end();
    QFont font = LabelFonts::font(style.fontFamily, pointSize, style.bold, style.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font, &page);
    Printed printed{page.characters, {}, {}, metrics.ascent()};
    for (const CountingPaintDevice::TextRun &run : page.texts) {
        if (!run.text.isEmpty()) {
            printed.texts.append(run);
            printed.widths.append(metrics.horizontalAdvance(run.text));
        }
    }
    return printed;
}

QRectF labelOnDevice()
{
    return QRectF(LabelOrigin * DotsPerMm, QSizeF(SheetGeometry::LabelWidth * DotsPerMm,
                                                  SheetGeometry::LabelHeight * DotsPerMm));
}

// Every run lies between the label's left and right edges and starts above its bottom edge,
// where the page cuts it.
bool withinTheLabel(const Printed &printed)
{
    const QRectF label = labelOnDevice().adjusted(-0.5, -0.5, 0.5, 0.5);
    for (qsizetype k = 0; k < printed.texts.size(); ++k) {
        const QPointF at = printed.texts[k].position;
        if (at.x() < label.left() || at.x() + printed.widths[k] > label.right() ||
            at.y() - printed.ascent >= label.bottom())
            return false;
    }
    return true;
}

// Counts characters as widths: a room of 5 holds five characters.
double characterCount(const QString &text)
{
    return double(text.size());
}

} // namespace

class ZoneTextTest : public QObject
{
    Q_OBJECT

private slots:
    void textStaysOnItsLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("pointSize");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<qint64>("minCharacters");
        QTest::addColumn<qint64>("maxCharacters");
        const QString huge = QStringList(15, QString(60000, u'W')).join(u"\r\n"_s);
        // At 2048 points even the first line begins below the label.
        QTest::newRow("15 lines of 60000 at 2048 pt")
            << huge << 2048.0f << int(ZoneAlignment::Centre) << 0LL << 0LL;
        // A label holds about 25 capital Ws of 8 points a line and some 15 lines: the first
        // line fills the label, the others fall below it.
        QTest::newRow("15 lines of 60000 at 8 pt, centred")
            << huge << 8.0f << int(ZoneAlignment::Centre) << 10 * 20LL << 16 * 30LL;
        QTest::newRow("15 lines of 60000 at 8 pt, right")
            << huge << 8.0f << int(ZoneAlignment::Right) << 10 * 20LL << 16 * 30LL;
        QTest::newRow("600 characters at 30 pt, left")
            << QString(600, u'x') << 30.0f << int(ZoneAlignment::Left) << 5LL << 100LL;
        // Lines that fit are drawn whole.
        QTest::newRow("three plain lines") << u"Sauvegarde\r\nComptabilité 2026\r\nDisquette 1"_s
                                           << 12.0f << int(ZoneAlignment::Left) << 38LL << 38LL;
        QTest::newRow("plain line wider than the label, cut at its bottom")
            << QString(200, u'M') << 12.0f << int(ZoneAlignment::Left) << 60LL << 199LL;
        QTest::newRow("fifteen lines, cut at the bottom")
            << QStringList(15, u"Disque"_s).join(u"\r\n"_s) << 12.0f << int(ZoneAlignment::Left)
            << 6 * 6LL << 14 * 6LL;
    }

    void textStaysOnItsLabel()
    {
        QFETCH(QString, text);
        QFETCH(float, pointSize);
        QFETCH(int, alignment);
        QFETCH(qint64, minCharacters);
        QFETCH(qint64, maxCharacters);
        const Printed printed = printZone1(text, pointSize, alignment);
        QVERIFY2(printed.characters >= minCharacters && printed.characters <= maxCharacters,
                 qPrintable(QString::number(printed.characters) + u" characters"_s));
        QVERIFY(withinTheLabel(printed));
        const QRectF label = labelOnDevice();
        for (const CountingPaintDevice::TextRun &run : printed.texts)
            QVERIFY(run.position.y() > label.top() && run.position.x() < label.right());
    }

    void longLineBreaksAtWords_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(ZoneAlignment::Left);
        QTest::newRow("right") << int(ZoneAlignment::Right);
        QTest::newRow("centre") << int(ZoneAlignment::Centre);
    }

    // A long title in bold 12 points: broken into lines that keep the words whole and in
    // order, each on the label, the first where a short line starts.
    void longLineBreaksAtWords()
    {
        QFETCH(int, alignment);
        const QString title = u"Sauvegarde complète de la comptabilité de l'année 2026"_s;
        const Printed printed = printZone1(title, 12, alignment);
        QVERIFY(printed.texts.size() >= 2);
        QVERIFY(withinTheLabel(printed));
        QStringList lines;
        for (const CountingPaintDevice::TextRun &run : printed.texts)
            lines.append(run.text);
        QCOMPARE(lines.join(u' '), title);
        if (alignment == int(ZoneAlignment::Left)) {
            const Printed shortLine = printZone1(u"Sauvegarde"_s, 12, alignment);
            QCOMPARE(printed.texts.first().position, shortLine.texts.first().position);
        }
    }

    void firstLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("room");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("rest");
        QTest::newRow("fits whole") << u"un deux"_s << 7.0 << u"un deux"_s << QString();
        QTest::newRow("at the last blank that fits")
            << u"un deux trois"_s << 10.0 << u"un deux"_s << u"trois"_s;
        QTest::newRow("blanks dropped at the break")
            << u"un   deux"_s << 4.0 << u"un"_s << u"deux"_s;
        QTest::newRow("blank just after the room") << u"un deux"_s << 2.0 << u"un"_s << u"deux"_s;
        QTest::newRow("word wider than the room, between characters")
            << u"anticonstitutionnellement"_s << 10.0 << u"anticonsti"_s << u"tutionnellement"_s;
        QTest::newRow("room for no character, one still taken")
            << u"abc"_s << 0.5 << u"a"_s << u"bc"_s;
        QTest::newRow("a million characters")
            << QString(1000000, u'x') << 40.0 << QString(40, u'x') << QString(999960, u'x');
    }

    void firstLine()
    {
        QFETCH(QString, text);
        QFETCH(double, room);
        const LineBreaks::Split split = LineBreaks::firstLine(text, room, characterCount);
        QTEST(split.line, "line");
        QTEST(split.rest, "rest");
    }

    void textAreaIsTheLabel()
    {
        PrintRequest request;
        const std::optional<LabelArtwork> artwork = LabelArtwork::of(LabelDocument::startUp());
        QVERIFY(artwork);
        request.run.mode = PrintMode::SingleLabel;
        request.run.labelOrigin = LabelOrigin;
        RecordingSurface surface;
        QVERIFY(LabelPrinting::drawPrintPage(surface, request, *artwork).ended);
        QCOMPARE(surface.textArea, QRectF(LabelOrigin, QSizeF(SheetGeometry::LabelWidth,
                                                              SheetGeometry::LabelHeight)));
    }
};

QTEST_MAIN(ZoneTextTest)
#include "tst_zonetext.moc"

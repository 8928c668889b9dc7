// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingPaintDevice.h"
#include "RecordingSurface.h"

#include "label/ZoneLines.h"
#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/SheetGeometry.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

// Zone text on the page: a line longer than any label shows is laid out only where it
// reaches the label, so a crafted label of huge lines prints as fast as a plain one, while
// ordinary lines are drawn whole and exactly as before.

namespace {

constexpr double DotsPerMm = 1200 / 25.4;
const QPointF LabelOrigin(90, 58);

struct Printed
{
    qint64 characters = 0;
    QList<CountingPaintDevice::TextRun> texts;
};

// Prints one label whose zone 1 holds text, the other zones empty, on a counting page.
Printed printZone1(const QString &text, float pointSize, int alignment)
{
    PrintRequest request;
    LabelDocument document = LabelDocument::startUp();
    document.zones[ZoneId::First].text = text;
    document.zones[ZoneId::First].style.pointSize = pointSize;
    document.zones[ZoneId::First].style.alignment = ZoneAlignment(alignment);
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
    Printed printed{page.characters, {}};
    for (const CountingPaintDevice::TextRun &run : page.texts) {
        if (!run.text.isEmpty())
            printed.texts.append(run);
    }
    return printed;
}

QRectF labelOnDevice()
{
    return QRectF(LabelOrigin * DotsPerMm, QSizeF(SheetGeometry::LabelWidth * DotsPerMm,
                                                  SheetGeometry::LabelHeight * DotsPerMm));
}

} // namespace

class ZoneTextTest : public QObject
{
    Q_OBJECT

private slots:
    void textOutsideTheLabelIsNotLaidOut_data()
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
        // A 70 mm label holds about 30 capital Ws of 8 points a line; a few more overhang it.
        QTest::newRow("15 lines of 60000 at 8 pt, centred")
            << huge << 8.0f << int(ZoneAlignment::Centre) << 15 * 20LL << 15 * 60LL;
        QTest::newRow("15 lines of 60000 at 8 pt, right")
            << huge << 8.0f << int(ZoneAlignment::Right) << 15 * 20LL << 15 * 60LL;
        QTest::newRow("600 characters at 30 pt, left")
            << QString(600, u'x') << 30.0f << int(ZoneAlignment::Left) << 5LL << 40LL;
        // Ordinary lines are drawn whole, even where they overflow the label.
        QTest::newRow("three plain lines") << u"Sauvegarde\r\nComptabilité 2026\r\nDisquette 1"_s
                                           << 12.0f << int(ZoneAlignment::Left) << 38LL << 38LL;
        QTest::newRow("plain line wider than the label")
            << QString(200, u'M') << 12.0f << int(ZoneAlignment::Left) << 200LL << 200LL;
    }

    void textOutsideTheLabelIsNotLaidOut()
    {
        QFETCH(QString, text);
        QFETCH(float, pointSize);
        QFETCH(int, alignment);
        QFETCH(qint64, minCharacters);
        QFETCH(qint64, maxCharacters);
        const Printed printed = printZone1(text, pointSize, alignment);
        QVERIFY2(printed.characters >= minCharacters && printed.characters <= maxCharacters,
                 qPrintable(QString::number(printed.characters) + u" characters"_s));
        const QRectF label = labelOnDevice();
        for (const CountingPaintDevice::TextRun &run : printed.texts)
            QVERIFY(run.position.y() > label.top() && run.position.x() < label.right());
    }

    void longLineShowsTheRightEnd_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("showsStart");
        QTest::addColumn<bool>("showsEnd");
        QTest::newRow("left") << int(ZoneAlignment::Left) << true << false;
        QTest::newRow("right") << int(ZoneAlignment::Right) << false << true;
        QTest::newRow("centre") << int(ZoneAlignment::Centre) << false << false;
    }

    void longLineShowsTheRightEnd()
    {
        QFETCH(int, alignment);
        QFETCH(bool, showsStart);
        QFETCH(bool, showsEnd);
        const QString line = u"Début"_s + QString(3000, u'o') + u"Fin"_s;
        const Printed printed = printZone1(line, 10, alignment);
        QCOMPARE(printed.texts.size(), 1);
        const CountingPaintDevice::TextRun &run = printed.texts.first();
        QCOMPARE(run.text.startsWith(u"Début"_s), showsStart);
        QCOMPARE(run.text.endsWith(u"Fin"_s), showsEnd);
        // Where the line starts or ends in the label, it is drawn there, as a short line is.
        if (showsStart) {
            const Printed shortLine = printZone1(u"Début"_s, 10, alignment);
            QCOMPARE(run.position.x(), shortLine.texts.first().position.x());
        }
        // Cut at the other end, it starts within a glyph or two of the label's edge.
        const qreal twoEms = 2 * 10 / 72.0 * 1200;
        if (showsEnd)
            QVERIFY(qAbs(run.position.x() - labelOnDevice().left()) < twoEms);
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

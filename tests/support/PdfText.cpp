// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfText.h"

#include <QProcess>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

double number(const QXmlStreamAttributes &attributes, const char *name)
{
    return attributes.value(QLatin1String(name)).toDouble();
}

} // namespace

QList<PdfTextPage> readPdfText(const QString &pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdfPath, u"-"_s});
    if (!pdftotext.waitForFinished(10000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        return {};

    QList<PdfTextPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == "page"_L1) {
            pages.append({QSizeF(number(attributes, "width"), number(attributes, "height")), {}});
        } else if (xml.name() == "word"_L1 && !pages.isEmpty()) {
            const QRectF box(QPointF(number(attributes, "xMin"), number(attributes, "yMin")),
                             QPointF(number(attributes, "xMax"), number(attributes, "yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    return xml.hasError() ? QList<PdfTextPage>() : pages;
}

PdfWord findWord(const PdfTextPage &page, const QString &text)
{
    for (const PdfWord &word : page.words) {
        if (word.text == text)
            return word;
    }
    return {};
}

QStringList readPdfFonts(const QString &pdfPath)
{
    QProcess pdffonts;
    pdffonts.start(u"pdffonts"_s, {pdfPath});
    if (!pdffonts.waitForFinished(10000) || pdffonts.exitStatus() != QProcess::NormalExit ||
        pdffonts.exitCode() != 0)
        return {};
    // Two heading lines, then one font a line, its name first.
    const QStringList lines = QString::fromUtf8(pdffonts.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList fonts;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString name = lines[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        fonts.append(name.section(QLatin1Char('+'), -1));
    }
    return fonts;
}

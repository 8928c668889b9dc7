#include "PdfText.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

double number(const QXmlStreamAttributes &attributes, const char *name)
{
    return attributes.value(QLatin1String(name)).toDouble();
}

} // namespace

QList<PdfTextPage> readPdfText(const QString &pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(10000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        return {};

    QList<PdfTextPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number(attributes, "width"), number(attributes, "height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
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

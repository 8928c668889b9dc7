// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureSvgFilter.h"

#include "platform/PictureRasterReader.h"

#include <QBuffer>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <zlib.h>

namespace {

using namespace PictureSvgFilter;

bool isCompressed(const QByteArray &bytes)
{
    return bytes.startsWith("\x1F\x8B");
}

// A compressed document inflated, or nothing when it is damaged or would exceed the bound.
std::optional<QByteArray> inflated(const QByteArray &compressed)
{
    z_stream stream{};
    // 16 + the largest window: a gzip wrapper, as compressed SVG files have.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray document(MaxDocumentBytes + 1, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    stream.next_out = reinterpret_cast<Bytef *>(document.data());
    stream.avail_out = uInt(document.size());
    const int status = inflate(&stream, Z_FINISH);
    const qsizetype length = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END || length > MaxDocumentBytes)
        return std::nullopt;
    document.truncate(length);
    return document;
}

bool isHref(QStringView qualifiedName)
{
    return qualifiedName == u"href" || qualifiedName.endsWith(u":href");
}

// The picture an <image> element embeds, decoded as Qt does it: base64 after the last marker.
std::optional<QByteArray> embeddedPicture(const QXmlStreamAttributes &attributes)
{
    std::optional<QByteArray> picture;
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!isHref(attribute.qualifiedName()))
            continue;
        const QStringView reference = attribute.value().trimmed();
        const qsizetype marker = reference.lastIndexOf(u"base64,");
        if (!reference.startsWith(u"data:") || marker < 0)
            return std::nullopt;
        picture = QByteArray::fromBase64(reference.mid(marker + 7).toLatin1());
    }
    return picture;
}

// The formats that web pages and drawing programs embed. Not SVG: Qt would read an embedded
// document without this filter. Nor icons, whose entries Qt decodes whole whatever their
// directory says.
const QList<QByteArray> EmbeddedFormats = {"png", "jpeg", "gif", "bmp"};

// Qt decodes embedded pictures whole when it reads the document, and keeps them all; they
// share the pixels of one large picture.
bool embedsDrawablePicture(const QXmlStreamAttributes &attributes, qint64 &pixelBudget)
{
    const std::optional<QByteArray> picture = embeddedPicture(attributes);
    if (!picture || !PictureRasterReader::decodingBounded(*picture))
        return false;
    QBuffer buffer;
    buffer.setData(*picture);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Known by its first bytes, before Qt's SVG reader would read it for its size.
    if (!reader.canRead() || !EmbeddedFormats.contains(reader.format()))
        return false;
    const QSize size = reader.size();
    if (!size.isValid())
        return false;
    pixelBudget -= qint64(size.width()) * size.height();
    return pixelBudget >= 0;
}

// Qt knows elements by their local name, whatever their prefix.
QStringView localName(QStringView qualifiedName)
{
    return qualifiedName.mid(qualifiedName.indexOf(u':') + 1);
}

bool isImage(QStringView qualifiedName)
{
    return localName(qualifiedName) == u"image";
}

// The elements whose characters Qt lays out; others (metadata, an editor's private data,
// style sheets) only pass through its reader.
bool laysOutText(QStringView qualifiedName)
{
    const QStringView name = localName(qualifiedName);
    return name == u"text" || name == u"tspan" || name == u"textArea";
}

bool holdsPathData(QStringView qualifiedName)
{
    return qualifiedName == u"d" || qualifiedName == u"points";
}

class Rewriter
{
public:
    explicit Rewriter(const QByteArray &document) : m_reader(document), m_writer(&m_rewritten)
    {
        // Names are copied as written, prefixes included: Qt looks attributes up that way.
        m_reader.setNamespaceProcessing(false);
    }

    std::optional<QByteArray> rewrite()
    {
        while (!m_reader.atEnd()) {
            if (!take(m_reader.readNext()))
                return std::nullopt;
        }
        if (m_reader.hasError())
            return std::nullopt;
        return m_rewritten;
    }

private:
    bool take(QXmlStreamReader::TokenType token)
    {
        switch (token) {
        case QXmlStreamReader::StartElement:
            return startElement();
        case QXmlStreamReader::EndElement:
            if (m_droppedDepth > 0) {
                --m_droppedDepth;
                return true;
            }
            if (laysOutText(m_reader.qualifiedName()))
                --m_textDepth;
            m_writer.writeEndElement();
            return true;
        case QXmlStreamReader::Characters:
            return characters();
        default:
            // Document type, processing instructions, comments, unresolved entities: nothing
            // that Qt draws, and the first two may name files.
            return true;
        }
    }

    bool startElement()
    {
        if (++m_elements > MaxElements)
            return false;
        if (m_droppedDepth > 0) {
            ++m_droppedDepth;
            return true;
        }
        const QXmlStreamAttributes attributes = m_reader.attributes();
        if (isImage(m_reader.qualifiedName()) &&
            !embedsDrawablePicture(attributes, m_pixelBudget)) {
            m_droppedDepth = 1;
            return true;
        }
        if (laysOutText(m_reader.qualifiedName()))
            ++m_textDepth;
        m_writer.writeStartElement(m_reader.qualifiedName().toString());
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (holdsPathData(attribute.qualifiedName())) {
                m_pathData += attribute.value().size();
                if (m_pathData > MaxPathDataCharacters)
                    return false;
            }
            m_writer.writeAttribute(attribute.qualifiedName().toString(),
                                    attribute.value().toString());
        }
        return true;
    }

    bool characters()
    {
        if (m_droppedDepth > 0)
            return true;
        // Layout is what costs.
        if (m_textDepth > 0) {
            m_text += m_reader.text().size();
            if (m_text > MaxTextCharacters)
                return false;
        }
        if (m_reader.isCDATA())
            m_writer.writeCDATA(m_reader.text().toString());
        else
            m_writer.writeCharacters(m_reader.text().toString());
        return true;
    }

    QXmlStreamReader m_reader;
    QByteArray m_rewritten;
    QXmlStreamWriter m_writer;
    int m_elements = 0;
    int m_droppedDepth = 0;
    int m_textDepth = 0;
    qsizetype m_pathData = 0;
    qsizetype m_text = 0;
    qint64 m_pixelBudget = PictureRasterReader::MaxPixels;
};

} // namespace

namespace PictureSvgFilter {

std::optional<QByteArray> selfContained(const QByteArray &document)
{
    const std::optional<QByteArray> plain =
        isCompressed(document) ? inflated(document) : std::optional<QByteArray>(document);
    if (!plain || plain->size() > MaxDocumentBytes || isCompressed(*plain))
        return std::nullopt;
    return Rewriter(*plain).rewrite();
}

} // namespace PictureSvgFilter

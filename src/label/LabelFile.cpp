// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelFile.h"

#include "files/SmallFile.h"
#include "label/Cp1252.h"
#include "label/NumberText.h"
#include "label/SequentialReader.h"
#include "label/Trim.h"

#include <QStringList>

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The picture's entry when the label has none.
const QString NoPicture = QStringLiteral("AUCUN");

QString header(const char *name, ZoneId zone)
{
    return QStringLiteral("[%1 %2]").arg(QLatin1String(name)).arg(zoneNumber(zone));
}

QString fontHeader(ZoneId zone)
{
    return header("Police", zone);
}

QString truthWord(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A line of the text between the first and the last that the reader would take for
// the zone's [Police n] header and end the text there.
bool holdsFontHeaderLine(const QString &text, ZoneId zone)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size() - 1; ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line == fontHeader(zone))
            return true;
    }
    return false;
}

// Only LF ends a line for the reader: a CR inside a font name or a path reads back as
// written, so a file that opened with one saves again.
bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n'));
}

bool fitsCodePage(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), Cp1252::canEncode);
}

QString zoneTextName(ZoneId zone)
{
    return QCoreApplication::translate("LabelFile", "Le texte de la zone %1").arg(zoneNumber(zone));
}

QString fontNameName(ZoneId zone)
{
    return QCoreApplication::translate("LabelFile", "Le nom de police de la zone %1")
        .arg(zoneNumber(zone));
}

QString lineBreakReason(const QString &what)
{
    return QCoreApplication::translate("LabelFile", "%1 contient un saut de ligne.").arg(what);
}

QString codePageReason(const QString &what)
{
    return QCoreApplication::translate("LabelFile",
                                       "%1 contient un caractère que le fichier ne peut pas coder.")
        .arg(what);
}

QString fontHeaderReason(ZoneId zone)
{
    return QCoreApplication::translate(
               "LabelFile", "%1 contient la ligne « %2 », que le fichier réserve à sa police.")
        .arg(zoneTextName(zone), fontHeader(zone));
}

// Sizes and colours a zone display can take.
bool isValidFontSize(double size)
{
    return size >= 1 && size <= 2048;
}

bool isValidColor(double value)
{
    const bool rgb = value >= 0 && value <= 0xFFFFFF;
    const bool systemColor = value >= -2147483648.0 && value <= -2147483648.0 + 30;
    return rgb || systemColor;
}

// The zone text between its quotes: the lines up to the zone's own [Police n] header,
// less the opening quote and the closing quote with its line end.
std::optional<QString> readZoneText(SequentialReader &reader, ZoneId zone)
{
    QString buffer;
    for (;;) {
        const std::optional<QString> line = reader.line();
        if (!line)
            return std::nullopt;
        if (*line == fontHeader(zone))
            break;
        buffer += *line + CrLf;
    }
    if (buffer.isEmpty())
        return std::nullopt;
    buffer.remove(0, 1);
    if (buffer.size() < 3)
        return std::nullopt;
    buffer.chop(3);
    // An empty first line leaves the LF of its line end behind once the opening quote's
    // place is taken off; as a CR LF again, the text saves and reads back unchanged.
    if (buffer.startsWith(QLatin1Char('\n')))
        buffer.prepend(QLatin1Char('\r'));
    return trimSpaces(buffer);
}

bool readZone(SequentialReader &reader, ZoneId zone, TextZone &z)
{
    if (!reader.item())
        return false;
    const std::optional<QString> caption = readZoneText(reader, zone);
    const std::optional<QString> fontName = caption ? reader.wholeLine() : std::nullopt;
    const std::optional<double> size = fontName ? reader.number() : std::nullopt;
    if (!size || !isValidFontSize(*size))
        return false;
    const std::optional<bool> bold = reader.truth(QLatin1String("True"), QLatin1String("False"));
    const std::optional<bool> italic =
        bold ? reader.truth(QLatin1String("True"), QLatin1String("False")) : std::nullopt;
    if (!italic || !reader.item())
        return false;
    const std::optional<double> color = reader.wholeNumber();
    if (!color || !isValidColor(*color) || !reader.item())
        return false;
    const std::optional<double> alignment = reader.wholeNumber();
    if (!alignment || *alignment < 0 || *alignment > 2)
        return false;

    z.text = *caption;
    z.style.fontFamily = *fontName;
    z.style.pointSize = float(*size);
    z.style.bold = *bold;
    z.style.italic = *italic;
    z.style.color = ColorValue(qint64(*color));
    z.style.alignment = ZoneAlignment(int(*alignment));
    return true;
}

// The picture's entry in the file: its path, or "AUCUN".
QString pictureEntry(const LabelPicture &picture)
{
    return picture.isNone() ? NoPicture : picture.path;
}

} // namespace

namespace LabelFile {

QString refusalReason(const LabelDocument &document)
{
    for (ZoneId zone : AllZones) {
        const TextZone &z = document.zones[zone];
        const QString caption = trimSpaces(z.text);
        if (!fitsCodePage(caption))
            return codePageReason(zoneTextName(zone));
        if (holdsFontHeaderLine(caption, zone))
            return fontHeaderReason(zone);
        if (hasLineBreak(z.style.fontFamily))
            return lineBreakReason(fontNameName(zone));
        if (!fitsCodePage(z.style.fontFamily))
            return codePageReason(fontNameName(zone));
    }
    const QString iconPathName = QCoreApplication::translate("LabelFile", "Le chemin de l'image");
    const QString &picturePath = document.picture.path;
    if (hasLineBreak(picturePath))
        return lineBreakReason(iconPathName);
    if (!fitsCodePage(picturePath))
        return codePageReason(iconPathName);
    return QString();
}

std::optional<QByteArray> encode(const LabelDocument &document)
{
    if (!refusalReason(document).isEmpty())
        return std::nullopt;
    QString text;
    for (ZoneId zone : AllZones) {
        const TextZone &z = document.zones[zone];
        const ZoneStyle &style = z.style;
        const QString caption = trimSpaces(z.text);
        text += header("Titre", zone) + CrLf;
        text += QLatin1Char('"') + caption + QLatin1Char('"') + CrLf;
        text += fontHeader(zone) + CrLf;
        text += style.fontFamily + CrLf;
        text += NumberText::signedForm(style.pointSize) + CrLf;
        text += truthWord(style.bold) + CrLf;
        text += truthWord(style.italic) + CrLf;
        text += header("Couleur", zone) + CrLf;
        text += NumberText::signedForm(double(style.color)) + QLatin1Char(' ') + CrLf;
        text += header("Alignement", zone) + CrLf;
        text += NumberText::signedForm(double(int(style.alignment))) + QLatin1Char(' ') + CrLf;
    }
    text += QStringLiteral("[Icone]") + CrLf + pictureEntry(document.picture) + CrLf;
    return Cp1252::encode(text);
}

std::optional<LabelDocument> decode(const QByteArray &bytes)
{
    SequentialReader reader(Cp1252::decode(bytes));
    LabelDocument document;
    for (ZoneId zone : AllZones) {
        if (!readZone(reader, zone, document.zones[zone]))
            return std::nullopt;
    }
    if (!reader.item())
        return std::nullopt;
    const std::optional<QString> icon = reader.wholeLine();
    if (!icon)
        return std::nullopt;
    if (*icon != NoPicture)
        document.picture.path = *icon;
    return document;
}

SaveResult save(const QString &path, const LabelDocument &document)
{
    const QString refusal = refusalReason(document);
    if (!refusal.isEmpty())
        return {false, refusal};
    const std::optional<QByteArray> bytes = encode(document);
    if (!bytes)
        return {};
    const SmallFile::WriteResult written = SmallFile::write(path, *bytes);
    if (!written)
        return {false, written.reason};
    return {true, QString()};
}

std::optional<LabelDocument> read(const QString &path)
{
    const std::optional<QByteArray> bytes = SmallFile::read(path);
    return bytes ? decode(*bytes) : std::nullopt;
}

QString saveErrorMessage()
{
    return QCoreApplication::translate("LabelFile", "Erreur lors de la sauvegarde du fichier !");
}
QString saveErrorPrompt(const QString &refusal)
{
    // A lone CR breaks the line, as in the program's other messages.
    return refusal.isEmpty() ? saveErrorMessage()
                             : saveErrorMessage() + QLatin1Char('\r') + refusal;
}
QString saveErrorTitle()
{
    return QCoreApplication::translate("LabelFile", "erreur");
}
QString openErrorMessage()
{
    return QCoreApplication::translate("LabelFile", "Erreur d'ouverture du fichier");
}

QString iconNotFoundMessage(const QString &iconFile)
{
    return QCoreApplication::translate("LabelFile", "Fichier icone %1 non trouvé !").arg(iconFile);
}

} // namespace LabelFile

#include "label/LabelFile.h"

#include "label/Cp1252.h"
#include "label/NumberText.h"
#include "label/SmallFile.h"
#include "label/Trim.h"

#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString header(const char *name, int zone)
{
    return QStringLiteral("[%1 %2]").arg(QLatin1String(name)).arg(zone);
}

QString fontHeader(int zone) { return header("Police", zone); }

QString truthWord(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// A line of the text between the first and the last that the reader would take for
// the zone's [Police n] header and end the text there.
bool holdsFontHeaderLine(const QString &text, int zone)
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

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Sizes and colours a zone display can take.
bool isValidFontSize(double size) { return size >= 1 && size <= 2048; }

bool isValidColor(double value)
{
    const bool rgb = value >= 0 && value <= 0xFFFFFF;
    const bool systemColor = value >= -2147483648.0 && value <= -2147483648.0 + 30;
    return rgb || systemColor;
}

// Sequential reading of the file's text, the way the program has always read it.
class Reader
{
public:
    explicit Reader(QString text) : m_text(std::move(text)) {}

    std::optional<QString> line()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        const int end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        QString result = m_text.mid(m_pos, (end < 0 ? m_text.size() : end) - m_pos);
        m_pos = end < 0 ? m_text.size() : end + 1;
        if (result.endsWith(QLatin1Char('\r')))
            result.chop(1);
        return result;
    }

    // A line with the blanks around it removed.
    std::optional<QString> wholeLine()
    {
        std::optional<QString> text = line();
        if (text) {
            while (!text->isEmpty() && isBlank(text->front()))
                text->remove(0, 1);
            while (!text->isEmpty() && isBlank(text->back()))
                text->chop(1);
        }
        return text;
    }

    // An item: a quoted text, or the text up to the next comma or line end.
    std::optional<QString> item()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        QString result;
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
            const int close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
            if (close < 0)
                return std::nullopt;
            result = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
                ++m_pos;
        } else {
            const int start = m_pos;
            while (m_pos < m_text.size() && !isItemEnd(m_text[m_pos]))
                ++m_pos;
            result = m_text.mid(start, m_pos - start);
            while (!result.isEmpty() && isBlank(result.back()))
                result.chop(1);
        }
        skipItemEnd();
        return result;
    }

    std::optional<double> number()
    {
        const std::optional<QString> text = item();
        return text ? NumberText::exactNumber(*text) : std::nullopt;
    }

    std::optional<double> wholeNumber()
    {
        const std::optional<double> value = number();
        if (!value || std::trunc(*value) != *value)
            return std::nullopt;
        return value;
    }

    std::optional<bool> truth()
    {
        const std::optional<QString> text = item();
        if (!text)
            return std::nullopt;
        if (text->compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text->compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        const std::optional<double> value = NumberText::exactNumber(*text);
        if (!value)
            return std::nullopt;
        return *value != 0;
    }

private:
    static bool isItemEnd(QChar c)
    {
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }

    void skipItemEnd()
    {
        if (m_pos >= m_text.size())
            return;
        if (m_text[m_pos] == QLatin1Char(',')) {
            ++m_pos;
            return;
        }
        if (m_text[m_pos] == QLatin1Char('\r'))
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }

    QString m_text;
    int m_pos = 0;
};

// The zone text between its quotes: the lines up to the zone's own [Police n] header,
// less the opening quote and the closing quote with its line end.
std::optional<QString> readZoneText(Reader &reader, int zone)
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
    return trimSpaces(buffer);
}

bool readZone(Reader &reader, int zone, TextZone &z)
{
    if (!reader.item())
        return false;
    const std::optional<QString> caption = readZoneText(reader, zone);
    const std::optional<QString> fontName = caption ? reader.wholeLine() : std::nullopt;
    const std::optional<double> size = fontName ? reader.number() : std::nullopt;
    if (!size || !isValidFontSize(*size))
        return false;
    const std::optional<bool> bold = reader.truth();
    const std::optional<bool> italic = bold ? reader.truth() : std::nullopt;
    if (!italic || !reader.item())
        return false;
    const std::optional<double> color = reader.wholeNumber();
    if (!color || !isValidColor(*color) || !reader.item())
        return false;
    const std::optional<double> alignment = reader.wholeNumber();
    if (!alignment || *alignment < 0 || *alignment > 2)
        return false;

    z.Caption = *caption;
    z.FontName = *fontName;
    z.FontSize = float(*size);
    z.FontBold = *bold;
    z.FontItalic = *italic;
    z.ForeColor = ColorValue(qint64(*color));
    z.Alignment = qint16(*alignment);
    return true;
}

} // namespace

namespace LabelFile {

std::optional<QByteArray> encode(const Zones &zones, const QString &iconFile)
{
    if (hasLineBreak(iconFile))
        return std::nullopt;
    QString text;
    for (int zone = 1; zone <= 3; ++zone) {
        const TextZone &z = zones[zone - 1];
        const QString caption = trimSpaces(z.Caption);
        if (hasLineBreak(z.FontName) || holdsFontHeaderLine(caption, zone))
            return std::nullopt;
        text += header("Titre", zone) + CrLf;
        text += QLatin1Char('"') + caption + QLatin1Char('"') + CrLf;
        text += fontHeader(zone) + CrLf;
        text += z.FontName + CrLf;
        text += NumberText::signedForm(z.FontSize) + CrLf;
        text += truthWord(z.FontBold) + CrLf;
        text += truthWord(z.FontItalic) + CrLf;
        text += header("Couleur", zone) + CrLf;
        text += NumberText::signedForm(double(z.ForeColor)) + QLatin1Char(' ') + CrLf;
        text += header("Alignement", zone) + CrLf;
        text += NumberText::signedForm(double(z.Alignment)) + QLatin1Char(' ') + CrLf;
    }
    text += QStringLiteral("[Icone]") + CrLf + iconFile + CrLf;
    return Cp1252::encode(text);
}

std::optional<Content> decode(const QByteArray &bytes, const Zones &current)
{
    Reader reader(Cp1252::decode(bytes));
    Content content{current, QString()};
    for (int zone = 1; zone <= 3; ++zone) {
        if (!readZone(reader, zone, content.zones[zone - 1]))
            return std::nullopt;
    }
    if (!reader.item())
        return std::nullopt;
    const std::optional<QString> icon = reader.wholeLine();
    if (!icon)
        return std::nullopt;
    content.iconEntry = *icon;
    return content;
}

bool save(const QString &path, const Zones &zones, Module1 &state)
{
    if (state.IconFile.isEmpty())
        state.IconFile = QLatin1String(NoIcon);
    const std::optional<QByteArray> bytes = encode(zones, state.IconFile);
    if (!bytes || !SmallFile::write(path, *bytes))
        return false;
    state.Modified = false;
    return true;
}

std::optional<Content> read(const QString &path, const Zones &current)
{
    const std::optional<QByteArray> bytes = SmallFile::read(path);
    return bytes ? decode(*bytes, current) : std::nullopt;
}

QString saveErrorMessage() { return QStringLiteral("Erreur lors de la sauvegarde du fichier !"); }
QString saveErrorTitle() { return QStringLiteral("erreur"); }
QString openErrorMessage() { return QStringLiteral("Erreur d'ouverture du fichier"); }

QString iconNotFoundMessage(const QString &iconFile)
{
    return QStringLiteral("Fichier icone ") + iconFile + QStringLiteral(" non trouvé !");
}

} // namespace LabelFile

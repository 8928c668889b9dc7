#pragma once

#include "label/Module1.h"
#include "label/TextZone.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The label file (*.eti): for each zone a block of [Titre n], the quoted text, [Police n],
// font name, size, bold, italic, [Couleur n], colour, [Alignement n], alignment; then
// [Icone] and the picture's path or "AUCUN". Windows-1252, every line ended by CR LF.
namespace LabelFile {

using Zones = LabelZones;

inline constexpr char NoIcon[] = "AUCUN";

struct Content
{
    Zones zones;
    QString iconEntry; // the picture's path, or "AUCUN"
};

// The file's bytes, or nothing when the document cannot be written faithfully: a
// character outside Windows-1252, a line feed in the font name or picture path, or a
// text line that the reader would take for its zone's [Police n] header.
std::optional<QByteArray> encode(const Zones &zones, const QString &iconFile);

// The document the bytes describe, or nothing when they do not read as a label file.
// Strikethrough and underline are not stored: they are taken from current.
std::optional<Content> decode(const QByteArray &bytes, const Zones &current);

// What the main window's Save does besides the message: an empty icon entry becomes
// "AUCUN", the file is replaced only once fully written, and Modified is cleared.
bool save(const QString &path, const Zones &zones, Module1 &state);

// Reads and checks the whole file; nothing of the document is touched here.
std::optional<Content> read(const QString &path, const Zones &current);

QString saveErrorMessage();
QString saveErrorTitle();
QString openErrorMessage();
QString iconNotFoundMessage(const QString &iconFile);

} // namespace LabelFile

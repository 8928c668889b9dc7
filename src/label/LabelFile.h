// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The label file (*.eti): for each zone a block of [Titre n], the quoted text, [Police n],
// font name, size, bold, italic, [Couleur n], colour, [Alignement n], alignment; then
// [Icone] and the picture's path or "AUCUN". Windows-1252, every line ended by CR LF.
namespace LabelFile {

// Why the document cannot be written faithfully, in words for the user; empty when it
// can. The reader takes font names and picture paths as whole lines and ends a zone's
// text at a line equal to its [Police n] header, so a line feed in a font name or in
// the picture's path, such a line, or a character outside Windows-1252 would come back
// as another document.
QString refusalReason(const LabelDocument &document);

// The file's bytes, or nothing when refusalReason names a reason.
std::optional<QByteArray> encode(const LabelDocument &document);

// The document the bytes describe, its picture named but not read, or nothing when they do
// not read as a label file.
std::optional<LabelDocument> decode(const QByteArray &bytes);

struct SaveResult
{
    bool saved = false;
    QString refusal; // why the document or the disk refused the save

    explicit operator bool() const { return saved; }
};

// What the main window's Save does besides the message: the file is replaced only once
// fully written.
SaveResult save(const QString &path, const LabelDocument &document);

// Reads and checks the whole file, its picture named but not read.
std::optional<LabelDocument> read(const QString &path);

QString saveErrorMessage();
// The save message, with the reason the save was refused on a second line.
QString saveErrorPrompt(const QString &refusal);
QString saveErrorTitle();
QString openErrorMessage();
QString iconNotFoundMessage(const QString &iconFile);

} // namespace LabelFile

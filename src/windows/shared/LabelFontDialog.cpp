// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/LabelFontDialog.h"

#include "platform/LabelFonts.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

// The dialog has no option to leave out its effects, and a zone's strikethrough and
// underline are neither saved nor printed: the box that offers them is hidden.
void hideEffects(QFontDialog &dialog)
{
    for (QCheckBox *effect : dialog.findChildren<QCheckBox *>()) {
        if (auto *group = qobject_cast<QGroupBox *>(effect->parentWidget()))
            group->hide();
        else
            effect->hide();
    }
}

// Qt's dialog heads each column (family, style, size) with a caption over a box and a
// list, but ties the caption to only one of them: a screen reader would find the others
// nameless. Each takes its column's caption.
void nameColumns(QFontDialog &dialog)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return;
    for (int column = 0; column < grid->columnCount(); ++column) {
        QLayoutItem *heading = grid->itemAtPosition(0, column);
        auto *caption = heading ? qobject_cast<QLabel *>(heading->widget()) : nullptr;
        if (!caption)
            continue;
        const QString name = QString(caption->text()).remove(QLatin1Char('&'));
        for (int row = 1; row < grid->rowCount(); ++row) {
            QLayoutItem *item = grid->itemAtPosition(row, column);
            QWidget *control = item ? item->widget() : nullptr;
            if (!control || qobject_cast<QLabel *>(control) || qobject_cast<QGroupBox *>(control))
                break;
            if (control->accessibleName().isEmpty())
                control->setAccessibleName(name);
        }
    }
}

} // namespace

namespace LabelFontDialog {

FontChoice keptUnlessChanged(const FontChoice &given, const QFont &shown, const QFont &chosen)
{
    FontChoice result = given;
    if (chosen.family() != shown.family())
        result.name = chosen.family();
    if (!qFuzzyCompare(chosen.pointSizeF(), shown.pointSizeF()))
        result.size = float(chosen.pointSizeF());
    if (chosen.bold() != shown.bold())
        result.bold = chosen.bold();
    if (chosen.italic() != shown.italic())
        result.italic = chosen.italic();
    return result;
}

std::optional<FontChoice> choose(const FontChoice &initial, QWidget *parent)
{
    // Qt's own dialog, whatever the desktop, so the effects can be left out.
    QFontDialog dialog(parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    nameColumns(dialog);
    QFont opening = LabelFonts::font(initial.name, initial.size, initial.bold, initial.italic);
    opening.setFamily(LabelFonts::drawnFamily(initial.name));
    dialog.setCurrentFont(opening);
    // The dialog rounds what it shows (a size of 8.25 shows as 8): what it shows is what
    // the user may change.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return keptUnlessChanged(initial, shown, dialog.selectedFont());
}

} // namespace LabelFontDialog

#pragma once

#include "windows/CMDialog1.h"

#include <QStringList>

// The common dialogs as Qt draws them (in French once Qt's catalogue is loaded).
class QtDialogBackend : public CommonDialogBackend
{
public:
    std::optional<QString> chooseFileToOpen(const CMDialog1 &dialog, QWidget *parent) override;
    std::optional<QString> chooseFileToSave(const CMDialog1 &dialog, QWidget *parent) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent) override;
    std::optional<ColorValue> chooseColor(ColorValue initial, QWidget *parent) override;

    // "Desc (*.X)|*.x|..." as the name filters of a Qt file dialog.
    static QStringList nameFilters(const QString &filter);
};

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"
#include "print/UsedPositions.h"
#include "windows/print-settings/PrintChoices.h"

#include <QDialog>
#include <array>
#include <optional>

class CommonDialog;
struct FileRequest;
class KeyFilteredEdit;
class LabelListPanel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SheetTile;
class Spinner;

// The print settings window, shown by the print command just before it prints: one
// chosen sheet position, a run of identical labels with its size, start and the
// numbering of text 3, or a list of different labels from a start position; the margins and gaps of
// the sheet, frame and cut marks; the settings files. It works on its own copy of the choices it is
// built with; whoever opens it again starts it from the choices it was left with.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Builds the window hidden and runs its load handling with the values of choices.
    PrintSettingsDialog(const PrintChoices &choices, CommonDialog &commonDialog,
                        QWidget *parent = nullptr);
    ~PrintSettingsDialog() override;

    // Shows the window until the user leaves it: what to print, or nothing when he left
    // with "&Annuler" (or Escape), which alone stops the print command. Left through its
    // frame, the command goes on with what the window holds.
    std::optional<PrintRequest> ask();
    // What the window holds now, however it is left.
    const PrintChoices &choices() const { return m_choices; }

    // Takes the window's distances and frame and cut-mark boxes and writes them to path;
    // refused with its reason, and nothing changed, when the file cannot be written.
    SmallFile::WriteResult saveSettingsFile(const QString &path);
    // Reads the settings file at path into the window and shows it; false, with nothing
    // changed, when it cannot be read as a whole.
    bool openSettingsFile(const QString &path);

    // The ten position tiles become unavailable, or available again.
    void hidePositionTiles();
    void showPositionTiles();

    // The positions of the sheet in the printer that earlier jobs printed on: marked on the
    // tiles and named under them, and asked about before a job prints over them.
    void showUsedPositions(const UsedPositions &used);

signals:
    // "Aperçu": the choices hold the three check boxes; show the preview over this window.
    void previewRequested();
    // "Aperçu de la feuille": the same, for the whole-sheet preview.
    void sheetPreviewRequested();
    // "Configurer l'imprimante": the program's printer set-up dialog.
    void printerSetupRequested();
    // The calibration page, printed at the distances the window shows.
    void calibrationRequested();
    // "Nouvelle feuille": the sheet in the printer is a new one, with no position used.
    void sheetReplaced();
    // F1: the help on this window.
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void chooseSingleLabel();
    void chooseRun();
    void chooseList();
    void chooseNumberStyle();
    void chooseNumberOfTotalStyle();
    void choosePosition(int position);
    void onAutoNumberingToggled(bool ticked);
    void printLabels();
    void cancel();
    void restoreDefaultSettings();
    void saveSettings();
    void loadSettings();
    void printerSetup();
    void preview();
    void sheetPreview();

private:
    // Whether the list, in list mode, has labels to print; a list with a line that cannot
    // print is refused with its line and reason.
    bool listPrints();
    // Whether the user wants the job printed, when it would print over used positions.
    bool usedPositionsAccepted();
    // The title of the window's warnings and questions.
    static QString warningTitle();
    void replaceSheet();
    // The three count boxes of the run, each with its spinner and the number of the run it
    // sets: one table, so that typing and stepping are handled alike for all three.
    enum class CountField
    {
        CopyCount,
        StartPosition,
        FirstDiskNumber
    };
    struct CountBox
    {
        CountField field;
        QLabel *caption;
        KeyFilteredEdit *edit;
        Spinner *spinner;
        int PrintRun::*value;
    };

    // Layout (PrintSettingsDialogLayout.cpp).
    void buildWindow();
    QWidget *buildLeftColumn();
    QWidget *buildSheet();
    QWidget *buildUsedPositionsRow();
    QWidget *buildRunPanel(QWidget *sheet);
    QWidget *buildNumberingPanel();
    void setTipTexts();
    void connectHandlers();
    void orderFocus();

    // Chains (PrintSettingsDialog.cpp).
    void loadWindow();
    void onActivated();
    void selectNumberingStyle();
    void showSingleLabelMode();
    // What a run and a list share: the start, the numbering, no position tiles.
    void showRunPanels();
    void showCopyCountRow(bool shown);
    void showCopyCount();
    // The print button names the labels printed.
    void showPrintedCount(int count);
    void showListCount();
    void onListTextChanged();
    void showSinglePositionCaption();
    void enablePrintForRun();
    void keepRunOnSheet();
    void showAutoIncrementPanels(bool shown);
    void copyCheckBoxes();
    void openPreview(void (PrintSettingsDialog::*requested)());
    void showStartLabelTip();
    void onDistanceEdited(SheetDistance which);
    void onCountEdited(const CountBox &box);
    void onCountStepped(const CountBox &box, int value);
    int countWithinLimits(CountField field, int typed) const;
    KeyFilteredEdit *distanceEdit(SheetDistance which) const
    {
        return m_distanceEdits[std::size_t(which)];
    }
    const CountBox &countBox(CountField field) const { return m_countBoxes[std::size_t(field)]; }
    // A distance box's number: a comma is the decimal separator as much as a point.
    double typedDistance(SheetDistance which) const;

    // Settings files (PrintSettingsDialogFiles.cpp).
    // What the load and save dialogs share.
    static FileRequest settingsFileRequest(const QString &title, const QString &proposedName);
    void showSettingsName(const QString &name);
    // The name in the title while no settings file is in use.
    static QString defaultSettingsName();
    // Shows the distances in the boxes in the given number form, and the two switches.
    void showLayout(const SheetLayout &layout, QString (*form)(double value));

    PrintChoices m_choices;
    CommonDialog &m_commonDialog;
    bool m_cancelled = false;
    UsedPositions m_usedPositions;

    QLabel *m_chooseTileHint = nullptr;
    QRadioButton *m_singleLabelOption = nullptr;
    QRadioButton *m_runOption = nullptr;
    QRadioButton *m_listOption = nullptr;
    QCheckBox *m_frameCheck = nullptr;
    QCheckBox *m_cutOutlineCheck = nullptr;
    QPushButton *m_printLabelsButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_defaultSettingsButton = nullptr;
    QPushButton *m_saveSettingsButton = nullptr;
    QPushButton *m_loadSettingsButton = nullptr;
    QPushButton *m_printerSetupButton = nullptr;
    QPushButton *m_calibrationButton = nullptr;
    QPushButton *m_labelPreviewButton = nullptr;
    QPushButton *m_sheetPreviewButton = nullptr;
    QLabel *m_usedPositionsCaption = nullptr;
    QPushButton *m_newSheetButton = nullptr;

    std::array<SheetTile *, 10> m_tiles{};              // positions 1 to 10
    std::array<KeyFilteredEdit *, 4> m_distanceEdits{}; // in the order of SheetDistances
    std::array<CountBox, 3> m_countBoxes{};             // in the order of CountField

    QGroupBox *m_runGroup = nullptr;
    QGroupBox *m_listGroup = nullptr;
    LabelListPanel *m_listPanel = nullptr;
    QCheckBox *m_autoNumberingCheck = nullptr;
    QGroupBox *m_numberingGroup = nullptr;
    QGroupBox *m_numberStyleGroup = nullptr;
    QRadioButton *m_numberStyleOption = nullptr;
    QRadioButton *m_numberOfTotalStyleOption = nullptr;
};

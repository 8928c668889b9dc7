#pragma once

#include "label/LabelFile.h"
#include "label/Module1.h"
#include "platform/Picture.h"
#include "print/OrImp.h"
#include "windows/CMDialog1.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class BusyPointer;
class Form2;
class PictureBox;
class Printer;
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;
class StatusPanels;
class ZoneDisplay;
class ZoneTextEdit;

// The main window, where the label is designed: the label at print size on a floppy disk
// with its three text zones and its picture, the edit box of the selected zone, and the
// commands of the program from the menus, the toolbar and the buttons. It holds the
// document: the three zones and the picture that printing and the preview read.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds and loads the window; state has been through Module1::startUp. printer is
    // the program's printer object, which the printer set-up dialog replaces.
    Form1(Module1 &state, Printer &printer, QWidget *parent = nullptr);
    ~Form1() override;

    const LabelFile::Zones &zones() const { return m_zones; }
    const Picture &picture() const;
    // The common-dialog object that the program's windows share.
    CMDialog1 &commonDialog() { return m_commonDialog; }

    // Splits the zone texts into the shared line arrays before printing or the preview;
    // false, once the user is told, when a zone has too many lines.
    bool CalculIMP();
    // The image viewer has put a picture aside: "Coller l'image" becomes available.
    void enablePastePicture();
    // Splits the zone texts and shows the preview modally over the window over; no preview
    // when a zone has too many lines, as its lines would be those of an earlier text.
    void showPreview(QWidget *over);
    // Makes the system's default printer the program's printer once CUPS names it; the
    // window goes on meanwhile.
    void findDefaultPrinter();

signals:
    // Label6 and the check marks show what CUPS answered for the program's printer.
    void orientationShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Shell (Form1.cpp).
    void Timer1_Timer();
    void Mmu_Som_Aide_Click();
    void Mnu_AideIndex_Click();

    // Printing (Form1_Print.cpp).
    void Mnu_Imprimer_Click();

    // Document commands (Form1_Document.cpp).
    void Mnu_Fichier_Click();
    void Mnu_Nouveau_Click();
    void Mnu_Ouvrir_Click();
    void Mnu_Enregistrer_Click();
    void Mnu_EnregistrerSous_Click();
    void Mnu_Quitter_Click();

    // Zone editing (Form1_Zones.cpp); zone is 1, 2 or 3, index the alignment 0, 1 or 2.
    void Label_Click(int zone);
    void Text1_Change();
    void Option_Click(int index);
    void Command1_Click();
    void Command2_Click();

    // Printer (Form1_Printer.cpp).
    void Mnu_ConfigImp_Click();
    void Mnu_ImpPort_Click();
    void Mnu_ImpPays_Click();
    // The preview and the about box (Form1_Windows.cpp).
    void Mnu_Apercu_Click();
    void Mnu_APropos_Click();

    // Picture (Form1_Icon.cpp).
    void Command3_Click();
    void Picture2_DblClick();
    void Command6_Click();
    void Command8_Click();
    void Command10_Click();

private:
    // Shell.
    void buildActions();
    QAction *addCommand(const QString &text, const char *name, const QString &toolbarTip = {},
                        const char *picture = nullptr);
    void buildMenus();
    void buildToolbar();
    QWidget *buildLabelView();
    QWidget *buildEditBox();
    QWidget *buildTextFrame();
    QWidget *buildIconFrame();
    QWidget *buildPrinterFrame();
    QWidget *buildMainButtons();
    void Form_Load();
    void centreOnScreen();
    void showCapsLock();
    void showHelp(int command);
    void showError(const QString &message);
    void endProgram();

    // Printing.
    void loadPrintSettings();
    void submitPrintJob();
    void printCalibrationPage();

    // Document.
    // The caller has named the document after path; a file that cannot be read gives the
    // document back previousName (untitled, as at start-up, unless given), so that the
    // next Save cannot overwrite the file that would not open.
    void OpenFile(const QString &path, const QString &previousName = QString());
    void SaveFile(const QString &path);
    void showDocumentName(const QString &name);
    void showUntitledName();

    // Zones.
    void Label_Change(int zone);
    bool hasSelectedZone() const;
    void setZoneCaption(int zone, const QString &text);
    void setZone(int zone, const TextZone &value);
    void showZone(int zone);
    void markSelectedZone();
    void checkAlignmentOption(qint16 alignment);
    void showEditCaption();
    void showAlignmentCaption();

    // Printer.
    void refreshOrientationDisplay();
    void showOrientation(int orientation);
    void switchOrientation(OrImp::SwitchResult (*setOrientation)(qint16 &, const Printer &));
    void storePrinterSetup(const PrinterSetupChoice &choice);
    void setPrinterCommandsEnabled(bool enabled);

    // Picture.
    void useIconPath();
    void setPicture(const Picture &picture);

    Module1 &m_state;
    Printer &m_printer;
    LabelFile::Zones m_zones;
    CMDialog1 m_commonDialog;

    std::array<ZoneDisplay *, 3> m_zoneLabels{}; // Label1, Label2, Label3
    PictureBox *Picture2 = nullptr;
    ZoneTextEdit *Text1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QButtonGroup *m_alignmentOptions = nullptr; // Option1, Option2, Option3 by alignment
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    int m_shownOrientation = 0; // what Label6 shows: 1 portrait, 2 landscape, 0 no printer
    QPushButton *Command10 = nullptr;
    QToolBar *Toolbar1 = nullptr;
    StatusPanels *StatusBar1 = nullptr;
    QTimer *Timer1 = nullptr;
    // The print settings window while it is loaded: from start-up to the first print
    // command, then for each print command.
    std::unique_ptr<Form2> m_printSettings;
    // Held while a print job waits for the scheduler's answer.
    std::unique_ptr<BusyPointer> m_printing;

    // One action per command, shared by its menu item, toolbar button and push button.
    QAction *Mnu_Nouveau = nullptr;
    QAction *Mnu_Ouvrir = nullptr;
    QAction *Mnu_Enregistrer = nullptr;
    QAction *Mnu_EnregistrerSous = nullptr;
    QAction *Mnu_Apercu = nullptr;   // also Command9, toolbar 5
    QAction *Mnu_Imprimer = nullptr; // also Command5, toolbar 6
    QAction *Mnu_ConfigImp = nullptr;
    QAction *Mnu_ImpPort = nullptr;
    QAction *Mnu_ImpPays = nullptr;
    QAction *Mnu_Quitter = nullptr;  // also Command4, toolbar 16
    QAction *Mmu_Som_Aide = nullptr; // also Command7, toolbar 13
    QAction *Mnu_AideIndex = nullptr;
    QAction *Mnu_APropos = nullptr;      // also toolbar 14
    QAction *Police = nullptr;           // Command1, toolbar 8
    QAction *Couleur = nullptr;          // Command2, toolbar 9
    QAction *Icone = nullptr;            // Command3, toolbar 10
    QAction *VisualiserImages = nullptr; // Command8, toolbar 11
};

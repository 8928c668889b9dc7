#pragma once

#include <QDialog>

class KeyValueStore;
class QPushButton;

// Where the maker can be reached. An empty address is not offered.
struct MakerAddresses
{
    QString web;
    QString donation;
    QString mail;

    // The addresses the program was built with.
    static MakerAddresses ofBuild();
};

// The about box: the program's name and version, a details message, links to the maker,
// and a way to the desktop's system information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // settings are the machine-wide settings, where the administrator may name the system
    // information program.
    frmAbout(const KeyValueStore &settings, const MakerAddresses &addresses,
             QWidget *parent = nullptr);

    // Starts the system information program without waiting for it, or says it is missing.
    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void cmdOK_Click();
    void Command1_Click();
    void cmdSysInfo_Click();
    void Label3_Click();
    void Image2_Click();
    void lblDisclaimer_Click();

private:
    void buildTexts();
    void buildLinks();
    void buildButtons();
    void Form_Load();

    const KeyValueStore &m_settings;
    const MakerAddresses m_addresses;
};

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPushButton;
class QSettings;

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
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // systemSettings are the machine-wide settings, where the administrator may name the
    // system information program.
    AboutDialog(const QSettings &systemSettings, const MakerAddresses &addresses,
                QWidget *parent = nullptr);

    // Starts the system information program without waiting for it, or says it is missing.
    void startSystemInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void showDetails();
    void onSystemInfoClicked();
    void openWebSite();
    void openDonationPage();
    void writeMail();

private:
    void buildTexts();
    void buildLinks();
    void buildButtons();
    void loadWindow();

    const QSettings &m_systemSettings;
    const MakerAddresses m_addresses;
};

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PrintRequest.h"

#include <QDialog>
#include <memory>

class BusyPointer;
class PictureBox;
class PreviewPanel;
class PreviewZone;
class QPushButton;

// The print preview: one label as the current document and print settings will print it
// (for a list, its first label), on a white panel, with the frame and the cut outline when
// the settings ask for them and zone 3 numbered as the first label of a run or a list would
// be.
class PreviewDialog : public QDialog
{
    Q_OBJECT

public:
    PreviewDialog(const LabelArtwork &artwork, const PrintRequest &request,
                  QWidget *parent = nullptr);
    ~PreviewDialog() override;

    // Whether the picture is still being drawn, off the window's thread; pictureShown()
    // follows once it is in its box.
    bool isDrawingPicture() const { return m_drawingPicture != nullptr; }

signals:
    void pictureShown();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void closePreview();

private:
    void loadWindow();
    void drawPicture();
    void onActivated();
    void showZone(ZoneId zone, const QString &text);

    const LabelArtwork m_artwork;
    const PrintRequest m_request;

    PreviewPanel *m_page = nullptr;
    PerZone<PreviewZone *> m_zoneBoxes;
    PictureBox *m_pictureBox = nullptr;
    QPushButton *m_closeButton = nullptr;
    std::unique_ptr<BusyPointer> m_drawingPicture;
};

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageGeometry.h"
#include "print/PrintRequest.h"
#include "print/UsedPositions.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;
class SheetPageView;

// The whole-sheet preview: each page of the job as the printer or the PDF file will get it,
// fitted to the window, which may be resized; with several pages, "Page 1 / 3" and buttons
// (and Page Up, Page Down) to turn them. The first page shades the positions of the sheet in
// the printer that earlier jobs used. Pages are drawn off the window's thread: the window
// shows at once, its page as soon as it is drawn.
class SheetPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    SheetPreviewDialog(const LabelArtwork &artwork, const PrintRequest &request,
                       const UsedPositions &used = UsedPositions(), QWidget *parent = nullptr);
    ~SheetPreviewDialog() override;

    // The window's title, also the caption of the button that opens it.
    static QString title();

    // The page the job prints on, once the destination has told it; nothing is drawn before.
    void setPage(const PageGeometry &page);

    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_current; }
    void showPage(int index);

signals:
    // The page the window shows is drawn and on screen.
    void pageShown(int index);
    // F1: the help on this window.
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void showPageCaption();
    void drawPage(int index);
    void onPageDrawn(int index, int generation, const QImage &picture);
    void redrawForNewSize();

    const LabelArtwork m_artwork;
    const PrintRequest m_request;
    const UsedPositions m_used;
    const int m_pageCount;
    std::optional<PageGeometry> m_page;
    int m_current = 0;
    // Bumped at each new size: pictures drawn for an older one are dropped.
    int m_generation = 0;
    double m_pixelsPerMm = 1;
    QHash<int, QImage> m_drawn; // at m_pixelsPerMm, by page
    QList<int> m_drawing;       // pages being drawn at the current generation

    SheetPageView *m_view = nullptr;
    QLabel *m_pageCaption = nullptr;
    QLabel *m_offPageWarning = nullptr;
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QTimer *m_resizeSettle = nullptr;
};

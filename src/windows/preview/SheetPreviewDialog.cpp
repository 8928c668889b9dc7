// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/SheetPreviewDialog.h"

#include "print/LabelPlacement.h"
#include "print/LabelPrinting.h"
#include "windows/preview/SheetPageImage.h"
#include "windows/preview/SheetPageView.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/Named.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

namespace {

// A resize that goes on (a window edge dragged) draws the page once it stops.
constexpr std::chrono::milliseconds ResizeSettle(80);

// Of the screen's height, what the window takes at first; its width follows an A4 page.
constexpr double ScreenShare = 0.8;
constexpr double A4WidthPerHeight = 210.0 / 297.0;

} // namespace

SheetPreviewDialog::SheetPreviewDialog(const LabelArtwork &artwork, const PrintRequest &request,
                                       const UsedPositions &used, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_artwork(artwork), m_request(request), m_used(used),
      m_pageCount(LabelPrinting::pageCount(request))
{
    setWindowTitle(title());
    setSizeGripEnabled(true);
    buildWindow();
    const int height = int(screen()->availableGeometry().height() * ScreenShare);
    resize(int(height * A4WidthPerHeight), height);
    showPage(0);
}

SheetPreviewDialog::~SheetPreviewDialog() = default;

QString SheetPreviewDialog::title()
{
    return tr("Aperçu de la feuille");
}

void SheetPreviewDialog::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    m_view = named(new SheetPageView, "pageView");
    layout->addWidget(m_view, 1);

    m_offPageWarning = named(new QLabel, "offPageWarning");
    m_offPageWarning->setWordWrap(true);
    QPalette red = m_offPageWarning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_offPageWarning->setPalette(red);
    m_offPageWarning->hide();
    layout->addWidget(m_offPageWarning);

    auto *row = new QHBoxLayout;
    m_previousButton = named(new QPushButton(tr("Page &précédente")), "previousPageButton");
    m_pageCaption = named(new QLabel, "pageCaption");
    m_pageCaption->setAlignment(Qt::AlignCenter);
    m_nextButton = named(new QPushButton(tr("Page &suivante")), "nextPageButton");
    m_closeButton = named(new QPushButton(tr("&Fermer")), "closeButton");
    m_closeButton->setDefault(true);
    for (QPushButton *button : {m_previousButton, m_nextButton})
        button->setAutoDefault(false);
    row->addWidget(m_previousButton);
    row->addWidget(m_pageCaption);
    row->addWidget(m_nextButton);
    row->addStretch();
    row->addWidget(m_closeButton);
    layout->addLayout(row);
    // One page needs no turning.
    for (QWidget *turning :
         std::initializer_list<QWidget *>{m_previousButton, m_pageCaption, m_nextButton})
        turning->setVisible(m_pageCount > 1);

    connect(m_previousButton, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    m_resizeSettle = new QTimer(this);
    m_resizeSettle->setSingleShot(true);
    m_resizeSettle->setInterval(ResizeSettle);
    connect(m_resizeSettle, &QTimer::timeout, this, &SheetPreviewDialog::redrawForNewSize);
    connect(m_view, &SheetPageView::resized, m_resizeSettle, qOverload<>(&QTimer::start));
}

void SheetPreviewDialog::setPage(const PageGeometry &page)
{
    m_page = page;
    const std::optional<QString> offPage =
        LabelPlacement::offPageProblem(m_request, page.printableAreaMm.size());
    m_offPageWarning->setText(
        offPage ? QString(*offPage).replace(QLatin1Char('\r'), QLatin1Char('\n')) : QString());
    m_offPageWarning->setVisible(offPage.has_value());
    // The view's size is known before the window shows, so the first page is drawn once.
    layout()->activate();
    redrawForNewSize();
}

void SheetPreviewDialog::showPage(int index)
{
    m_current = std::clamp(index, 0, m_pageCount - 1);
    // Only the page shown and those either side are kept: turning through a list of a
    // hundred sheets would otherwise keep every page drawn.
    for (auto drawn = m_drawn.begin(); drawn != m_drawn.end();)
        drawn = qAbs(drawn.key() - m_current) > 1 ? m_drawn.erase(drawn) : std::next(drawn);
    showPageCaption();
    if (const auto drawn = m_drawn.constFind(m_current); drawn != m_drawn.cend()) {
        m_view->setPicture(*drawn);
        m_view->repaint();
        emit pageShown(m_current);
    }
    drawPage(m_current);
}

void SheetPreviewDialog::showPageCaption()
{
    const QString caption = tr("Page %1 / %2").arg(m_current + 1).arg(m_pageCount);
    m_pageCaption->setText(caption);
    m_view->setAccessibleName(caption);
    m_previousButton->setEnabled(m_current > 0);
    m_nextButton->setEnabled(m_current < m_pageCount - 1);
}

// Drawn once per size and kept: pages already drawn turn at once.
void SheetPreviewDialog::drawPage(int index)
{
    if (!m_page || index < 0 || index >= m_pageCount || m_drawn.contains(index) ||
        m_drawing.contains(index))
        return;
    m_drawing.append(index);
    runInBackground(
        this,
        [page = *m_page, request = m_request, artwork = m_artwork, index,
         pixelsPerMm = m_pixelsPerMm, used = index == 0 ? m_used : UsedPositions()] {
            return SheetPageImage::render(page, request, artwork, index, pixelsPerMm, used);
        },
        [this, index, generation = m_generation](const QImage &picture) {
            onPageDrawn(index, generation, picture);
        });
}

void SheetPreviewDialog::onPageDrawn(int index, int generation, const QImage &picture)
{
    if (generation != m_generation)
        return;
    m_drawing.removeAll(index);
    m_drawn.insert(index, picture);
    if (index != m_current)
        return;
    m_view->setPicture(picture);
    m_view->repaint();
    emit pageShown(index);
    // The pages either side are drawn ahead, so that turning to them is immediate.
    drawPage(index + 1);
    drawPage(index - 1);
}

void SheetPreviewDialog::redrawForNewSize()
{
    if (!m_page)
        return;
    const double pixelsPerMm = m_view->fittingScale(m_page->paperSizeMm);
    if (qFuzzyCompare(pixelsPerMm, m_pixelsPerMm) &&
        (m_drawn.contains(m_current) || m_drawing.contains(m_current)))
        return;
    ++m_generation;
    m_drawn.clear();
    m_drawing.clear();
    m_pixelsPerMm = pixelsPerMm;
    drawPage(m_current);
}

void SheetPreviewDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        showPage(m_current - 1);
        return;
    case Qt::Key_PageDown:
        showPage(m_current + 1);
        return;
    case Qt::Key_F1:
        emit helpRequested();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/LabelListPanel.h"

#include "files/SmallFile.h"
#include "label/LabelFile.h"
#include "print/LabelPrinting.h"
#include "widgets/MsgBox.h"
#include "windows/shared/CommonDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Long enough to let a typist go on, short enough for the count to follow.
constexpr int ReadPauseMs = 250;

} // namespace

LabelListPanel::LabelListPanel(CommonDialog &commonDialog, QWidget *parent)
    : QWidget(parent), m_commonDialog(commonDialog)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_edit = new QPlainTextEdit;
    m_edit->setObjectName(QStringLiteral("listEdit"));
    const QString hint = tr("Une étiquette par ligne : textes 1, 2 et 3 séparés par une "
                            "tabulation ou un « ; », « \\n » pour un saut de ligne");
    m_edit->setPlaceholderText(hint);
    m_edit->setToolTip(hint);
    m_edit->setAccessibleName(caption());
    m_edit->setAccessibleDescription(hint);
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab types a field separator here, as a spreadsheet's copy holds them; Ctrl+Tab leaves.
    m_edit->setMinimumSize(320, 300);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    m_countLabel = new QLabel;
    m_countLabel->setObjectName(QStringLiteral("listCountLabel"));
    m_countLabel->setWordWrap(true);
    layout->addWidget(m_countLabel);

    auto *buttons = new QHBoxLayout;
    m_loadButton = new QPushButton(tr("Charger une liste..."));
    m_loadButton->setObjectName(QStringLiteral("loadListButton"));
    m_saveButton = new QPushButton(tr("Sauver la liste..."));
    m_saveButton->setObjectName(QStringLiteral("saveListButton"));
    for (QPushButton *b : {m_loadButton, m_saveButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    m_readTimer.setSingleShot(true);
    m_readTimer.setInterval(ReadPauseMs);
    connect(&m_readTimer, &QTimer::timeout, this, &LabelListPanel::readList);
    connect(m_edit, &QPlainTextEdit::textChanged, this, [this] {
        m_readTimer.start();
        emit listChanged();
    });
    connect(m_loadButton, &QPushButton::clicked, this, &LabelListPanel::loadList);
    connect(m_saveButton, &QPushButton::clicked, this, &LabelListPanel::saveList);
    showCount();
}

QString LabelListPanel::caption()
{
    return tr("Liste d'étiquettes");
}

void LabelListPanel::setList(const QString &text, const QString &fileName)
{
    m_fileName = fileName;
    m_edit->setPlainText(text);
    readNow();
}

QString LabelListPanel::text() const
{
    return m_edit->toPlainText();
}

void LabelListPanel::setStartPosition(int position)
{
    m_startPosition = position;
    showCount();
}

void LabelListPanel::readNow()
{
    m_readTimer.stop();
    readList();
}

void LabelListPanel::readList()
{
    const std::variant<LabelList, ListRefusal> read = LabelListText::read(text());
    const LabelList *list = std::get_if<LabelList>(&read);
    m_refusal = list ? std::nullopt : std::optional<ListRefusal>(std::get<ListRefusal>(read));
    m_labelCount = list ? list->count() : 0;
    showCount();
    emit labelCountChanged(m_labelCount);
}

void LabelListPanel::showCount()
{
    if (m_refusal) {
        m_countLabel->setText(m_refusal->message());
        return;
    }
    const int sheets = LabelPrinting::listPageCount(m_startPosition, m_labelCount);
    if (m_labelCount == 0)
        m_countLabel->setText(tr("Aucune étiquette"));
    else if (m_labelCount == 1)
        m_countLabel->setText(tr("1 étiquette sur 1 feuille"));
    else if (sheets == 1)
        m_countLabel->setText(tr("%1 étiquettes sur 1 feuille").arg(m_labelCount));
    else
        m_countLabel->setText(tr("%1 étiquettes sur %2 feuilles").arg(m_labelCount).arg(sheets));
}

void LabelListPanel::loadList()
{
    FileRequest request;
    request.title = tr("Charger une liste");
    request.filter = tr("Listes (*.txt *.csv)|*.txt;*.csv|Tous les fichiers (*)|*");
    request.proposedName = m_fileName;
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToOpen(request);
    if (!chosen || chosen->path.isEmpty())
        return;
    const std::optional<QByteArray> bytes = SmallFile::read(chosen->path);
    if (!bytes) {
        MsgBoxError(LabelFile::openErrorMessage());
        return;
    }
    setList(LabelListText::decode(*bytes), chosen->path);
}

void LabelListPanel::saveList()
{
    FileRequest request;
    request.title = tr("Sauver la liste");
    request.filter = tr("Listes (*.txt)|*.txt");
    request.proposedName = m_fileName;
    request.askBeforeOverwrite = true;
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToSave(request);
    if (!chosen)
        return;
    const SmallFile::WriteResult written = SmallFile::write(chosen->path, text().toUtf8());
    if (!written) {
        MsgBoxError(LabelFile::saveErrorPrompt(written.reason));
        return;
    }
    m_fileName = chosen->path;
    emit listChanged();
}

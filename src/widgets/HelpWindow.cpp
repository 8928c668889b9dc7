// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The list entry's data: the index of the topic it opens.
constexpr int TopicRole = Qt::UserRole;
enum Tab
{
    ContentsTab,
    SearchTab
};

QString windowTitleFor(const QString &topicTitle)
{
    const QString title = QCoreApplication::translate("HelpWindow", "Aide de Korvalin");
    return topicTitle.isEmpty() ? title : title + QStringLiteral(" - ") + topicTitle;
}

// A caption as a screen reader says it: without its mnemonic mark and closing colon.
QString spokenCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1String(" :")))
        caption.chop(2);
    return caption;
}

void addTopicItem(QListWidget &list, const HelpTopic &topic, int index)
{
    auto *item = new QListWidgetItem(topic.title, &list);
    item->setData(TopicRole, index);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_tabs(new QTabWidget), m_contents(new QListWidget),
      m_keyword(new QLineEdit), m_keywords(new QListWidget), m_keywordTopics(new QListWidget),
      m_page(new QTextBrowser)
{
    setWindowTitle(windowTitleFor(QString()));
    resize(820, 560);
    // Named so that the parts can be found from outside, by tests in particular.
    m_contents->setObjectName(QStringLiteral("contents"));
    m_keyword->setObjectName(QStringLiteral("keyword"));
    m_keywords->setObjectName(QStringLiteral("keywords"));
    m_keywordTopics->setObjectName(QStringLiteral("keywordTopics"));
    m_page->setObjectName(QStringLiteral("page"));

    auto *search = new QWidget;
    auto *searchLayout = new QVBoxLayout(search);
    auto *keywordLabel = new QLabel(tr("&Tapez les premières lettres du mot recherché :"));
    keywordLabel->setBuddy(m_keyword);
    keywordLabel->setWordWrap(true);
    searchLayout->addWidget(keywordLabel);
    searchLayout->addWidget(m_keyword);
    searchLayout->addWidget(m_keywords, 2);
    auto *topicsLabel = new QLabel(tr("Rubriques trouvées :"));
    searchLayout->addWidget(topicsLabel);
    searchLayout->addWidget(m_keywordTopics, 1);

    m_tabs->addTab(m_contents, tr("&Sommaire"));
    // The lists have no caption of their own: screen readers name them after their tab and
    // the box above them.
    m_contents->setAccessibleName(spokenCaption(m_tabs->tabText(0)));
    m_keywords->setAccessibleName(spokenCaption(keywordLabel->text()));
    m_keywordTopics->setAccessibleName(spokenCaption(topicsLabel->text()));
    m_tabs->addTab(search, tr("&Rechercher"));

    m_page->setOpenLinks(false);
    auto *splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 560});
    // Dragged narrow, the contents would cut their titles again.
    splitter->setCollapsible(0, false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    auto *closeAction = new QAction(this);
    closeAction->setShortcut(QKeySequence::Cancel);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showTopic(m_contents->item(row)->data(TopicRole).toInt());
    });
    connect(m_keyword, &QLineEdit::textChanged, this, &HelpWindow::listKeywords);
    connect(m_keywords, &QListWidget::currentRowChanged, this, &HelpWindow::listTopicsOfKeyword);
    connect(m_keywordTopics, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showTopic(m_keywordTopics->item(row)->data(TopicRole).toInt());
    });
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpWindow::openTopicLink);
}

bool HelpWindow::load(const QString &helpFile)
{
    m_document = HelpDocument::load(helpFile);
    m_contents->clear();
    m_keywords->clear();
    m_keywordTopics->clear();
    if (!m_document) {
        m_page->setHtml(tr("<p>Le fichier d'aide <b>%1</b> est introuvable ou illisible.</p>")
                            .arg(helpFile.toHtmlEscaped()));
        return false;
    }
    for (int i = 0; i < m_document->topics().size(); ++i)
        addTopicItem(*m_contents, m_document->topics()[i], i);
    fitContentsToTitles();
    listKeywords(m_keyword->text());
    return true;
}

void HelpWindow::fitContentsToTitles()
{
    // Room for the longest title and for a scroll bar beside it, so that no title is cut.
    const int width = m_contents->sizeHintForColumn(0) + 2 * m_contents->frameWidth() +
                      m_contents->verticalScrollBar()->sizeHint().width();
    m_contents->setMinimumWidth(width);
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentIndex(ContentsTab);
    if (m_document && m_contents->currentRow() < 0)
        m_contents->setCurrentRow(0);
    m_contents->setFocus();
}

void HelpWindow::showTopic(const QString &id)
{
    const int index = m_document ? m_document->topicIndex(id) : -1;
    for (int row = 0; index >= 0 && row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(TopicRole).toInt() == index) {
            m_tabs->setCurrentIndex(ContentsTab);
            m_contents->setCurrentRow(row);
            m_contents->setFocus();
            return;
        }
    }
    showContents();
}

void HelpWindow::showSearch(const QString &prefix)
{
    m_tabs->setCurrentIndex(SearchTab);
    m_keyword->setText(prefix);
    m_keyword->setFocus();
}

void HelpWindow::showTopic(int index)
{
    if (!m_document || index < 0 || index >= m_document->topics().size())
        return;
    const HelpTopic &topic = m_document->topics()[index];
    m_page->setHtml(QStringLiteral("<html><head><style>") + m_document->styleSheet() +
                    QStringLiteral("</style></head><body>") + topic.html +
                    QStringLiteral("</body></html>"));
    setWindowTitle(windowTitleFor(topic.title));
}

void HelpWindow::listKeywords(const QString &prefix)
{
    m_keywords->clear();
    if (m_document)
        m_keywords->addItems(m_document->keywordsStartingWith(prefix));
    if (m_keywords->count() > 0)
        m_keywords->setCurrentRow(0);
    else
        m_keywordTopics->clear();
}

void HelpWindow::listTopicsOfKeyword()
{
    m_keywordTopics->clear();
    const QListWidgetItem *keyword = m_keywords->currentItem();
    if (!m_document || !keyword)
        return;
    for (int index : m_document->topicsWithKeyword(keyword->text()))
        addTopicItem(*m_keywordTopics, m_document->topics()[index], index);
    m_keywordTopics->setCurrentRow(0);
}

void HelpWindow::openTopicLink(const QUrl &url)
{
    if (!url.fragment().isEmpty() && url.path().isEmpty() && m_document) {
        showTopic(m_document->topicIndex(url.fragment()));
        return;
    }
    QDesktopServices::openUrl(url);
}

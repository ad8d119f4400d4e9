#include "gui/help/helpviewer.h"

#include "core/texts/helptexts.h"
#include "gui/app/windowlanguage.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/announcer.h"
#include "gui/widgets/windowplacement.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessaron {

namespace {

// The help text. Tab moves from link to link in it, and Qt tells screen readers
// nothing of that: the link reached is said.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QString linkWords; // %1, the link's words

protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = QTextBrowser::focusNextPrevChild(next);
        const QTextCursor at = textCursor();
        if (hasFocus() && at.hasSelection() && at.charFormat().isAnchor())
            Announcer::of(this)->announce(linkWords.arg(at.selectedText()));
        return moved;
    }
};

// Where the anchor `name` stands in `document`: the start of its line; -1 when
// it is not there.
int anchorPosition(const QTextDocument *document, const QString &name)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // An anchor just before a heading is kept in the heading's own format.
        if (block.charFormat().anchorNames().contains(name))
            return block.position();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().anchorNames().contains(name))
                return block.position();
        }
    }
    return -1;
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpViewer"));
    resize(760, 560);
    createControls();
}

void HelpViewer::createControls()
{
    m_indexPane = new QWidget(this);
    m_search = new QLineEdit(m_indexPane);
    m_search->setObjectName(QStringLiteral("helpIndexSearch"));
    m_search->setClearButtonEnabled(true);
    m_keywords = new QListWidget(m_indexPane);
    m_keywords->setObjectName(QStringLiteral("helpIndexList"));
    sayCurrentItemOnFocus(m_keywords);
    auto *indexLayout = new QVBoxLayout(m_indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    m_indexLabel = new QLabel(m_indexPane);
    m_indexLabel->setObjectName(QStringLiteral("helpIndexLabel"));
    m_indexLabel->setTextFormat(Qt::PlainText);
    m_indexLabel->setBuddy(m_search);
    indexLayout->addWidget(m_indexLabel);
    indexLayout->addWidget(m_search);
    indexLayout->addWidget(m_keywords);
    m_indexPane->setFixedWidth(230);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenLinks(true);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_indexPane);
    layout->addWidget(m_browser, 1);

    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::fillIndex);
    // A keyword chosen from the keyboard takes the reader on to its section: the
    // focus goes to the text, its caret at the section's start, where reading on
    // goes from.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (!m_keywords->currentItem() && m_keywords->count() > 0)
            m_keywords->setCurrentRow(0);
        readSelectedKeyword();
    });
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpViewer::readSelectedKeyword);
    connect(m_keywords, &QListWidget::itemClicked, this, &HelpViewer::openSelectedKeyword);
    // A link followed in the text (Return on it, or a click) moves the caret too.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        if (url.hasFragment())
            goTo(url.fragment(), Say::Section);
    });
    // Escape closes the help, as it leaves the sheets: without a window manager
    // there is no close box to reach.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, &QWidget::close);
}

void HelpViewer::setLanguage(Lang lang)
{
    const HelpTexts &texts = helpTexts(lang);
    setWindowTitle(texts.title);
    setProperty(kLanguageProperty, int(lang));
    m_indexLabel->setText(texts.index);
    m_search->setAccessibleName(texts.findKeyword);
    m_browser->setAccessibleName(texts.helpText);
    m_keywords->setAccessibleName(texts.keywordList);
    static_cast<HelpBrowser *>(m_browser)->linkWords = texts.link;
}

void HelpViewer::load(const QString &helpFile, Lang lang)
{
    if (m_document.isLoaded() && m_document.path() == helpFile)
        return;
    m_document = HelpDocument::load(helpFile);
    if (m_document.isLoaded()) {
        m_browser->setHtml(m_document.html());
    } else {
        m_browser->setPlainText(helpTexts(lang).cannotOpen.arg(
            QFileInfo(helpFile).absoluteFilePath(), m_document.errorString()));
    }
}

void HelpViewer::showHelp(const QString &helpFile, HelpCommand command, int topic, Lang lang)
{
    setLanguage(lang);
    load(helpFile, lang);
    m_indexPane->setVisible(command == HelpCommand::Index && m_document.isLoaded());
    if (!m_document.isLoaded()) {
        m_view = View::Missing;
        m_anchor.clear();
    } else if (command == HelpCommand::Index) {
        m_view = View::Index;
        m_search->clear();
        fillIndex(QString());
        goTo(QStringLiteral("contents"));
        m_search->setFocus();
    } else if (command == HelpCommand::Topic && m_document.hasAnchor(QString::number(topic))) {
        m_view = View::Topic;
        goTo(QString::number(topic));
    } else {
        m_view = View::Contents;
        goTo(QStringLiteral("contents"));
    }
    // A window that is not up yet is centred as the program's other windows are;
    // one that is up stays where the user put it.
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void HelpViewer::goTo(const QString &anchor, Say say)
{
    m_anchor = anchor;
    const int at = anchorPosition(m_browser->document(), anchor);
    if (at >= 0) {
        QTextCursor caret(m_browser->document());
        caret.setPosition(at);
        m_browser->setTextCursor(caret);
    }
    // After the caret, which would only bring its line into view: the section
    // stands at the top.
    m_browser->scrollToAnchor(anchor);
    if (say == Say::Section && at >= 0)
        Announcer::of(this)->announce(m_browser->textCursor().block().text());
}

void HelpViewer::fillIndex(const QString &partial)
{
    m_keywords->clear();
    for (const HelpDocument::Keyword &k : m_document.findKeywords(partial)) {
        auto *item = new QListWidgetItem(k.text, m_keywords);
        item->setData(Qt::UserRole, k.anchor);
    }
    if (m_keywords->count() > 0)
        m_keywords->setCurrentRow(0);
}

void HelpViewer::openSelectedKeyword()
{
    if (QListWidgetItem *item = m_keywords->currentItem())
        goTo(item->data(Qt::UserRole).toString());
}

void HelpViewer::readSelectedKeyword()
{
    QListWidgetItem *item = m_keywords->currentItem();
    if (!item)
        return;
    m_browser->setFocus();
    goTo(item->data(Qt::UserRole).toString(), Say::Section);
}

} // namespace tessaron

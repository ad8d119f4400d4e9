#include "gui/favourites/favouriteswindow.h"

#include "core/models/importoffer.h"
#include "core/texts/accessibletexts.h"
#include "gui/favourites/favouriteslayout.h"
#include "gui/favourites/filedrop.h"
#include "gui/widgets/announcer.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/layoutbuilder.h"
#include "gui/widgets/namedcombobox.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/windowplacement.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace tessaron {

namespace {

// A mode marker: a small filled circle.
class Marker : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

} // namespace

FavouritesWindow::FavouritesWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, kFixedWindowFlags), m_lang(lang),
      m_model(new FavouritesModel(lang, context, this))
{
    const FavouritesTexts &texts = m_model->texts();
    setObjectName(texts.windowName);
    setWindowTitle(texts.caption);
    setFont(designedFont({8.25}));
    createControls();
    createMenus();
    connectSignals();
    // A favourites file dropped on the window is offered for import, as
    // `tessaron --import FILE` would import it.
    auto *offer = new ImportOffer(lang, context.desktop, context.programDir, this);
    new FileDrop(this, [offer](const QString &file) { offer->offer(file); });
    load();
}

void FavouritesWindow::createControls()
{
    const FavouritesTexts &texts = m_model->texts();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    const FavouritesLayout &layout = favouritesLayout(m_lang);
    LayoutBuilder build(m_client);
    build.label(layout.title);

    const QCursor hand = handCursor(screenRatio(this));
    auto link = [&](const LayoutRow &row, const QString &text) {
        auto *label = build.add<ClickableLabel>(row, text);
        label->setCursor(hand);
        return label;
    };
    m_figureLink = link(layout.figureLink, texts.figureLink);
    m_nameLink = link(layout.nameLink, texts.nameLink);
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_figureLink->setAccessibleDescription(accessible.showsByFigure);
    m_nameLink->setAccessibleDescription(accessible.showsByName);
    m_figureMarker = build.add<Marker>(layout.figureMarker);
    m_nameMarker = build.add<Marker>(layout.nameMarker);
    // Only the current mode's mark is shown: its name says which mode that is.
    m_figureMarker->setAccessibleName(accessible.figureModeMark);
    m_nameMarker->setAccessibleName(accessible.nameModeMark);

    createFigurePanel();
    createNamePanel(hand);
    createNoEntriesPanel();
    // One panel is shown at a time: the chain runs through both.
    QList<QWidget *> order{m_figureLink, m_nameLink};
    for (std::size_t top : {0U, 2U})
        order << m_lists[top] << m_lists[top + 1] << m_openButtons[top] << m_openButtons[top + 1];
    order << m_searchBox << m_searchButton << m_previous << m_next;
    for (std::size_t i = 0; i < m_nameLabels.size(); ++i)
        order << m_nameLabels[i] << m_deleteButtons[i];
    chainTabOrder(order);
}

void FavouritesWindow::createFigurePanel()
{
    const FavouritesTexts &texts = m_model->texts();
    const FavouritesLayout &layout = favouritesLayout(m_lang);
    m_figurePanel = LayoutBuilder(m_client).add<FigureCanvas>(layout.figurePanel);
    for (const OutlineRow &outline : layout.figureOutlines)
        LayoutBuilder::addOutline(m_figurePanel, outline);
    LayoutBuilder build(m_figurePanel);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        auto *list = build.add<NamedComboBox>(layout.lists[i]);
        list->setModel(m_model->list(family));
        list->setCurrentIndex(-1);
        // Rows of one height: the drop-down sizes itself without laying out every row.
        if (auto *view = qobject_cast<QListView *>(list->view()))
            view->setUniformItemSizes(true);
        // The lists show no caption: screen readers hear their family.
        list->setAccessibleName(accessibleTexts(m_lang).familyNames[i]);
        m_lists[i] = list;
        auto *open = build.add<QPushButton>(layout.openButtons[i], texts.openButton);
        open->setAccessibleName(accessibleTexts(m_lang).forFamily(texts.openButton, family));
        m_openButtons[i] = open;
    }
}

void FavouritesWindow::createNamePanel(const QCursor &hand)
{
    const FavouritesTexts &texts = m_model->texts();
    const FavouritesLayout &layout = favouritesLayout(m_lang);
    m_namePanel = LayoutBuilder(m_client).add<FigureCanvas>(layout.namePanel);
    LayoutBuilder build(m_namePanel);
    build.label(layout.searchPrompt, texts.searchPrompt);
    m_searchBox = build.add<QLineEdit>(layout.searchBox);
    m_searchBox->setAccessibleName(texts.searchBoxName);
    m_searchButton = build.add<QPushButton>(layout.searchButton, texts.searchButton);
    m_searchButton->setToolTip(texts.searchTip);

    auto pictureButton = [&](const LayoutRow &row, const QString &tip, const QIcon &icon) {
        auto *button = build.add<QPushButton>(row);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        button->setIcon(icon);
        button->setIconSize(icon.availableSizes().value(0));
        return button;
    };
    m_previous = pictureButton(layout.previous, texts.previousTip, stepIcon(false));
    m_next = pictureButton(layout.next, texts.nextTip, stepIcon(true));

    const QIcon cross = deleteIcon();
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        const FavouritesLayout::NameRow &row = layout.nameRows[i];
        LayoutBuilder::addOutline(m_namePanel, row.outline);
        auto *label = build.add<ClickableLabel>(row.label, m_model->label(family));
        label->setCursor(hand);
        label->setAccessibleDescription(accessible.figureDescription(family));
        label->setSpokenContext(accessible.family(family), accessible.noName);
        m_nameLabels[i] = label;
        m_deleteButtons[i] = pictureButton(row.deleteButton, texts.deleteTip, cross);
        m_deleteButtons[i]->setAccessibleName(accessible.forFamily(texts.deleteTip, family));
    }
}

void FavouritesWindow::createNoEntriesPanel()
{
    const FavouritesTexts &texts = m_model->texts();
    const FavouritesLayout &layout = favouritesLayout(m_lang);
    m_noEntriesPanel = LayoutBuilder(m_client).add<QWidget>(layout.noEntriesPanel);
    m_noEntries = LayoutBuilder(m_noEntriesPanel).label(layout.noEntries, texts.noEntries);
}

void FavouritesWindow::createMenus()
{
    const FavouritesTexts &texts = m_model->texts();
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu *menu = bar->addMenu(texts.menu);
    menu->setObjectName(texts.menuName);
    menu->menuAction()->setObjectName(texts.menuName);
    auto item = [&](const QString &caption, const QString &name) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setParent(this); // findChild<QAction *> on the window finds every item
        menu->addAction(action);
        return action;
    };
    m_figureItem = item(texts.figureItem, QStringLiteral("mnufig"));
    m_nameItem = item(texts.nameItem, QStringLiteral("mnunom"));
    QAction *line = menu->addSeparator();
    line->setObjectName(QStringLiteral("mnulin1"));
    QAction *exit = item(texts.exitItem, texts.exitName);
    exit->setShortcut(QKeySequence(texts.exitShortcut));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void FavouritesWindow::connectSignals()
{
    connect(m_model, &FavouritesModel::modeChanged, this, &FavouritesWindow::showMode);
    connect(m_model, &FavouritesModel::labelsChanged, this, &FavouritesWindow::showLabels);
    connect(m_model, &FavouritesModel::searchCleared, m_searchBox, &QLineEdit::clear);
    connect(m_figureLink, &ClickableLabel::clicked, m_model, &FavouritesModel::enterFigureMode);
    connect(m_figureItem, &QAction::triggered, m_model, &FavouritesModel::enterFigureMode);
    connect(m_nameLink, &ClickableLabel::clicked, m_model, &FavouritesModel::enterNameMode);
    connect(m_nameItem, &QAction::triggered, m_model, &FavouritesModel::enterNameMode);
    // What a search or a step shows in the rows below is said where the user is:
    // a search that finds nothing says so in its message.
    connect(m_searchButton, &QPushButton::clicked, m_model, [this] {
        m_model->search(m_searchBox->text());
        if (m_model->mode() == FavouritesModel::Mode::Name && !spokenShownNames().isEmpty())
            Announcer::of(this)->announce(spokenShownNames());
    });
    // Return in the box searches, as the button beside it does.
    connect(m_searchBox, &QLineEdit::returnPressed, m_searchButton, &QPushButton::click);
    // Each step says what the rows show now, where the user is.
    auto step = [this](FavouritesModel::Step direction) {
        return [this, direction] {
            m_model->step(direction);
            if (m_model->mode() == FavouritesModel::Mode::Name)
                Announcer::of(this)->announce(spokenShownNames());
        };
    };
    connect(m_previous, &QPushButton::clicked, m_model, step(FavouritesModel::Step::Previous));
    connect(m_next, &QPushButton::clicked, m_model, step(FavouritesModel::Step::Next));
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        QComboBox *list = m_lists[i];
        // A list that is filled anew has nothing picked, as the user has not picked yet.
        connect(m_model->list(family), &QAbstractItemModel::modelReset, list,
                [list] { list->setCurrentIndex(-1); });
        connect(m_openButtons[i], &QPushButton::clicked, m_model,
                [this, family, list] { m_model->openPicked(family, list->currentIndex()); });
        connect(m_nameLabels[i], &ClickableLabel::clicked, m_model,
                [this, family] { m_model->openShown(family); });
        connect(m_deleteButtons[i], &QPushButton::clicked, m_model, [this, family, i] {
            const QString before = m_nameLabels[i]->text();
            m_model->deleteShown(family);
            // The row that turned to "?" is said, once the question has gone.
            if (m_model->mode() == FavouritesModel::Mode::Name && m_nameLabels[i]->text() != before)
                Announcer::of(this)->announce(m_nameLabels[i]->spokenName());
        });
    }
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, m_model, &FavouritesModel::help);
}

void FavouritesWindow::load()
{
    const QSize client = LayoutBuilder::pixels(favouritesLayout(m_lang).client);
    const QSize outer(client.width(), client.height() + menuBar()->sizeHint().height());
    // The sizable twin may be made smaller as well as larger: its controls stay
    // where they are, and a smaller window shows less of them.
    if (favouritesLayout(m_lang).sizable) {
        resize(outer);
    } else {
        m_client->setMinimumSize(client);
        setFixedSize(outer);
    }
    centreOnScreen(this);
    showMode(FavouritesModel::Mode::None);
    m_model->load();
}

void FavouritesWindow::showMode(FavouritesModel::Mode mode)
{
    using Mode = FavouritesModel::Mode;
    // Only the front panel is there: the controls of the others are out of reach of
    // the keyboard and of screen readers.
    m_figurePanel->setVisible(mode == Mode::Figure);
    m_namePanel->setVisible(mode == Mode::Name);
    m_noEntriesPanel->setVisible(mode == Mode::None || mode == Mode::NoEntries);
    m_noEntries->setVisible(mode == Mode::NoEntries);
    m_figureMarker->setVisible(mode == Mode::Figure);
    m_nameMarker->setVisible(mode == Mode::Name);
    // The current mode's link is heard as such: as checked, and in its name, since
    // screen readers such as Orca say neither a link's state nor the mark beside it.
    const QString current = accessibleTexts(m_lang).currentMode;
    m_figureLink->setCurrent(mode == Mode::Figure);
    m_figureLink->setSpokenContext(mode == Mode::Figure ? current : QString());
    m_nameLink->setCurrent(mode == Mode::Name);
    m_nameLink->setSpokenContext(mode == Mode::Name ? current : QString());
    const bool linksAct = mode != Mode::NoEntries;
    m_figureLink->setVisible(linksAct);
    m_nameLink->setVisible(linksAct);
    m_figureItem->setEnabled(linksAct);
    m_nameItem->setEnabled(linksAct);
    if (mode == Mode::Name)
        m_searchBox->setFocus();
    // The big text that takes the panel's place is said wherever the focus is.
    if (mode == Mode::NoEntries)
        Announcer::of(this)->announce(m_model->texts().noEntries);
}

QString FavouritesWindow::spokenShownNames() const
{
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    // Each name shown, once, with the families it is shown in.
    QStringList names;
    QList<QStringList> families;
    for (Family family : kFamilies) {
        const ClickableLabel *label = m_nameLabels[static_cast<std::size_t>(family)];
        if (label->holdsNoName())
            continue;
        const qsizetype at = names.indexOf(label->text());
        if (at < 0) {
            names << label->text();
            families << QStringList{accessible.family(family)};
        } else {
            families[at] << accessible.family(family);
        }
    }
    QStringList said;
    for (qsizetype i = 0; i < names.size(); ++i)
        said << accessible.shownIn.arg(names[i], families[i].join(accessible.listSeparator));
    return said.join(accessible.groupSeparator);
}

void FavouritesWindow::showLabels()
{
    for (Family family : kFamilies)
        m_nameLabels[static_cast<std::size_t>(family)]->setText(m_model->label(family));
}

} // namespace tessaron

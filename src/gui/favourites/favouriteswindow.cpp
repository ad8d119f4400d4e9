#include "gui/favourites/favouriteswindow.h"

#include "core/models/importoffer.h"
#include "core/texts/accessibletexts.h"
#include "gui/favourites/filedrop.h"
#include "gui/widgets/announcer.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/namedcombobox.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"
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

// Where the favourites window's controls stand, in twips, and how they look;
// the contents of a panel stand within their panel.
struct FavouritesLayout {
    QSize client; // pixels
    bool sizable; // the English twin's border can be resized; no control moves
    struct Label {
        QString name;
        QRect twips;
        FontSpec font;
        QColor colour; // of the text; invalid for the window's own
    };
    struct Place {
        QString name;
        QRect twips;
    };
    // One family's row in the by-name panel: its outline, its label and its
    // delete button.
    struct NameRow {
        QRect outline;
        QRect label;
        Place deleteButton;
    };

    Label title;
    Place figureLink;
    Place nameLink;
    FontSpec linkFont;
    QColor linkColour;
    Place figureMarker;
    Place nameMarker;
    QRect panel;
    // The by-figure panel.
    std::array<FamilyOutline, 4> figureOutlines; // pixels
    std::array<QRect, 4> lists;
    std::array<QRect, 4> openButtons;
    // The by-name panel. The search prompt is as wide as the room up to the
    // search box, so it is never cut.
    Label searchPrompt;
    Place searchBox;
    Place searchButton;
    Place previous;
    Place next;
    int rowOutlineWidth;
    std::array<NameRow, 4> nameRows;
    FontSpec nameLabelFont;
    QColor nameLabelBackground;
    // The panel shown when the store has no entries; each twin's text has a
    // width of its own.
    QRect noEntries;
    FontSpec noEntriesFont;
    QColor noEntriesColour;
};

FavouritesLayout makeLayout(QSize clientTwips, int noEntriesWidth, bool sizable)
{
    FavouritesLayout l;
    l.sizable = sizable;
    l.client = sizeFromTwips(clientTwips.width(), clientTwips.height());
    l.title = {QStringLiteral("lblaTitol"), QRect(240, 120, 8775, 735), {26.25, true, true}, kRed};
    l.figureLink = {QStringLiteral("Label1"), QRect(2400, 1080, 1815, 255)};
    l.nameLink = {QStringLiteral("Label2"), QRect(4920, 1080, 1815, 255)};
    l.linkFont = {9.75, true, true};
    l.linkColour = kBlue;
    l.figureMarker = {QStringLiteral("Shape3"), QRect(1920, 1080, 255, 255)};
    l.nameMarker = {QStringLiteral("Shape4"), QRect(6960, 1080, 255, 255)};
    l.panel = QRect(0, 1440, 9255, 3255);
    const int figureWidth = 3;
    l.figureOutlines = {{
        {Family::R, rectFromTwips(240, 480, 3855, 735), figureWidth},
        {Family::C, rectFromTwips(5160, 480, 3855, 735), figureWidth},
        {Family::T, {}, figureWidth, polygonFromTwips({{2280, 1800}, {4200, 2760}, {240, 2760}})},
        {Family::P, rectFromTwips(5160, 1800, 3840, 960), figureWidth},
    }};
    const int listHeight = 315;
    l.lists = {QRect(480, 720, 3375, listHeight), QRect(5760, 720, 2895, listHeight),
               QRect(1200, 2400, 2055, listHeight), QRect(5640, 2160, 3135, listHeight)};
    l.openButtons = {QRect(1320, 1320, 1815, 255), QRect(6360, 1320, 1815, 255),
                     QRect(1320, 2880, 1815, 255), QRect(6240, 2880, 1815, 255)};
    l.searchPrompt = {QStringLiteral("Label4"), QRect(240, 120, 2160, 285), {12, true}, {}};
    l.searchBox = {QStringLiteral("txtnom"), QRect(2400, 120, 5415, 285)};
    l.searchButton = {QStringLiteral("cmdbuscar"), QRect(8040, 120, 1095, 375)};
    l.previous = {QStringLiteral("Command7"), QRect(2400, 600, 1575, 615)};
    l.next = {QStringLiteral("Command8"), QRect(6240, 600, 1575, 615)};
    l.rowOutlineWidth = 2;
    // A row's outline stands beside its delete button, 30 twips in from its top and bottom.
    const std::array<QString, 4> deleteNames{
        QStringLiteral("cmdBorra_R"), QStringLiteral("cmdBorra_C"), QStringLiteral("cmdBorra_T"),
        QStringLiteral("cmdBorra_P")};
    for (std::size_t i = 0; i < l.nameRows.size(); ++i) {
        const int buttonTop = 1200 + 480 * int(i);
        l.nameRows[i] = {QRect(240, buttonTop + 30, 1695 - 240, 495 - 60),
                         QRect(1920, buttonTop + 120, 6255, 255),
                         {deleteNames[i], QRect(8280, buttonTop, 855, 495)}};
    }
    l.nameLabelFont = {9.75};
    l.nameLabelBackground = kLightYellow;
    l.noEntries = QRect(120, 840, noEntriesWidth, 1695);
    l.noEntriesFont = {48, true, true};
    l.noEntriesColour = kDarkRed;
    return l;
}

const FavouritesLayout &favouritesLayout(Lang lang)
{
    static const FavouritesLayout spanish = makeLayout(QSize(9240, 4980), 8655, false);
    static const FavouritesLayout english = makeLayout(QSize(9210, 4950), 9015, true);
    return lang == Lang::Spanish ? spanish : english;
}

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
    setFont(arial({8.25}));
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
    auto *title = new QLabel(QStringLiteral("Tessaron"), m_client);
    title->setObjectName(layout.title.name);
    title->setGeometry(rectFromTwips(layout.title.twips));
    title->setFont(arial(layout.title.font));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColour(title, QPalette::WindowText, layout.title.colour);

    const QCursor hand = handCursor(screenRatio(this));
    auto link = [&](const FavouritesLayout::Place &place, const QString &text) {
        auto *label = new ClickableLabel(text, m_client);
        label->setObjectName(place.name);
        label->setGeometry(rectFromTwips(place.twips));
        label->setFont(arial(layout.linkFont));
        label->setCursor(hand);
        setColour(label, QPalette::WindowText, layout.linkColour);
        return label;
    };
    m_figureLink = link(layout.figureLink, texts.figureLink);
    m_nameLink = link(layout.nameLink, texts.nameLink);
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_figureLink->setAccessibleDescription(accessible.showsByFigure);
    m_nameLink->setAccessibleDescription(accessible.showsByName);
    m_figureMarker = new Marker(m_client);
    m_figureMarker->setObjectName(layout.figureMarker.name);
    m_figureMarker->setGeometry(rectFromTwips(layout.figureMarker.twips));
    m_nameMarker = new Marker(m_client);
    m_nameMarker->setObjectName(layout.nameMarker.name);
    m_nameMarker->setGeometry(rectFromTwips(layout.nameMarker.twips));
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
    m_figurePanel = new FigureCanvas(m_client);
    m_figurePanel->setObjectName(QStringLiteral("picfig"));
    m_figurePanel->setGeometry(rectFromTwips(layout.panel));
    for (const FamilyOutline &outline : layout.figureOutlines)
        m_figurePanel->addFamilyOutline(outline.family, outline.area, outline.width,
                                        outline.designed);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        auto *list = new NamedComboBox(m_figurePanel);
        list->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        list->setGeometry(rectFromTwips(layout.lists[i]));
        list->setModel(m_model->list(family));
        list->setCurrentIndex(-1);
        // Rows of one height: the drop-down sizes itself without laying out every row.
        if (auto *view = qobject_cast<QListView *>(list->view()))
            view->setUniformItemSizes(true);
        // The lists show no caption: screen readers hear their family.
        list->setAccessibleName(accessibleTexts(m_lang).familyNames[i]);
        m_lists[i] = list;
        auto *open = new QPushButton(texts.openButton, m_figurePanel);
        open->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        open->setGeometry(rectFromTwips(layout.openButtons[i]));
        open->setAccessibleName(accessibleTexts(m_lang).forFamily(texts.openButton, family));
        m_openButtons[i] = open;
    }
}

void FavouritesWindow::createNamePanel(const QCursor &hand)
{
    const FavouritesTexts &texts = m_model->texts();
    const FavouritesLayout &layout = favouritesLayout(m_lang);
    m_namePanel = new FigureCanvas(m_client);
    m_namePanel->setObjectName(QStringLiteral("picnom"));
    m_namePanel->setGeometry(rectFromTwips(layout.panel));

    auto *prompt = new QLabel(texts.searchPrompt, m_namePanel);
    prompt->setObjectName(layout.searchPrompt.name);
    prompt->setGeometry(rectFromTwips(layout.searchPrompt.twips));
    prompt->setFont(arial(layout.searchPrompt.font));
    m_searchBox = new QLineEdit(m_namePanel);
    m_searchBox->setObjectName(layout.searchBox.name);
    m_searchBox->setGeometry(rectFromTwips(layout.searchBox.twips));
    m_searchBox->setAccessibleName(texts.searchBoxName);
    m_searchButton = new QPushButton(texts.searchButton, m_namePanel);
    m_searchButton->setObjectName(layout.searchButton.name);
    m_searchButton->setToolTip(texts.searchTip);
    m_searchButton->setGeometry(rectFromTwips(layout.searchButton.twips));

    auto pictureButton = [this](const FavouritesLayout::Place &place, const QString &tip,
                                const QIcon &icon) {
        auto *button = new QPushButton(m_namePanel);
        button->setObjectName(place.name);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        button->setIcon(icon);
        button->setIconSize(icon.availableSizes().value(0));
        button->setGeometry(rectFromTwips(place.twips));
        return button;
    };
    m_previous = pictureButton(layout.previous, texts.previousTip, stepIcon(false));
    m_next = pictureButton(layout.next, texts.nextTip, stepIcon(true));

    const QIcon cross = deleteIcon();
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        const FavouritesLayout::NameRow &row = layout.nameRows[i];
        m_namePanel->addFamilyOutline(family, rectFromTwips(row.outline), layout.rowOutlineWidth);
        auto *label = new ClickableLabel(m_model->label(family), m_namePanel);
        label->setObjectName(QStringLiteral("lbladreca%1").arg(i + 1));
        label->setGeometry(rectFromTwips(row.label));
        label->setFont(arial(layout.nameLabelFont));
        label->setCursor(hand);
        setColour(label, QPalette::Window, layout.nameLabelBackground);
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
    m_noEntriesPanel = new QWidget(m_client);
    m_noEntriesPanel->setObjectName(QStringLiteral("picnohay"));
    m_noEntriesPanel->setGeometry(rectFromTwips(layout.panel));
    m_noEntries = new QLabel(texts.noEntries, m_noEntriesPanel);
    m_noEntries->setObjectName(QStringLiteral("Label3"));
    m_noEntries->setGeometry(rectFromTwips(layout.noEntries));
    m_noEntries->setFont(arial(layout.noEntriesFont));
    m_noEntries->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColour(m_noEntries, QPalette::WindowText, layout.noEntriesColour);
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
    const QSize client = favouritesLayout(m_lang).client;
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

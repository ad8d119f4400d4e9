#include "gui/favourites/favouriteswindow.h"

#include "core/texts/accessibletexts.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/namedcombobox.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"
#include "gui/widgets/windowplacement.h"

#include <QCloseEvent>
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

// Where things stand, in twips; panel contents are within their panel.
constexpr QRect kTitle(240, 120, 8775, 735);
constexpr QRect kFigureLink(2400, 1080, 1815, 255);
constexpr QRect kNameLink(4920, 1080, 1815, 255);
constexpr QRect kFigureMarker(1920, 1080, 255, 255);
constexpr QRect kNameMarker(6960, 1080, 255, 255);
constexpr QRect kPanel(0, 1440, 9255, 3255);
constexpr int kListHeight = 315;
constexpr std::array<QRect, 4> kLists{
    {QRect(480, 720, 3375, kListHeight), QRect(5760, 720, 2895, kListHeight),
     QRect(1200, 2400, 2055, kListHeight), QRect(5640, 2160, 3135, kListHeight)}};
constexpr std::array<QPoint, 4> kOpenButtons{
    {QPoint(1320, 1320), QPoint(6360, 1320), QPoint(1320, 2880), QPoint(6240, 2880)}};
constexpr QSize kOpenButtonSize(1815, 255);
constexpr int kFigureOutlineWidth = 3;
constexpr int kRowOutlineWidth = 2;
// As wide as the room up to the search box, so the prompt is never cut.
constexpr QRect kSearchPrompt(240, 120, 2160, 285);
constexpr QRect kSearchBox(2400, 120, 5415, 285);
constexpr QRect kSearchButton(8040, 120, 1095, 375);
constexpr QRect kPrevious(2400, 600, 1575, 615);
constexpr QRect kNext(6240, 600, 1575, 615);
constexpr std::array<int, 4> kLabelTops{1320, 1800, 2280, 2760};
constexpr std::array<int, 4> kDeleteTops{1200, 1680, 2160, 2640};
constexpr int kLabelLeft = 1920;
constexpr int kLabelWidth = 6255;
constexpr int kLabelHeight = 255;
constexpr QRect kDeleteButton(8280, 0, 855, 495); // top from kDeleteTops
constexpr int kRowOutlineLeft = 240;
constexpr int kRowOutlineRight = 1695;
constexpr QPoint kNoEntriesAt(120, 840);
constexpr int kNoEntriesHeight = 1695;
const std::array<QString, 4> kDeleteNames{
    QStringLiteral("cmdBorra_R"), QStringLiteral("cmdBorra_C"), QStringLiteral("cmdBorra_T"),
    QStringLiteral("cmdBorra_P")};

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
    load();
}

void FavouritesWindow::createControls()
{
    const FavouritesTexts &texts = m_model->texts();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    auto *title = new QLabel(QStringLiteral("Tessaron"), m_client);
    title->setObjectName(QStringLiteral("lblaTitol"));
    title->setGeometry(rectFromTwips(kTitle));
    title->setFont(arial({26.25, true, true}));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColour(title, QPalette::WindowText, kRed);

    const QCursor hand = handCursor(screenRatio(this));
    auto link = [&](const QString &name, const QString &text, const QRect &twips) {
        auto *label = new ClickableLabel(text, m_client);
        label->setObjectName(name);
        label->setGeometry(rectFromTwips(twips));
        label->setFont(arial({9.75, true, true}));
        label->setCursor(hand);
        setColour(label, QPalette::WindowText, kBlue);
        return label;
    };
    m_figureLink = link(QStringLiteral("Label1"), texts.figureLink, kFigureLink);
    m_nameLink = link(QStringLiteral("Label2"), texts.nameLink, kNameLink);
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_figureLink->setAccessibleDescription(accessible.showsByFigure);
    m_nameLink->setAccessibleDescription(accessible.showsByName);
    m_figureMarker = new Marker(m_client);
    m_figureMarker->setObjectName(QStringLiteral("Shape3"));
    m_figureMarker->setGeometry(rectFromTwips(kFigureMarker));
    m_nameMarker = new Marker(m_client);
    m_nameMarker->setObjectName(QStringLiteral("Shape4"));
    m_nameMarker->setGeometry(rectFromTwips(kNameMarker));
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
    m_figurePanel = new FigureCanvas(m_client);
    m_figurePanel->setObjectName(QStringLiteral("picfig"));
    m_figurePanel->setGeometry(rectFromTwips(kPanel));
    m_figurePanel->addFamilyOutline(Family::R, rectFromTwips(240, 480, 3855, 735),
                                    kFigureOutlineWidth);
    m_figurePanel->addFamilyOutline(Family::C, rectFromTwips(5160, 480, 3855, 735),
                                    kFigureOutlineWidth);
    m_figurePanel->addFamilyOutline(Family::T, {}, kFigureOutlineWidth,
                                    polygonFromTwips({{2280, 1800}, {4200, 2760}, {240, 2760}}));
    m_figurePanel->addFamilyOutline(Family::P, rectFromTwips(5160, 1800, 3840, 960),
                                    kFigureOutlineWidth);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        auto *list = new NamedComboBox(m_figurePanel);
        list->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        list->setGeometry(rectFromTwips(kLists[i]));
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
        open->setGeometry(rectFromTwips(QRect(kOpenButtons[i], kOpenButtonSize)));
        open->setAccessibleName(accessibleTexts(m_lang).forFamily(texts.openButton, family));
        m_openButtons[i] = open;
    }
}

void FavouritesWindow::createNamePanel(const QCursor &hand)
{
    const FavouritesTexts &texts = m_model->texts();
    m_namePanel = new FigureCanvas(m_client);
    m_namePanel->setObjectName(QStringLiteral("picnom"));
    m_namePanel->setGeometry(rectFromTwips(kPanel));

    auto *prompt = new QLabel(texts.searchPrompt, m_namePanel);
    prompt->setObjectName(QStringLiteral("Label4"));
    prompt->setGeometry(rectFromTwips(kSearchPrompt));
    prompt->setFont(arial({12, true}));
    m_searchBox = new QLineEdit(m_namePanel);
    m_searchBox->setObjectName(QStringLiteral("txtnom"));
    m_searchBox->setGeometry(rectFromTwips(kSearchBox));
    m_searchBox->setAccessibleName(texts.searchBoxName);
    m_searchButton = new QPushButton(texts.searchButton, m_namePanel);
    m_searchButton->setObjectName(QStringLiteral("cmdbuscar"));
    m_searchButton->setToolTip(texts.searchTip);
    m_searchButton->setGeometry(rectFromTwips(kSearchButton));

    auto pictureButton = [this](const QString &name, const QString &tip, const QIcon &icon,
                                const QRect &twips) {
        auto *button = new QPushButton(m_namePanel);
        button->setObjectName(name);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        button->setIcon(icon);
        button->setIconSize(icon.availableSizes().value(0));
        button->setGeometry(rectFromTwips(twips));
        return button;
    };
    m_previous =
        pictureButton(QStringLiteral("Command7"), texts.previousTip, stepIcon(false), kPrevious);
    m_next = pictureButton(QStringLiteral("Command8"), texts.nextTip, stepIcon(true), kNext);

    const QIcon cross = deleteIcon();
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        const int buttonTop = kDeleteTops[i];
        m_namePanel->addFamilyOutline(family,
                                      rectFromTwips(kRowOutlineLeft, buttonTop + 30,
                                                    kRowOutlineRight - kRowOutlineLeft,
                                                    kDeleteButton.height() - 60),
                                      kRowOutlineWidth);
        auto *label = new ClickableLabel(m_model->label(family), m_namePanel);
        label->setObjectName(QStringLiteral("lbladreca%1").arg(i + 1));
        label->setGeometry(rectFromTwips(kLabelLeft, kLabelTops[i], kLabelWidth, kLabelHeight));
        label->setFont(arial({9.75}));
        label->setCursor(hand);
        setColour(label, QPalette::Window, kLightYellow);
        label->setAccessibleDescription(accessible.figureDescription(family));
        label->setSpokenContext(accessible.family(family));
        m_nameLabels[i] = label;
        m_deleteButtons[i] = pictureButton(
            kDeleteNames[i], texts.deleteTip, cross,
            QRect(kDeleteButton.left(), buttonTop, kDeleteButton.width(), kDeleteButton.height()));
        m_deleteButtons[i]->setAccessibleName(accessible.forFamily(texts.deleteTip, family));
    }
}

void FavouritesWindow::createNoEntriesPanel()
{
    const FavouritesTexts &texts = m_model->texts();
    m_noEntriesPanel = new QWidget(m_client);
    m_noEntriesPanel->setObjectName(QStringLiteral("picnohay"));
    m_noEntriesPanel->setGeometry(rectFromTwips(kPanel));
    m_noEntries = new QLabel(texts.noEntries, m_noEntriesPanel);
    m_noEntries->setObjectName(QStringLiteral("Label3"));
    m_noEntries->setGeometry(rectFromTwips(
        QRect(kNoEntriesAt.x(), kNoEntriesAt.y(), texts.noEntriesWidth, kNoEntriesHeight)));
    m_noEntries->setFont(arial({48, true, true}));
    m_noEntries->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColour(m_noEntries, QPalette::WindowText, kDarkRed);
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
    connect(m_searchButton, &QPushButton::clicked, m_model,
            [this] { m_model->search(m_searchBox->text()); });
    // Return in the box searches, as the button beside it does.
    connect(m_searchBox, &QLineEdit::returnPressed, m_searchButton, &QPushButton::click);
    connect(m_previous, &QPushButton::clicked, m_model, &FavouritesModel::previousName);
    connect(m_next, &QPushButton::clicked, m_model, &FavouritesModel::nextName);
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
        connect(m_deleteButtons[i], &QPushButton::clicked, m_model,
                [this, family] { m_model->deleteShown(family); });
    }
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, m_model, &FavouritesModel::help);
}

void FavouritesWindow::load()
{
    const FavouritesTexts &texts = m_model->texts();
    const QSize client = rectFromTwips(0, 0, texts.clientWidth, texts.clientHeight).size();
    const QSize outer(client.width(), client.height() + menuBar()->sizeHint().height());
    // The sizable twin may be made smaller as well as larger: its controls stay
    // where they are, and a smaller window shows less of them.
    if (texts.sizable) {
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
}

void FavouritesWindow::showLabels()
{
    for (Family family : kFamilies)
        m_nameLabels[static_cast<std::size_t>(family)]->setText(m_model->label(family));
}

void FavouritesWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed(m_lang);
}

} // namespace tessaron

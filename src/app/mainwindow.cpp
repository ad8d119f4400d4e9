#include "mainwindow.h"

#include "coding/addresses.h"
#include "coding/browser.h"
#include "coding/modtessaron.h"
#include "favourites/savefavourite.h"
#include "ui/clickablelabel.h"
#include "ui/desktop.h"
#include "ui/figurecanvas.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/menushortcutguard.h"
#include "ui/namebox.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace tessaron {

namespace {

constexpr int kClientWidth = 9285;
constexpr int kClientHeight = 4995;
constexpr int kOutlineWidth = 3;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGrey(192, 192, 192);
const QColor kLightYellow(255, 255, 192);
const char *const kHelpTopic = "helpTopic";

// One figure row: its label, the "www." and ".com" labels at its sides, and the
// family's outline around them.
struct FigureRow {
    QRect label;
    int wwwLeft;
    int comLeft;
    int sideWidth;
};

constexpr std::array<FigureRow, 4> kFigureRows{{
    {QRect(1080, 2400, 2295, 255), 360, 3480, 615},
    {QRect(6000, 2400, 2295, 255), 5280, 8400, 615},
    {QRect(1200, 4080, 2055, 255), 600, 3240, 600},
    {QRect(6000, 3840, 2295, 255), 5280, 8400, 615},
}};

constexpr std::array<QRect, 4> kSaveButtons{{
    QRect(1440, 3000, 1575, 255),
    QRect(6360, 3000, 1575, 255),
    QRect(1440, 4560, 1575, 255),
    QRect(6360, 4560, 1575, 255),
}};

QRect px(const QRect &t)
{
    return twipsRect(t.left(), t.top(), t.width(), t.height());
}

QPolygon pxPolygon(std::initializer_list<std::pair<int, int>> points)
{
    QPolygon polygon;
    for (const auto &[x, y] : points)
        polygon << twipsPoint(x, y);
    return polygon;
}

void colour(QWidget *w, QPalette::ColorRole role, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      m_lang(lang), m_texts(mainWindowTexts(lang)), m_context(context)
{
    setObjectName(m_texts.windowName);
    setWindowTitle(m_texts.caption);
    setWindowIcon(applicationIcon());
    setFont(controlFont());
    createControls();
    createMenus();
    connectSignals();
    load();
}

QString MainWindow::helpFilePath() const
{
    return QDir(m_context.programDir).filePath(m_texts.helpFile);
}

void MainWindow::createControls()
{
    m_canvas = new FigureCanvas(this);
    m_canvas->setObjectName(QStringLiteral("client"));
    m_canvas->setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setCentralWidget(m_canvas);

    auto label = [this](const QString &name, const QString &text, const QRect &t, QFont font) {
        auto *l = new QLabel(text, m_canvas);
        l->setObjectName(name);
        l->setGeometry(px(t));
        l->setFont(font);
        return l;
    };

    QLabel *title = label(m_texts.titleName, QStringLiteral("Tessaron"), m_texts.titleTwips,
                          arial({26.25, true, true}));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colour(title, QPalette::WindowText, kRed);

    colour(label(QStringLiteral("Label1"), QStringLiteral("www."), QRect(2400, 1080, 735, 375),
                 arial({15.75})),
           QPalette::WindowText, kBlue);
    m_nameBox = new QLineEdit(m_canvas);
    m_nameBox->setObjectName(m_texts.nameBoxName);
    m_nameBox->setAccessibleName(m_texts.nameBoxAccessibleName);
    m_nameBox->setGeometry(px(QRect(3240, 1080, 2775, 375)));
    m_nameBox->setFont(arial({14.25}));
    colour(label(QStringLiteral("Label2"), QStringLiteral(".com"), QRect(6120, 1080, 735, 375),
                 arial({15.75})),
           QPalette::WindowText, kBlue);

    colour(label(m_texts.plainWwwName, QStringLiteral("www ."), QRect(2400, 1560, 735, 255),
                 arial({12, true})),
           QPalette::Window, kGrey);
    m_plainLabel = new ClickableLabel(QStringLiteral("?"), m_canvas);
    m_plainLabel->setObjectName(m_texts.plainLabelName);
    m_plainLabel->setGeometry(px(QRect(3240, 1560, 2775, 255)));
    colour(label(m_texts.plainComName, QStringLiteral(". com"), QRect(6120, 1560, 735, 255),
                 arial({12, true})),
           QPalette::Window, kGrey);

    const QCursor pointer = addressCursor();
    for (ClickableLabel *l : {m_plainLabel}) {
        l->setFont(arial({9.75, true}));
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(pointer);
        colour(l, QPalette::Window, kLightYellow);
    }

    int sideLabel = 3;
    for (std::size_t i = 0; i < kFigureRows.size(); ++i) {
        const FigureRow &row = kFigureRows[i];
        auto *figure = new ClickableLabel(QStringLiteral("?"), m_canvas);
        figure->setObjectName(m_texts.figureLabelPrefix + QString::number(i + 1));
        figure->setGeometry(px(row.label));
        figure->setFont(arial({9.75, true}));
        figure->setAlignment(Qt::AlignCenter);
        figure->setCursor(pointer);
        colour(figure, QPalette::Window, kLightYellow);
        m_figureLabels[i] = figure;
        label(QStringLiteral("Label%1").arg(sideLabel++), QStringLiteral("www."),
              QRect(row.wwwLeft, row.label.top(), row.sideWidth, 255), arial({9.75, true}));
        label(QStringLiteral("Label%1").arg(sideLabel++), QStringLiteral(".com"),
              QRect(row.comLeft, row.label.top(), row.sideWidth, 255), arial({9.75, true}));
    }

    m_canvas->addRectangle(twipsRect(120, 2160, 4095, 735), kOutlineWidth);
    m_canvas->addEllipse(twipsRect(5040, 2160, 4095, 735), kOutlineWidth);
    m_canvas->addLines(pxPolygon({{0, 4440}, {2280, 3480}, {4440, 4440}}), kOutlineWidth);
    m_canvas->addLines(pxPolygon({{5040, 3840},
                                  {5040, 4080},
                                  {6360, 4440},
                                  {7920, 4440},
                                  {9120, 4080},
                                  {9120, 3840},
                                  {7920, 3480},
                                  {6360, 3480}}),
                       kOutlineWidth);

    auto button = [this](const QString &name, const QString &text, const QString &tip,
                         const QRect &t) {
        auto *b = new QPushButton(text, m_canvas);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setGeometry(px(t));
        return b;
    };
    m_favourites = button(QStringLiteral("Command3"), m_texts.favouritesCaption,
                          m_texts.favouritesTip, QRect(240, 1200, 1935, 375));
    m_registers = button(QStringLiteral("Command2"), m_texts.registersCaption,
                         m_texts.registersTip, QRect(7080, 1200, 1935, 375));
    m_symbology = button(QStringLiteral("Command1"), QString(), m_texts.symbologyTip,
                         QRect(4320, 3000, 615, 615));
    m_symbology->setIcon(QIcon(symbologyPixmap(32)));
    m_symbology->setIconSize(QSize(32, 32));
    m_symbology->setAccessibleName(m_texts.symbologyTip);
    for (std::size_t i = 0; i < kSaveButtons.size(); ++i)
        m_saveButtons[i] = button(QStringLiteral("Command%1").arg(i + 4), m_texts.saveCaption,
                                  m_texts.saveTip, kSaveButtons[i]);
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const MenuSpec &menuSpec : m_texts.menus) {
        QMenu *menu = bar->addMenu(menuSpec.caption);
        menu->setObjectName(menuSpec.name);
        menu->menuAction()->setObjectName(menuSpec.name);
        menu->installEventFilter(this);
        for (const MenuItemSpec &item : menuSpec.items) {
            QAction *action = item.caption == u"-" ? menu->addSeparator()
                                                   : menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setParent(this); // findChild<QAction *> on the window finds every item
            menu->addAction(action);
            if (!item.shortcut.isEmpty())
                action->setShortcut(QKeySequence(item.shortcut));
            if (item.helpTopic != 0)
                action->setProperty(kHelpTopic, item.helpTopic);
            if (item.command != MainCommand::None) {
                const MainCommand command = item.command;
                connect(action, &QAction::triggered, this, [this, command] { run(command); });
            }
        }
    }
}

void MainWindow::connectSignals()
{
    m_nameCheck = new NameBox(m_nameBox, m_lang, CheckWindow::Main, m_context.state,
                              m_context.desktop);
    connect(m_nameCheck, &NameBox::captionChanged, this, &MainWindow::showCaption);
    new MenuShortcutGuard(m_nameBox, this);
    for (Family family : kFamilies) {
        ClickableLabel *label = m_figureLabels[static_cast<std::size_t>(family)];
        connect(label, &ClickableLabel::clicked, this, [this, family, label] {
            openFigureAddress(m_context.state, m_context.desktop, family, label->text());
        });
    }
    connect(m_plainLabel, &ClickableLabel::clicked, this, [this] {
        openPlainAddress(m_context.state, m_context.desktop, m_plainLabel->text());
    });
    connect(m_favourites, &QPushButton::clicked, this, [this] { run(MainCommand::Favourites); });
    connect(m_registers, &QPushButton::clicked, this, [this] { run(MainCommand::Registers); });
    connect(m_symbology, &QPushButton::clicked, this, [this] { run(MainCommand::Symbology); });
    for (Family family : kFamilies)
        connect(m_saveButtons[static_cast<std::size_t>(family)], &QPushButton::clicked, this,
                [this, family] { saveFamily(family); });
}

void MainWindow::load()
{
    setFixedSize(twips(kClientWidth), twips(kClientHeight) + menuBar()->sizeHint().height());
    // The English twin puts the name back before it centres itself.
    if (m_lang == Lang::Spanish)
        centreOnScreen(this);
    m_nameCheck->setText(m_context.state.NomActual);
    if (m_lang == Lang::English)
        centreOnScreen(this);
    QDir::setCurrent(m_context.programDir);
    try {
        m_data1.open(storePath());
    } catch (const StoreError &error) {
        // Said once, as soon as the window is up (a box shown while the window is
        // still being made would run the event loop inside its making). The window
        // stays usable and a save tries the store again.
        QTimer::singleShot(0, this, [this, text = m_texts.storeOpenFailed + u'\n' + error.message()] {
            m_context.desktop.message(this, text);
        });
    }
}

QString MainWindow::storePath() const
{
    return QDir(m_context.programDir).filePath(QString::fromLatin1(kStoreFileName));
}

void MainWindow::saveFamily(Family family)
{
    const QString caption = m_figureLabels[static_cast<std::size_t>(family)]->text();
    const SaveOutcome outcome =
        saveFavourite(m_data1, storePath(), m_context.state, family, caption);
    switch (outcome.result) {
    case SaveOutcome::Result::NoName:
        m_context.desktop.message(this, m_texts.noAddress);
        break;
    case SaveOutcome::Result::Saved:
        m_context.desktop.message(this, m_texts.saved);
        break;
    case SaveOutcome::Result::AlreadySaved:
        m_context.desktop.message(this, m_texts.alreadySaved);
        break;
    case SaveOutcome::Result::Failed:
        m_context.desktop.message(this, m_texts.saveFailed + u'\n' + outcome.reason);
        break;
    }
}

void MainWindow::showCaption(const QString &caption)
{
    m_plainLabel->setText(caption);
    for (ClickableLabel *label : m_figureLabels)
        label->setText(caption);
}

void MainWindow::run(MainCommand command)
{
    switch (command) {
    case MainCommand::None:
        break;
    case MainCommand::Symbology:
        navigate(WindowKind::Symbology, m_lang);
        break;
    case MainCommand::Registers:
        for (Family family : kFamilies) {
            const QString caption = m_figureLabels[static_cast<std::size_t>(family)]->text();
            m_context.state.registre(family) =
                registerAddress(caption, figureCode(family, caption));
        }
        navigate(WindowKind::Registers, m_lang);
        break;
    case MainCommand::Favourites:
        navigate(WindowKind::Favourites, m_lang);
        break;
    case MainCommand::Compact:
        navigate(WindowKind::Compact, m_lang);
        break;
    case MainCommand::Exit:
        m_context.registry.exitNow();
        break;
    case MainCommand::OtherLanguage:
        navigate(WindowKind::Main, otherLang(m_lang));
        break;
    case MainCommand::HelpContents:
        m_context.desktop.help(this, helpFilePath(), HelpCommand::Contents, 0);
        break;
    case MainCommand::HelpIndex:
        m_context.desktop.help(this, helpFilePath(), HelpCommand::Index, 0);
        break;
    case MainCommand::About:
        m_context.registry.show(WindowKind::About, m_lang);
        break;
    }
}

void MainWindow::navigate(WindowKind kind, Lang lang)
{
    if (!m_context.registry.canShow(kind))
        return;
    m_context.registry.show(kind, lang);
    close();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // F1 on a highlighted menu item opens its help topic, as the help key does in menus.
    auto *menu = qobject_cast<QMenu *>(watched);
    if (menu && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            const QAction *active = menu->activeAction();
            const int topic = active ? active->property(kHelpTopic).toInt() : 0;
            menu->close();
            if (topic != 0)
                m_context.desktop.help(this, helpFilePath(), HelpCommand::Topic, topic);
            else
                m_context.desktop.help(this, helpFilePath(), HelpCommand::Contents, 0);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tessaron

#include "gui/main/mainwindow.h"

#include "core/models/mainmodel.h"
#include "core/texts/accessibletexts.h"
#include "gui/main/mainlayout.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/layoutbuilder.h"
#include "gui/widgets/menushortcutguard.h"
#include "gui/widgets/nameboxbinding.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/windowplacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace tessaron {

namespace {

const char *const kHelpTopic = "helpTopic";

} // namespace

MainWindow::MainWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, kFixedWindowFlags), m_lang(lang),
      m_model(new MainModel(lang, context, this))
{
    setObjectName(m_model->texts().windowName);
    setWindowTitle(m_model->texts().caption);
    setFont(controlFont());
    createControls();
    createMenus();
    connectSignals();
    load();
}

void MainWindow::createControls()
{
    const MainLayout &layout = mainLayout(m_lang);
    const MainWindowTexts &texts = m_model->texts();
    m_canvas = new FigureCanvas(this);
    m_canvas->setObjectName(QStringLiteral("client"));
    m_canvas->setFixedSize(LayoutBuilder::pixels(layout.client));
    setCentralWidget(m_canvas);

    LayoutBuilder build(m_canvas);
    for (const LayoutRow &row : layout.labels)
        build.label(row);

    m_nameBox = build.add<QLineEdit>(layout.nameBox);
    m_nameBox->setAccessibleName(texts.nameBoxAccessibleName);

    const QCursor pointer = addressCursor(screenRatio(this));
    auto nameLabel = [&](const LayoutRow &row) {
        auto *label = build.add<ClickableLabel>(row, m_model->caption());
        label->setCursor(pointer);
        return label;
    };
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_plainLabel = nameLabel(layout.plainLabel);
    m_plainLabel->setAccessibleDescription(accessible.opensPlain);
    m_plainLabel->setSpokenContext(accessible.plainContext, accessible.noName);
    for (std::size_t i = 0; i < m_figureLabels.size(); ++i) {
        const MainLayout::FigureRow &row = layout.figureRows[i];
        m_figureLabels[i] = nameLabel(row.label);
        m_figureLabels[i]->setAccessibleDescription(accessible.figureDescription(kFamilies[i]));
        m_figureLabels[i]->setSpokenContext(accessible.family(kFamilies[i]), accessible.noName);
        build.label(row.www);
        build.label(row.com);
    }

    for (const OutlineRow &outline : layout.outlines)
        LayoutBuilder::addOutline(m_canvas, outline);

    auto button = [&](const LayoutRow &row, const QString &text, const QString &tip) {
        auto *b = build.add<QPushButton>(row, text);
        b->setToolTip(tip);
        return b;
    };
    m_favourites = button(layout.favourites, texts.favouritesCaption, texts.favouritesTip);
    m_registers = button(layout.registers, texts.registersCaption, texts.registersTip);
    m_symbology = button(layout.symbology, QString(), texts.symbologyTip);
    m_symbology->setIcon(symbologyIcon());
    m_symbology->setIconSize(QSize(32, 32));
    m_symbology->setAccessibleName(texts.symbologyTip);
    for (std::size_t i = 0; i < m_saveButtons.size(); ++i) {
        m_saveButtons[i] = button(layout.saveButtons[i], texts.saveCaption, texts.saveTip);
        m_saveButtons[i]->setAccessibleName(accessible.forFamily(texts.saveCaption, kFamilies[i]));
    }
    chainTabOrder({m_favourites, m_nameBox, m_registers, m_plainLabel, m_figureLabels[0],
                   m_figureLabels[1], m_saveButtons[0], m_symbology, m_saveButtons[1],
                   m_figureLabels[2], m_figureLabels[3], m_saveButtons[2], m_saveButtons[3]});
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const MenuSpec &menuSpec : m_model->texts().menus) {
        QMenu *menu = bar->addMenu(menuSpec.caption);
        menu->setObjectName(menuSpec.name);
        menu->menuAction()->setObjectName(menuSpec.name);
        menu->installEventFilter(this);
        for (const MenuItemSpec &item : menuSpec.items) {
            QAction *action =
                item.caption == u"-" ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setParent(this); // findChild<QAction *> on the window finds every item
            menu->addAction(action);
            if (!item.shortcut.isEmpty())
                action->setShortcut(QKeySequence(item.shortcut));
            if (item.helpTopic != 0)
                action->setProperty(kHelpTopic, item.helpTopic);
            if (item.command != MainCommand::None) {
                const MainCommand command = item.command;
                connect(action, &QAction::triggered, m_model,
                        [this, command] { m_model->run(command); });
            }
        }
    }
}

void MainWindow::connectSignals()
{
    bindNameBox(m_nameBox, &m_model->nameEntry());
    connect(&m_model->nameEntry(), &NameEntry::captionChanged, this, &MainWindow::showCaption);
    connect(m_model, &MainModel::closeRequested, this, &QWidget::close);
    connect(m_model, &MainModel::storeBusy, this, [](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    new MenuShortcutGuard(m_nameBox, this);
    for (Family family : kFamilies)
        connect(m_figureLabels[static_cast<std::size_t>(family)], &ClickableLabel::clicked, m_model,
                [this, family] { m_model->openFigureAddress(family); });
    connect(m_plainLabel, &ClickableLabel::clicked, m_model, &MainModel::openPlainAddress);
    connect(m_favourites, &QPushButton::clicked, m_model,
            [this] { m_model->run(MainCommand::Favourites); });
    connect(m_registers, &QPushButton::clicked, m_model,
            [this] { m_model->run(MainCommand::Registers); });
    connect(m_symbology, &QPushButton::clicked, m_model,
            [this] { m_model->run(MainCommand::Symbology); });
    for (Family family : kFamilies)
        connect(m_saveButtons[static_cast<std::size_t>(family)], &QPushButton::clicked, m_model,
                [this, family] { m_model->save(family); });
}

void MainWindow::load()
{
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(m_canvas->width(), m_canvas->height() + menuHeight);
    const bool nameFirst = mainLayout(m_lang).nameBeforeCentring;
    if (!nameFirst)
        centreOnScreen(this);
    m_nameBox->setText(m_model->startName());
    if (nameFirst)
        centreOnScreen(this);
    m_nameBox->setFocus();
    m_model->load();
}

void MainWindow::showCaption(const QString &caption)
{
    m_plainLabel->setText(caption);
    for (ClickableLabel *label : m_figureLabels)
        label->setText(caption);
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
            m_model->helpOnMenuItem(topic);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tessaron

#include "gui/about/aboutwindow.h"

#include "core/texts/accessibletexts.h"
#include "gui/about/aboutframes.h"
#include "gui/about/aboutlayout.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/layoutbuilder.h"
#include "gui/widgets/windowplacement.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace tessaron {

namespace {

constexpr int kCloseAfterMs = 10000;
constexpr int kFrameEveryMs = 100;

// The About window stands alone for a while and asks nothing: to a screen reader
// it is a dialog, whose texts are read out when it opens.
QAccessibleInterface *readAsDialog(QObject *window)
{
    return new QAccessibleWidget(static_cast<QWidget *>(window), QAccessible::Dialog);
}

} // namespace

AboutWindow::AboutWindow(Lang lang, const AppContext &context)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_lang(lang), m_texts(aboutTexts(lang)), m_model(context.state, context.desktop)
{
    addAccessibleInterface(AboutWindow::staticMetaObject.className(), readAsDialog);
    setObjectName(m_texts.windowName);
    setWindowTitle(m_texts.caption);
    setFont(controlFont());
    createControls();
    connectSignals();
    load();
}

void AboutWindow::createControls()
{
    const AboutLayout &layout = aboutLayout(m_lang);
    setFixedSize(LayoutBuilder::pixels(layout.client));
    auto *canvas = new FigureCanvas(this);
    canvas->setGeometry(rect());
    for (const LayoutRow &frame : layout.frames)
        LayoutBuilder::addFrame(canvas, frame, layout.frameWidth);

    LayoutBuilder build(this);
    m_picture = build.add<ClickableLabel>(layout.picture);
    m_picture->setAccessibleName(m_texts.animationName);
    m_picture->setAccessibleDescription(accessibleTexts(m_lang).opensHomePage);
    m_picture->setCursor(Qt::PointingHandCursor);
    build.label(layout.description, m_texts.description);
    build.label(layout.legalNotice, m_texts.legalNotice);

    auto *button = build.add<QPushButton>(layout.button, m_texts.button);
    button->setDefault(true);
    // The picture comes first in the Tab order, but Return closes the window at once.
    button->setFocus();
    connect(button, &QPushButton::clicked, this, &QWidget::close);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("Timer1"));
    m_closeTimer->setInterval(kCloseAfterMs);
    m_closeTimer->setSingleShot(true);
    m_animationTimer = new QTimer(this);
    m_animationTimer->setObjectName(QStringLiteral("Timer2"));
    m_animationTimer->setInterval(kFrameEveryMs);
}

void AboutWindow::connectSignals()
{
    connect(m_closeTimer, &QTimer::timeout, this, &AboutWindow::Timer1_Timer);
    connect(m_animationTimer, &QTimer::timeout, this, &AboutWindow::Timer2_Timer);
    connect(m_picture, &ClickableLabel::clicked, this, &AboutWindow::Picture1_Click);
}

void AboutWindow::load()
{
    centreOnScreen(this);
    m_closeTimer->start();
    // The first frame is drawn as soon as the window is up: its lettering needs a
    // font of its own, which would otherwise keep the window from showing.
    QTimer::singleShot(0, this, [this, first = m_model.load()] {
        if (m_shownFrame == 0)
            showFrame(first);
    });
    m_animationTimer->start();
}

void AboutWindow::showFrame(int number)
{
    m_picture->setPixmap(QPixmap::fromImage(aboutFrame(number, devicePixelRatioF())));
    m_shownFrame = number;
}

void AboutWindow::Timer1_Timer()
{
    // A screen reader takes longer than ten seconds to read the window out (its
    // 44 words, about 15 s with Orca), and a window that vanishes mid-sentence
    // takes the rest with it: with a reader listening, the window waits for its
    // button, its close box or a click, as it always may be closed. Asked when
    // the timer runs out, so a reader started meanwhile counts too.
    if (QAccessible::isActive())
        return;
    close();
}

void AboutWindow::Timer2_Timer()
{
    if (const int frame = m_model.tick(); frame != 0)
        showFrame(frame);
}

void AboutWindow::Picture1_Click()
{
    close();
    // Closing only schedules the window's deletion: its model is still there.
    m_model.openHomePage();
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    m_closeTimer->stop();
    m_animationTimer->stop();
    event->accept();
}

} // namespace tessaron

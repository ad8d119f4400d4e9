#include "aboutwindow.h"

#include "aboutframes.h"

#include "app/windowregistry.h"
#include "coding/browser.h"
#include "coding/modtessaron.h"
#include "ui/clickablelabel.h"
#include "ui/desktop.h"
#include "ui/figurecanvas.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace tessaron {

namespace {

constexpr int kCloseAfterMs = 10000;
constexpr int kFrameEveryMs = 100;
constexpr int kFrameBorderWidth = 2;

} // namespace

AboutWindow::AboutWindow(Lang lang, const AppContext &context)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_lang(lang), m_texts(aboutTexts(lang)), m_context(context)
{
    setObjectName(m_texts.windowName);
    setWindowTitle(m_texts.caption);
    setWindowIcon(applicationIcon());
    setFont(controlFont());
    createControls();
    connectSignals();
    load();
}

void AboutWindow::createControls()
{
    setFixedSize(twips(m_texts.innerWidth), twips(m_texts.innerHeight));
    auto *canvas = new FigureCanvas(this);
    canvas->setGeometry(rect());
    canvas->addRectangle(twipsRect(120, 2160, 5415, 1215), kFrameBorderWidth);
    canvas->addRectangle(twipsRect(120, 3600, 5415, 2175), kFrameBorderWidth);

    m_picture = new ClickableLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(twipsRect(840, 240, 1215, 1215));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->setAccessibleName(m_texts.animationName);
    m_picture->setCursor(Qt::PointingHandCursor);

    auto text = [this](const QString &name, const QString &caption, const QRect &geometry) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setFont(arial({9.75}));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
    };
    text(QStringLiteral("Label5"), m_texts.description, twipsRect(240, 2400, 5175, 735));
    text(QStringLiteral("Label8"), m_texts.legalNotice,
         twipsRect(360, 4680, 3255, m_texts.legalNoticeHeight));

    auto *button = new QPushButton(m_texts.button, this);
    button->setObjectName(QStringLiteral("Command1"));
    button->setGeometry(twipsRect(3840, 4920, 1455, 495));
    button->setDefault(true);
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
    showFrame(1);
    m_animationTimer->start();
    m_conta = 1;
    m_context.state.NavegadorExe = discoverBrowser();
}

void AboutWindow::showFrame(int number)
{
    m_picture->setPixmap(QPixmap::fromImage(aboutFrame(number)));
    m_shownFrame = number;
}

void AboutWindow::Timer1_Timer()
{
    close();
}

void AboutWindow::Timer2_Timer()
{
    ++m_conta;
    if (m_conta >= 1 && m_conta <= kAboutFrameCount)
        showFrame(m_conta);
    if (m_conta == kAboutFrameCount)
        m_conta = 0;
}

void AboutWindow::Picture1_Click()
{
    // Read before closing: the window goes away with its state.
    const QString browser = m_context.state.NavegadorExe;
    Desktop &desktop = m_context.desktop;
    close();
    // With no browser program found, the desktop's own handler still opens the page.
    if (browser.isEmpty())
        desktop.openAddress(QString::fromLatin1(kHomePage));
    else
        desktop.startBrowser(browser, QString::fromLatin1(kHomePage));
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    m_closeTimer->stop();
    m_animationTimer->stop();
    event->accept();
    m_context.registry.show(WindowKind::Main, m_lang);
}

} // namespace tessaron

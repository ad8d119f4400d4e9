#include "gui/compact/compactwindow.h"

#include "core/models/compactmodel.h"
#include "core/texts/accessibletexts.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/nameboxbinding.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"
#include "gui/widgets/windowplacement.h"
#include "gui/widgets/wrappingbutton.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaron {

namespace {

constexpr QRect kClient(0, 0, 6555, 1170);
constexpr int kOutlineWidth = 3;
constexpr std::array<QRect, 4> kTags{{QRect(1200, 720, 495, 255), QRect(2280, 720, 495, 255),
                                      QRect(3360, 720, 495, 255), QRect(4560, 720, 495, 255)}};

} // namespace

CompactWindow::CompactWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, kFixedWindowFlags), m_lang(lang),
      m_model(new CompactModel(lang, context, this))
{
    setObjectName(m_model->texts().windowName);
    setWindowTitle(m_model->texts().caption);
    setFont(controlFont());
    createControls();
    connectSignals();
    setFixedSize(rectFromTwips(kClient).size());
    // The carried name goes into the box first, which runs the check on it.
    m_nameBox->setText(m_model->startName());
    centreOnScreen(this);
    m_inFront->setVisible(platformKeepsWindowsInFront());
    m_nameBox->setFocus();
}

bool CompactWindow::platformKeepsWindowsInFront()
{
    return platformKeepsWindowsInFront(QGuiApplication::platformName());
}

bool CompactWindow::platformKeepsWindowsInFront(QStringView platform)
{
    // X11 window managers, Windows and macOS honour the stays-on-top request.
    // Wayland has no protocol for it, and its compositors ignore the request:
    // the switch would be ticked and nothing would happen.
    return platform == u"xcb" || platform == u"windows" || platform == u"cocoa";
}

void CompactWindow::createControls()
{
    const CompactTexts &texts = m_model->texts();
    auto *client = new FigureCanvas(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto label = [client](const QString &name, const QString &text, const QRect &twips) {
        auto *l = new QLabel(text, client);
        l->setObjectName(name);
        l->setGeometry(rectFromTwips(twips));
        l->setFont(arial({9.75, true}));
        return l;
    };
    label(texts.prefixName, QStringLiteral("WWW."), QRect(240, 120, 735, 255));
    m_nameBox = new QLineEdit(client);
    m_nameBox->setObjectName(texts.boxName);
    m_nameBox->setAccessibleName(texts.boxAccessibleName);
    m_nameBox->setGeometry(rectFromTwips(1080, 120, 3495, 285));
    m_nameBox->setFont(arial({8.25}));
    label(QStringLiteral("Label2"), QStringLiteral(".COM"), QRect(4680, 120, 615, 255));

    auto *back = new WrappingButton(texts.backCaption, client);
    back->setObjectName(QStringLiteral("Command1"));
    back->setToolTip(texts.backTip);
    back->setGeometry(rectFromTwips(5400, 120, texts.backWidth, 615));
    connect(back, &QPushButton::clicked, m_model, [this] { m_model->goBack(m_nameBox->text()); });

    m_inFront = new QCheckBox(texts.keepInFront, client);
    m_inFront->setObjectName(QStringLiteral("Check_VFlot"));
    m_inFront->setGeometry(rectFromTwips(5520, 840, 855, 195));

    client->addFamilyOutline(Family::R, rectFromTwips(1080, 600, 735, 495), kOutlineWidth);
    client->addFamilyOutline(Family::C, rectFromTwips(2160, 600, 735, 495), kOutlineWidth);
    client->addFamilyOutline(Family::T, {}, kOutlineWidth,
                             polygonFromTwips({{3600, 480}, {4080, 1080}, {3120, 1080}}));
    client->addFamilyOutline(Family::P, {}, kOutlineWidth,
                             polygonFromTwips({{4680, 600},
                                               {4920, 600},
                                               {5160, 720},
                                               {5160, 960},
                                               {4920, 1080},
                                               {4680, 1080},
                                               {4440, 960},
                                               {4440, 720}}));

    const QCursor hand = handCursor(screenRatio(this));
    auto tag = [&](const QString &name, const QRect &twips) {
        auto *t = new ClickableLabel(client);
        t->setObjectName(name);
        t->setGeometry(rectFromTwips(twips));
        t->setCursor(hand);
        t->setAutoFillBackground(true);
        QPalette p = t->palette();
        p.setColor(QPalette::Window, kLightYellow);
        t->setPalette(p);
        return t;
    };
    // The tags show no text: screen readers are given a name for each.
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_plainTag = tag(texts.plainTagName, QRect(240, 720, 495, 255));
    m_plainTag->setAccessibleName(accessible.plainTag);
    m_plainTag->setAccessibleDescription(accessible.opensPlain);
    for (std::size_t i = 0; i < m_tags.size(); ++i) {
        m_tags[i] = tag(texts.tagPrefix + QString::number(i + 1), kTags[i]);
        m_tags[i]->setAccessibleName(accessible.familyNames[i]);
        m_tags[i]->setAccessibleDescription(accessible.figureDescription(kFamilies[i]));
    }
    chainTabOrder(
        {m_nameBox, back, m_plainTag, m_tags[0], m_tags[1], m_tags[2], m_tags[3], m_inFront});
}

void CompactWindow::connectSignals()
{
    bindNameBox(m_nameBox, &m_model->nameEntry());
    connect(m_model, &CompactModel::closeRequested, this, &QWidget::close);
    connect(m_inFront, &QCheckBox::toggled, m_model, &CompactModel::keepInFront);
    connect(m_plainTag, &ClickableLabel::clicked, m_model,
            [this] { m_model->openPlainAddress(m_nameBox->text()); });
    for (Family family : kFamilies)
        connect(m_tags[static_cast<std::size_t>(family)], &ClickableLabel::clicked, m_model,
                [this, family] { m_model->openFigureAddress(family, m_nameBox->text()); });
}

} // namespace tessaron

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

// Where the compact window's controls stand, in twips, and how they look; the
// names that differ between the twins come from their texts.
struct CompactLayout {
    struct Label {
        QString name;
        QString text;
        QRect twips;
        FontSpec font;
    };
    struct Tag {
        QString name;
        QRect twips;
    };

    QRect client;
    std::array<Label, 2> labels;
    QRect nameBox;
    FontSpec nameBoxFont;
    QRect back;
    QRect inFront;
    Tag plainTag;
    std::array<Tag, 4> tags;
    QColor tagBackground;
    std::array<FamilyOutline, 4> outlines;
};

CompactLayout compactLayout(Lang lang, const CompactTexts &t)
{
    CompactLayout l;
    l.client = QRect(0, 0, 6555, 1170);
    // clang-format off
    l.labels = {{
        {t.prefixName, QStringLiteral("WWW."), QRect(240, 120, 735, 255), {9.75, true}},
        {QStringLiteral("Label2"), QStringLiteral(".COM"), QRect(4680, 120, 615, 255), {9.75, true}},
    }};
    // clang-format on
    l.nameBox = QRect(1080, 120, 3495, 285);
    l.nameBoxFont = {8.25};
    l.back = QRect(5400, 120, lang == Lang::Spanish ? 1095 : 975, 615);
    l.inFront = QRect(5520, 840, 855, 195);
    l.plainTag = {t.plainTagName, QRect(240, 720, 495, 255)};
    const std::array<int, 4> tagLefts{1200, 2280, 3360, 4560};
    for (std::size_t i = 0; i < l.tags.size(); ++i)
        l.tags[i] = {t.tagPrefix + QString::number(i + 1), QRect(tagLefts[i], 720, 495, 255)};
    l.tagBackground = kLightYellow;
    const int width = 3;
    l.outlines = {{
        {Family::R, rectFromTwips(1080, 600, 735, 495), width},
        {Family::C, rectFromTwips(2160, 600, 735, 495), width},
        {Family::T, {}, width, polygonFromTwips({{3600, 480}, {4080, 1080}, {3120, 1080}})},
        {Family::P,
         {},
         width,
         polygonFromTwips({{4680, 600},
                           {4920, 600},
                           {5160, 720},
                           {5160, 960},
                           {4920, 1080},
                           {4680, 1080},
                           {4440, 960},
                           {4440, 720}})},
    }};
    return l;
}

} // namespace

CompactWindow::CompactWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, kFixedWindowFlags), m_lang(lang),
      m_model(new CompactModel(lang, context, this))
{
    setObjectName(m_model->texts().windowName);
    setWindowTitle(m_model->texts().caption);
    // Its title is the main window's: a screen reader, which says a window's name
    // when it comes up, hears which of the two this is.
    setAccessibleName(accessibleTexts(m_lang).compactWindow.arg(m_model->texts().caption));
    setFont(controlFont());
    createControls();
    connectSignals();
    setFixedSize(rectFromTwips(compactLayout(m_lang, m_model->texts()).client).size());
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
    const CompactLayout layout = compactLayout(m_lang, texts);
    auto *client = new FigureCanvas(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto label = [client](const CompactLayout::Label &place) {
        auto *l = new QLabel(place.text, client);
        l->setObjectName(place.name);
        l->setGeometry(rectFromTwips(place.twips));
        l->setFont(arial(place.font));
        return l;
    };
    label(layout.labels[0]);
    m_nameBox = new QLineEdit(client);
    m_nameBox->setObjectName(texts.boxName);
    m_nameBox->setAccessibleName(texts.boxAccessibleName);
    m_nameBox->setGeometry(rectFromTwips(layout.nameBox));
    m_nameBox->setFont(arial(layout.nameBoxFont));
    label(layout.labels[1]);

    auto *back = new WrappingButton(texts.backCaption, client);
    back->setObjectName(QStringLiteral("Command1"));
    back->setToolTip(texts.backTip);
    back->setGeometry(rectFromTwips(layout.back));
    connect(back, &QPushButton::clicked, m_model, [this] { m_model->goBack(m_nameBox->text()); });

    m_inFront = new QCheckBox(texts.keepInFront, client);
    m_inFront->setObjectName(QStringLiteral("Check_VFlot"));
    m_inFront->setGeometry(rectFromTwips(layout.inFront));

    for (const FamilyOutline &outline : layout.outlines)
        client->addFamilyOutline(outline.family, outline.area, outline.width, outline.designed);

    const QCursor hand = handCursor(screenRatio(this));
    auto tag = [&](const CompactLayout::Tag &place) {
        auto *t = new ClickableLabel(client);
        t->setObjectName(place.name);
        t->setGeometry(rectFromTwips(place.twips));
        t->setCursor(hand);
        setColour(t, QPalette::Window, layout.tagBackground);
        return t;
    };
    // The tags show no text: screen readers are given a name for each.
    const AccessibleTexts &accessible = accessibleTexts(m_lang);
    m_plainTag = tag(layout.plainTag);
    m_plainTag->setAccessibleName(accessible.plainTag);
    m_plainTag->setAccessibleDescription(accessible.opensPlain);
    for (std::size_t i = 0; i < m_tags.size(); ++i) {
        m_tags[i] = tag(layout.tags[i]);
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

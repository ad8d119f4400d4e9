#include "gui/compact/compactwindow.h"

#include "core/models/compactmodel.h"
#include "core/texts/accessibletexts.h"
#include "gui/compact/compactlayout.h"
#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/layoutbuilder.h"
#include "gui/widgets/nameboxbinding.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/windowplacement.h"
#include "gui/widgets/wrappingbutton.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaron {

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
    setFixedSize(LayoutBuilder::pixels(compactLayout(m_lang, m_model->texts()).client));
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

    LayoutBuilder build(client);
    build.label(layout.labels[0]);
    m_nameBox = build.add<QLineEdit>(layout.nameBox);
    m_nameBox->setAccessibleName(texts.boxAccessibleName);
    build.label(layout.labels[1]);

    auto *back = build.add<WrappingButton>(layout.back, texts.backCaption);
    back->setToolTip(texts.backTip);
    connect(back, &QPushButton::clicked, m_model, [this] { m_model->goBack(m_nameBox->text()); });

    m_inFront = build.add<QCheckBox>(layout.inFront, texts.keepInFront);

    for (const OutlineRow &outline : layout.outlines)
        LayoutBuilder::addOutline(client, outline);

    const QCursor hand = handCursor(screenRatio(this));
    auto tag = [&](const LayoutRow &row) {
        auto *t = build.add<ClickableLabel>(row);
        t->setCursor(hand);
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

#include "gui/sheets/sheettext.h"

#include "gui/widgets/fonts.h"
#include "gui/widgets/layoutbuilder.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tessaron {

namespace {

// Room kept free at the right of each line: the screen at another scale and the
// page are measured with other hinting, and may set a line a little wider.
constexpr qreal kSpareWidth = 0.05;
constexpr int kSmallestPixels = 7;

// Lines of `words` (as separated by blanks) no wider than `width`, breaking only
// between words; empty when a word alone is wider.
QStringList wrapBetweenWords(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    for (const QString &word : words) {
        if (metrics.horizontalAdvance(word) > width)
            return {};
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

SheetText::SheetText(const QString &text, const QRect &box, const QFont &designed, TextFlow flow,
                     QWidget *parent)
    : QLabel(parent), m_flow(flow)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    setGeometry(box);
    setFocusPolicy(Qt::TabFocus);
    fit(letterForLetter(designed));
    setFont(m_font);
}

SheetText::SheetText(const QString &text, const LayoutRow &row, QWidget *parent)
    : SheetText(text, LayoutBuilder::pixels(row), LayoutBuilder::font(row.look, controlFont()),
                row.look.flow, parent)
{
    // The font is the fitted one: the row's face is only where fitting starts.
    LayoutBuilder::place(this, row);
}

void SheetText::fit(const QFont &designed)
{
    m_font = designed;
    // Sizes in pixels of 1/96 inch, the sheets' own unit: the same on any screen
    // and, through the page's scale, on paper.
    if (m_font.pixelSize() <= 0)
        m_font.setPixelSize(qRound(designed.pointSizeF() * 96.0 / 72.0));
    if (m_flow == TextFlow::OneLineKept) {
        m_lines = QStringList{text()};
        return;
    }
    const qreal width = this->width() * (1.0 - kSpareWidth);
    for (int pixels = m_font.pixelSize(); pixels >= kSmallestPixels; --pixels) {
        m_font.setPixelSize(pixels);
        const QFontMetricsF metrics(m_font);
        if (m_flow == TextFlow::OneLine) {
            m_lines = QStringList{text()};
            if (metrics.horizontalAdvance(text()) <= width && metrics.height() <= height())
                return;
            continue;
        }
        m_lines = wrapBetweenWords(text(), metrics, width);
        if (!m_lines.isEmpty() && qreal(m_lines.size()) * metrics.lineSpacing() <= height())
            return;
    }
    // Nothing fits: the smallest size, on as many lines as it takes.
    m_lines = wrapBetweenWords(text(), QFontMetricsF(m_font), qreal(1 << 20));
}

void SheetText::fitNoLargerThan(int pixels)
{
    if (pixels >= m_font.pixelSize())
        return;
    QFont smaller = m_font;
    smaller.setPixelSize(pixels);
    fit(smaller);
    setFont(m_font);
    update();
}

void SheetText::drawOn(QPainter &painter, const QColor &colour) const
{
    painter.save();
    painter.setFont(m_font);
    painter.setPen(colour);
    const QFontMetricsF metrics(m_font);
    const QRectF box(geometry());
    qreal top = box.top();
    if (m_flow != TextFlow::Wrapped)
        top += (box.height() - metrics.height()) / 2;
    painter.setClipRect(box);
    for (const QString &line : m_lines) {
        painter.drawText(QPointF(box.left(), top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
    painter.restore();
}

void SheetText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-geometry().topLeft());
    drawOn(painter, palette().color(foregroundRole()));
    if (!hasFocus())
        return;
    // The focus shown at once, as the acting labels show it.
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(QRectF(geometry()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace tessaron

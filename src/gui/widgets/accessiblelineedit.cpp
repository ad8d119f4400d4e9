#include "gui/widgets/accessiblelineedit.h"

#include "core/accessibility/textsegments.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace tessaron {

namespace {

QString piece(const QString &text, TextSpan span, int *startOffset, int *endOffset)
{
    *startOffset = span.start;
    *endOffset = span.end;
    if (span.start < 0 || span.isEmpty())
        return {};
    return text.mid(span.start, span.end - span.start);
}

} // namespace

TextUnit textUnitFor(QAccessible::TextBoundaryType type)
{
    switch (type) {
    case QAccessible::CharBoundary:
        return TextUnit::Character;
    case QAccessible::WordBoundary:
        return TextUnit::Word;
    case QAccessible::SentenceBoundary:
        return TextUnit::Sentence;
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
    case QAccessible::NoBoundary:
        break;
    }
    return TextUnit::Line;
}

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleLineEdit::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString AccessibleLineEdit::readableText() const
{
    return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Value) {
        if (box()->echoMode() == QLineEdit::Normal)
            text = box()->text();
        else if (box()->echoMode() != QLineEdit::NoEcho)
            text = QString(box()->text().size(), u'*');
    }
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = box()->placeholderText();
    return text;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    replaceText(0, int(box()->text().size()), text);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int length = int(box()->text().size());
    const int start = std::clamp(startOffset, 0, length);
    const int end = std::clamp(endOffset, 0, length);
    box()->setSelection(start, end - start);
}

int AccessibleLineEdit::cursorPosition() const
{
    return box()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString text = readableText();
    const int start = std::clamp(startOffset, 0, int(text.size()));
    const int end =
        endOffset < 0 ? int(text.size()) : std::clamp(endOffset, start, int(text.size()));
    return text.mid(start, end - start);
}

QString AccessibleLineEdit::textNear(int offset, QAccessible::TextBoundaryType boundaryType,
                                     TextSpan (*find)(const QString &, int, TextUnit),
                                     int *startOffset, int *endOffset) const
{
    const QString text = readableText();
    // -2 stands for the cursor, -1 for the end.
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = int(text.size());
    return piece(text, find(text, offset, textUnitFor(boundaryType)), startOffset, endOffset);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return textNear(offset, boundaryType, textSpanBefore, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return textNear(offset, boundaryType, textSpanAfter, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return textNear(offset, boundaryType, textSpanAt, startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return int(readableText().size());
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString text = readableText();
    if (offset < 0 || offset >= text.size())
        return {};
    // The box tells where its cursor stands, scrolled and aligned as drawn; a
    // character stands as far from it as the text between them is wide.
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(box()->font());
    const int cursorAt = box()->cursorPosition();
    const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(cursorAt));
    const QRect local(x, cursor.y(), metrics.horizontalAdvance(text.mid(offset, 1)),
                      cursor.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local))
        return -1;
    return box()->cursorPositionAt(local);
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    // Putting the cursor at each end in turn scrolls both into view, the start last.
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run of one look: the whole text.
    const int length = characterCount();
    const bool inRange = offset >= 0 && offset <= length;
    *startOffset = inRange ? 0 : -1;
    *endOffset = inRange ? length : -1;
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (box()->isReadOnly() || !box()->isEnabled())
        return;
    // As typing does: through the box's own limits and checks, and heard by
    // whoever follows its edits.
    const int length = int(box()->text().size());
    const int start = std::clamp(startOffset, 0, length);
    const int end = std::clamp(endOffset, start, length);
    if (end > start) {
        box()->setSelection(start, end - start);
    } else {
        box()->deselect();
        box()->setCursorPosition(start);
    }
    box()->insert(text);
}

} // namespace tessaron

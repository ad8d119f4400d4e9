#pragma once

#include "core/accessibility/textsegments.h"

#include <QAccessibleWidget>

class QLineEdit;

namespace tessaron {

// The piece of text a screen reader asks for, in the program's own terms.
[[nodiscard]] TextUnit textUnitFor(QAccessible::TextBoundaryType type);

// What assistive technology sees of a one-line text box: editable text, read by
// character, word, sentence or line from pieces that are worked out afresh for
// each query, so that every offset, the end and beyond included, has an answer.
// A box that hides what is typed gives no text.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit *box);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;

    // Reading
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // Editing
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    [[nodiscard]] QLineEdit *box() const;
    // The text a reader may have: the typed text, or nothing when it is hidden.
    [[nodiscard]] QString readableText() const;
    // The piece that `find` finds at `offset` (the cursor for -2, the end for -1).
    QString textNear(int offset, QAccessible::TextBoundaryType boundaryType,
                     TextSpan (*find)(const QString &, int, TextUnit), int *startOffset,
                     int *endOffset) const;
};

} // namespace tessaron

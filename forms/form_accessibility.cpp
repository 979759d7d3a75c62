// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_accessibility.h"

#include "form.h"
#include "text_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace forms {

namespace {

class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(Form *form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QAccessibleInterface *> children = shownChildren();
        return index >= 0 && index < int(children.size()) ? children[std::size_t(index)] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<QAccessibleInterface *> children = shownChildren();
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i] == child) {
                return int(i);
            }
        }
        return -1;
    }

private:
    // Qt's own list of child widgets, less those hidden on purpose. A
    // control that is merely not on screen yet, because its form is not
    // shown, stays: isHidden() is true only for a widget hidden itself.
    std::vector<QAccessibleInterface *> shownChildren() const
    {
        std::vector<QAccessibleInterface *> shown;
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface *candidate = QAccessibleWidget::child(i);
            const auto *widget = candidate ? qobject_cast<QWidget *>(candidate->object()) : nullptr;
            if (widget && !widget->isHidden()) {
                shown.push_back(candidate);
            }
        }
        return shown;
    }
};

// Qt's own interface for a plain text edit lets assistive technology insert
// and delete text even when the edit is read-only, which would change what
// a locked box shows behind the program's back. This one reads, selects
// and scrolls a text box as Qt's does, and edits only one that is not
// locked, asked each time, as a box may be locked after it was first read.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.selectableText = true;
        state.readOnly = box()->isLocked();
        state.editable = !box()->isLocked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value) {
            return box()->toPlainText();
        }
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return box()->isLocked() ? nullptr
                                     : static_cast<QAccessibleEditableTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool has = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = has ? cursor.selectionStart() : 0;
        *endOffset = has ? cursor.selectionEnd() : 0;
    }

    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }

    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0) {
            QTextCursor cursor = box()->textCursor();
            cursor.clearSelection();
            box()->setTextCursor(cursor);
        }
    }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0) {
            QTextCursor cursor = cursorAt(startOffset);
            cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
            box()->setTextCursor(cursor);
        }
    }

    int cursorPosition() const override { return box()->textCursor().position(); }

    void setCursorPosition(int position) override { box()->setTextCursor(cursorAt(position)); }

    QString text(int startOffset, int endOffset) const override
    {
        const int start = clamped(startOffset);
        return box()->toPlainText().mid(start, std::max(0, clamped(endOffset) - start));
    }

    int characterCount() const override { return box()->document()->characterCount() - 1; }

    QRect characterRect(int offset) const override
    {
        const QTextCursor cursor = cursorAt(offset);
        QRect rect = box()->cursorRect(cursor);
        const QString character = text(offset, offset + 1);
        rect.setWidth(character.isEmpty() ? 1 : box()->fontMetrics().horizontalAdvance(character));
        return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(local)
                   ? box()->cursorForPosition(local).position()
                   : -1;
    }

    // Brings the text into view without moving the pupil's cursor.
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        const QRect target =
            box()->cursorRect(cursorAt(startIndex)).united(box()->cursorRect(cursorAt(endIndex)));
        QScrollBar *bar = box()->verticalScrollBar();
        const QRect shown = box()->viewport()->rect();
        if (target.top() < shown.top()) {
            bar->setValue(bar->value() - lines(shown.top() - target.top()));
        } else if (target.bottom() > shown.bottom()) {
            bar->setValue(bar->value() + lines(target.bottom() - shown.bottom()));
        }
    }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }

    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }

    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (box()->isLocked()) {
            return;
        }
        QTextCursor cursor = cursorAt(startOffset);
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }

private:
    TextBox *box() const { return static_cast<TextBox *>(widget()); }

    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }

    QTextCursor cursorAt(int offset) const
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(clamped(offset));
        return cursor;
    }

    // A plain text edit scrolls by lines, not pixels.
    int lines(int pixels) const
    {
        const int line = std::max(1, box()->fontMetrics().lineSpacing());
        return (pixels + line - 1) / line;
    }
};

QAccessibleInterface *formInterface(const QString &className, QObject *object)
{
    // Qt asks once for each class of the object, most derived first; a
    // class derived from one of ours is answered when Qt reaches ours.
    if (auto *form = qobject_cast<Form *>(object);
        form && className == QLatin1String(Form::staticMetaObject.className())) {
        return new FormAccessible(form);
    }
    if (auto *box = qobject_cast<TextBox *>(object);
        box && className == QLatin1String(TextBox::staticMetaObject.className())) {
        return new TextBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formInterface), true);
    Q_UNUSED(installed);
}

} // namespace forms

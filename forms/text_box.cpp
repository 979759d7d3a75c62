// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_box.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace forms {

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void TextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setUndoRedoEnabled(false);
        setAcceptDrops(false);
    }
}

void TextBox::setText(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(u"\r\n"_qs, u"\n"_qs);
    shown.replace(u'\r', u'\n');
    QTextDocument *shownDocument = document();
    const bool holdsShown =
        !shownDocument->isModified() && shownDocument->characterCount() == m_shown.size() + 1;
    const auto kept = qsizetype(
        std::mismatch(m_shown.cbegin(), m_shown.cend(), shown.cbegin(), shown.cend()).first -
        m_shown.cbegin());
    // With nothing in common, setPlainText is the cheaper: it leaves the
    // cursor at the start without measuring where that is.
    if (holdsShown && kept > 0) {
        // Texts here change in small steps: the result sentence is built by
        // additions, and the next one starts like the last. Replacing only
        // what follows the common beginning lays out just those lines,
        // where setPlainText would shape every line again - most of what a
        // selection costs. The history goes, as setPlainText drops it.
        const bool undoRedo = shownDocument->isUndoRedoEnabled();
        shownDocument->setUndoRedoEnabled(false);
        QTextCursor changed(shownDocument);
        changed.setPosition(int(kept));
        changed.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        changed.insertText(shown.sliced(kept));
        shownDocument->setUndoRedoEnabled(undoRedo);
    } else {
        setPlainText(shown);
    }
    // Unmodified from here on, and as long, means the box still shows
    // m_shown; characterCount() adds one for the end of the last line.
    shownDocument->setModified(false);
    m_shown = shown;
    // moveCursor() measures where the cursor stands, shaping the first line
    // once more; where it already stands at the start there is nothing to do.
    if (const QTextCursor cursor = textCursor(); cursor.position() != 0 || cursor.anchor() != 0) {
        moveCursor(QTextCursor::Start);
    }
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_box.h"

#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace forms {

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // Qt lets the text scroll on until its last line is near the top, and
    // counts lines it has not laid out yet as one each.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &TextBox::endAtLastLine);
}

int TextBox::lastTopLine() const
{
    const QTextDocument *shownDocument = document();
    const auto *layout = qobject_cast<QPlainTextDocumentLayout *>(shownDocument->documentLayout());
    if (!layout) {
        return verticalScrollBar()->maximum();
    }
    const qreal height = viewport()->height();
    int lines = 0;  // every line of the text, as wrapped
    int fit = 0;    // the last lines that fit one under the other
    qreal used = 0; // their height
    bool full = false;
    for (QTextBlock block = shownDocument->lastBlock(); block.isValid(); block = block.previous()) {
        if (!block.isVisible()) {
            continue;
        }
        layout->ensureBlockLayout(block);
        const QTextLayout *wrapped = block.layout();
        for (int line = wrapped->lineCount() - 1; line >= 0; --line) {
            ++lines;
            if (!full && used + wrapped->lineAt(line).height() <= height) {
                used += wrapped->lineAt(line).height();
                ++fit;
            } else {
                full = true;
            }
        }
    }
    // Scrolled to the top the text starts below the document's margin;
    // scrolled at all, its top line starts at the top edge.
    if (fit == lines) {
        return used + shownDocument->documentMargin() <= height ? 0 : std::min(1, lines - 1);
    }
    return lines - fit;
}

void TextBox::endAtLastLine()
{
    QScrollBar *bar = verticalScrollBar();
    if (const int last = lastTopLine(); bar->maximum() != last) {
        bar->setRange(0, last);
    }
}

QMimeData *TextBox::createMimeDataFromSelection() const
{
    // Plain text only, as a classic text box copies: Qt's rich versions
    // make editors that prefer them space out every line.
    QString selected = textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n');
    selected.replace(QChar::LineSeparator, u'\n');
    auto *data = new QMimeData;
    data->setText(selected);
    return data;
}

void TextBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    endAtLastLine();
}

void TextBox::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    endAtLastLine();
}

void TextBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        endAtLastLine();
    }
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
    endAtLastLine();
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace forms

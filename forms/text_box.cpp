#include "text_box.h"

#include <QScrollBar>
#include <QTextCursor>

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
    setPlainText(shown);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace forms

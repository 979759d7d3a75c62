// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box.h"

#include "list_row_delegate.h"
#include "run_time_error.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

#include <algorithm>

namespace forms {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new ListRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    // The strip under the last whole row belongs to the list, not to the
    // window behind it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::onSelectionChanged);
}

std::int16_t ListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? std::int16_t(-1) : static_cast<std::int16_t>(rows.first().row());
}

QString ListBox::itemText(std::int16_t row) const
{
    const QListWidgetItem *entry = item(row);
    if (!entry) {
        throw RunTimeError(RunTimeError::InvalidPropertyIndex,
                           u"Ред %1 не съществува в %2."_qs.arg(row).arg(objectName()));
    }
    return entry->text();
}

int ListBox::rowHeight() const
{
    return ListRowDelegate::rowHeight(font(), viewport());
}

int ListBox::caretRow() const
{
    if (currentIndex().isValid()) {
        return currentIndex().row();
    }
    return count() > 0 ? 0 : -1;
}

void ListBox::keyboardSearch(const QString &search)
{
    if (search.isEmpty()) {
        m_typed.clear();
        return;
    }
    const bool goesOn =
        m_typedAt.isValid() && m_typedAt.elapsed() <= QApplication::keyboardInputInterval();
    m_typedAt.start();
    m_typed = goesOn ? m_typed + search : search;

    // The same letter again, however quickly, steps on to the next row that
    // starts with it; other letters typed quickly lengthen the start looked
    // for, which the current row may still have.
    const QChar first = m_typed.front().toCaseFolded();
    const bool oneLetter = std::all_of(m_typed.cbegin(), m_typed.cend(),
                                       [first](QChar ch) { return ch.toCaseFolded() == first; });
    const QString start = oneLetter ? m_typed.first(1) : m_typed;
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const int from = oneLetter ? current + 1 : std::max(current, 0);
    for (int i = 0; i < count(); ++i) {
        const int row = (from + i) % count();
        if (item(row)->text().startsWith(start, Qt::CaseInsensitive)) {
            setCurrentIndex(model()->index(row, 0));
            return;
        }
    }
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    // Qt's single selection lets Ctrl+click, Ctrl+Space or a click beside
    // the rows clear the selection; a classic list box never does, and a
    // repeated choice of the selected row is no change at all.
    if (!index.isValid() || selectionModel()->isSelected(index)) {
        return QItemSelectionModel::NoUpdate;
    }
    const auto command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Select | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return QItemSelectionModel::NoUpdate;
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    // Qt makes the first row current on focus without selecting it; the
    // first arrow key would then skip it. With nothing selected, nothing is
    // current either, and the focus rectangle stands on the first row.
    if (selectedRow() < 0 && currentIndex().isValid()) {
        selectionModel()->clearCurrentIndex();
    }
}

void ListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListWidget::currentChanged(current, previous);
    // Qt repaints the rows of the two indexes; the focus rectangle may have
    // stood on the first row with neither.
    viewport()->update();
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // With no row current, Qt's list moves to the first row whatever the
    // key; End and Page Down should go as far as from the top of the list.
    if (!currentIndex().isValid() && count() > 0) {
        switch (action) {
        case MoveEnd:
            return model()->index(count() - 1, 0);
        case MovePageDown:
            selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
            break;
        default:
            return model()->index(0, 0);
        }
    }
    return QListWidget::moveCursor(action, modifiers);
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    const int row = caretRow();
    if (!hasFocus() || row < 0) {
        return;
    }
    const QModelIndex caret = model()->index(row, 0);
    const QRect rect = visualRect(caret);
    if (!viewport()->rect().intersects(rect)) {
        return;
    }
    // A dotted rectangle of single pixels, in the row's text colour, as
    // classic lists draw it; the styles' own marks are faint or missing.
    QPen pen(palette().color(selectionModel()->isSelected(caret) ? QPalette::HighlightedText
                                                                 : QPalette::Text));
    pen.setWidth(1);
    pen.setCosmetic(false);
    pen.setDashPattern({1.0, 1.0});
    pen.setCapStyle(Qt::FlatCap);
    QPainter painter(viewport());
    painter.setPen(pen);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    fitWholeRows();
    QListWidget::resizeEvent(event);
}

void ListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitWholeRows();
    }
}

// The rows shown end at the bottom of the viewport: what is left under the
// last whole row becomes a margin instead of part of a row.
void ListBox::fitWholeRows()
{
    const int row = rowHeight();
    const int height = contentsRect().height();
    const int spare = row > 0 && height >= row ? height % row : 0;
    if (viewportMargins().bottom() != spare) {
        setViewportMargins(0, 0, 0, spare);
    }
}

void ListBox::onSelectionChanged()
{
    if (selectedRow() >= 0) {
        emit click();
    }
}

} // namespace forms

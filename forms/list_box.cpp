// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box.h"

#include "run_time_error.h"

#include <QFocusEvent>

namespace forms {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
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
    // focus frame would then mark a row nobody chose, and the first arrow
    // key would skip it. With nothing selected, nothing is current either.
    if (selectedRow() < 0 && currentIndex().isValid()) {
        selectionModel()->clearCurrentIndex();
    }
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

void ListBox::onSelectionChanged()
{
    if (selectedRow() >= 0) {
        emit click();
    }
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

#include <cstdint>

namespace forms {

// A single-selection list box in the manner of a classic desktop list: once
// a row is selected some row stays selected, and click() follows every
// change of the selected row, by mouse or keyboard, once the new selection
// is in place.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    // -1 when no row is selected.
    std::int16_t selectedRow() const;
    // A row that does not exist is a run-time error.
    QString itemText(std::int16_t row) const;

signals:
    void click();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void focusInEvent(QFocusEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void onSelectionChanged();
};

} // namespace forms

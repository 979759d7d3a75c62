// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QListWidget>

#include <cstdint>

namespace forms {

// A single-selection list box in the manner of a classic desktop list: once
// a row is selected some row stays selected, and click() follows every
// change of the selected row, by mouse or keyboard, once the new selection
// is in place. It shows whole rows only, scrolling row by row; while it has
// the focus a focus rectangle marks its caret row, the first row when none
// is selected yet; and typing finds a row by the start of its text.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    // -1 when no row is selected.
    std::int16_t selectedRow() const;
    // A row that does not exist is a run-time error.
    QString itemText(std::int16_t row) const;

    // The height of every row, from the list's font.
    int rowHeight() const;
    // The row the focus rectangle stands on; -1 in an empty list.
    int caretRow() const;

    void keyboardSearch(const QString &search) override;

signals:
    void click();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onSelectionChanged();
    void fitWholeRows();

    QString m_typed;
    QElapsedTimer m_typedAt;
};

} // namespace forms

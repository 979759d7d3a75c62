// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

namespace forms {

// The rows of a classic list box: each as tall as its font's text, the
// ascent and the descent each rounded up to whole pixels, and without the
// style's own focus mark, since the list draws its focus rectangle itself.
class ListRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static int rowHeight(const QFont &font, const QPaintDevice *device);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace forms

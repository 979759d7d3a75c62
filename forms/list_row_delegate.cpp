// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_row_delegate.h"

#include <QFontMetricsF>
#include <QWidget>

#include <cmath>

namespace forms {

int ListRowDelegate::rowHeight(const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    return int(std::ceil(metrics.ascent())) + int(std::ceil(metrics.descent()));
}

void ListRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem row = option;
    row.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, row, index);
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(rowHeight(option.font, option.widget));
    return size;
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

#include <cstdint>

namespace forms {

// A check box whose caption value is kept exactly as set, line breaks and
// all, while the box shows it on one line.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // 0 unchecked, 1 checked; anything else is a run-time error.
    std::int16_t value() const;
    void setValue(std::int16_t value);

private:
    QString m_caption;
};

} // namespace forms

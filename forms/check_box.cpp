// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check_box.h"

#include "run_time_error.h"

namespace forms {

namespace {

// Trailing line breaks add no line on screen; inner ones become blanks so
// that the caption stays on one line.
QString shownCaption(QString caption)
{
    while (caption.endsWith(u'\n') || caption.endsWith(u'\r')) {
        caption.chop(1);
    }
    caption.replace(u"\r\n"_qs, u" "_qs);
    caption.replace(u'\r', u' ');
    caption.replace(u'\n', u' ');
    return caption;
}

} // namespace

CheckBox::CheckBox(QWidget *parent) : QCheckBox(parent) {}

void CheckBox::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(shownCaption(caption));
}

std::int16_t CheckBox::value() const
{
    return isChecked() ? 1 : 0;
}

void CheckBox::setValue(std::int16_t value)
{
    if (value != 0 && value != 1) {
        throw RunTimeError(
            RunTimeError::InvalidPropertyValue,
            u"Невалидна стойност %1 за състоянието на %2."_qs.arg(value).arg(objectName()));
    }
    setChecked(value == 1);
}

} // namespace forms

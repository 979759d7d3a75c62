// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <stdexcept>

namespace forms {

// A failing control operation. It ends the event handler that caused it and
// is reported to the user before the program ends; see event_dispatch.h.
class RunTimeError : public std::runtime_error
{
public:
    enum Number
    {
        InvalidPropertyValue = 380,
        InvalidPropertyIndex = 381,
        NoSuchControlArrayElement = 340,
    };

    RunTimeError(Number number, const QString &description);

    Number number() const { return m_number; }
    // Bulgarian, for the user.
    QString description() const { return m_description; }

private:
    Number m_number;
    QString m_description;
};

} // namespace forms

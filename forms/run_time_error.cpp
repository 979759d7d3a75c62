// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_time_error.h"

namespace forms {

RunTimeError::RunTimeError(Number number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{}

} // namespace forms

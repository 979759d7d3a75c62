// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "qt_text.h"
#include "run_time_error.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace forms {

// The controls of a form that share one name, told apart by a 16-bit
// signed index: Check1(3). Asking for an element that does not exist, or
// one of another kind, is a run-time error.
template <class Control> class ControlArray
{
public:
    ControlArray(const Form &form, std::string_view name) : m_form(&form), m_name(name) {}

    Control &operator()(std::int16_t index) const
    {
        auto *control = qobject_cast<Control *>(m_form->element(m_name, index));
        if (!control) {
            throw RunTimeError(
                RunTimeError::NoSuchControlArrayElement,
                u"Елементът %1(%2) на масива от контроли не съществува."_qs.arg(toQString(m_name))
                    .arg(index));
        }
        return *control;
    }

    std::vector<std::int16_t> indexes() const { return m_form->indexes(m_name); }
    std::string_view name() const { return m_name; }

private:
    const Form *m_form;
    std::string_view m_name;
};

} // namespace forms

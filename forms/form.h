// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_definition.h"

#include <QWidget>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// A top-level window built from its stored definition. It owns its
// controls, through Qt's parent ownership, and finds them by control-array
// name and index.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const FormSpec &definition, QWidget *parent = nullptr);

    // nullptr when the array has no such element.
    QWidget *element(std::string_view name, std::int16_t index) const;
    // The indexes of an array's elements, in ascending order.
    std::vector<std::int16_t> indexes(std::string_view name) const;

    // Removes an element from its array for good; reaching for it later is
    // a run-time error. Lets a test make a control operation fail.
    void unloadElement(std::string_view name, std::int16_t index);

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void centreOnScreen();
    void applyFrame(const FormSpec &definition);
    QWidget *createControl(const ControlSpec &definition);
    void applyTabOrder(const FormSpec &definition);

    using Key = std::pair<std::string, std::int16_t>;
    std::map<Key, QWidget *> m_elements;
    bool m_centreWhenShown = false;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/element_table.h"
#include "core/philosopher_table.h"
#include "core/selection_view.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// A window in memory, filled from the fixed tables, that records the order
// in which boxes are ticked.
class RecordingView : public core::SelectionView
{
public:
    RecordingView()
    {
        for (const auto &entry : core::kPhilosophers) {
            lists[0].emplace_back(entry.name);
            lists[1].emplace_back(entry.code);
        }
        for (std::size_t e = 0; e < captions.size(); ++e) {
            captions[e] = std::u16string(core::kElementCaptions[e]);
        }
    }

    std::int16_t selectedRow(std::int16_t list) override { return selected.at(list); }
    std::u16string itemText(std::int16_t list, std::int16_t row) override
    {
        return lists.at(list).at(row);
    }
    void setCheckState(core::ElementIndex element, core::CheckState state) override
    {
        checks.at(element) = state;
        if (state == core::CheckState::Checked) {
            ticked.push_back(element);
        }
        ++writes;
    }
    std::u16string caption(core::ElementIndex element) override { return captions.at(element); }
    std::u16string outputText() override { return text; }
    void setOutputText(const std::u16string &value) override
    {
        text = value;
        ++writes;
    }

    std::array<std::vector<std::u16string>, 2> lists;
    std::array<std::int16_t, 2> selected = {-1, -1};
    std::array<std::u16string, core::kElementCount> captions;
    std::array<core::CheckState, core::kElementCount> checks = {};
    std::u16string text = u"начален текст\r\n";
    std::vector<core::ElementIndex> ticked; // every tick, in call order
    int writes = 0;                         // every change made to the window
};

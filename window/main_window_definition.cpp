// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window_definition.h"

#include "exercise_text.h"

#include "core/element_table.h"
#include "core/philosopher_table.h"

#include <array>

namespace window {

namespace {

using forms::ControlKind;
using forms::ControlSpec;

constexpr forms::FontSpec kTimes12{
    .family = "Times New Roman", .pointSize = 12, .weight = 400, .charset = 204};
constexpr forms::FontSpec kTimes12Bold{
    .family = "Times New Roman", .pointSize = 12, .weight = 700, .charset = 204};

constexpr forms::StoredColour kLightBlue = 0x00FFC0C0;
constexpr forms::StoredColour kLightOrange = 0x0080C0FF;
constexpr forms::StoredColour kLightGreen = 0x0080FF80;

// The element boxes stand in one column, 480 twips apart, earth at the top.
constexpr ControlSpec elementBox(core::ElementIndex element)
{
    return {.kind = ControlKind::CheckBox,
            .name = kCheck1,
            .index = element,
            .left = 720,
            .top = 840 + 480 * element,
            .width = 1815,
            .height = 375,
            .tabIndex = static_cast<std::int16_t>(2 + element),
            .caption = core::kElementCaptions[std::size_t(element)],
            .backColour = kLightGreen,
            .font = kTimes12Bold,
            .enabled = false};
}

constexpr std::array kControls = {
    ControlSpec{.kind = ControlKind::TextBox,
                .name = kText1,
                .index = 0,
                .left = 120,
                .top = 2880,
                .width = 6735,
                .height = 1815,
                .tabIndex = 0,
                .text = kExerciseText,
                .accessibleName = u"Резултат",
                .multiLine = true,
                .verticalScrollBar = true,
                .locked = true},
    ControlSpec{.kind = ControlKind::Label,
                .name = kLabel1,
                .index = 0,
                .left = 960,
                .top = 0,
                .width = 4575,
                .height = 375,
                .tabIndex = 1,
                .caption = u"Гръцки философи и основен елемент",
                .backColour = kLightOrange,
                .alignment = forms::Alignment::Centre},
    elementBox(0),
    elementBox(1),
    elementBox(2),
    elementBox(3),
    ControlSpec{.kind = ControlKind::ListBox,
                .name = kList1,
                .index = 0,
                .left = 2880,
                .top = 840,
                .width = 3015,
                .height = 1770,
                .tabIndex = 6,
                .items = core::kPhilosopherNames,
                .accessibleName = u"Философи"},
    // The element codes, row for row with the names; never shown.
    ControlSpec{.kind = ControlKind::ListBox,
                .name = kList1,
                .index = 1,
                .left = 5520,
                .top = 1200,
                .width = 1335,
                .height = 1770,
                .tabIndex = 7,
                .items = core::kElementCodes,
                .visible = false},
};

} // namespace

const forms::FormSpec kMainWindow{
    .caption = u"arche.example.org  Философия - начален елемент",
    .clientWidth = 6915,
    .clientHeight = 5175,
    .border = forms::BorderStyle::FixedSingle,
    .minButton = false,
    .maxButton = false,
    .backColour = kLightBlue,
    .font = kTimes12,
    .startUpPosition = forms::StartUpPosition::CentreOwner,
    .icon = ":/icons/arche.png",
    .controls = kControls,
};

static_assert(
    forms::isOnPixelGrid({.clientWidth = 6915, .clientHeight = 5175, .controls = kControls}),
    "every place and size is a whole number of pixels");

const forms::ApplicationInfo kApplicationInfo{
    .name = "arche",
    .displayName = u"Философия - начален елемент",
    .version = ARCHE_VERSION_TEXT,
    .organizationDomain = "arche.example.org",
    .desktopFileName = "org.example.arche",
};

} // namespace window

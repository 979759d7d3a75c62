// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "twips.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The stored definition of a form: plain constant data, read once by Form
// when the window is built. Nothing here knows what the form is about.
namespace forms {

enum class ControlKind
{
    Label,
    CheckBox,
    ListBox,
    TextBox,
};

enum class Alignment
{
    Left,
    Centre,
};

enum class BorderStyle
{
    Sizable,
    FixedSingle,
};

enum class StartUpPosition
{
    Manual,
    CentreOwner, // a form without an owner is centred on the screen
    CentreScreen,
};

struct FontSpec
{
    std::string_view family = {};
    int pointSize = 0;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0; // 204 Cyrillic; fontconfig picks the script on its own
};

struct ControlSpec
{
    ControlKind kind;
    std::string_view name;
    std::int16_t index = 0;
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    std::int16_t tabIndex = 0;

    std::u16string_view caption = {};                // label, check box
    std::span<const std::u16string_view> items = {}; // list box
    std::u16string_view text = {};                   // text box
    std::u16string_view accessibleName = {};         // none: what the control shows

    std::optional<StoredColour> backColour = {}; // none: the system's colour for the kind
    std::optional<FontSpec> font = {};           // none: the form's font
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    bool sorted = false;            // list box
    bool multiLine = false;         // text box
    bool verticalScrollBar = false; // text box
    bool locked = false;            // text box: selectable and copyable, never editable
};

struct FormSpec
{
    std::u16string_view caption = {};
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    BorderStyle border = BorderStyle::Sizable;
    bool minButton = true;
    bool maxButton = true;
    StoredColour backColour = 0;
    FontSpec font = {};
    StartUpPosition startUpPosition = StartUpPosition::Manual;
    std::string_view icon = {}; // a Qt resource path
    std::span<const ControlSpec> controls = {};
};

// Every place and size must land on whole pixels at 96 dots per inch.
constexpr bool isOnPixelGrid(const FormSpec &form)
{
    if (!isWholePixels(form.clientWidth) || !isWholePixels(form.clientHeight)) {
        return false;
    }
    for (const ControlSpec &c : form.controls) {
        if (!isWholePixels(c.left) || !isWholePixels(c.top) || !isWholePixels(c.width) ||
            !isWholePixels(c.height)) {
            return false;
        }
    }
    return true;
}

} // namespace forms

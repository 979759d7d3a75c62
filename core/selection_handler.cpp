// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selection_handler.h"

#include "element_code.h"
#include "element_table.h"

namespace core {

void handleList1Click(SelectionView &view, std::int16_t index)
{
    // The hidden code list shares the handler with the visible one.
    if (index != kNameList) {
        return;
    }
    // With nothing selected there is nobody to describe; leave the boxes and
    // the text as they are rather than read a row that does not exist.
    const std::int16_t row = view.selectedRow(index);
    if (row < 0) {
        return;
    }

    for (ElementIndex element = 0; element < kElementCount; ++element) {
        view.setCheckState(element, CheckState::Unchecked);
    }

    const std::u16string code = view.itemText(kCodeList, row);

    std::u16string text(kSentenceStart);
    text += view.itemText(kNameList, row);
    text += kSentenceEnd;
    text += kLineBreak;
    view.setOutputText(text);

    for (std::size_t position = 0; position < kElementCodeLength; ++position) {
        const char16_t ch = position < code.size() ? code[position] : u'\0';
        const auto element = elementNamedBy(ch);
        if (!element) {
            continue;
        }
        view.setCheckState(*element, CheckState::Checked);
        view.setOutputText(view.outputText() + view.caption(*element) +
                           std::u16string(kElementSeparator));
    }
}

} // namespace core

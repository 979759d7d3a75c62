// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// Lets assistive technology (AT-SPI on Linux) read a Form as a window named
// by its caption, whose children are the controls a user can perceive: a
// control the form hides stays out of the tree, where Qt would otherwise
// list it as an invisible child that a screen reader still walks into. A
// locked text box is read-only to assistive technology as well: it can be
// read, selected and scrolled, never edited.
// Installing it more than once changes nothing; it must be installed before
// the first form is asked for its accessible interface.
void installAccessibility();

} // namespace forms

// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

namespace forms {

// An icon from a compiled-in image that is read only when somebody first
// draws it. Reading an image wakes Qt's image-format plugin loader, a good
// part of start-up for a window whose platform may never show its icon.
QIcon resourceIcon(const QString &path);

} // namespace forms

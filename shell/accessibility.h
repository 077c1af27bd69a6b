// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers learn of the window: the Payout field and the labels as texts, the main window as
// a frame with the close button of its own title bar. Installed once, before the first control exists.

namespace shell {

void installAccessibility();

}  // namespace shell

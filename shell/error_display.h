// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one place where failures are shown: an error box captioned with the application's title.

#include <QString>

namespace shell {

// The message as shown: a "." is added when the text is not empty and its last character's code lies
// above that of "." (a letter or a digit); a text that ends in ".", ")", "!" or a blank stays as it is.
QString withFullStop(const QString& message);

// The caption of every error box: the application's title, as read back from the application.
QString errorBoxCaption();

// Puts the floating-point environment back to its start state, ends any mouse capture and shows the
// message in an application-modal box (stop icon, one OK button). The main window takes no input
// while it is open; afterwards the window that was active is active again and the control that had
// the focus has it again.
void showFailure(const QString& message) noexcept;

}  // namespace shell

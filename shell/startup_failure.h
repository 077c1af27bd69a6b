// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What happens to a failure before the window's event loop runs: a task-modal "Application Error" box
// with the failure's class, where it happened and its message; the program then ends with exit code 1.

#include <QString>
#include <QtGlobal>

namespace shell {

struct CodeLocation {
    QString module;       // the file name, without folder, of the module holding the code
    quintptr offset = 0;  // from the start of that module
};

// Where `address` lies: its module and its offset in it.
CodeLocation locate(const void* address);

// "Exception <class> in module <module> at <offset as 8 hex digits>.\n<message>", with a "." added
// unless the message is empty or already ends in ".".
QString startupFailureText(const QString& className, const CodeLocation& where, const QString& message);

// The class name and message of the exception being handled; call only inside a catch block.
struct FailureDescription {
    QString className;
    QString message;
};
FailureDescription describeCurrentException();

// Shows the box when an application object exists, otherwise writes the text to stderr.
void showStartupFailure(const QString& text);

}  // namespace shell

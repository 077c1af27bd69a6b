// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/decimal_point.h"

#include <string>

#include "ledger/amount_reading.h"
#include "shell/shell_log.h"

namespace shell {

char separatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    // Texts cross to the bookkeeping as Latin-1; a point outside Latin-1 cannot be one of its characters.
    const bool latin1 = point.size() == 1 && point.front().unicode() <= 0xFF;
    const std::string bytes =
        latin1 ? std::string(1, static_cast<char>(point.front().unicode())) : point.toUtf8().toStdString();
    const char separator = ledger::separator_from_locale_point(bytes);
    if (bytes.size() != 1)
        qCWarning(lcShell,
                  "the locale's decimal point \"%s\" is not one character; \".\" is the separator",
                  point.toUtf8().constData());
    return separator;
}

void readDecimalSeparator() { ledger::set_decimal_separator(separatorOf(QLocale::system())); }

}  // namespace shell

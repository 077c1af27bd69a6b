// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/locale_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "ledger/amount_reading.h"
#include "plan/text_wrap.h"

namespace plan {
namespace {

// The name under which the environment asks for the numeric conventions, for the warning only.
std::string requested_locale_name() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

}  // namespace

char separator_from_user_locale(std::ostream& warnings) {
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numeric == static_cast<locale_t>(nullptr)) {
        write_wrapped(warnings,
                      "kestrun-plan: the locale \"" + requested_locale_name() +
                          "\" is not available on this system; the decimal separator is \".\"");
        return '.';
    }
    const std::string point = nl_langinfo_l(RADIXCHAR, numeric);
    freelocale(numeric);
    if (point.size() != 1) {
        write_wrapped(warnings,
                      "kestrun-plan: the decimal point \"" + point + "\" of the locale \"" + requested_locale_name() +
                          "\" is not one character; the decimal separator is \".\"");
    }
    return ledger::separator_from_locale_point(point);
}

}  // namespace plan

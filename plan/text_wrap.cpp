// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/text_wrap.h"

namespace plan {

void write_wrapped(std::ostream& out, std::string_view text) {
    while (text.size() > kLineWidth) {
        std::size_t cut = text.rfind(' ', kLineWidth);
        if (cut == std::string_view::npos || cut == 0) {
            cut = text.find(' ');
            if (cut == std::string_view::npos) {
                break;
            }
        }
        out << text.substr(0, cut) << '\n';
        text.remove_prefix(cut + 1);
    }
    out << text << '\n';
}

}  // namespace plan

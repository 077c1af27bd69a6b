// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/failures.h"

namespace ledger {

namespace {
std::string convert_message(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;
    message += "' is not a valid floating point value";
    return message;
}
}  // namespace

EConvertError::EConvertError(std::string_view text) : Exception(convert_message(text)) {}

}  // namespace ledger

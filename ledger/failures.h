// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The failures that the stake bookkeeping raises. A failure carries a message, and the message is the
// only part of it that is ever shown to the user, so each text here is exact to the character.

#include <stdexcept>
#include <string>
#include <string_view>

namespace ledger {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message, also where the text it quotes holds a NUL character (what() stops there).
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// A text that is no number: "'<text>' is not a valid floating point value", the text exactly as handed in.
class EConvertError : public Exception {
public:
    explicit EConvertError(std::string_view text);
};

// Failures of the floating-point arithmetic.
class EExternal : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public EExternal {
public:
    using EExternal::EExternal;
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

}  // namespace ledger

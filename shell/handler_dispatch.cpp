// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/handler_dispatch.h"

#include <exception>

#include "ledger/failures.h"

namespace shell {

QString currentFailureMessage() noexcept {
    try {
        throw;
    } catch (const ledger::Exception& failure) {
        // The whole message, also past a NUL character that the text it quotes may hold.
        const std::string& text = failure.message();
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    } catch (const std::exception& failure) {
        return QString::fromLocal8Bit(failure.what());
    } catch (...) {
        return QStringLiteral("Unknown failure");
    }
}

}  // namespace shell

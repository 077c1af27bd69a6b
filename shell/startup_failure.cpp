// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/startup_failure.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include <cxxabi.h>
#include <dlfcn.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "ledger/failures.h"

namespace shell {

namespace {

QString demangled(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : mangled);
}

}  // namespace

CodeLocation locate(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) return {QStringLiteral("kestrun"), 0};
    return {QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName(),
            reinterpret_cast<quintptr>(address) - reinterpret_cast<quintptr>(info.dli_fbase)};
}

QString startupFailureText(const QString& className, const CodeLocation& where, const QString& message) {
    const QString offset = QStringLiteral("%1").arg(where.offset, 8, 16, QLatin1Char('0')).toUpper();
    const QString stop = message.isEmpty() || message.endsWith(u'.') ? QString() : QStringLiteral(".");
    return QStringLiteral("Exception %1 in module %2 at %3.\n%4%5").arg(className, where.module, offset, message, stop);
}

FailureDescription describeCurrentException() {
    try {
        throw;
    } catch (const ledger::Exception& failure) {
        return {demangled(typeid(failure).name()), QString::fromLatin1(failure.message())};
    } catch (const std::exception& failure) {
        return {demangled(typeid(failure).name()), QString::fromLocal8Bit(failure.what())};
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        return {type ? demangled(type->name()) : QStringLiteral("unknown"), QString()};
    }
}

void showStartupFailure(const QString& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "kestrun: Application Error: %s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace shell

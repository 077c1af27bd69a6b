// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/output_end.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "plan/text_wrap.h"

namespace plan {
namespace {

// A pipe whose reading end has been closed reports POLLERR to its writer.
bool reader_gone() {
    pollfd descriptor{STDOUT_FILENO, POLLOUT, 0};
    return poll(&descriptor, 1, 0) == 1 && (descriptor.revents & POLLERR) != 0;
}

}  // namespace

int output_status(std::ostream& out, std::ostream& errors) {
    errno = 0;
    out.flush();
    if (!out.fail()) {
        return 0;
    }
    const int error = errno;
    if (error == EPIPE || reader_gone()) {
        return kReaderGone;
    }
    write_wrapped(errors,
                  std::string("kestrun-plan: cannot write the plan") +
                      (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
    return kCannotWriteOutput;
}

}  // namespace plan

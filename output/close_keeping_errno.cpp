// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/close_keeping_errno.h"

#include <cerrno>
#include <unistd.h>

namespace solva {

void closeKeepingErrno(int fd) {
    const int error = errno;
    ::close(fd);
    errno = error;
}

} // namespace solva

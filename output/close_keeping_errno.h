// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

namespace solva {

// Closes the file descriptor `fd` and leaves errno as it was, so that a
// caller whose opening failed half-way (fdopen, fcntl) can still report why.
void closeKeepingErrno(int fd);

} // namespace solva

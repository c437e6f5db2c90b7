// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "app/run_folder.h"

#include "app/run_error.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <unistd.h>

namespace solva {

namespace {

[[noreturn]] void failFolder(const char* doing, const std::filesystem::path& dir,
                             std::error_code e) {
    throw RunError(ErrorKind::FileAccess,
                   std::string(doing) + " the folder \"" + dir.string() + "\": " + e.message());
}

} // namespace

std::filesystem::path createRunFolder(const std::filesystem::path& dir) {
    std::error_code e;
    std::filesystem::create_directories(dir, e);
    if (e) {
        failFolder("creating", dir, e);
    }
    std::filesystem::path full = std::filesystem::canonical(dir, e);
    if (!e && ::access(full.c_str(), X_OK) != 0) {
        e.assign(errno, std::generic_category());
    }
    if (e) {
        failFolder("entering", dir, e);
    }
    return full;
}

} // namespace solva

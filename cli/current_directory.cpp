// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/current_directory.h"

#include "app/run_error.h"

#include <system_error>

namespace solva::cli {

namespace {

[[noreturn]] void fail(const char* doing, const std::filesystem::path& dir, std::error_code e) {
    throw RunError(ErrorKind::FileAccess,
                   std::string(doing) + " the folder \"" + dir.string() + "\": " + e.message());
}

} // namespace

CurrentDirectory::CurrentDirectory(const std::filesystem::path& dir) {
    std::error_code e;
    previous_ = std::filesystem::current_path(e); // none if deleted since the start
    std::filesystem::current_path(dir, e);
    if (e) {
        fail("entering", dir, e);
    }
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code ignored; // nothing to do about it on the way out
    if (!previous_.empty()) {
        std::filesystem::current_path(previous_, ignored);
    }
}

void createFolder(const std::filesystem::path& dir) {
    std::error_code e;
    std::filesystem::create_directories(dir, e);
    if (e) {
        fail("creating", dir, e);
    }
}

} // namespace solva::cli

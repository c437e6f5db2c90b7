// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/file_location.h"

#include <filesystem>
#include <system_error>

namespace solva {

namespace {

// The path the working directory had before it was deleted, as the kernel
// remembers it, or nothing.
std::string lostWorkingDirectory() {
    std::error_code ec;
    std::string path = std::filesystem::read_symlink("/proc/self/cwd", ec).string();
    constexpr std::string_view Deleted = " (deleted)";
    if (ec || path.empty()) {
        return {};
    }
    if (path.ends_with(Deleted)) {
        path.erase(path.size() - Deleted.size());
    }
    return path;
}

} // namespace

std::string describeFileLocation(const std::string& name) {
    if (std::filesystem::path(name).is_absolute()) {
        return "the file \"" + name + "\"";
    }
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (!ec) {
        return "the file \"" + (cwd / name).string() + "\"";
    }
    std::string words = "the file \"" + name + "\", in the working directory";
    if (const std::string lost = lostWorkingDirectory(); !lost.empty()) {
        words += " \"" + lost + "\"";
    }
    return words + ", which no longer exists (it was deleted or moved after the program started "
                   "using it)";
}

} // namespace solva

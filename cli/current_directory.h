// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A run writes its two files into the current directory, as the window does
// into the one it was started from; a run elsewhere makes that folder current
// for its duration.

#include <filesystem>

namespace solva::cli {

class CurrentDirectory {
public:
    // Makes `dir` current; a failure throws RunError with the file error kind.
    explicit CurrentDirectory(const std::filesystem::path& dir);
    // Makes the previous directory current again, if there was one.
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// Creates `dir` and any folder above it that is missing; a failure throws
// RunError with the file error kind, the folder named.
void createFolder(const std::filesystem::path& dir);

} // namespace solva::cli

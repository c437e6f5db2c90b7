// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace solva::test {

// A fresh empty directory under the system's temporary one for the life of
// the object, for the result files of runs. On destruction it is removed with
// all it holds, whatever permissions a test gave it.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path dir_;
};

// A scratch directory made the working directory for the life of the object,
// for the window, which writes where it was started; the previous directory
// is current again on destruction.
class ScratchWorkingDirectory {
public:
    ScratchWorkingDirectory();
    ~ScratchWorkingDirectory();
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return scratch_.path(); }

private:
    std::filesystem::path previous_;
    ScratchDirectory scratch_;
};

} // namespace solva::test

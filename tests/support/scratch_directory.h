// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace solva::test {

// A fresh empty directory under the system's temporary one, made the current
// directory for the life of the object, so the result files of a run land
// there. On destruction the previous directory is current again and the
// scratch one is removed with all it holds, whatever permissions a test gave it.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};

} // namespace solva::test

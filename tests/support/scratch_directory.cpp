// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/scratch_directory.h"

#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace solva::test {

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "solva-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "making a scratch directory");
    }
    dir_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
}

ScratchWorkingDirectory::ScratchWorkingDirectory() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(scratch_.path());
}

ScratchWorkingDirectory::~ScratchWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

} // namespace solva::test

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The folder a batch of numbered runs writes into, held for the batch: an
// advisory lock on a file in it keeps a second batch out, and run folders of
// an earlier batch (names of four or more digits) are refused, or removed
// first when the user asks to overwrite them, so that no folder mixes the
// files of two batches.

#include <filesystem>

namespace solva::cli {

inline constexpr const char* LockFileName = ".ellipsoid-flow-cli.lock";

class BatchFolder {
public:
    // Creates `dir` if missing and locks it. Another batch holding it, or
    // earlier run folders without `overwrite`, throw UsageError naming the
    // folder. A folder that cannot be created is left to the runs to report.
    BatchFolder(const std::filesystem::path& dir, bool overwrite);
    ~BatchFolder();
    BatchFolder(const BatchFolder&) = delete;
    BatchFolder& operator=(const BatchFolder&) = delete;

private:
    int lock_ = -1;
};

} // namespace solva::cli

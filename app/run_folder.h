// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The folder a run writes its files into, made when it does not exist yet,
// for every caller that is handed a folder by name (the command line's --dir,
// the Python module's run(folder=...)).

#include <filesystem>

namespace solva {

// Creates `dir` and any folder above it that is missing, and gives its full
// path with every link and "." or ".." resolved, so that file errors name the
// folder as the system does. A failure (a file in the way, no permission, a
// folder that cannot be searched) throws RunError (FileAccess) naming `dir`.
std::filesystem::path createRunFolder(const std::filesystem::path& dir);

} // namespace solva

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A file that appears under its name only once it is complete: it is written
// into a temporary file beside it (same folder, so the rename is atomic) and
// renamed into place; a failure, or an object destroyed before commit(),
// removes the temporary file. A file replaced keeps its mode (and, for root,
// its owner and group); a new one gets 0666 less the umask. A name that is a
// symbolic link is written through it: the link stays, its target is
// replaced. A name that is already a pipe or a device is written directly,
// as there is nothing to replace.

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace solva::cli {

class StagedFile {
public:
    // Failures here and below throw RunError with the file error kind.
    explicit StagedFile(std::filesystem::path path);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    void write(std::string_view text);
    // Closes the file and gives it its name.
    void commit();

private:
    [[noreturn]] void fail(const char* doing, int error);

    std::filesystem::path path_;   // as the user named it, for messages
    std::filesystem::path target_; // the file it reaches through symbolic links
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
};

// `text` into `path` through a StagedFile.
void writeStaged(const std::filesystem::path& path, std::string_view text);

} // namespace solva::cli

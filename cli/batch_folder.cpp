// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/batch_folder.h"

#include "cli/usage_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace solva::cli {

namespace {

// Whether `name` is that of a numbered run folder.
bool isRunFolderName(const std::string& name) {
    return name.size() >= 4 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

BatchFolder::BatchFolder(const std::filesystem::path& dir, bool overwrite) {
    std::error_code e;
    std::filesystem::create_directories(dir, e);
    const std::string named = "\"" + dir.string() + "\"";
    lock_ = ::open((dir / LockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lock_ < 0) {
        return;
    }
    if (::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(lock_);
        lock_ = -1;
        throw UsageError(error == EWOULDBLOCK
                             ? "Another batch is writing into the folder " + named +
                                   ".\nWait for it to end, or give another --dir."
                             : "Cannot lock the folder " + named + ": " + std::strerror(error) +
                                   ".");
    }
    std::vector<std::filesystem::path> earlier;
    for (const auto& entry : std::filesystem::directory_iterator(dir, e)) {
        if (isRunFolderName(entry.path().filename().string()) && entry.is_directory(e)) {
            earlier.push_back(entry.path());
        }
    }
    if (earlier.empty()) {
        return;
    }
    if (!overwrite) {
        ::close(lock_);
        lock_ = -1;
        throw UsageError("The folder " + named + " holds the run folders of an earlier batch (" +
                         std::to_string(earlier.size()) +
                         ").\nGive --overwrite to remove them first, or another --dir.");
    }
    for (const std::filesystem::path& folder : earlier) {
        std::filesystem::remove_all(folder, e);
        if (e) {
            ::close(lock_);
            lock_ = -1;
            throw UsageError("Cannot remove the earlier run folder \"" + folder.string() +
                             "\": " + e.message() + ".");
        }
    }
}

BatchFolder::~BatchFolder() {
    if (lock_ >= 0) {
        ::close(lock_);
    }
}

} // namespace solva::cli

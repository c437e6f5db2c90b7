// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/staged_file.h"

#include "app/run_error.h"
#include "output/file_location.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace solva::cli {

namespace {

// Opens a new file beside `path` with the permissions a new file would get.
std::FILE* openBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
    for (unsigned attempt = 0;; ++attempt) {
        temporary = path.parent_path() /
                    ("." + path.filename().string() + "." + std::to_string(::getpid()) + "-" +
                     std::to_string(attempt) + ".part");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            std::FILE* file = ::fdopen(fd, "wb");
            if (file == nullptr) {
                const int error = errno;
                ::close(fd);
                ::unlink(temporary.c_str());
                errno = error;
            }
            return file;
        }
        if (errno != EEXIST || attempt == 100) {
            return nullptr;
        }
    }
}

// The file a name reaches through symbolic links, so that the link stays and
// its target is replaced; a broken link names the file to make.
std::filesystem::path throughLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(path, error); ++hop) {
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Gives the new file the mode, owner and group of the file it will replace.
bool keepOwnerAndMode(int fd, const std::filesystem::path& replaced) {
    struct stat old {};
    struct stat made {};
    if (::stat(replaced.c_str(), &old) != 0) {
        return errno == ENOENT;
    }
    if (::fstat(fd, &made) != 0) {
        return false;
    }
    // Only root may give a file away; anyone else's replacement is their own.
    if ((old.st_uid != made.st_uid || old.st_gid != made.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) {
        return false;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

} // namespace

StagedFile::StagedFile(std::filesystem::path path)
    : path_(std::move(path)), target_(throughLinks(path_)) {
    struct stat status {};
    const bool special = ::stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
                         !S_ISDIR(status.st_mode);
    errno = 0;
    if (special) {
        // Without waiting for a reader, as the result files are opened.
        const int fd = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        const int flags = fd >= 0 ? ::fcntl(fd, F_GETFL) : -1;
        if (flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
            file_ = ::fdopen(fd, "wb");
        }
        if (file_ == nullptr) {
            const int error = errno;
            if (fd >= 0) {
                ::close(fd);
            }
            fail("opening", error);
        }
        return;
    }
    file_ = openBeside(target_, temporary_);
    if (file_ == nullptr) {
        const int error = errno;
        temporary_.clear();
        fail("opening", error);
    }
    if (!keepOwnerAndMode(::fileno(file_), target_)) {
        fail("opening", errno);
    }
}

StagedFile::~StagedFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void StagedFile::write(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        fail("writing", errno);
    }
}

void StagedFile::commit() {
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) {
        fail("writing", errno);
    }
    if (!temporary_.empty()) {
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
            fail("renaming the finished file into", errno);
        }
        temporary_.clear();
    }
}

void StagedFile::fail(const char* doing, int error) {
    std::string where = std::string(doing) + " " + describeFileLocation(path_.string());
    if (error != 0) {
        where += ": ";
        where += std::strerror(error);
    }
    throw RunError(ErrorKind::FileAccess, where);
}

void writeStaged(const std::filesystem::path& path, std::string_view text) {
    StagedFile file(path);
    file.write(text);
    file.commit();
}

} // namespace solva::cli

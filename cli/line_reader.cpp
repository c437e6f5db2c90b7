// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/line_reader.h"

#include "output/close_keeping_errno.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace solva::cli {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

ReadError::ReadError(int error, long line)
    : std::runtime_error(error != 0 ? std::strerror(error) : "line too long"), error_(error),
      line_(line) {}

File openForReading(const std::string& name) {
    const int fd = name == "-" ? ::dup(STDIN_FILENO) : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw ReadError(errno, 0);
    }
    File file(::fdopen(fd, "rb"));
    if (!file) {
        closeKeepingErrno(fd);
        throw ReadError(errno, 0);
    }
    return file;
}

bool LineReader::next(std::string& line) {
    line.clear();
    int c;
    errno = 0;
    while ((c = getc_unlocked(file_)) != EOF && c != '\n') {
        if (line.size() == MaxLineBytes) {
            throw ReadError(0, ++number_);
        }
        line.push_back(static_cast<char>(c));
    }
    if (std::ferror(file_)) {
        throw ReadError(errno != 0 ? errno : EIO, number_);
    }
    if (c == EOF && line.empty()) {
        return false;
    }
    if (number_ == 0 && line.starts_with(ByteOrderMark)) {
        line.erase(0, ByteOrderMark.size());
    }
    ++number_;
    return true;
}

} // namespace solva::cli

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/text_file.h"

#include "app/run_error.h"
#include "output/close_keeping_errno.h"
#include "output/file_location.h"
#include "output/number_text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace solva {

namespace {

// Lines are gathered in a buffer of this size and written out whole.
constexpr std::size_t BufferSize = 1 << 16;

// Creates or empties the file as fopen's "wb" does, but never waits: a named
// pipe with no reader fails at once instead of holding the run until one
// comes. Once open, writes block as usual, so a pipe that has a reader gets
// every byte.
std::FILE* openWithoutWaiting(const std::string& name) {
    const int fd =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = nullptr;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
        file = ::fdopen(fd, "wb");
    }
    if (file == nullptr) {
        closeKeepingErrno(fd);
    }
    return file;
}

} // namespace

TextFile::TextFile(std::string name, const OutputStyle& style)
    : name_(std::move(name)), style_(style) {
    if (!name_.empty()) {
        errno = 0;
        file_ = openWithoutWaiting(name_);
        if (file_ == nullptr) {
            fail("opening", errno);
        }
        std::setvbuf(file_, nullptr, _IONBF, 0); // the buffer is ours
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(BufferSize);
    size_ = BufferSize;
}

TextFile::~TextFile() {
    if (file_ != nullptr) {
        std::fwrite(buffer_.get(), 1, used_, file_);
        std::fclose(file_);
    }
}

void TextFile::print(Real number) {
    const double v = number.value();
    char* out = room(MaxNumberText + 2);
    *out++ = v < 0 ? '-' : ' ';
    out = writeGeneralForm(out, v, style_.decimalSeparator);
    *out++ = ' ';
    wrote(out);
}

void TextFile::print(const Element& element) {
    if (!element.empty()) {
        print(element.real());
    }
}

void TextFile::nextZone() {
    const auto column = static_cast<std::ptrdiff_t>(used_) - lineStart_;
    const auto spaces = static_cast<std::size_t>(ZoneWidth - column % ZoneWidth);
    char* out = room(spaces);
    std::memset(out, ' ', spaces);
    wrote(out + spaces);
}

void TextFile::endLine() {
    char* out = room(2);
    out[0] = '\r';
    out[1] = '\n';
    wrote(out + 2);
    lineStart_ = static_cast<std::ptrdiff_t>(used_);
}

// Writes out the buffer, keeping the current line's column, and grows it
// should a single item not fit.
void TextFile::makeRoom(std::size_t n) {
    // The line may have begun in what goes out now: its start moves before
    // the buffer, so the column still counts from it.
    lineStart_ -= static_cast<std::ptrdiff_t>(used_);
    flush();
    if (n > size_) {
        buffer_ = std::make_unique_for_overwrite<char[]>(n);
        size_ = n;
    }
}

void TextFile::flush() {
    if (file_ == nullptr) { // no file, or one already closed
        used_ = 0;
        return;
    }
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.get(), 1, used_, file_);
    if (written != used_) {
        std::memmove(buffer_.get(), buffer_.get() + written, used_ - written);
        used_ -= written;
        fail("writing", errno);
    }
    used_ = 0;
}

void TextFile::close() {
    flush();
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0) {
        fail("closing", errno);
    }
}

void writeResultFile(const std::filesystem::path& file, std::string_view text) {
    const OutputStyle style;
    TextFile out(file.string(), style);
    out.print(text);
    out.close();
}

void TextFile::fail(const char* doing, int error) {
    std::string where = std::string(doing) + " " + describeFileLocation(name_);
    if (error != 0) {
        where += ": ";
        where += std::strerror(error);
    }
    throw RunError(ErrorKind::FileAccess, where);
}

} // namespace solva

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// A result file written by print statements: items appended in order, a
// zone move for the "," separator, CRLF line ends. A statement's ";" writes
// nothing, so it has no call of its own.

#include "app/checked_real.h"
#include "app/element.h"
#include "output/number_text.h"
#include "output/output_style.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace solva {

class TextFile {
public:
    static constexpr int ZoneWidth = 14;

    // Creates the file or empties it, without waiting for a reader should it
    // be a named pipe; a failure stops the run with the file error kind and
    // the file's full path.
    TextFile(std::string name, const OutputStyle& style);
    // Flushes and closes a file still open, keeping whatever was written; a
    // failure here goes unreported, as an earlier error is already on its way.
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // A string item, written unchanged.
    void print(std::string_view text) {
        char* out = room(text.size());
        std::memcpy(out, text.data(), text.size());
        wrote(out + text.size());
    }
    // A number item: the sign place (blank or "-"), the general form, a blank.
    void print(Real number);
    // An array element: a number, or nothing at all when it is empty.
    void print(const Element& element);
    // A pattern-formatted number item.
    void printFormatted(double x, NumberPattern pattern) {
        wrote(writePattern(room(MaxNumberText), x, pattern, style_.decimalSeparator));
    }
    // The "," separator: on to the next zone start after the current column.
    void nextZone();
    // Ends the statement and the line.
    void endLine();

    // Writes out what is buffered and closes; a failure stops the run.
    void close();

    const OutputStyle& style() const { return style_; }

private:
    // Room for n more bytes at the end of the buffer.
    char* room(std::size_t n) {
        if (used_ + n > size_) {
            makeRoom(n);
        }
        return buffer_.get() + used_;
    }
    void makeRoom(std::size_t n);
    void wrote(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }
    void flush();
    [[noreturn]] void fail(const char* doing, int error);

    std::string name_;
    const OutputStyle& style_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
    std::ptrdiff_t lineStart_ = 0; // offset in the buffer of the current line's start
};

// Writes `text` to `file`, replacing what it held, as the result files are
// written: never waiting on a pipe without a reader, a failure throwing
// RunError with the file error kind and the full path.
void writeResultFile(const std::filesystem::path& file, std::string_view text);

} // namespace solva

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The line-by-line reading of the text files the program takes (the runs file,
// the points file): memory stays bounded whatever the input, a UTF-8
// byte-order mark at the start is dropped, and a file that cannot be read (a
// folder, a closed standard input, a read error midway) is reported, never
// taken for its end.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace solva::cli {

// The most a line may hold, in bytes, without its end: far more than any run
// or point needs.
inline constexpr std::size_t MaxLineBytes = std::size_t{1} << 20;

// A file that could not be opened or read (error() the system's errno, line()
// the lines read before), or a line longer than MaxLineBytes (error() 0,
// line() its number). what() is the system's reason, or "line too long".
class ReadError : public std::runtime_error {
public:
    ReadError(int error, long line);
    int error() const { return error_; }
    long line() const { return line_; }

private:
    int error_;
    long line_;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The file `name`, or standard input for "-" (on a descriptor of its own, so
// that closing it leaves standard input open), opened for reading. Throws
// ReadError (line 0) when it cannot be opened.
File openForReading(const std::string& name);

class LineReader {
public:
    // Lines from `file`, which must outlive the reader, from where it stands.
    explicit LineReader(std::FILE* file) : file_(file) {}

    // The next line into `line`, without its line feed (a carriage return
    // before it is kept) and, on the first line, without a byte-order mark;
    // false at the end of the file. Throws ReadError when the file cannot be
    // read or the line is longer than MaxLineBytes.
    bool next(std::string& line);

    // The lines read so far: the number of the last one next() gave, or of the
    // one it found too long.
    long number() const { return number_; }

private:
    std::FILE* file_;
    long number_ = 0;
};

} // namespace solva::cli

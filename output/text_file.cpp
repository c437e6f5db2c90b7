#include "output/text_file.h"

#include "app/run_error.h"
#include "output/number_text.h"

#include <cerrno>
#include <cstring>

namespace solva {

namespace {
constexpr std::size_t FlushAt = 1 << 16;
}

TextFile::TextFile(std::string name, const OutputStyle& style)
    : name_(std::move(name)), style_(style) {
    errno = 0;
    file_ = std::fopen(name_.c_str(), "wb");
    if (file_ == nullptr) {
        fail("opening", errno);
    }
    std::setvbuf(file_, nullptr, _IONBF, 0); // the buffer is ours
    buffer_.reserve(FlushAt + 4096);
}

TextFile::~TextFile() {
    if (file_ != nullptr) {
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        std::fclose(file_);
    }
}

void TextFile::print(std::string_view text) {
    buffer_ += text;
}

void TextFile::print(Real number) {
    const double v = number.value();
    buffer_ += v < 0 ? '-' : ' ';
    appendGeneralForm(buffer_, v, style_.decimalSeparator);
    buffer_ += ' ';
}

void TextFile::print(const Element& element) {
    if (!element.empty()) {
        print(element.value());
    }
}

void TextFile::printFormatted(double x, NumberPattern pattern) {
    appendPattern(buffer_, x, pattern, style_.decimalSeparator);
}

void TextFile::nextZone() {
    const std::size_t column = buffer_.size() - lineStart_;
    buffer_.append(ZoneWidth - column % ZoneWidth, ' ');
}

void TextFile::endLine() {
    buffer_ += "\r\n";
    if (buffer_.size() >= FlushAt) {
        flush();
    }
    lineStart_ = buffer_.size();
}

void TextFile::flush() {
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    if (written != buffer_.size()) {
        buffer_.erase(0, written);
        fail("writing", errno);
    }
    buffer_.clear();
}

void TextFile::close() {
    flush();
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) {
        fail("closing", errno);
    }
}

void TextFile::fail(const char* doing, int error) {
    std::string where = std::string(doing) + " the file \"" + name_ + "\"";
    if (error != 0) {
        where += ": ";
        where += std::strerror(error);
    }
    throw RunError(ErrorKind::FileAccess, where);
}

} // namespace solva

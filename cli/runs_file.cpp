// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/runs_file.h"

#include "cli/strict_texts.h"
#include "cli/usage_error.h"
#include "output/close_keeping_errno.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace solva::cli {

namespace {

std::vector<std::string> splitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// An unnamed file in $TMPDIR (or /tmp), gone when closed.
std::FILE* unnamedTemporaryFile() {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                       "/ellipsoid-flow-cli-runs-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return nullptr;
    }
    ::unlink(name.c_str());
    std::FILE* file = ::fdopen(fd, "w+b");
    if (file == nullptr) {
        closeKeepingErrno(fd);
    }
    return file;
}

} // namespace

RunsFile::RunsFile(const std::string& name, bool strict)
    : name_(name), where_(name == "-" ? "standard input" : name), strict_(strict) {
    File input;
    try {
        input = openForReading(name);
    } catch (const ReadError& e) {
        unreadable(e.error());
    }
    struct stat status {};
    if (::fstat(::fileno(input.get()), &status) != 0) {
        unreadable(errno);
    }
    const bool rereadable = S_ISREG(status.st_mode);
    File copy;
    if (!rereadable) {
        copy.reset(unnamedTemporaryFile());
        if (!copy) {
            throw UsageError("Cannot keep the runs of " + where_ + " in a temporary file: " +
                             std::strerror(errno) + ".\nSet TMPDIR to a folder with room.");
        }
    }
    reader_ = LineReader(input.get());
    std::string line;
    while (readLine(line)) {
        if (parse(line)) {
            ++total_;
        }
        if (copy && (std::fwrite(line.data(), 1, line.size(), copy.get()) != line.size() ||
                     std::fputc('\n', copy.get()) == EOF)) {
            throw UsageError("Cannot keep the runs of " + where_ + " in a temporary file: " +
                             std::strerror(errno) + ".\nSet TMPDIR to a folder with room.");
        }
    }
    file_ = copy ? std::move(copy) : std::move(input);
    if (std::fflush(file_.get()) != 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        unreadable(errno);
    }
    reader_ = LineReader(file_.get());
}

std::optional<NumberedRun> RunsFile::next() {
    std::string line;
    while (readLine(line)) {
        if (std::optional<InputTexts> texts = parse(line)) {
            return NumberedRun{std::move(*texts), reader_.number()};
        }
    }
    return std::nullopt;
}

bool RunsFile::readLine(std::string& line) {
    try {
        return reader_.next(line);
    } catch (const ReadError& e) {
        if (e.error() != 0) {
            unreadable(e.error());
        }
        badLine("longer than " + std::to_string(MaxLineBytes) +
                " bytes, more than any run needs.\nIs it the runs file meant?");
    }
}

std::optional<InputTexts> RunsFile::parse(const std::string& line) const {
    std::string_view text = line;
    if (text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.front() == '#') {
        return std::nullopt;
    }
    const std::vector<std::string> f = splitAtTabs(std::string(text));
    if (f.size() != Inputs.size()) {
        badLine(std::to_string(f.size()) + (f.size() == 1 ? " field" : " fields") +
                " where a run has five.\nWrite " + placeholders(", ", " and ") +
                " separated by tab characters, for example \"0.2<TAB>18<TAB>1<TAB>0<TAB>0\", or "
                "start the line with # to skip it.");
    }
    const InputTexts texts = inputTexts(f);
    if (strict_) {
        try {
            checkStrictly(texts);
        } catch (const UsageError& e) {
            badLine(e.what());
        }
    }
    return texts;
}

void RunsFile::unreadable(int error) const {
    throw UsageError("Cannot read the runs file \"" + name_ + "\": " + std::strerror(error) +
                     ".\nName a readable file after --runs, or \"-\" to read the runs from "
                     "standard input.");
}

void RunsFile::badLine(const std::string& problem) const {
    throw UsageError(where_ + ", line " + std::to_string(reader_.number()) + ": " + problem);
}

} // namespace solva::cli

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/runs_file.h"

#include "cli/usage_error.h"

#include <cerrno>
#include <cstring>
#include <fstream>

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

[[noreturn]] void unreadable(const std::string& name, int error) {
    throw UsageError("Cannot read the runs file \"" + name + "\": " + std::strerror(error) +
                     ".\nName a readable file after --runs, or \"-\" to read the runs from "
                     "standard input.");
}

} // namespace

std::vector<InputTexts> parseRuns(std::istream& in, const std::string& name) {
    std::vector<InputTexts> runs;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> f = splitAtTabs(line);
        if (f.size() != Inputs.size()) {
            throw UsageError(name + ", line " + std::to_string(number) + ": " +
                             std::to_string(f.size()) + (f.size() == 1 ? " field" : " fields") +
                             " where a run has five.\nWrite " + placeholders(", ", " and ") +
                             " separated by tab characters, for example \"0.2<TAB>18<TAB>1"
                             "<TAB>0<TAB>0\", or start the line with # to skip it.");
        }
        runs.push_back(inputTexts(f));
    }
    return runs;
}

std::vector<InputTexts> readRunsFile(const std::string& name, std::istream& standardInput) {
    if (name == "-") {
        std::vector<InputTexts> runs = parseRuns(standardInput, "standard input");
        if (standardInput.bad()) {
            unreadable("-", EIO);
        }
        return runs;
    }
    errno = 0;
    std::ifstream file(name);
    if (!file) {
        unreadable(name, errno != 0 ? errno : ENOENT);
    }
    std::vector<InputTexts> runs = parseRuns(file, name);
    if (file.bad()) {
        unreadable(name, errno != 0 ? errno : EIO);
    }
    return runs;
}

} // namespace solva::cli

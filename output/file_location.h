// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace solva {

// Where a result file of the given name is, in the words of an error report:
// the file "/home/ana/runs/solva11.txt", a relative name taken from the
// working directory. When the working directory itself has been deleted or
// moved, a folder the user sees under its old name is another one, so the
// words say that instead of giving a path that would mislead: the file
// "solva11.txt", in the working directory "/home/ana/runs", which no longer
// exists.
std::string describeFileLocation(const std::string& name);

} // namespace solva

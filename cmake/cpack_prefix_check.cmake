# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Read by cpack before it packages. The desktop entry and the menu's launcher
# name the programs by the paths the build was configured to install them at;
# a package that put its files under another prefix would carry a menu entry
# that cannot start. So cpack packages only a build configured for the
# package's own prefix.
if(NOT CPACK_SOLVA_INSTALL_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
    message(FATAL_ERROR
        "This build installs under \"${CPACK_SOLVA_INSTALL_PREFIX}\", but the package puts its "
        "files under \"${CPACK_PACKAGING_INSTALL_PREFIX}\": its menu entry would point to where "
        "nothing is. Run scripts/package.sh, which configures a build for the package, or "
        "configure with -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}.")
endif()

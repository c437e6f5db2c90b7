# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Checks of the tree and of what it installs, each run when its tool is there.
# Included with the tests.

# Every file names its copyright holder and licence (REUSE).
find_program(REUSE reuse)
if(REUSE)
    add_test(NAME reuse.lint COMMAND ${REUSE} --root ${PROJECT_SOURCE_DIR} lint)
endif()

# The Debian package builds and lintian finds nothing to warn about. It builds
# in its own directory, build-package, and takes a few minutes the first time;
# the package does not depend on this build's options, so a sanitizer build
# leaves it out.
find_program(LINTIAN lintian)
if(LINTIAN AND NOT SOLVA_SANITIZE)
    add_test(NAME package.lintian COMMAND ${PROJECT_SOURCE_DIR}/scripts/package.sh)
    set_tests_properties(package.lintian PROPERTIES RUN_SERIAL TRUE TIMEOUT 1800)
endif()

# cpack packages only a build configured for the package's prefix, so that
# the menu entry points to where the programs are.
if(NOT SOLVA_SANITIZE)
    add_test(NAME package.install_prefix
             COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/install_prefix_test.sh
                     ${PROJECT_SOURCE_DIR})
endif()

# The desktop launcher, configured to start a stub that records where it was
# started.
if(SOLVA_GUI)
    set(SOLVA_PROGRAM ${PROJECT_SOURCE_DIR}/tests/desktop/program_stub.sh)
    configure_file(ui/desktop/ellipsoid-flow-launch.in tests/desktop/ellipsoid-flow-launch @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    add_test(NAME desktop.launcher
             COMMAND sh ${PROJECT_SOURCE_DIR}/tests/desktop/launcher_test.sh
                     ${PROJECT_BINARY_DIR}/tests/desktop/ellipsoid-flow-launch)
endif()

# The C++ package builds another program with CMake and with pkg-config, and
# it prints what the command line does. The consumer is built without the
# sanitizers' run-time, so a sanitizer build leaves it out.
if(SOLVA_CLI AND NOT SOLVA_SANITIZE AND NOT SOLVA_FUZZ)
    add_test(NAME package.consumer
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/packaging/consumer_test.py
                     ${PROJECT_BINARY_DIR} $<TARGET_FILE:ellipsoid-flow-cli>)
endif()

# The C++ reference builds with no Doxygen warning: every public symbol and
# parameter documented (docs/cpp/Doxyfile, which scripts/docs.sh runs too).
find_program(DOXYGEN doxygen)
if(DOXYGEN)
    add_test(NAME docs.cpp
             COMMAND ${CMAKE_COMMAND} -E env DOXYGEN_HTML=${PROJECT_BINARY_DIR}/docs-test
                     PROJECT_VERSION=${PROJECT_VERSION} ${DOXYGEN} docs/cpp/Doxyfile
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()

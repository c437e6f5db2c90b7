# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# The HTML reference in the Debian packages (SOLVA_REFERENCE_HTML, which
# scripts/package.sh turns on): the Python module's, made by Sphinx from the
# module as built, in python3-ellipsoid-flow; the C++ headers', made by
# Doxygen, in libellipsoid-flow-dev. Their JavaScript libraries become links
# to Debian's copies (cmake/link_javascript.cmake), so each package depends
# on the libjs-* package holding them instead of carrying its own.
option(SOLVA_REFERENCE_HTML "Put the HTML reference into the packages (needs Sphinx, Doxygen)" OFF)
if(NOT SOLVA_REFERENCE_HTML)
    return()
endif()
if(NOT SOLVA_PYTHON)
    message(FATAL_ERROR "SOLVA_REFERENCE_HTML documents the Python module: turn SOLVA_PYTHON on")
endif()
find_program(DOXYGEN doxygen REQUIRED)

set(html ${PROJECT_BINARY_DIR}/reference-html)
file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/api/*
     ${PROJECT_SOURCE_DIR}/spheroid/*.h ${PROJECT_SOURCE_DIR}/ellipsoid/*.h)
add_custom_command(
    OUTPUT ${html}/made
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${html}/python ${html}/cpp ${html}/doctrees
    COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${PROJECT_BINARY_DIR}/python PYTHONDONTWRITEBYTECODE=1
            ${Python3_EXECUTABLE} -m sphinx -W --keep-going -n -q -b html -d ${html}/doctrees
            ${PROJECT_SOURCE_DIR}/docs/api ${html}/python
    COMMAND ${CMAKE_COMMAND} -E env DOXYGEN_HTML=${html} PROJECT_VERSION=${PROJECT_VERSION}
            ${DOXYGEN} docs/cpp/Doxyfile
    COMMAND ${CMAKE_COMMAND} -DHTML=${html} -P ${PROJECT_SOURCE_DIR}/cmake/link_javascript.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${html}/made
    DEPENDS _core python_package ${sources} ${PROJECT_SOURCE_DIR}/docs/cpp/Doxyfile
            ${PROJECT_SOURCE_DIR}/cmake/link_javascript.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
add_custom_target(reference_html ALL DEPENDS ${html}/made)

install(DIRECTORY ${html}/python/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/python3-ellipsoid-flow/html
        COMPONENT python3-ellipsoid-flow
        PATTERN .buildinfo EXCLUDE)
install(DIRECTORY ${html}/cpp/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${SOLVA_DEV_COMPONENT}/html
        COMPONENT ${SOLVA_DEV_COMPONENT})
set(SOLVA_PYTHON_HTML_DEPENDS ", libjs-sphinxdoc")
set(SOLVA_DEV_HTML_DEPENDS "libjs-jquery")

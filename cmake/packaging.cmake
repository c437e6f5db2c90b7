# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# The Debian packages: ellipsoid-flow with the programs, libellipsoid-flow-dev
# with the C++ library (cmake/exact_library.cmake) and, when the module
# is built, python3-ellipsoid-flow with the Python module, each from its own
# install component. cmake --build <dir> --target package, or
# scripts/package.sh, which also runs lintian on them.
include(GNUInstallDirs)

# Debian wants the changelog and the man pages compressed with gzip -9n: best
# compression, and no name or time stamp, so the same sources give the same
# bytes. CPack compresses nothing itself, so the build does.
find_program(GZIP gzip REQUIRED)
set(compressed)
function(solva_compress source name)
    set(copy ${PROJECT_BINARY_DIR}/compressed/${name})
    add_custom_command(OUTPUT ${copy}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                       COMMAND ${GZIP} -9nf ${copy}
                       DEPENDS ${source}
                       VERBATIM)
    set(compressed ${compressed} ${copy}.gz PARENT_SCOPE)
endfunction()

# A native package's history is changelog.gz; its licence is copyright. Each
# package carries both.
solva_compress(${PROJECT_SOURCE_DIR}/packaging/debian/changelog changelog)
set(packages ellipsoid-flow)
if(SOLVA_PYTHON)
    list(APPEND packages python3-ellipsoid-flow)
endif()
list(APPEND packages ${SOLVA_DEV_COMPONENT})
foreach(package IN LISTS packages)
    install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz
                  ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${package})
endforeach()

# The man page docs/man/NAME.1 of each program NAME built here, in the package
# of the program: the Python module's for its commands.
file(GLOB man_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.1)
foreach(page IN LISTS man_pages)
    get_filename_component(program ${page} NAME_WLE)
    if(TARGET ${program})
        set(package ellipsoid-flow)
    elseif(program IN_LIST SOLVA_PYTHON_COMMANDS)
        set(package python3-ellipsoid-flow)
    else()
        continue()
    endif()
    get_filename_component(name ${page} NAME)
    solva_compress(${page} ${name})
    install(FILES ${PROJECT_BINARY_DIR}/compressed/${name}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${package})
endforeach()

# solva_install_page(PACKAGE PAGE): the page (a path in the source tree) and the
# figures it shows, ![...](FILE.png), into PACKAGE's documentation folder at
# the same paths as in the source tree, so that its links and figures hold.
function(solva_install_page package page)
    set(base ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package})
    cmake_path(GET page PARENT_PATH folder)
    install(FILES ${PROJECT_SOURCE_DIR}/${page} DESTINATION ${base}/${folder} COMPONENT ${package})
    file(READ ${PROJECT_SOURCE_DIR}/${page} text)
    string(REGEX MATCHALL "!\\[[^]]*\\]\\([^)]+\\.png\\)" figures "${text}")
    foreach(figure IN LISTS figures)
        string(REGEX REPLACE ".*\\(([^)]+)\\)$" "\\1" figure "${figure}")
        cmake_path(APPEND folder ${figure} OUTPUT_VARIABLE path)
        cmake_path(GET path PARENT_PATH place)
        install(FILES ${PROJECT_SOURCE_DIR}/${path} DESTINATION ${base}/${place}
                COMPONENT ${package})
    endforeach()
endfunction()

# Each package's documentation: the programs' the README and the pages on the
# mathematics and its validation; the Python module's its guides and the
# example scripts (plain files: they run as python3 examples/NAME.py).
foreach(page README.md docs/mathematics.md docs/validation.md)
    solva_install_page(ellipsoid-flow ${page})
endforeach()
if(SOLVA_PYTHON)
    foreach(page docs/python.md docs/reference.md)
        solva_install_page(python3-ellipsoid-flow ${page})
    endforeach()
    file(GLOB examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.py
         ${PROJECT_SOURCE_DIR}/examples/*.ipynb)
    install(FILES ${examples} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/python3-ellipsoid-flow/examples
            COMPONENT python3-ellipsoid-flow)
endif()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ellipsoid-flow)
set(CPACK_PACKAGE_VENDOR "Ellipsoid Flow developers")
set(CPACK_PACKAGE_CONTACT "Ellipsoid Flow developers <maintainers@ellipsoidflow.org>")
# Each package's description starts with its own summary line. CPack would
# put one summary before every package's description unless the summary is
# its own default, so it is that.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_COMPONENT_ELLIPSOID-FLOW_DESCRIPTION [[
Potential flow about an ellipsoid of revolution
Ellipsoid Flow computes the exact potential flow about a prolate spheroid of
a chosen thickness ratio in a uniform stream at an angle of attack and a yaw
angle: the squared surface speed ratio, and so the pressure coefficient,
along the meridian at a set of circumferential angles, with the body's
added-mass coefficients. It is meant for students, teachers and engineers in
aerodynamics and naval hydrodynamics who want the classical reference
solution, for instance to check a panel code. The window program draws the
body and the speed along it; the command-line program ellipsoid-flow-cli
serves scripts. Both write a report and a plot data file as text.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from dpkg-shlibdeps; the window's font is no library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ELLIPSOID-FLOW_PACKAGE_DEPENDS fonts-liberation2)
# The menu's launcher asks it for the documents folder, else uses the home.
set(CPACK_DEBIAN_ELLIPSOID-FLOW_PACKAGE_RECOMMENDS xdg-user-dirs)
set(CPACK_STRIP_FILES ON)
# A Debian package installs under /usr, and cpack refuses a build configured
# for another prefix (cmake/cpack_prefix_check.cmake).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SOLVA_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_prefix_check.cmake)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${packages})
set(CPACK_DEBIAN_ELLIPSOID-FLOW_PACKAGE_NAME ellipsoid-flow)
if(SOLVA_PYTHON)
    set(python_package PYTHON3-ELLIPSOID-FLOW)
    set(CPACK_DEBIAN_${python_package}_PACKAGE_NAME python3-ellipsoid-flow)
    set(CPACK_DEBIAN_${python_package}_PACKAGE_SECTION python)
    # The compiled module is for the one Python version it was built with.
    set(version ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})
    math(EXPR next_minor "${Python3_VERSION_MINOR} + 1")
    set(CPACK_DEBIAN_${python_package}_PACKAGE_DEPENDS
        "python3 (>= ${version}~), python3 (<< ${Python3_VERSION_MAJOR}.${next_minor}), python3-numpy${SOLVA_PYTHON_HTML_DEPENDS}")
    # SciPy for streamlines; pandas, meshio and matplotlib for the mesh and reference modules.
    set(CPACK_DEBIAN_${python_package}_PACKAGE_RECOMMENDS
        "python3-scipy, python3-pandas, python3-meshio, python3-matplotlib")
    set(CPACK_COMPONENT_${python_package}_DESCRIPTION [[
Exact potential flow about an ellipsoid of revolution (Python 3)
The Python module ellipsoid_flow makes the runs of Ellipsoid Flow and
evaluates the exact potential flow about a spheroid (prolate, sphere or
oblate) or any ellipsoid, in a uniform stream or moving, at any point,
returning NumPy arrays: the surface
speed and pressure, the velocity and potential off the body, streamlines, the
stagnation points, the suction peak, the Munk moment and the whole 6 x 6
added-mass matrix. The computation is the same C++ core as the programs'.]])
endif()

# The C++ library, headers, CMake package and pkg-config file
# (cmake/exact_library.cmake). Its headers need the C++20 standard library
# alone: no Boost, no other package.
set(dev_package LIBELLIPSOID-FLOW-DEV)
set(CPACK_DEBIAN_${dev_package}_PACKAGE_NAME ${SOLVA_DEV_COMPONENT})
set(CPACK_DEBIAN_${dev_package}_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_${dev_package}_PACKAGE_DEPENDS "${SOLVA_DEV_HTML_DEPENDS}")
set(CPACK_COMPONENT_${dev_package}_DESCRIPTION [[
Exact potential flow about an ellipsoid (C++ development files)
The static C++20 library of Ellipsoid Flow for programs that want the exact
potential flow about a spheroid or any ellipsoid: the velocity, potential and
pressure at any point on or off the body, the surface values, the stagnation
points, the Munk moment and the 6 x 6 added-mass matrix, to full double
precision. CMake finds it with find_package(EllipsoidFlow) as the target
EllipsoidFlow::exact; pkg-config as ellipsoid-flow.]])
include(CPack)

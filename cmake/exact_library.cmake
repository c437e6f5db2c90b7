# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# The exact-flow libraries for other programs to build against: one static
# library, libellipsoid-flow-exact.a, holding the objects of numeric/,
# spheroid/ and ellipsoid/, the public headers of spheroid/ and ellipsoid/
# (never their detail/) under include/ellipsoid-flow/, a CMake package
# (find_package(EllipsoidFlow), target EllipsoidFlow::exact) and a pkg-config
# file (ellipsoid-flow.pc). All of it is the install component
# libellipsoid-flow-dev, the Debian package of that name
# (cmake/packaging.cmake).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
find_package(Threads REQUIRED)

set(SOLVA_DEV_COMPONENT libellipsoid-flow-dev)
set(exact_includedir ${CMAKE_INSTALL_INCLUDEDIR}/ellipsoid-flow)
set(exact_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/EllipsoidFlow)

# One archive, so that a consumer links one library whatever the layers are.
add_library(solva_exact STATIC $<TARGET_OBJECTS:solva_numeric> $<TARGET_OBJECTS:solva_spheroid>
                               $<TARGET_OBJECTS:solva_ellipsoid>)
set_target_properties(solva_exact PROPERTIES OUTPUT_NAME ellipsoid-flow-exact EXPORT_NAME exact
                                             LINKER_LANGUAGE CXX)
target_include_directories(solva_exact INTERFACE $<INSTALL_INTERFACE:${exact_includedir}>)
target_compile_features(solva_exact INTERFACE cxx_std_20)
# Array evaluations share their points among threads.
target_link_libraries(solva_exact INTERFACE Threads::Threads)
install(TARGETS solva_exact EXPORT EllipsoidFlowTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${SOLVA_DEV_COMPONENT})

# The public headers are the ones at the top of each library's folder.
foreach(library spheroid ellipsoid)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${library}/*.h)
    install(FILES ${headers} DESTINATION ${exact_includedir}/${library}
            COMPONENT ${SOLVA_DEV_COMPONENT})
endforeach()

install(EXPORT EllipsoidFlowTargets NAMESPACE EllipsoidFlow:: DESTINATION ${exact_cmakedir}
        COMPONENT ${SOLVA_DEV_COMPONENT})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/exact/EllipsoidFlowConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/exact/EllipsoidFlowConfig.cmake
                              INSTALL_DESTINATION ${exact_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/exact/EllipsoidFlowConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/exact/EllipsoidFlowConfig.cmake
              ${PROJECT_BINARY_DIR}/exact/EllipsoidFlowConfigVersion.cmake
        DESTINATION ${exact_cmakedir} COMPONENT ${SOLVA_DEV_COMPONENT})

# The pkg-config file finds the prefix from where it lies, so that an install
# under any prefix (or DESTDIR) works as it is.
set(exact_pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH exact_pc_to_prefix /${exact_pcdir} /)
string(REGEX REPLACE "/$" "" exact_pc_to_prefix "${exact_pc_to_prefix}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/exact/ellipsoid-flow.pc.in
               ${PROJECT_BINARY_DIR}/exact/ellipsoid-flow.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/exact/ellipsoid-flow.pc DESTINATION ${exact_pcdir}
        COMPONENT ${SOLVA_DEV_COMPONENT})

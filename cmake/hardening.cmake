# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Debian's usual hardening for everything built here: stack protector,
# format checks, position-independent executables and a read-only GOT
# bound at start-up; lintian looks for these in the package's binaries.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_link_options(-Wl,-z,relro -Wl,-z,now)

# Control-flow protection exists on x86 only.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
    add_compile_options(-fcf-protection)
endif()

# _FORTIFY_SOURCE needs optimisation (a Debug build would only warn), and
# its checked wrappers hide calls from the sanitizers' own interceptors.
if(NOT SOLVA_SANITIZE AND NOT SOLVA_FUZZ)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distribution expects of a program it ships: a position-independent executable, so
# its code lands at a random address, and every relocation resolved at start-up and then
# made read-only, so no function pointer of the process stays writable.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_link_options(LINKER:-z,relro,-z,now)
# The C library's checked variants of the string and memory functions, as Debian builds
# them; they need an optimised build and stay out of the sanitizers' way.
if(NOT KORVALIN_SANITIZE AND NOT KORVALIN_FUZZ)
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  add_compile_options(-fstack-protector-strong)
endif()

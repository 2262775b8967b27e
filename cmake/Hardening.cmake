# The program and its language libraries are built with the hardening of a Debian package:
# _FORTIFY_SOURCE, the strong stack protector, format checks, a read-only relocation table bound
# at start-up (-z relro -z now) and position-independent executables. The flags are those of
# dpkg-buildflags with every hardening feature on, less its optimisation, debug-information and
# path-mapping flags, which the build type and the build folder decide; without dpkg-buildflags
# they are the same flags as Debian 12 gives them.
if(SANITIZE OR FUZZ)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
set(hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
if(DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g[0-9]*|-O[0-9sgz]?|-f(file|debug|macro)-prefix-map=.*)$")
    set(hardening_${kind} ${flags})
  endforeach()
endif()
message(STATUS "Hardening: ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS}")

# _FORTIFY_SOURCE needs the optimiser: a debug build goes without it.
foreach(flag IN LISTS hardening_CPPFLAGS)
  if(flag MATCHES "^-D_FORTIFY_SOURCE")
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
  else()
    add_compile_options(${flag})
  endif()
endforeach()
# C and C++ take the same flags.
add_compile_options(${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})

include(CheckPIESupported)
check_pie_supported()

# Run by cpack: the package's version is the ProductVersion of the program's resource script,
# "1, 0, 0, 1" giving 1.0.0.1.
file(STRINGS ${CPACK_PROGRAM_RESOURCE_SCRIPT} product_version_line REGEX "VALUE \"ProductVersion\"" LIMIT_COUNT 1)
if(NOT product_version_line MATCHES "\"([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+)\"")
  message(FATAL_ERROR "No ProductVersion in ${CPACK_PROGRAM_RESOURCE_SCRIPT}")
endif()
set(CPACK_PACKAGE_VERSION ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4})

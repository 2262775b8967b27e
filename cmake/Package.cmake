# The Debian package of the installed program: `cpack -G DEB` in a configured build folder.
# Its dependencies are those of the program's libraries as dpkg-shlibdeps finds them (the
# toolkit, its web view and through it WebKitGTK), and the fonts the dialogs are measured with.

# The package takes the version the program itself reports, read when the package is made.
set(CPACK_PROGRAM_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/VelmarTessaline.rc)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageVersion.cmake)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VT_PRIVATE_NAME})
set(CPACK_PACKAGE_VENDOR "Oskerby Ltd.")
set(CPACK_PACKAGE_CONTACT "Oskerby Ltd. <velmar-tessaline@oskerby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decompression dive planner for rebreathers and open circuit")
set(CPACK_PACKAGE_DESCRIPTION "Velmar Tessaline plans decompression dives on closed-circuit rebreathers and
open circuit. It tracks the nitrogen and helium loading of the ZH-L16 tissue
model with gradient factors, oxygen exposure and gas limits second by second
over a plan of up to 30 repetitive dives, and turns the result into stops,
gas switches, graphs and printable tables; it also replays logs downloaded
from the rebreather's dive computer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.oskerby.example/velmar-tessaline")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_STRIP_FILES ON)
include(CPack)

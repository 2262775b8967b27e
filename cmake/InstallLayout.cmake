# Where an installed program keeps its files: the program in bin/, its language libraries in a
# private folder under lib/, its help book in a private folder under share/. The program finds
# both folders from its own path, so a package can move the whole prefix.
include(GNUInstallDirs)

set(VT_PRIVATE_NAME velmar-tessaline)
# The language libraries are loaded by their path, never through the system's library cache, so
# they go one folder further down: the Debian package then has no reason to run ldconfig. Being
# the program's own, they stay in lib/ whatever the prefix (no multiarch folder for /usr), so that
# the package and an install into /usr put them in the same place.
set(VT_INSTALL_LIBRARY_DIR lib/${VT_PRIVATE_NAME}/languages)
set(VT_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/${VT_PRIVATE_NAME})

# The two folders as the program sees them from its own folder.
file(RELATIVE_PATH VT_LIBRARY_FOLDER_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VT_INSTALL_LIBRARY_DIR})
file(RELATIVE_PATH VT_DATA_FOLDER_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${VT_PRIVATE_NAME})

# Writes the menu entry and the manual page for the prefix being installed into (run by
# `cmake --install` and by CPack; both name their paths, which only the install knows).
# Expects BRINDLEWICK_SOURCE_DIR, BRINDLEWICK_BIN, BRINDLEWICK_DATA, BRINDLEWICK_DATAROOT
# and BRINDLEWICK_VERSION.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${BRINDLEWICK_DATAROOT}")

set(desktop "${root}/applications/brindlewick.desktop")
message(STATUS "Installing: ${desktop}")
configure_file("${BRINDLEWICK_SOURCE_DIR}/dist/brindlewick.desktop.in" "${desktop}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${desktop}")

# Manual pages are kept compressed, without a time stamp (gzip -n) so that every
# build of the package holds the same bytes.
set(manual "${root}/man/man6/brindlewick.6")
file(MAKE_DIRECTORY "${root}/man/man6")
configure_file("${BRINDLEWICK_SOURCE_DIR}/dist/brindlewick.6.in" "${manual}" @ONLY)
find_program(BRINDLEWICK_GZIP gzip)
if(BRINDLEWICK_GZIP)
    message(STATUS "Installing: ${manual}.gz")
    execute_process(COMMAND "${BRINDLEWICK_GZIP}" -9 -n -f "${manual}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip failed on ${manual}")
    endif()
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${manual}.gz")
else()
    message(STATUS "Installing: ${manual}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${manual}")
endif()

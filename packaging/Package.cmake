# The Debian package: documents, the compressed man page and changelog, and the
# CPack settings. Built twice from the same commit it comes out byte for byte
# the same (see the reproducible build test), so nothing here may read the
# clock, the build folder or the builder's umask.

set(QUIB_HOMEPAGE "https://quib.example.org/")
set(CPACK_PACKAGE_CONTACT "QUIB developers <quib@quib.example.org>")
set(QUIB_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Debian keeps licence texts that are not in /usr/share/common-licenses in the
# machine-readable copyright file, indented one space, blank lines as " .".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" copyright "${licence}")
set(QUIB_COPYRIGHT ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*\n\n(Permission )" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " QUIB_LICENCE_TEXT " ${licence}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUIB_HOMEPAGE})
configure_file(${QUIB_PACKAGING_DIR}/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)

# gzip -n leaves out the name and time of the file, which would differ per build.
function(quib_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${source} ${output}
    DEPENDS ${source} VERBATIM)
endfunction()
quib_gzip(${QUIB_PACKAGING_DIR}/quib.6 ${CMAKE_BINARY_DIR}/quib.6.gz)
quib_gzip(${QUIB_PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_target(compressed_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/quib.6.gz ${CMAKE_BINARY_DIR}/changelog.gz)

install(FILES ${CMAKE_BINARY_DIR}/quib.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
              ${PROJECT_SOURCE_DIR}/docs/screenshot.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quib)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "physics puzzle game with a squirrel on a wheel")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${QUIB_PACKAGING_DIR}/description)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${QUIB_PACKAGING_DIR}/SourceDateEpoch.cmake)
include(CPack)

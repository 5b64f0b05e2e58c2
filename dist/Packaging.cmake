# Installed files beyond the programs and their data, and the Debian package
# made from them: cmake --build --preset release --target package

set(RACKMASON_MAINTAINER "RackMason developers <maintainers@users.noreply.c-seed-6bc2247f.example>")
set(RACKMASON_DEB_RELEASE 1)
set(RACKMASON_DEB_VERSION "${PROJECT_VERSION}-${RACKMASON_DEB_RELEASE}")
# The date of this build, or SOURCE_DATE_EPOCH when it is set (reproducible builds).
string(TIMESTAMP RACKMASON_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP RACKMASON_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(dist ${CMAKE_SOURCE_DIR}/dist)
set(gen ${CMAKE_BINARY_DIR}/dist)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/rackmason)

# Manual pages and the package changelog are installed gzip-compressed, without
# a name or time stamp in the gzip header.
set(compressed "")
function(rackmason_gzip source name)
  configure_file(${source} ${gen}/${name} @ONLY)
  add_custom_command(OUTPUT ${gen}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${gen}/${name} ${gen}/gz/${name}
    COMMAND gzip -9nf ${gen}/gz/${name}
    COMMAND ${CMAKE_COMMAND} -E rename ${gen}/gz/${name}.gz ${gen}/${name}.gz
    DEPENDS ${gen}/${name}
    VERBATIM)
  set(compressed ${compressed} ${gen}/${name}.gz PARENT_SCOPE)
endfunction()

rackmason_gzip(${dist}/man/rackmason-cli.1 rackmason-cli.1)
rackmason_gzip(${dist}/debian/changelog.in changelog.Debian)
install(FILES ${gen}/rackmason-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dist}/completion/rackmason-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(RACKMASON_GUI)
  rackmason_gzip(${dist}/man/rackmason.1 rackmason.1)
  install(FILES ${gen}/rackmason.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  configure_file(${dist}/rackmason.metainfo.xml.in ${gen}/org.rackmason.RackMason.metainfo.xml @ONLY)
  install(FILES ${gen}/org.rackmason.RackMason.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

add_custom_target(dist-files ALL DEPENDS ${compressed})

install(FILES ${dist}/debian/copyright ${gen}/changelog.Debian.gz DESTINATION ${docdir})
file(GLOB example_files ${CMAKE_SOURCE_DIR}/examples/*.qv4 ${CMAKE_SOURCE_DIR}/examples/*.json
     ${CMAKE_SOURCE_DIR}/examples/*.awl)
install(FILES ${example_files} DESTINATION ${docdir}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rackmason)
set(CPACK_PACKAGE_VENDOR "RackMason developers")
set(CPACK_PACKAGE_CONTACT "${RACKMASON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure PLC I/O racks and generate their data block sources")
set(CPACK_PACKAGE_DESCRIPTION
    "RackMason configures the I/O system of a PLC: a CPU, its extra slots,\n\
numbered I/O slots and extension racks, and the digital, analog,\n\
temperature, counter, encoder and positioning modules placed in them.\n\
It assigns every module its input and output byte addresses without\n\
overlap, keeps projects in binary .qv4 files and writes their data block\n\
source, a plain-text file to compile in the PLC programming environment.\n\
\n\
The package holds the desktop program rackmason and the command-line tool\n\
rackmason-cli, with the module catalog, help pages and example projects.\n\
Texts come in English, German and French.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_NAME rackmason)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${RACKMASON_DEB_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(RACKMASON_GUI)
  # The desktop program's dialogs in German and French.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
  # A proportional sans-serif face for menus, trees and grids: without one
  # Qt falls back to whatever font is installed, often a monospaced one.
  # shlibdeps appends the libraries to this list.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation2")
endif()
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

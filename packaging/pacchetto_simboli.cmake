# Run by cpack once the package is made: the debugging symbols package, from
# the tree separa_simboli.cmake filled, made as Debian's own dbgsym packages
# are (tesselo-dbgsym_<version>_<architecture>.ddeb beside the package): its
# fields follow the package's, its files are 0644 and listed in md5sums by
# their paths from the root, and its documentation folder is a link to the
# package's. The install test runs lintian on both.
#
# The symbols are compressed with xz at CPACK_TESSELO_DBGSYM_XZ (6, dpkg-deb's
# own level, for the package that ships). A lower level makes the same
# format, data.tar.xz, from the same files, only larger: the install test
# packs with level 0, as level 6 takes about 50 s of processor time for the
# symbols' 86 MB and level 0 about 8 s.
# Only the Debian package has binaries to give debugging symbols and
# Depends to; the source tarball, and any other package, is left as made.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
if(NOT CPACK_TESSELO_DBGSYM_XZ MATCHES "^[0-9]$")
  message(FATAL_ERROR "CPACK_TESSELO_DBGSYM_XZ is not an xz level from 0 to 9: '${CPACK_TESSELO_DBGSYM_XZ}'")
endif()
set(simboli "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_NAME}-dbgsym")
if(NOT IS_DIRECTORY "${CPACK_PACKAGE_DIRECTORY}")
  message(FATAL_ERROR "no folder for the packages: '${CPACK_PACKAGE_DIRECTORY}'")
endif()
if(NOT CPACK_TESSELO_BUILD_IDS OR NOT IS_DIRECTORY "${simboli}/usr/lib/debug")
  message(FATAL_ERROR "no debugging symbols were kept for the package (separa_simboli.cmake)")
endif()
list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "\\.deb$")
list(LENGTH CPACK_PACKAGE_FILES quanti)
if(NOT quanti EQUAL 1)
  message(FATAL_ERROR "not one package to give debugging symbols to: ${CPACK_PACKAGE_FILES}")
endif()
execute_process(COMMAND dpkg-deb -f ${CPACK_PACKAGE_FILES} Package Version Architecture Maintainer
  OUTPUT_VARIABLE campi COMMAND_ERROR_IS_FATAL ANY)
foreach(campo Package Version Architecture Maintainer)
  if(NOT campi MATCHES "(^|\n)${campo}: ([^\n]+)")
    message(FATAL_ERROR "the package has no ${campo}")
  endif()
  set(${campo} "${CMAKE_MATCH_2}")
endforeach()

file(GLOB_RECURSE file_simboli LIST_DIRECTORIES false RELATIVE "${simboli}" "${simboli}/usr/*")
list(SORT file_simboli)
set(kib 0)
foreach(file IN LISTS file_simboli)
  file(SIZE "${simboli}/${file}" byte)
  math(EXPR kib "${kib} + (${byte} + 1023) / 1024")
endforeach()
list(TRANSFORM file_simboli PREPEND "${simboli}/" OUTPUT_VARIABLE percorsi)
file(CHMOD ${percorsi} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(MAKE_DIRECTORY "${simboli}/usr/share/doc" "${simboli}/DEBIAN")
file(CREATE_LINK ${Package} "${simboli}/usr/share/doc/${Package}-dbgsym" SYMBOLIC)
execute_process(COMMAND md5sum ${file_simboli} WORKING_DIRECTORY "${simboli}"
  OUTPUT_FILE "${simboli}/DEBIAN/md5sums" COMMAND_ERROR_IS_FATAL ANY)
list(JOIN CPACK_TESSELO_BUILD_IDS " " build_ids)
file(WRITE "${simboli}/DEBIAN/control"
  "Package: ${Package}-dbgsym\n"
  "Version: ${Version}\n"
  "Architecture: ${Architecture}\n"
  "Maintainer: ${Maintainer}\n"
  "Installed-Size: ${kib}\n"
  "Depends: ${Package} (= ${Version})\n"
  "Section: debug\n"
  "Priority: optional\n"
  "Description: debug symbols for ${Package}\n"
  "Auto-Built-Package: debug-symbols\n"
  "Package-Type: ddeb\n"
  "Build-Ids: ${build_ids}\n")
# Straight into the folder the packages go to: CPack moves there only the
# packages it made itself.
set(ddeb "${CPACK_PACKAGE_DIRECTORY}/${Package}-dbgsym_${Version}_${Architecture}.ddeb")
execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -z${CPACK_TESSELO_DBGSYM_XZ} -b "${simboli}" "${ddeb}"
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${simboli}")
message("CPack: - debugging symbols: ${ddeb} generated.")

# Run by cpack once the packages are built. The debugging symbols package
# that CPack 3.25.1 (Debian 12's) writes by itself fails lintian with errors:
# its md5sums lists the files by their absolute paths in the build folder
# (md5sums-lists-nonexistent-file, file-missing-in-md5sums), its .debug files
# are executable (executable-in-usr-lib), and it has no copyright file or
# changelog (no-copyright-file, no-changelog). This rebuilds it as Debian's
# own dbgsym packages are: paths relative to the root, files 0644, and its
# documentation folder a link to the main package's. The install test runs
# lintian on the result; with a CPack that writes a clean package, this step
# goes.
#
# The symbols are compressed with xz at CPACK_TESSELO_DBGSYM_XZ (6, dpkg-deb's
# own level, for the package that ships). A lower level makes the same
# format, data.tar.xz, from the same files, only larger: the install test
# packs with level 0, as level 6 takes about 50 s of processor time for the
# symbols' 86 MB and level 0 about 8 s.
if(NOT CPACK_TESSELO_DBGSYM_XZ MATCHES "^[0-9]$")
  message(FATAL_ERROR "CPACK_TESSELO_DBGSYM_XZ is not an xz level from 0 to 9: '${CPACK_TESSELO_DBGSYM_XZ}'")
endif()
foreach(pacchetto IN LISTS CPACK_PACKAGE_FILES)
  if(NOT pacchetto MATCHES "-dbgsym_.*\\.ddeb$")
    continue()
  endif()
  set(radice ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-riparato)
  file(REMOVE_RECURSE ${radice})
  execute_process(COMMAND dpkg-deb -R ${pacchetto} ${radice} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE simboli LIST_DIRECTORIES false RELATIVE ${radice} ${radice}/usr/*)
  list(SORT simboli)
  list(TRANSFORM simboli PREPEND ${radice}/ OUTPUT_VARIABLE percorsi)
  file(CHMOD ${percorsi} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(MAKE_DIRECTORY ${radice}/usr/share/doc)
  file(CREATE_LINK ${CPACK_PACKAGE_NAME} ${radice}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym SYMBOLIC)
  execute_process(COMMAND md5sum ${simboli} WORKING_DIRECTORY ${radice}
    OUTPUT_FILE ${radice}/DEBIAN/md5sums COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -z${CPACK_TESSELO_DBGSYM_XZ} -b ${radice} ${pacchetto}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${radice})
endforeach()

# Run by cpack once the package's files are staged, before the package is
# made. It does in one process what CPack's DEB generator does with two for
# every file it packs (cmake -E env, then file), some 670 of them here, most
# of them the words' voices: about 25 s of a package's 50 s.
#
# - The staged binaries are told by the ELF magic at their start.
# - dpkg-shlibdeps lists the packages of the libraries they link, which join
#   the package's Depends after the ones named in packaging/CMakeLists.txt.
# - Each binary's debugging symbols go to a tree of their own, under
#   usr/lib/debug/.build-id/ by the binary's build ID, and the binary is
#   stripped and linked to them, as Debian's dbgsym packages have it.
#   pacchetto_simboli.cmake makes the debugging symbols package from that
#   tree once the package is made.
# Only the Debian package has binaries to give debugging symbols and
# Depends to; the source tarball, and any other package, is left as made.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(radice "${CPACK_TEMPORARY_DIRECTORY}")
set(simboli "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_NAME}-dbgsym")
file(REMOVE_RECURSE "${simboli}")

file(GLOB_RECURSE messi LIST_DIRECTORIES false RELATIVE "${radice}" "${radice}/*")
list(SORT messi)
set(binari "")
foreach(file IN LISTS messi)
  if(IS_SYMLINK "${radice}/${file}")
    continue()
  endif()
  file(READ "${radice}/${file}" inizio LIMIT 4 HEX)
  if(inizio STREQUAL "7f454c46")
    list(APPEND binari "./${file}")
  endif()
endforeach()
if(NOT binari)
  message(FATAL_ERROR "no binary among the package's ${radice}")
endif()

# dpkg-shlibdeps reads the package's folder from a debian/control beside it,
# and resolves $ORIGIN from a DEBIAN folder; neither stays in the package.
file(WRITE "${radice}/debian/control" "")
file(MAKE_DIRECTORY "${radice}/DEBIAN")
execute_process(COMMAND env LC_ALL=C dpkg-shlibdeps --ignore-missing-info -O ${binari}
  WORKING_DIRECTORY "${radice}"
  OUTPUT_VARIABLE uscita ERROR_VARIABLE errori RESULT_VARIABLE esito
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${radice}/debian" "${radice}/DEBIAN")
if(NOT esito EQUAL 0 OR NOT uscita MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps ${binari}: ${esito}\n${uscita}\n${errori}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")

foreach(binario IN LISTS binari)
  execute_process(COMMAND env LC_ALL=C readelf -n -S --wide "${binario}"
    WORKING_DIRECTORY "${radice}" OUTPUT_VARIABLE intestazioni COMMAND_ERROR_IS_FATAL ANY)
  # One already stripped has no symbols to give.
  if(NOT intestazioni MATCHES "\\.symtab")
    continue()
  endif()
  if(NOT intestazioni MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${binario} has no build ID")
  endif()
  set(debug "${simboli}/usr/lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
  list(APPEND CPACK_TESSELO_BUILD_IDS "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
  get_filename_component(cartella "${debug}" DIRECTORY)
  file(MAKE_DIRECTORY "${cartella}")
  execute_process(COMMAND objcopy --only-keep-debug "${binario}" "${debug}"
    WORKING_DIRECTORY "${radice}" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND objcopy --strip-unneeded --add-gnu-debuglink=${debug} "${binario}"
    WORKING_DIRECTORY "${radice}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

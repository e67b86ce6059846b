# The catalogue of the games against the tree (cmake -DSORGENTI=<source tree>
# -DGIOCHI=<giochi.cmake> -P catalogo.cmake): every screen class in a game's
# folder (class X final : public ...) has its entry in the catalogue, in that
# folder; every entry has its screen class in games/<folder>/<screen>.h and
# its suite tests/regole/tst_<folder>.cpp. Fails naming each mismatch.
cmake_minimum_required(VERSION 3.25)
include(${GIOCHI})

set(errori 0)
function(errore testo)
  message(SEND_ERROR "${testo}")
  math(EXPR n "${errori} + 1")
  set(errori ${n} PARENT_SCOPE)
endfunction()

file(GLOB intestazioni RELATIVE ${SORGENTI}/games ${SORGENTI}/games/*/*.h)
foreach(intestazione IN LISTS intestazioni)
  file(STRINGS ${SORGENTI}/games/${intestazione} classi REGEX "^class [A-Za-z0-9_]+ final : public ")
  get_filename_component(cartella ${intestazione} DIRECTORY)
  foreach(riga IN LISTS classi)
    string(REGEX REPLACE "^class ([A-Za-z0-9_]+) final.*" "\\1" schermo "${riga}")
    if(NOT schermo IN_LIST TESSELO_GIOCHI)
      errore("games/${intestazione}: the game ${schermo} is not in the catalogue of the games, giochi.cmake")
    elseif(NOT TESSELO_GIOCO_${schermo}_CARTELLA STREQUAL cartella)
      errore("games/${intestazione}: the catalogue puts ${schermo} in games/${TESSELO_GIOCO_${schermo}_CARTELLA}")
    endif()
  endforeach()
endforeach()

foreach(schermo IN LISTS TESSELO_GIOCHI)
  set(cartella ${TESSELO_GIOCO_${schermo}_CARTELLA})
  set(intestazione ${SORGENTI}/games/${cartella}/${schermo}.h)
  set(classi "")
  if(EXISTS ${intestazione})
    file(STRINGS ${intestazione} classi REGEX "^class ${schermo} final : public ")
  endif()
  if(NOT classi)
    errore("giochi.cmake: ${schermo} has no screen class in games/${cartella}/${schermo}.h")
  endif()
  if(NOT EXISTS ${SORGENTI}/tests/regole/tst_${cartella}.cpp)
    errore("giochi.cmake: ${schermo} has no suite tests/regole/tst_${cartella}.cpp")
  endif()
endforeach()

list(LENGTH TESSELO_GIOCHI n)
if(errori GREATER 0)
  message(FATAL_ERROR "${errori} mismatches between the catalogue and the games")
endif()
message(STATUS "${n} games in the catalogue, each with its folder, its screen and its suite")

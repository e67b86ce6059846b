# The catalogue of the games: the one list of them. The register, the menu,
# the screens' factory, the spoken words, the translations and the tests are
# all configured from it. Adding a game is one entry here and its folder in
# games/ (its screen class, named as its screen, in games/<folder>/<screen>.h,
# and its suite tests/regole/tst_<folder>.cpp).
#
#   tesselo_gioco(SCREEN CODICE code CARTELLA folder DIDASCALIA "caption"
#                 BOTTONE button POSTO left top [ATTRIBUTI fewest])
#
# SCREEN    the screen's name, also its class and its name in the register
# CODICE    the number the register stores for the game: written once, never
#           changed and never given to another game, whatever the order here
# CARTELLA  its folder in games/ (the two chain games share one)
# DIDASCALIA the caption of its button on the menu, in Italian
# BOTTONE   the menu button's design name, and POSTO its left and top edges
#           on the menu in twips (every game button is 3500 × 735 twips)
# ATTRIBUTI the fewest attributes in play a step of a learning path needs in
#           this game: 1 unless given; 0 where the game draws no attribute, so
#           that a step chooses none
#
# The entries are in the menu's order, which is also the order of the
# teachers' program's columns.

set(TESSELO_GIOCHI "")

function(tesselo_gioco schermo)
  cmake_parse_arguments(PARSE_ARGV 1 G "" "CODICE;CARTELLA;DIDASCALIA;BOTTONE;ATTRIBUTI" "POSTO")
  if(G_UNPARSED_ARGUMENTS OR NOT DEFINED G_CODICE OR NOT G_CARTELLA OR NOT G_DIDASCALIA OR NOT G_BOTTONE)
    message(FATAL_ERROR "game ${schermo}: give it CODICE, CARTELLA, DIDASCALIA, BOTTONE and POSTO")
  endif()
  if(NOT schermo MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "game ${schermo}: a screen's name is a C++ name")
  endif()
  if(NOT G_CODICE MATCHES "^[0-9]+$" OR G_CODICE GREATER 1000000)
    message(FATAL_ERROR "game ${schermo}: its code is a whole number from 0")
  endif()
  if(NOT DEFINED G_ATTRIBUTI)
    set(G_ATTRIBUTI 1)
  elseif(NOT G_ATTRIBUTI MATCHES "^[0-4]$")
    message(FATAL_ERROR "game ${schermo}: ATTRIBUTI is a number from 0 to 4")
  endif()
  list(LENGTH G_POSTO n)
  if(NOT n EQUAL 2)
    message(FATAL_ERROR "game ${schermo}: POSTO is its left and top edges in twips")
  endif()
  if(G_DIDASCALIA MATCHES "[\"\\\\]")
    message(FATAL_ERROR "game ${schermo}: a caption holds no quotes or backslashes")
  endif()
  foreach(altro IN LISTS TESSELO_GIOCHI)
    if(altro STREQUAL schermo)
      message(FATAL_ERROR "game ${schermo} is in the catalogue twice")
    endif()
    foreach(campo CODICE BOTTONE)
      if(TESSELO_GIOCO_${altro}_${campo} STREQUAL G_${campo})
        message(FATAL_ERROR "games ${altro} and ${schermo} have the same ${campo} ${G_${campo}}")
      endif()
    endforeach()
  endforeach()
  set(TESSELO_GIOCHI ${TESSELO_GIOCHI} ${schermo} PARENT_SCOPE)
  foreach(campo CODICE CARTELLA DIDASCALIA BOTTONE POSTO ATTRIBUTI)
    set(TESSELO_GIOCO_${schermo}_${campo} "${G_${campo}}" PARENT_SCOPE)
  endforeach()
endfunction()

tesselo_gioco(form1       CODICE 0 CARTELLA form1      DIDASCALIA "uguale - diverso"   BOTTONE Command1  POSTO 120 120)
tesselo_gioco(FORM2       CODICE 1 CARTELLA FORM2      DIDASCALIA "insiemi"            BOTTONE Command2  POSTO 120 960)
tesselo_gioco(zirp3       CODICE 2 CARTELLA zirp3      DIDASCALIA "quanti sono ?"      BOTTONE Command3  POSTO 120 1800)
tesselo_gioco(FormTrova   CODICE 3 CARTELLA FormTrova  DIDASCALIA "trova il blocco"    BOTTONE Command8  POSTO 120 2640 ATTRIBUTI 0)
tesselo_gioco(zirp7       CODICE 4 CARTELLA zirp7      DIDASCALIA "le strade 1"        BOTTONE Command4  POSTO 120 3480)
tesselo_gioco(zirp8       CODICE 5 CARTELLA zirp8      DIDASCALIA "le strade 2"        BOTTONE Command9  POSTO 120 4320 ATTRIBUTI 2)
tesselo_gioco(zirp9       CODICE 6 CARTELLA zirp9      DIDASCALIA "tabella"            BOTTONE Command7  POSTO 4200 120 ATTRIBUTI 2)
tesselo_gioco(FormDomino  CODICE 7 CARTELLA FormDomino DIDASCALIA "Cosa cambia?"       BOTTONE Command10 POSTO 4200 960)
tesselo_gioco(FormDomino2 CODICE 8 CARTELLA FormDomino DIDASCALIA "Cosa resta uguale?" BOTTONE Command11 POSTO 4200 1800)

# The folders of the games, each once, in the catalogue's order.
set(TESSELO_CARTELLE_GIOCHI "")
foreach(gioco IN LISTS TESSELO_GIOCHI)
  list(APPEND TESSELO_CARTELLE_GIOCHI ${TESSELO_GIOCO_${gioco}_CARTELLA})
endforeach()
list(REMOVE_DUPLICATES TESSELO_CARTELLE_GIOCHI)

# Sets the variable uscita to one line per game, made from the template riga:
# in it @SCHERMO@, @CODICE@, @CARTELLA@, @DIDASCALIA@, @BOTTONE@, @SINISTRA@
# @ALTO@ and @ATTRIBUTI@ stand for the game's facts.
function(tesselo_righe_giochi uscita riga)
  set(testo "")
  foreach(gioco IN LISTS TESSELO_GIOCHI)
    set(SCHERMO ${gioco})
    foreach(campo CODICE CARTELLA DIDASCALIA BOTTONE ATTRIBUTI)
      set(${campo} "${TESSELO_GIOCO_${gioco}_${campo}}")
    endforeach()
    list(GET TESSELO_GIOCO_${gioco}_POSTO 0 SINISTRA)
    list(GET TESSELO_GIOCO_${gioco}_POSTO 1 ALTO)
    string(CONFIGURE "${riga}" voce @ONLY)
    string(APPEND testo "${voce}\n")
  endforeach()
  set(${uscita} "${testo}" PARENT_SCOPE)
endfunction()

# Writes a file made from the catalogue, again only when it changes, so that
# nothing is rebuilt for nothing.
function(tesselo_scrivi_generato file testo)
  file(CONFIGURE OUTPUT ${file} CONTENT "${testo}" @ONLY)
endfunction()

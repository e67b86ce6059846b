# Every test carries one label, so that a part of the suite runs on its own
# (ctest -L desktop):
#   regole     the game rules, played screen by screen and at random
#   schermi    the screens, the design table and the resizer
#   media      pictures, sounds, voices and damaged media
#   desktop    real desktops, each started by its test
#   pacchetto  the installed tree, the Debian package and the build's rules
#   registro   the class register, its teachers' program and who is playing
set(TESSELO_ETICHETTE regole schermi media desktop pacchetto registro)
include(${CMAKE_CURRENT_LIST_DIR}/Processori.cmake)
function(tesselo_etichetta prova etichetta)
  if(NOT etichetta IN_LIST TESSELO_ETICHETTE)
    list(JOIN TESSELO_ETICHETTE ", " etichette)
    message(FATAL_ERROR "${prova}: label \"${etichetta}\" is not one of ${etichette}")
  endif()
  set_tests_properties(${prova} PROPERTIES LABELS ${etichetta})
  set_property(GLOBAL APPEND PROPERTY TESSELO_PROVE_ETICHETTATE ${prova})
  tesselo_processori(${prova})
endfunction()

# A test added without a label would run only with the whole suite. The check
# is deferred to the end of the folder that includes this file, so that it
# sees every test that folder and its subfolders declare, wherever they
# declare it. A test counts as labelled once tesselo_etichetta() has checked
# its label.
function(tesselo_prove_della_cartella cartella uscita)
  get_directory_property(prove DIRECTORY ${cartella} TESTS)
  get_directory_property(sottocartelle DIRECTORY ${cartella} SUBDIRECTORIES)
  foreach(sottocartella IN LISTS sottocartelle)
    tesselo_prove_della_cartella(${sottocartella} altre)
    list(APPEND prove ${altre})
  endforeach()
  set(${uscita} ${prove} PARENT_SCOPE)
endfunction()
function(tesselo_controlla_etichette cartella)
  tesselo_prove_della_cartella(${cartella} prove)
  get_property(etichettate GLOBAL PROPERTY TESSELO_PROVE_ETICHETTATE)
  foreach(prova IN LISTS prove)
    if(NOT prova IN_LIST etichettate)
      message(FATAL_ERROR "test ${prova} has no label: give it one with tesselo_etichetta()")
    endif()
  endforeach()
  tesselo_controlla_processori("${prove}")
endfunction()
cmake_language(DEFER CALL tesselo_controlla_etichette ${CMAKE_CURRENT_SOURCE_DIR})

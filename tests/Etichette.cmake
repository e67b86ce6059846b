# Every test carries one label, so that a part of the suite runs on its own
# (ctest -L desktop):
#   regole     the game rules, played screen by screen and at random
#   schermi    the screens, the design table and the resizer
#   media      pictures, sounds, voices and damaged media
#   desktop    real desktops, each started by its test
#   pacchetto  the installed tree, the Debian package and the build's rules
#   registro   the class register, its teachers' program and who is playing
set(TESSELO_ETICHETTE regole schermi media desktop pacchetto registro)
function(tesselo_etichetta prova etichetta)
  if(NOT etichetta IN_LIST TESSELO_ETICHETTE)
    list(JOIN TESSELO_ETICHETTE ", " etichette)
    message(FATAL_ERROR "${prova}: label \"${etichetta}\" is not one of ${etichette}")
  endif()
  set_tests_properties(${prova} PROPERTIES LABELS ${etichetta})
endfunction()

# A test added without a label would run only with the whole suite. The check
# is deferred to the end of the folder that includes this file, so that it
# sees every test the folder declares, wherever it declares it.
function(tesselo_controlla_etichette)
  get_directory_property(prove TESTS)
  foreach(prova IN LISTS prove)
    get_test_property(${prova} LABELS etichetta)
    if(NOT etichetta)
      message(FATAL_ERROR "test ${prova} has no label: give it one with tesselo_etichetta()")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL tesselo_controlla_etichette)

# How the suites share the machine's processors. Each suite takes one slot of
# the resource "processori", of which processori.json (written in the build
# tree, one slot per logical core) offers as many as the machine has cores:
# ctest's resource allocation, which the test presets point at that file,
# then never runs more computing suites at once than there are cores. A suite that mostly waits on real time (sounds played at their own
# speed, a folder's clock ticking over, a lock's timeout) is declared with
# tesselo_in_attesa() and takes no slot: it runs beside the others, and
# ctest's -j bounds how many run at once in all. tesselo_durata() gives a
# long suite its usual seconds, so that a build's first run, with no times
# of its own yet, starts the long suites first rather than last.
cmake_host_system_information(RESULT TESSELO_PROCESSORI QUERY NUMBER_OF_LOGICAL_CORES)
file(WRITE ${CMAKE_BINARY_DIR}/processori.json
  "{\"version\": {\"major\": 1, \"minor\": 0},\n"
  " \"local\": [{\"processori\": [{\"id\": \"0\", \"slots\": ${TESSELO_PROCESSORI}}]}]}\n")

# Both are called before the suites are declared, with their names.
function(tesselo_in_attesa)
  set_property(GLOBAL APPEND PROPERTY TESSELO_PROVE_IN_ATTESA ${ARGN})
endfunction()
function(tesselo_durata prova secondi)
  set_property(GLOBAL APPEND PROPERTY TESSELO_DURATE ${prova})
  set_property(GLOBAL PROPERTY TESSELO_DURATA_${prova} ${secondi})
endfunction()

# Called for every suite in its own folder (by tesselo_etichetta).
function(tesselo_processori prova)
  get_property(in_attesa GLOBAL PROPERTY TESSELO_PROVE_IN_ATTESA)
  if(NOT prova IN_LIST in_attesa)
    set_tests_properties(${prova} PROPERTIES RESOURCE_GROUPS "processori:1")
  endif()
  get_property(secondi GLOBAL PROPERTY TESSELO_DURATA_${prova})
  if(secondi)
    set_tests_properties(${prova} PROPERTIES COST ${secondi})
  endif()
endfunction()

# A name given to either function that no suite has (a suite renamed or
# removed) stops the configuration, rather than leaving a suite to compute
# unbounded or to start last.
function(tesselo_controlla_processori prove)
  get_property(in_attesa GLOBAL PROPERTY TESSELO_PROVE_IN_ATTESA)
  get_property(durate GLOBAL PROPERTY TESSELO_DURATE)
  foreach(nome IN LISTS in_attesa durate)
    if(NOT nome IN_LIST prove)
      message(FATAL_ERROR "tesselo_in_attesa or tesselo_durata: no test is named ${nome}")
    endif()
  endforeach()
endfunction()

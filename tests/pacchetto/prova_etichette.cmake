# Configures small projects that declare their tests through Etichette.cmake
# and checks which of them configure: every test labelled, yes; a test
# without a label, even one declared last or in a subfolder, or with a label
# not in the list, no, with a message naming it; and the processors each
# suite takes.
#   cmake -DETICHETTE=<Etichette.cmake> -P prova_etichette.cmake
string(RANDOM LENGTH 8 caso)
set(radice ${CMAKE_CURRENT_BINARY_DIR}/prova_etichette_${caso})
set(errori 0)

# Configures a project whose tests are declared by righe and checks that it
# configures (atteso empty) or that it fails with the message atteso. An
# argument after atteso is the CMakeLists.txt of the project's subfolder sotto.
function(prova nome righe atteso)
  set(cartella ${radice}/${nome})
  if(ARGC GREATER 3)
    file(WRITE ${cartella}/sotto/CMakeLists.txt "${ARGV3}\n")
  endif()
  file(WRITE ${cartella}/CMakeLists.txt
    "cmake_minimum_required(VERSION 3.25)\nproject(prova NONE)\nenable_testing()\n"
    "include(${ETICHETTE})\n"
    "add_test(NAME prima COMMAND true)\ntesselo_etichetta(prima regole)\n${righe}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${cartella} -B ${cartella}/build
    RESULT_VARIABLE uscita OUTPUT_VARIABLE uscito ERROR_VARIABLE uscito)
  if(atteso STREQUAL "")
    if(NOT uscita EQUAL 0)
      message(SEND_ERROR "${nome}: configuring failed:\n${uscito}")
    endif()
  elseif(uscita EQUAL 0)
    message(SEND_ERROR "${nome}: configured, but should have failed with \"${atteso}\"")
  else()
    string(FIND "${uscito}" "${atteso}" dove)
    if(dove EQUAL -1)
      message(SEND_ERROR "${nome}: failed without \"${atteso}\":\n${uscito}")
    endif()
  endif()
endfunction()

prova(tutte "add_test(NAME ultima COMMAND true)\ntesselo_etichetta(ultima media)" "")
prova(ultima_senza "add_test(NAME ultima COMMAND true)" "test ultima has no label")
prova(in_mezzo_senza "add_test(NAME mezzo COMMAND true)\nadd_test(NAME ultima COMMAND true)\ntesselo_etichetta(ultima media)"
      "test mezzo has no label")
prova(sconosciuta "add_test(NAME ultima COMMAND true)\ntesselo_etichetta(ultima nessuna)"
      "ultima: label \"nessuna\" is not one of")
prova(sotto "add_subdirectory(sotto)" ""
      "add_test(NAME sotto COMMAND true)\ntesselo_etichetta(sotto schermi)")
prova(sotto_senza "add_subdirectory(sotto)\nadd_test(NAME ultima COMMAND true)\ntesselo_etichetta(ultima media)"
      "test sotto has no label" "add_test(NAME sotto COMMAND true)")
# The processors: a suite declared as waiting takes no slot and the others
# one each, in a subfolder too; a long suite gets its seconds as its cost; a
# name that is no suite's stops the configuration.
prova(processori "tesselo_in_attesa(attesa)\ntesselo_durata(sotto 40)\nadd_subdirectory(sotto)" ""
      "add_test(NAME attesa COMMAND true)\ntesselo_etichetta(attesa media)\nadd_test(NAME sotto COMMAND true)\ntesselo_etichetta(sotto schermi)")
file(READ ${radice}/processori/build/sotto/CTestTestfile.cmake prove_sotto)
foreach(atteso "attesa]=] PROPERTIES  LABELS" "sotto]=] PROPERTIES  COST \"40\" LABELS \"schermi\" RESOURCE_GROUPS \"processori:1\"")
  string(FIND "${prove_sotto}" "${atteso}" dove)
  if(dove EQUAL -1)
    message(SEND_ERROR "processori: no \"${atteso}\" in:\n${prove_sotto}")
  endif()
endforeach()
prova(in_attesa_sconosciuta "tesselo_in_attesa(nessuna)" "no test is named nessuna")
prova(durata_sconosciuta "tesselo_durata(nessuna 10)" "no test is named nessuna")
file(REMOVE_RECURSE ${radice})

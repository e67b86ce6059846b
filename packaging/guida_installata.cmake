# Installs the files that point at the installed teachers' guides: the
# desktop entry, whose actions open the Italian and the English guide, and
# their registrations with doc-base, which list them among the system's
# documents.
# Run at install time, where CMAKE_INSTALL_PREFIX is the prefix of that
# install (/usr in the Debian package), with
#   SORGENTI  the folder of tesselo.desktop, tesselo.doc-base and
#             tesselo.doc-base.en, which hold @TESSELO_GUIDA_EXEC@,
#             @TESSELO_GUIDA_EN_EXEC@, @TESSELO_GUIDA@ and @TESSELO_GUIDA_EN@
#   GENERATI  where the finished files are written before they are installed
#   DATADIR   and DOCDIR, the folders of shared data and of the guide under
#             the prefix
#   TESSELO_AUTORI  the guide's authors.
set(TESSELO_GUIDA "${CMAKE_INSTALL_PREFIX}/${DOCDIR}/guida-insegnanti.html")
set(TESSELO_GUIDA_EN "${CMAKE_INSTALL_PREFIX}/${DOCDIR}/teachers-guide.html")
# The desktop entry's Exec that opens the page $pagina, in $variabile.
# The path is one quoted argument of Exec: inside the quotes " ` $ and \ take
# a backslash, every backslash of the value is then doubled once more, and a
# % is written %%.
function(tesselo_apri variabile pagina)
  string(REPLACE "\\" "\\\\\\\\" guida "${pagina}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" guida "${guida}")
  string(REPLACE "%" "%%" guida "${guida}")
  set(${variabile} "xdg-open \"${guida}\"" PARENT_SCOPE)
endfunction()
tesselo_apri(TESSELO_GUIDA_EXEC "${TESSELO_GUIDA}")
tesselo_apri(TESSELO_GUIDA_EN_EXEC "${TESSELO_GUIDA_EN}")
configure_file(${SORGENTI}/tesselo.desktop ${GENERATI}/applications/tesselo.desktop @ONLY)
configure_file(${SORGENTI}/tesselo.doc-base ${GENERATI}/doc-base/tesselo.guida-insegnanti @ONLY)
# The English guide is registered on its own, beside the Italian one.
configure_file(${SORGENTI}/tesselo.doc-base.en ${GENERATI}/doc-base/tesselo.teachers-guide @ONLY)
file(INSTALL ${GENERATI}/applications/tesselo.desktop DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATADIR}/applications")
file(INSTALL ${GENERATI}/doc-base/tesselo.guida-insegnanti ${GENERATI}/doc-base/tesselo.teachers-guide DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATADIR}/doc-base")

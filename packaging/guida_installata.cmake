# Installs the two files that point at the installed teachers' guide: the
# desktop entry, whose action "Guida per gli insegnanti" opens it, and its
# registration with doc-base, which lists it among the system's documents.
# Run at install time, where CMAKE_INSTALL_PREFIX is the prefix of that
# install (/usr in the Debian package), with
#   SORGENTI  the folder of tesselo.desktop and tesselo.doc-base, which hold
#             @TESSELO_GUIDA_EXEC@ and @TESSELO_GUIDA@
#   GENERATI  where the finished files are written before they are installed
#   DATADIR   and DOCDIR, the folders of shared data and of the guide under
#             the prefix
#   TESSELO_AUTORI  the guide's authors.
set(TESSELO_GUIDA "${CMAKE_INSTALL_PREFIX}/${DOCDIR}/guida-insegnanti.html")
# In the desktop entry the path is one quoted argument of Exec: inside the
# quotes " ` $ and \ take a backslash, every backslash of the value is then
# doubled once more, and a % is written %%.
string(REPLACE "\\" "\\\\\\\\" guida "${TESSELO_GUIDA}")
string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" guida "${guida}")
string(REPLACE "%" "%%" guida "${guida}")
set(TESSELO_GUIDA_EXEC "xdg-open \"${guida}\"")
configure_file(${SORGENTI}/tesselo.desktop ${GENERATI}/applications/tesselo.desktop @ONLY)
configure_file(${SORGENTI}/tesselo.doc-base ${GENERATI}/doc-base/tesselo.guida-insegnanti @ONLY)
file(INSTALL ${GENERATI}/applications/tesselo.desktop DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATADIR}/applications")
file(INSTALL ${GENERATI}/doc-base/tesselo.guida-insegnanti DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATADIR}/doc-base")

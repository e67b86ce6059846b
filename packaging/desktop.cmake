# Installs the desktop entry, whose action "Guida per gli insegnanti" opens
# the guide installed with it. Run at install time, where CMAKE_INSTALL_PREFIX
# is the prefix of that install (/usr in the Debian package), with
#   SORGENTE      the entry with @TESSELO_GUIDA_EXEC@ in it
#   GENERATO      where the finished entry is written before it is installed
#   APPLICAZIONI  and DOCDIR, the folders of entries and of the guide under
#                 the prefix.
set(guida "${CMAKE_INSTALL_PREFIX}/${DOCDIR}/guida-insegnanti.html")
# The path is one quoted argument of Exec: inside the quotes " ` $ and \ take
# a backslash, every backslash of the value is then doubled once more, and a
# % is written %%.
string(REPLACE "\\" "\\\\\\\\" guida "${guida}")
string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" guida "${guida}")
string(REPLACE "%" "%%" guida "${guida}")
set(TESSELO_GUIDA_EXEC "xdg-open \"${guida}\"")
configure_file(${SORGENTE} ${GENERATO} @ONLY)
file(INSTALL ${GENERATO} DESTINATION "${CMAKE_INSTALL_PREFIX}/${APPLICAZIONI}")

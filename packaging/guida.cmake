# Turns a teachers' guide from Markdown into one HTML page with its
# screenshots beside it, laid out as it is installed:
#   cmake -DCMARK=<cmark-gfm> -DGUIDA=<guide.md> -DSCHERMATE=<folder of PNGs>
#         -DUSCITA=<output folder> [-DPAGINA=<page.html>] [-DLINGUA=<code>]
#         -P guida.cmake
# PAGINA is the page's file name (guida-insegnanti.html by default), LINGUA
# the language it is written in (it by default). A picture may stand in a
# subfolder of schermate/ (schermate/en/menu.png), and keeps it.
# The page needs nothing from the net: its few rules of style are inside it,
# and its pictures are the PNG files in schermate/ beside it.
cmake_minimum_required(VERSION 3.25)
if(NOT PAGINA)
  set(PAGINA guida-insegnanti.html)
endif()
if(NOT LINGUA)
  set(LINGUA it)
endif()

# The title is the guide's first line, its heading.
file(STRINGS ${GUIDA} titolo LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^# +" "" titolo "${titolo}")
string(REPLACE "&" "&amp;" titolo "${titolo}")
string(REPLACE "<" "&lt;" titolo "${titolo}")
string(REPLACE ">" "&gt;" titolo "${titolo}")

execute_process(COMMAND ${CMARK} --extension table --validate-utf8 ${GUIDA}
  OUTPUT_VARIABLE corpo COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE_RECURSE ${USCITA})
file(MAKE_DIRECTORY ${USCITA})
file(WRITE ${USCITA}/${PAGINA}
"<!DOCTYPE html>
<html lang=\"${LINGUA}\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${titolo}</title>
<style>
body { max-width: 50em; margin: 1em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
img { max-width: 100%; height: auto; border: 1px solid #999; }
pre { background: #eee; padding: 0.5em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.3em 0.5em; vertical-align: top; text-align: left; }
</style>
</head>
<body>
${corpo}</body>
</html>
")

# Only the pictures the page shows, so that the folder holds nothing else.
string(REGEX MATCHALL "<img src=\"schermate/[^\"]+\"" immagini "${corpo}")
file(MAKE_DIRECTORY ${USCITA}/schermate)
foreach(immagine IN LISTS immagini)
  string(REGEX REPLACE "^<img src=\"schermate/|\"$" "" file "${immagine}")
  if(NOT EXISTS ${SCHERMATE}/${file})
    message(FATAL_ERROR "The guide shows schermate/${file}, which is not in ${SCHERMATE}")
  endif()
  get_filename_component(cartella "${file}" DIRECTORY)
  file(COPY ${SCHERMATE}/${file} DESTINATION ${USCITA}/schermate/${cartella})
endforeach()

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Giochi</name>
    <message>
        <source>uguale - diverso</source>
        <translation>same - different</translation>
    </message>
    <message>
        <source>insiemi</source>
        <translation>sets</translation>
    </message>
    <message>
        <source>quanti sono ?</source>
        <translation>how many?</translation>
    </message>
    <message>
        <source>trova il blocco</source>
        <translation>find the block</translation>
    </message>
    <message>
        <source>le strade 1</source>
        <translation>roads 1</translation>
    </message>
    <message>
        <source>le strade 2</source>
        <translation>roads 2</translation>
    </message>
    <message>
        <source>tabella</source>
        <translation>table</translation>
    </message>
    <message>
        <source>Cosa cambia?</source>
        <translation>What changes?</translation>
    </message>
    <message>
        <source>Cosa resta uguale?</source>
        <translation>What stays the same?</translation>
    </message>
</context>
<context>
    <name>Lettere</name>
    <message>
        <source>F</source>
        <translation>Sh</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>S</source>
        <translation>T</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
</context>
<context>
    <name>Parole</name>
    <message>
        <source>rotondo</source>
        <translation>circle</translation>
    </message>
    <message>
        <source>quadrato</source>
        <translation>square</translation>
    </message>
    <message>
        <source>rettangolo</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>triangolo</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>red</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>grande</source>
        <translation>big</translation>
    </message>
    <message>
        <source>piccolo</source>
        <translation>small</translation>
    </message>
    <message>
        <source>spesso</source>
        <translation>thick</translation>
    </message>
    <message>
        <source>sottile</source>
        <translation>thin</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>shape</translation>
    </message>
    <message>
        <source>colore</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>dimensione</source>
        <translation>size</translation>
    </message>
    <message>
        <source>spessore</source>
        <translation>thickness</translation>
    </message>
    <message>
        <source>niente</source>
        <translation>nothing</translation>
    </message>
</context>
<context>
    <name>Tesselo</name>
    <message>
        <source>passo %1 di %2</source>
        <translation>step %1 of %2</translation>
    </message>
    <message>
        <source>, fatto</source>
        <translation>, done</translation>
    </message>
    <message>
        <source>, il prossimo</source>
        <translation>, the next one</translation>
    </message>
    <message>
        <source>Ben fatto!</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Do you want to quit the program?</translation>
    </message>
    <message>
        <source>giusto</source>
        <translation>right</translation>
    </message>
    <message>
        <source>sbagliato</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Controllo automatico?</source>
        <translation>Automatic check?</translation>
    </message>
    <message>
        <source>controlla automaticamente</source>
        <translation>check automatically</translation>
    </message>
    <message>
        <source>usa bottone FATTO</source>
        <translation>use the DONE button</translation>
    </message>
    <message>
        <source>insieme</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>DIVERSA</source>
        <translation>DIFFERENT</translation>
    </message>
    <message>
        <source>DIVERSO</source>
        <translation>DIFFERENT</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>UGUALE</source>
        <translation>SAME</translation>
    </message>
    <message>
        <source>DIVERSI</source>
        <translation>DIFFERENT</translation>
    </message>
    <message>
        <source>ricomincia</source>
        <translation>bring back</translation>
    </message>
    <message>
        <source>Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli</source>
        <translation>You can click on the blocks that do not fit the condition to take them away</translation>
    </message>
    <message>
        <source>Suono?</source>
        <translation>Sound?</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Tipo aiuto</source>
        <translation>Kind of help</translation>
    </message>
    <message>
        <source>caselle colorate</source>
        <translation>coloured boxes</translation>
    </message>
    <message>
        <source>strade</source>
        <translation>roads</translation>
    </message>
    <message>
        <source>aiuto</source>
        <translation>help</translation>
    </message>
    <message>
        <source>NON %1</source>
        <extracomment>A condition&apos;s negation as the roads and the table write it: &quot;NON ROSSO&quot;.</extracomment>
        <translation>NOT %1</translation>
    </message>
    <message>
        <source>avanti</source>
        <translation>next</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the start screen writes its date, in QDate&apos;s format: &quot;8 dicembre 2026&quot;.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Chi gioca?</source>
        <translation>Who is playing?</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>guest</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Reset the score</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>esatti</source>
        <translation>right</translation>
    </message>
    <message>
        <source>errati</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Do you want to go back to the menu?</translation>
    </message>
    <message>
        <source>Suoni attivati</source>
        <translation>Sounds on</translation>
    </message>
    <message>
        <source>FINE</source>
        <translation>END</translation>
    </message>
    <message>
        <source>Licenza GNU GPL, versione 3 o successiva</source>
        <translation>Licence: GNU GPL, version 3 or later</translation>
    </message>
    <message>
        <source>CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE</source>
        <translation>CLICK A BUTTON TO START A GAME OR TO FINISH</translation>
    </message>
    <message>
        <source>Quale classe?</source>
        <translation>Which class?</translation>
    </message>
</context>
</TS>

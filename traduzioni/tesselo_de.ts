<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Giochi</name>
    <message>
        <source>uguale - diverso</source>
        <translation>gleich - verschieden</translation>
    </message>
    <message>
        <source>insiemi</source>
        <translation>Mengen</translation>
    </message>
    <message>
        <source>quanti sono ?</source>
        <translation>wie viele?</translation>
    </message>
    <message>
        <source>trova il blocco</source>
        <translation>finde den Block</translation>
    </message>
    <message>
        <source>le strade 1</source>
        <translation>Straßen 1</translation>
    </message>
    <message>
        <source>le strade 2</source>
        <translation>Straßen 2</translation>
    </message>
    <message>
        <source>tabella</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Cosa cambia?</source>
        <translation>Was ändert sich?</translation>
    </message>
    <message>
        <source>Cosa resta uguale?</source>
        <translation>Was bleibt gleich?</translation>
    </message>
</context>
<context>
    <name>Lettere</name>
    <message>
        <source>F</source>
        <translation>Fo</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>D</source>
        <translation>G</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
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
        <translation>Kreis</translation>
    </message>
    <message>
        <source>quadrato</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>rettangolo</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>triangolo</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>grande</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>piccolo</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>spesso</source>
        <translation>dick</translation>
    </message>
    <message>
        <source>sottile</source>
        <translation>dünn</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>colore</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>dimensione</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>spessore</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>niente</source>
        <translation>nichts</translation>
    </message>
</context>
<context>
    <name>Tesselo</name>
    <message>
        <source>passo %1 di %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>, fatto</source>
        <translation>, erledigt</translation>
    </message>
    <message>
        <source>, il prossimo</source>
        <translation>, der nächste</translation>
    </message>
    <message>
        <source>Ben fatto!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Willst du das Programm beenden?</translation>
    </message>
    <message>
        <source>giusto</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>sbagliato</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Controllo automatico?</source>
        <translation>Automatisch prüfen?</translation>
    </message>
    <message>
        <source>controlla automaticamente</source>
        <translation>automatisch prüfen</translation>
    </message>
    <message>
        <source>usa bottone FATTO</source>
        <translation>Knopf FERTIG benutzen</translation>
    </message>
    <message>
        <source>insieme</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>DIVERSA</source>
        <translation>VERSCHIEDEN</translation>
    </message>
    <message>
        <source>DIVERSO</source>
        <translation>VERSCHIEDEN</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>UGUALE</source>
        <translation>GLEICH</translation>
    </message>
    <message>
        <source>DIVERSI</source>
        <translation>VERSCHIEDEN</translation>
    </message>
    <message>
        <source>ricomincia</source>
        <translation>nochmal</translation>
    </message>
    <message>
        <source>Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli</source>
        <translation>Du kannst die Blöcke anklicken, die nicht zur Bedingung passen, um sie wegzunehmen</translation>
    </message>
    <message>
        <source>Suono?</source>
        <translation>Ton?</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Tipo aiuto</source>
        <translation>Art der Hilfe</translation>
    </message>
    <message>
        <source>caselle colorate</source>
        <translation>bunte Felder</translation>
    </message>
    <message>
        <source>strade</source>
        <translation>Straßen</translation>
    </message>
    <message>
        <source>aiuto</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>NON %1</source>
        <extracomment>A condition&apos;s negation as the roads and the table write it: &quot;NON ROSSO&quot;.</extracomment>
        <translation>NICHT %1</translation>
    </message>
    <message>
        <source>avanti</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the start screen writes its date, in QDate&apos;s format: &quot;8 dicembre 2026&quot;.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Chi gioca?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Zähler auf null</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>esatti</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>errati</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Willst du zurück zum Menü?</translation>
    </message>
    <message>
        <source>Suoni attivati</source>
        <translation>Töne an</translation>
    </message>
    <message>
        <source>FINE</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Licenza GNU GPL, versione 3 o successiva</source>
        <translation>Lizenz GNU GPL, Version 3 oder neuer</translation>
    </message>
    <message>
        <source>CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE</source>
        <translation>KLICKE AUF EINEN KNOPF, UM EIN SPIEL ZU STARTEN ODER ZU BEENDEN</translation>
    </message>
    <message>
        <source>Quale classe?</source>
        <translation>Welche Klasse?</translation>
    </message>
</context>
</TS>

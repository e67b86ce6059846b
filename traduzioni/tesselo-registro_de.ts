<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Insegnanti</name>
    <message>
        <source>Modifica bambino</source>
        <translation>Kind bearbeiten</translation>
    </message>
    <message>
        <source>Nuovo bambino</source>
        <translation>Neues Kind</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Vorname:</translation>
    </message>
    <message>
        <source>&amp;Cognome (facoltativo):</source>
        <translation>&amp;Nachname (optional):</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Registro di Tesselo</source>
        <translation>Tesselo-Klassenbuch</translation>
    </message>
    <message>
        <source>&amp;La classe</source>
        <translation>Die &amp;Klasse</translation>
    </message>
    <message>
        <source>I risul&amp;tati della classe</source>
        <translation>Die Er&amp;gebnisse der Klasse</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>C&amp;omputer</translation>
    </message>
    <message>
        <source>&amp;Registro</source>
        <translation>Klassen&amp;buch</translation>
    </message>
    <message>
        <source>&amp;Importa una classe da un file CSV...</source>
        <translation>Klasse aus CSV-Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Esporta le risposte del periodo in CSV...</source>
        <translation>Antworten des Zeitraums als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Unisci il registro di un altro computer...</source>
        <translation>Klassenbuch eines anderen Computers &amp;zusammenführen...</translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>E&amp;sci</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Re&amp;soconti</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>Resoconto della &amp;classe in PDF...</source>
        <translation>Bericht der &amp;Klasse als PDF...</translation>
    </message>
    <message>
        <source>S&amp;tampa il resoconto della classe...</source>
        <translation>Bericht der Klasse &amp;drucken...</translation>
    </message>
    <message>
        <source>Resoconto del &amp;bambino in PDF...</source>
        <translation>Bericht des K&amp;indes als PDF...</translation>
    </message>
    <message>
        <source>Stampa il resoconto del ba&amp;mbino...</source>
        <translation>Bericht des Kindes dr&amp;ucken...</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Cancella le risposte di un &amp;bambino...</source>
        <translation>Antworten eines &amp;Kindes löschen...</translation>
    </message>
    <message>
        <source>Cancella le risposte &amp;prima di una data...</source>
        <translation>Antworten &amp;vor einem Datum löschen...</translation>
    </message>
    <message>
        <source>%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). Riprovare con «Aggiorna».</source>
        <translation>%1 — es lässt sich nicht lesen, das Angezeigte kann unvollständig sein (%2). Mit „Aktualisieren“ erneut versuchen.</translation>
    </message>
    <message>
        <source>La classe non ha ancora nessun bambino.</source>
        <translation>Die Klasse hat noch keine Kinder.</translation>
    </message>
    <message>
        <source>Esporta le risposte</source>
        <translation>Antworten exportieren</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>klassenbuch</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Unisci il registro di un altro computer</source>
        <translation>Klassenbuch eines anderen Computers zusammenführen</translation>
    </message>
    <message>
        <source>Registro di Tesselo (*.sqlite);;Tutti i file (*)</source>
        <translation>Tesselo-Klassenbücher (*.sqlite);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Salva il resoconto in PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Resoconto salvato nel file %1.</source>
        <translation>Bericht in der Datei %1 gespeichert.</translation>
    </message>
    <message>
        <source>resoconto</source>
        <translation>bericht</translation>
    </message>
    <message>
        <source>classe</source>
        <translation>klasse</translation>
    </message>
    <message>
        <source>«%1» non ha nessuna risposta nel registro.</source>
        <translation>„%1“ hat keine Antworten im Klassenbuch.</translation>
    </message>
    <message>
        <source>Cancellare tutte le risposte di «%1»?

%2. Il bambino resta nella classe.</source>
        <translation>Alle Antworten von „%1“ löschen?

%2. Das Kind bleibt in der Klasse.</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima di quale giorno?</source>
        <translation>Antworten vor welchem Tag löschen?</translation>
    </message>
    <message>
        <source>Non ci sono risposte date prima del %1.</source>
        <translation>Es gibt keine vor dem %1 gegebenen Antworten.</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima del %1?

%2, di tutti i bambini e degli ospiti.</source>
        <translation>Die vor dem %1 gegebenen Antworten löschen?

%2, von allen Kindern und Gästen.</translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation>Be&amp;arbeiten...</translation>
    </message>
    <message>
        <source>Rimuo&amp;vi...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un bambino...</source>
        <translation>Kind &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>«%1» non è stato salvato: %2</source>
        <translation>„%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Ogni contrassegno è già di un bambino della classe.</source>
        <translation>Jedes Zeichen gehört schon einem Kind der Klasse.</translation>
    </message>
    <message>
        <source>Rimuovere «%1» dalla classe?

</source>
        <translation>„%1“ aus der Klasse entfernen?

</translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation>
            <numerusform>Auch alle seine Antworten werden gelöscht: %n Antwort.</numerusform>
            <numerusform>Auch alle seine Antworten werden gelöscht: %n Antworten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha ancora nessuna risposta nel registro.</source>
        <translation>Es hat noch keine Antworten im Klassenbuch.</translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>«%1» non è stato rimosso: %2</source>
        <translation>„%1“ wurde nicht entfernt: %2</translation>
    </message>
    <message>
        <source>Importa una classe</source>
        <translation>Klasse importieren</translation>
    </message>
    <message>
        <source>File CSV (*.csv *.CSV *.txt);;Tutti i file (*)</source>
        <translation>CSV-Dateien (*.csv *.CSV *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: %2</source>
        <translation>Die Datei %1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.</source>
        <translation>Kein Kind hinzugefügt: die der Datei %1 sind schon alle in der Klasse.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation>
            <numerusform>%n Kind aus der Datei %1 zur Klasse hinzugefügt.</numerusform>
            <numerusform>%n Kinder aus der Datei %1 zur Klasse hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>Die Datei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Risposte esportate nel file %1.</source>
        <translation>Antworten in die Datei %1 exportiert.</translation>
    </message>
    <message>
        <source>Il file %1 non c&apos;è.</source>
        <translation>Die Datei %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Il file %1 non è stato unito: %2</source>
        <translation>Die Datei %1 wurde nicht zusammengeführt: %2</translation>
    </message>
    <message>
        <source>%1 dal registro %2.</source>
        <translation>%1 aus dem Klassenbuch %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation>
            <numerusform>%n Antwort hinzugefügt</numerusform>
            <numerusform>%n Antworten hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>non c&apos;è ancora</source>
        <translation>es existiert noch nicht</translation>
    </message>
    <message>
        <source>non si può scrivere</source>
        <translation>es lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>è bloccato da un altro programma</source>
        <translation>es ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>è stato fatto da una versione più recente del programma</source>
        <translation>es wurde von einer neueren Version des Programms angelegt</translation>
    </message>
    <message>
        <source>il server non risponde</source>
        <translation>der Server antwortet nicht</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2.</source>
        <translation>Das Klassenbuch %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>sul server %1, database %2</source>
        <translation>auf dem Server %1, Datenbank %2</translation>
    </message>
    <message>
        <source>di questo account</source>
        <translation>dieses Kontos</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>il server non risponde, o non accetta l&apos;utente %1 (%2)</source>
        <translation>der Server antwortet nicht oder nimmt den Benutzer %1 nicht an (%2)</translation>
    </message>
    <message>
        <source>sul server non c&apos;è un registro di Tesselo che l&apos;utente %1 possa leggere (%2)</source>
        <translation>auf dem Server gibt es kein Tesselo-Klassenbuch, das der Benutzer %1 lesen darf (%2)</translation>
    </message>
    <message>
        <source>Il registro non si può aprire: %1 (in %2).</source>
        <translation>Das Klassenbuch lässt sich nicht öffnen: %1 (in %2).</translation>
    </message>
    <message>
        <source>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Stampato il %4.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Zeitraum: %3. Gedruckt am %4.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tesselo: resoconto della classe</source>
        <translation>Tesselo: Bericht der Klasse</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;Bambino&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Kind&lt;/th&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Risposte esatte ed errate&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Richtige und falsche Antworten&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;esatte&lt;/th&gt;&lt;th&gt;errate&lt;/th&gt;&lt;th&gt;quota esatte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;richtig&lt;/th&gt;&lt;th&gt;falsch&lt;/th&gt;&lt;th&gt;Anteil richtig&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h2&gt;Settimana per settimana (quota di risposte esatte)&lt;/h2&gt;</source>
        <translation>&lt;/table&gt;&lt;h2&gt;Woche für Woche (Anteil richtiger Antworten)&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Keine Antworten im Zeitraum.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;settimana dal&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Woche ab&lt;/th&gt;</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Le domande sbagliate più spesso&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Die am häufigsten falsch beantworteten Fragen&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta errata nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Keine falschen Antworten im Zeitraum.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere.</source>
        <translation>Die Datei %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Avanti</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Nel registro «%1», «%2» ha lo stesso codice di «%3» di questa classe, ma un altro nome. È lo stesso bambino?</source>
        <translation>Im Klassenbuch „%1“ hat „%2“ den Code von „%3“ aus dieser Klasse, aber einen anderen Namen. Ist es dasselbe Kind?</translation>
    </message>
    <message>
        <source>Stesso bambino: unisci</source>
        <translation>Dasselbe Kind: zusammenführen</translation>
    </message>
    <message>
        <source>Due bambini: tieni separati</source>
        <translation>Zwei Kinder: getrennt halten</translation>
    </message>
    <message>
        <source>uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
</source>
        <translation>Aufruf: tesselo-registro [--lingua CODE] [--classe NAME] [--importa DATEI.csv | --esporta DATEI.csv | --unisci DATEI.sqlite]
</translation>
    </message>
    <message>
        <source>Senza opzioni apre il registro della classe in una finestra.
  --importa FILE.csv     aggiunge alla classe i bambini di un file della
                         segreteria e scrive quanti ne ha aggiunti
  --esporta FILE.csv     scrive ogni risposta della classe in un file CSV
  --unisci FILE.sqlite   aggiunge le risposte del registro di un altro computer
  --classe NOME          la classe a cui si applica l&apos;opzione, col nome che ha
                         nella pagina della classe; serve quando il registro
                         ha più classi
  --lingua CODICE        la lingua del programma: %2; senza,
                         quella di tesselo.conf o del sistema, altrimenti l&apos;italiano
  --help                 mostra questo aiuto
Il registro è %1
</source>
        <translation>Ohne Optionen öffnet es das Klassenbuch in einem Fenster.
  --importa DATEI.csv     fügt der Klasse die Kinder einer Datei des
                          Sekretariats hinzu und schreibt, wie viele es waren
  --esporta DATEI.csv     schreibt jede Antwort der Klasse in eine CSV-Datei
  --unisci DATEI.sqlite   fügt die Antworten des Klassenbuchs eines anderen Computers hinzu
  --classe NAME           die Klasse, für die die Option gilt, mit dem Namen,
                          den sie auf der Klassenseite hat; nötig, wenn das
                          Klassenbuch mehrere Klassen hat
  --lingua CODE           die Sprache des Programms: %2; ohne
                          die aus tesselo.conf oder des Systems, sonst Italienisch
  --help                  zeigt diese Hilfe
Das Klassenbuch ist %1
</translation>
    </message>
    <message>
        <source>il registro non ha classi</source>
        <translation>das Klassenbuch hat keine Klassen</translation>
    </message>
    <message>
        <source>la classe «%1» non è nel registro; le sue classi sono %2</source>
        <translation>die Klasse „%1“ ist nicht im Klassenbuch; seine Klassen sind %2</translation>
    </message>
    <message>
        <source>il registro ha più classi: scegline una con --classe NOME tra %1</source>
        <translation>das Klassenbuch hat mehrere Klassen: wähle eine mit --classe NAME aus %1</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>keine Antworten</translation>
    </message>
    <message>
        <source>%1 e %2 (%3)</source>
        <translation>%1 und %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation>
            <numerusform>%n richtig</numerusform>
            <numerusform>%n richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation>
            <numerusform>%n Antwort wird gelöscht</numerusform>
            <numerusform>%n Antworten werden gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>diesen Monat</translation>
    </message>
    <message>
        <source>l&apos;anno scolastico</source>
        <translation>das Schuljahr</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <translation>das ganze Klassenbuch</translation>
    </message>
    <message>
        <source>date a scelta</source>
        <translation>frei gewählte Daten</translation>
    </message>
    <message>
        <source>dal</source>
        <translation>vom</translation>
    </message>
    <message>
        <source>al</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>condizioni senza NON</source>
        <translation>Bedingungen ohne NICHT</translation>
    </message>
    <message>
        <source>condizioni con NON</source>
        <translation>Bedingungen mit NICHT</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>quota esatte</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>domanda</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>blocchi</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>volte</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Le domande sbagliate più spesso</source>
        <translation>Die am häufigsten falsch beantworteten Fragen</translation>
    </message>
    <message>
        <source>Nessuna risposta nel periodo</source>
        <translation>Keine Antworten im Zeitraum</translation>
    </message>
    <message>
        <source>Quota di risposte esatte, settimana per settimana</source>
        <translation>Anteil richtiger Antworten, Woche für Woche</translation>
    </message>
    <message>
        <source>settimana dal lunedì</source>
        <translation>Woche ab Montag</translation>
    </message>
    <message>
        <source>senza NON</source>
        <translation>ohne NICHT</translation>
    </message>
    <message>
        <source>con NON</source>
        <translation>mit NICHT</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Risposte in coda</source>
        <translation>Wartende Antworten</translation>
    </message>
    <message>
        <source>Ultimo contatto</source>
        <translation>Letzter Kontakt</translation>
    </message>
    <message>
        <source>Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora.</source>
        <translation>Wartende Antworten liegen auf diesem Computer und noch nicht im Klassenbuch des Servers: Sie kommen an, wenn der Computer eingeschaltet ist und den Server erreicht. Oben die Computer, die noch welche haben.</translation>
    </message>
    <message>
        <source>Nessun computer ha ancora inviato risposte al server.</source>
        <translation>Noch kein Computer hat Antworten an den Server geschickt.</translation>
    </message>
    <message>
        <source>Tutti i computer hanno inviato le loro risposte.</source>
        <translation>Alle Computer haben ihre Antworten geschickt.</translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation>
            <numerusform>%n Computer hat noch wartende Antworten.</numerusform>
            <numerusform>%n Computer haben noch wartende Antworten.</numerusform>
        </translation>
    </message>
    <message>
        <source>mai</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>oggi alle %1</source>
        <translation>heute um %1</translation>
    </message>
    <message>
        <source>ieri alle %1</source>
        <translation>gestern um %1</translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Il registro era danneggiato: è stato messo da parte come %1, e ne è stato cominciato uno nuovo.</source>
        <translation>Das Klassenbuch war beschädigt: Es wurde als %1 beiseitegelegt, und ein neues wurde begonnen.</translation>
    </message>
    <message>
        <source>Tesselo: resoconto di %1</source>
        <translation>Tesselo: Bericht über %1</translation>
    </message>
    <message>
        <source>oggi, %1</source>
        <translation>heute, %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>fino al %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>&amp;Controlla il registro</source>
        <translation>Register &amp;prüfen</translation>
    </message>
    <message>
        <source>Il registro è integro.</source>
        <translation>Das Register ist unversehrt.</translation>
    </message>
    <message>
        <source>Il registro è danneggiato (%1). Chiudere il gioco e riaprire il Registro di Tesselo: il file sarà messo da parte e ne sarà cominciato uno nuovo.</source>
        <translation>Das Register ist beschädigt (%1). Schließen Sie das Spiel und öffnen Sie das Tesselo-Register erneut: Die Datei wird beiseitegelegt und eine neue begonnen.</translation>
    </message>
    <message>
        <source>Il registro non si può controllare: %1.</source>
        <translation>Das Register lässt sich nicht prüfen: %1.</translation>
    </message>
    <message>
        <source>Rinomina la classe</source>
        <translation>Klasse umbenennen</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Neue Klasse</translation>
    </message>
    <message>
        <source>&amp;Nome della classe:</source>
        <translation>&amp;Name der Klasse:</translation>
    </message>
    <message>
        <source>&amp;Anno scolastico:</source>
        <translation>&amp;Schuljahr:</translation>
    </message>
    <message>
        <source>Leggi le domande</source>
        <translation>Fragen vorlesen</translation>
    </message>
    <message>
        <source>Ogni gioco dice la sua domanda a voce quando comincia un turno, per chi non sa ancora leggere.</source>
        <translation>Jedes Spiel spricht seine Frage, wenn eine Runde beginnt, für Kinder, die noch nicht lesen können.</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico</source>
        <translation>Neues Schuljahr</translation>
    </message>
    <message>
        <source>Ogni classe spuntata passa all&apos;anno scolastico seguente con il nome scritto accanto, e tiene i suoi bambini e le loro risposte. Una classe non spuntata resta com&apos;è.</source>
        <translation>Jede angekreuzte Klasse wechselt mit dem daneben geschriebenen Namen ins nächste Schuljahr und behält ihre Kinder und deren Antworten. Eine nicht angekreuzte Klasse bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Nuovo nome</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Anno scolastico</source>
        <translation>Schuljahr</translation>
    </message>
    <message>
        <source>Nuovo nome di %1</source>
        <translation>Neuer Name von %1</translation>
    </message>
    <message>
        <source>Passa al nuovo anno</source>
        <translation>Ins neue Schuljahr</translation>
    </message>
    <message>
        <source>Scuola</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Neue Klasse...</translation>
    </message>
    <message>
        <source>Rino&amp;mina la classe...</source>
        <translation>Klasse u&amp;mbenennen...</translation>
    </message>
    <message>
        <source>Nuovo anno scolas&amp;tico...</source>
        <translation>Neues Schuljahr (&amp;t)...</translation>
    </message>
    <message>
        <source>%1 — Registro di Tesselo</source>
        <translation>%1 — Tesselo-Klassenbuch</translation>
    </message>
    <message>
        <source>Sposta i&amp;n un&apos;altra classe...</source>
        <translation>In eine andere Klasse verschieben...</translation>
    </message>
    <message>
        <source>In quale classe spostare «%1»? Le sue risposte vanno con lui.</source>
        <translation>In welche Klasse soll „%1“ wechseln? Die Antworten gehen mit.</translation>
    </message>
    <message>
        <source>«%1» non è stato spostato: %2</source>
        <translation>„%1“ wurde nicht verschoben: %2</translation>
    </message>
    <message>
        <source>Rinomina classe...</source>
        <translation>Klasse umbenennen...</translation>
    </message>
    <message>
        <source>Nuova classe...</source>
        <translation>Neue Klasse...</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico...</source>
        <translation>Neues Schuljahr...</translation>
    </message>
    <message>
        <source>Class&amp;e:</source>
        <translation>Kla&amp;sse:</translation>
    </message>
    <message>
        <source>«%1» non può passare al nuovo anno: %2</source>
        <translation>„%1“ kann nicht ins neue Schuljahr wechseln: %2</translation>
    </message>
    <message>
        <source>Il nuovo anno scolastico non è stato applicato, nessuna classe è cambiata: %1</source>
        <translation>Das neue Schuljahr wurde nicht übernommen, keine Klasse hat sich geändert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</source>
        <translation>
            <numerusform>%n Klasse ist ins neue Schuljahr gewechselt, mit ihren Kindern und deren Antworten.</numerusform>
            <numerusform>%n Klassen sind ins neue Schuljahr gewechselt, mit ihren Kindern und deren Antworten.</numerusform>
        </translation>
    </message>
    <message>
        <source>La classe «%1» non è stata salvata: %2</source>
        <translation>Die Klasse „%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Assegna a...</source>
        <translation>Zuweisen an...</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Entziehen</translation>
    </message>
    <message>
        <source>Classe e utenti a cui è assegnata</source>
        <translation>Klasse und die Benutzer, denen sie zugewiesen ist</translation>
    </message>
    <message>
        <source>Crea classe...</source>
        <translation>Klasse anlegen...</translation>
    </message>
    <message>
        <source>Non si riesce a leggere a chi sono assegnate le classi: %1</source>
        <translation>Es lässt sich nicht lesen, wem die Klassen zugewiesen sind: %1</translation>
    </message>
    <message>
        <source>Ogni classe con gli utenti del server che la vedono: le insegnanti e i computer delle aule e del laboratorio.</source>
        <translation>Jede Klasse mit den Benutzern des Servers, die sie sehen: die Lehrerinnen und die Computer der Klassenzimmer und des Computerraums.</translation>
    </message>
    <message>
        <source>A quale utente del server assegnare la classe %1? Il nome con cui l&apos;insegnante o il computer accede al server:</source>
        <translation>Welchem Benutzer des Servers soll die Klasse %1 zugewiesen werden? Der Name, mit dem sich die Lehrerin oder der Computer am Server anmeldet:</translation>
    </message>
    <message>
        <source>La classe %1 non è stata assegnata a «%2»: %3</source>
        <translation>Die Klasse %1 wurde „%2“ nicht zugewiesen: %3</translation>
    </message>
    <message>
        <source>La classe %1 non è stata tolta a «%2»: %3</source>
        <translation>Die Klasse %1 wurde „%2“ nicht entzogen: %3</translation>
    </message>
    <message>
        <source>riga %1: il file mescola UTF-8 e un&apos;altra codifica; salvalo di nuovo in UTF-8</source>
        <translation>Zeile %1: Die Datei mischt UTF-8 und eine andere Kodierung; speichere sie erneut als UTF-8</translation>
    </message>
    <message>
        <source>riga 1: il file è vuoto, manca l&apos;intestazione con Nome e Cognome</source>
        <translation>Zeile 1: Die Datei ist leer, die Kopfzeile mit Vorname und Nachname fehlt</translation>
    </message>
    <message>
        <source>Nome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Cognome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>riga %1: manca la colonna %2</source>
        <translation>Zeile %1: Die Spalte %2 fehlt</translation>
    </message>
    <message>
        <source>riga %1: manca il nome</source>
        <translation>Zeile %1: Der Vorname fehlt</translation>
    </message>
    <message>
        <source>riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno</source>
        <translation>Zeile %1: Vorname und Nachname dürfen jeweils höchstens %2 Zeichen haben</translation>
    </message>
    <message>
        <source>riga %1: il nome del gruppo può avere al massimo %2 caratteri</source>
        <translation>Zeile %1: Der Name der Gruppe darf höchstens %2 Zeichen haben</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>scegli una classe</source>
        <translation>wähle eine Klasse</translation>
    </message>
    <message>
        <source>i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto</source>
        <translation>es gibt mehr Kinder als Zeichen (%1): keines wurde hinzugefügt</translation>
    </message>
    <message>
        <source>«%1» come %2</source>
        <translation>„%1“ als %2</translation>
    </message>
    <message>
        <source>Nome e cognome da controllare nella pagina della classe: %1.</source>
        <translation>Vorname und Nachname auf der Seite der Klasse prüfen: %1.</translation>
    </message>
    <message>
        <source>Nomi e cognomi da controllare</source>
        <translation>Vor- und Nachnamen prüfen</translation>
    </message>
    <message>
        <source>Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. Scegli il cognome di ciascuno; il resto è il nome.</source>
        <translation>In der Datei stehen Nachname und Vorname dieser Kinder in einer einzigen Spalte, die sich auf mehrere Arten trennen lässt. Wähle jeweils den Nachnamen; der Rest ist der Vorname.</translation>
    </message>
    <message>
        <source>Nel file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>(nessun cognome)</source>
        <translation>(kein Nachname)</translation>
    </message>
    <message>
        <source>Cognome di «%1»</source>
        <translation>Nachname von „%1“</translation>
    </message>
    <message>
        <source>&amp;Importa</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini già nella classe sono passati al gruppo del file.</source>
        <translation>
            <numerusform>%n Kind, das schon in der Klasse war, ist in die Gruppe der Datei gewechselt.</numerusform>
            <numerusform>%n Kinder, die schon in der Klasse waren, sind in die Gruppe der Datei gewechselt.</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun gruppo</source>
        <translation>keine Gruppe</translation>
    </message>
    <message>
        <source>&amp;Gruppo:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Solo il percorso: gli altri giochi restano chiusi</source>
        <translation>&amp;Nur der Lernweg: die anderen Spiele bleiben geschlossen</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un passo</source>
        <translation>Schritt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Togli il passo</source>
        <translation>Schritt &amp;entfernen</translation>
    </message>
    <message>
        <source>S&amp;u</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Giù</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Nuovo percorso</source>
        <translation>Neuer Lernweg</translation>
    </message>
    <message>
        <source>Modifica il percorso</source>
        <translation>Lernweg bearbeiten</translation>
    </message>
    <message>
        <source>Gioco</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Le risposte esatte che completano il passo</source>
        <translation>Die richtigen Antworten, die den Schritt abschließen</translation>
    </message>
    <message>
        <source>&amp;Obiettivo (facoltativo):</source>
        <translation>&amp;Ziel (optional):</translation>
    </message>
    <message>
        <source>I &amp;passi, nell&apos;ordine in cui il bambino li gioca:</source>
        <translation>Die &amp;Schritte, in der Reihenfolge, in der das Kind sie spielt:</translation>
    </message>
    <message>
        <source>Gioco del passo %1</source>
        <translation>Spiel von Schritt %1</translation>
    </message>
    <message>
        <source>Esatte del passo %1</source>
        <translation>Richtige Antworten von Schritt %1</translation>
    </message>
    <message>
        <source>Passo %1: %2 in gioco</source>
        <translation>Schritt %1: %2 im Spiel</translation>
    </message>
    <message>
        <source>Su misura</source>
        <translation>Nach Maß</translation>
    </message>
    <message>
        <source>L&apos;attributo di ogni turno esce più spesso se il bambino non l&apos;ha ancora imparato</source>
        <translation>Das Merkmal jeder Runde kommt öfter, solange das Kind es noch nicht gelernt hat</translation>
    </message>
    <message>
        <source>Passo %1 su misura</source>
        <translation>Schritt %1 nach Maß</translation>
    </message>
    <message>
        <source>Nel gioco «%1» non si scelgono attributi.</source>
        <translation>Im Spiel „%1“ werden keine Merkmale gewählt.</translation>
    </message>
    <message>
        <source>un altro percorso della classe si chiama già «%1»</source>
        <translation>ein anderer Lernweg der Klasse heißt schon „%1“</translation>
    </message>
    <message>
        <source>va scelto almeno un attributo</source>
        <translation>mindestens ein Merkmal wählen</translation>
    </message>
    <message>
        <source>Non si può ancora salvare: %1.</source>
        <translation>Noch nicht speicherbar: %1.</translation>
    </message>
    <message>
        <source>&amp;Percorsi</source>
        <translation>&amp;Lernwege</translation>
    </message>
    <message>
        <source>Gruppi della classe</source>
        <translation>Gruppen der Klasse</translation>
    </message>
    <message>
        <source>nel gruppo «%1»</source>
        <translation>in der Gruppe „%1“</translation>
    </message>
    <message>
        <source>Rinomina...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Rimuovi...</source>
        <translation>Entfernen...</translation>
    </message>
    <message>
        <source>Gruppi</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>N&amp;uovo gruppo...</source>
        <translation>Ne&amp;ue Gruppe...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n bambini)</source>
        <translation>
            <numerusform>%1 (%n Kind)</numerusform>
            <numerusform>%1 (%n Kinder)</numerusform>
        </translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato salvato: %2</source>
        <translation>Die Gruppe „%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Il nome del nuovo gruppo (per esempio «piccoli», «mezzani», «grandi»):</source>
        <translation>Der Name der neuen Gruppe (zum Beispiel „Kleine“, „Mittlere“, „Große“):</translation>
    </message>
    <message>
        <source>Il nuovo nome del gruppo «%1»:</source>
        <translation>Der neue Name der Gruppe „%1“:</translation>
    </message>
    <message>
        <source>Rimuovere il gruppo «%1»?

</source>
        <translation>Die Gruppe „%1“ entfernen?

</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini del gruppo restano nella classe, senza gruppo.</source>
        <translation>
            <numerusform>%n Kind der Gruppe bleibt in der Klasse, ohne Gruppe.</numerusform>
            <numerusform>%n Kinder der Gruppe bleiben in der Klasse, ohne Gruppe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha nessun bambino.</source>
        <translation>Sie hat keine Kinder.</translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato rimosso: %2</source>
        <translation>Die Gruppe „%1“ wurde nicht entfernt: %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato salvato: %2</source>
        <translation>Der Lernweg „%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source> (copia)</source>
        <translation> (Kopie)</translation>
    </message>
    <message>
        <source> (copia %1)</source>
        <translation> (Kopie %1)</translation>
    </message>
    <message>
        <source>Il percorso non è stato importato: %1</source>
        <translation>Der Lernweg wurde nicht importiert: %1</translation>
    </message>
    <message>
        <source>Percorso «%1» importato dal file «%2».</source>
        <translation>Lernweg „%1“ aus der Datei „%2“ importiert.</translation>
    </message>
    <message>
        <source>Percorso importato dal file «%2» come «%1»: la classe ha già un percorso «%3».</source>
        <translation>Lernweg aus der Datei „%2“ als „%1“ importiert: Die Klasse hat schon einen Lernweg „%3“.</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato esportato: %2</source>
        <translation>Der Lernweg „%1“ wurde nicht exportiert: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» esportato nel file «%2».</source>
        <translation>Lernweg „%1“ in die Datei „%2“ exportiert.</translation>
    </message>
    <message>
        <source>Gli esempi non ci sono: manca la cartella %1.</source>
        <translation>Die Beispiele fehlen: Es gibt keinen Ordner %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n percorsi di esempio aggiunti alla classe.</source>
        <translation>
            <numerusform>%n Beispiel-Lernweg zur Klasse hinzugefügt.</numerusform>
            <numerusform>%n Beispiel-Lernwege zur Klasse hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gli esempi sono già tutti nella classe.</source>
        <translation>Die Beispiele sind schon alle in der Klasse.</translation>
    </message>
    <message>
        <source>%1 Non sono stati importati:
%2</source>
        <translation>%1 Nicht importiert:
%2</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte su %1</source>
        <translation>
            <numerusform>%n richtig von %1</numerusform>
            <numerusform>%n richtig von %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, fatto</source>
        <translation>%1, erledigt</translation>
    </message>
    <message>
        <source>%1, il prossimo</source>
        <translation>%1, der nächste</translation>
    </message>
    <message>
        <source>%1, passo %2 («%3»): %4</source>
        <translation>%1, Schritt %2 („%3“): %4</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Percorso assegnato</source>
        <translation>Zugewiesener Lernweg</translation>
    </message>
    <message>
        <source>Percorso che gioca</source>
        <translation>Gespielter Lernweg</translation>
    </message>
    <message>
        <source>&amp;Importa da un file...</source>
        <translation>Aus Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>Esporta in un &amp;file...</source>
        <translation>In Da&amp;tei exportieren...</translation>
    </message>
    <message>
        <source>Importa &amp;gli esempi</source>
        <translation>Beis&amp;piele importieren</translation>
    </message>
    <message>
        <source>I percorsi di esempio che il programma porta con sé, per bambini dai tre ai sette anni</source>
        <translation>Die Beispiel-Lernwege, die das Programm mitbringt, für Kinder von drei bis sieben Jahren</translation>
    </message>
    <message>
        <source>La classe non ha ancora percorsi: se ne crea uno nuovo, o si importano gli esempi.</source>
        <translation>Die Klasse hat noch keine Lernwege: einen neuen anlegen oder die Beispiele importieren.</translation>
    </message>
    <message numerus="yes">
        <source>%n passi</source>
        <translation>
            <numerusform>%n Schritt</numerusform>
            <numerusform>%n Schritte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, solo il percorso</source>
        <translation>%1, nur der Lernweg</translation>
    </message>
    <message>
        <source>Tutta la classe</source>
        <translation>Die ganze Klasse</translation>
    </message>
    <message>
        <source>Gruppo «%1»</source>
        <translation>Gruppe „%1“</translation>
    </message>
    <message>
        <source>Percorso assegnato a %1</source>
        <translation>Lernweg für %1</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1 (del gruppo)</source>
        <translation>%1 (der Gruppe)</translation>
    </message>
    <message>
        <source>%1 (della classe)</source>
        <translation>%1 (der Klasse)</translation>
    </message>
    <message>
        <source>L&apos;avanzamento dei bambini in un percorso: scegliere il percorso.</source>
        <translation>Der Fortschritt der Kinder auf einem Lernweg: den Lernweg wählen.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento in «%1»: in ogni passo le risposte esatte su quelle che lo completano; ✓ un passo fatto, in grassetto il prossimo.</source>
        <translation>Fortschritt auf „%1“: in jedem Schritt die richtigen Antworten von denen, die ihn abschließen; ✓ ein erledigter Schritt, fett der nächste.</translation>
    </message>
    <message>
        <source>Nessun bambino gioca «%1»: lo si assegna alla classe, a un gruppo o a un bambino.</source>
        <translation>Kein Kind spielt „%1“: ihn der Klasse, einer Gruppe oder einem Kind zuweisen.</translation>
    </message>
    <message>
        <source>Il percorso non è stato assegnato: %1</source>
        <translation>Der Lernweg wurde nicht zugewiesen: %1</translation>
    </message>
    <message>
        <source>Eliminare il percorso «%1»?

</source>
        <translation>Den Lernweg „%1“ löschen?

</translation>
    </message>
    <message numerus="yes">
        <source>Lo giocano %n bambini: non lo giocheranno più.</source>
        <translation>
            <numerusform>%n Kind spielt ihn: Es wird ihn nicht mehr spielen.</numerusform>
            <numerusform>%n Kinder spielen ihn: Sie werden ihn nicht mehr spielen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le risposte date nel percorso restano nel registro.</source>
        <translation>Die auf dem Lernweg gegebenen Antworten bleiben im Klassenbuch.</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato eliminato: %2</source>
        <translation>Der Lernweg „%1“ wurde nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>Importa un percorso</source>
        <translation>Lernweg importieren</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json);;Tutti i file (*)</source>
        <translation>Tesselo-Lernwege (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Esporta il percorso</source>
        <translation>Lernweg exportieren</translation>
    </message>
    <message>
        <source>percorso</source>
        <translation>lernweg</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json)</source>
        <translation>Tesselo-Lernwege (*.json)</translation>
    </message>
    <message>
        <source>Senza opzioni apre il registro della classe in una finestra.
  --importa FILE.csv     aggiunge alla classe i bambini di un file della
                         segreteria e scrive quanti ne ha aggiunti
  --esporta FILE.csv     scrive ogni risposta della classe in un file CSV
  --unisci FILE.sqlite   aggiunge le risposte del registro di un altro computer
  --importa-percorso FILE.json
                         aggiunge alla classe il percorso di un file e ne
                         scrive il nome
  --esporta-percorso NOME FILE.json
                         scrive in un file il percorso della classe con quel nome
  --assegna-percorso NOME --bambino &quot;NOME COGNOME&quot;
  --assegna-percorso NOME --gruppo NOME
  --assegna-percorso NOME --tutta-la-classe
                         assegna il percorso a un bambino, a un gruppo o a
                         tutta la classe
  --avanzamento FILE.csv scrive in un file CSV a che punto è ogni bambino
                         nel suo percorso, passo per passo
  --padronanza FILE.csv  scrive in un file CSV, per ogni bambino e abilità,
                         la stima di quanto l&apos;ha acquisita e il suo livello
  --classe NOME          la classe a cui si applica l&apos;opzione, col nome che ha
                         nella pagina della classe; serve quando il registro
                         ha più classi
  --lingua CODICE        la lingua del programma: %2; senza,
                         quella di tesselo.conf o del sistema, altrimenti l&apos;italiano
  --help                 mostra questo aiuto
Il registro è %1
</source>
        <translation>Ohne Optionen öffnet es das Klassenbuch in einem Fenster.
  --importa DATEI.csv     fügt der Klasse die Kinder einer Datei des
                          Sekretariats hinzu und schreibt, wie viele es waren
  --esporta DATEI.csv     schreibt jede Antwort der Klasse in eine CSV-Datei
  --unisci DATEI.sqlite   fügt die Antworten des Klassenbuchs eines anderen Computers hinzu
  --importa-percorso DATEI.json
                          fügt der Klasse den Lernpfad einer Datei hinzu und
                          schreibt seinen Namen
  --esporta-percorso NAME DATEI.json
                          schreibt den Lernpfad der Klasse mit diesem Namen
                          in eine Datei
  --assegna-percorso NAME --bambino &quot;VORNAME NACHNAME&quot;
  --assegna-percorso NAME --gruppo NAME
  --assegna-percorso NAME --tutta-la-classe
                          weist den Lernpfad einem Kind, einer Gruppe oder
                          der ganzen Klasse zu
  --avanzamento DATEI.csv schreibt in eine CSV-Datei, wie weit jedes Kind auf
                          seinem Lernpfad ist, Schritt für Schritt
  --padronanza DATEI.csv schreibt in eine CSV-Datei für jedes Kind und jede
                          Fähigkeit, wie sicher es sie beherrscht, und die Stufe
  --classe NAME           die Klasse, für die die Option gilt, mit dem Namen,
                          den sie auf der Klassenseite hat; nötig, wenn das
                          Klassenbuch mehrere Klassen hat
  --lingua CODE           die Sprache des Programms: %2; ohne
                          die aus tesselo.conf oder des Systems, sonst Italienisch
  --help                  zeigt diese Hilfe
Das Klassenbuch ist %1
</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] [--importa-percorso FILE.json | --esporta-percorso NOME FILE.json | --avanzamento FILE.csv]
     tesselo-registro [--lingua CODICE] [--classe NOME] --assegna-percorso NOME (--bambino &quot;NOME COGNOME&quot; | --gruppo NOME | --tutta-la-classe)
</source>
        <translation>        tesselo-registro [--lingua CODE] [--classe NAME] [--importa-percorso DATEI.json | --esporta-percorso NAME DATEI.json | --avanzamento DATEI.csv]
        tesselo-registro [--lingua CODE] [--classe NAME] --assegna-percorso NAME (--bambino &quot;VORNAME NACHNAME&quot; | --gruppo NAME | --tutta-la-classe)
</translation>
    </message>
    <message>
        <source>la classe non ha gruppi</source>
        <translation>die Klasse hat keine Gruppen</translation>
    </message>
    <message>
        <source>la classe non ha un gruppo «%1»; i suoi gruppi sono %2</source>
        <translation>die Klasse hat keine Gruppe „%1“; ihre Gruppen sind %2</translation>
    </message>
    <message>
        <source>nella classe nessun bambino si chiama «%1»</source>
        <translation>kein Kind der Klasse heißt „%1“</translation>
    </message>
    <message numerus="yes">
        <source>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</source>
        <translation>
            <numerusform>%n Kind der Klasse heißt „%1“: geben Sie jedem auf der Klassenseite einen anderen Namen</numerusform>
            <numerusform>%n Kinder der Klasse heißen „%1“: geben Sie jedem auf der Klassenseite einen anderen Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>la classe non ha percorsi</source>
        <translation>die Klasse hat keine Lernpfade</translation>
    </message>
    <message>
        <source>la classe non ha un percorso «%1»; i suoi percorsi sono %2</source>
        <translation>die Klasse hat keinen Lernpfad „%1“; ihre Lernpfade sind %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato assegnato: %2</source>
        <translation>Der Lernpfad „%1“ wurde nicht zugewiesen: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a tutta la classe.</source>
        <translation>Lernpfad „%1“ der ganzen Klasse zugewiesen.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato al gruppo «%2».</source>
        <translation>Lernpfad „%1“ der Gruppe „%2“ zugewiesen.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a «%2».</source>
        <translation>Lernpfad „%1“ an „%2“ zugewiesen.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento non è stato esportato: %1</source>
        <translation>Der Fortschritt wurde nicht exportiert: %1</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] --padronanza FILE.csv
</source>
        <translation>        tesselo-registro [--lingua CODE] [--classe NAME] --padronanza DATEI.csv
</translation>
    </message>
    <message>
        <source>Le stime non sono state esportate: %1</source>
        <translation>Die Schätzungen wurden nicht exportiert: %1</translation>
    </message>
    <message>
        <source>Stime della classe esportate nel file %1.</source>
        <translation>Schätzungen der Klasse in die Datei %1 exportiert.</translation>
    </message>
    <message>
        <source>Nessun bambino della classe ha un percorso: nel file %1 c&apos;è solo l&apos;intestazione.</source>
        <translation>Kein Kind der Klasse hat einen Lernpfad: die Datei %1 enthält nur die Kopfzeile.</translation>
    </message>
    <message numerus="yes">
        <source>Avanzamento di %n bambini esportato nel file %1.</source>
        <translation>
            <numerusform>Fortschritt von %n Kind in die Datei %1 exportiert.</numerusform>
            <numerusform>Fortschritt von %n Kindern in die Datei %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>A&amp;ggiorna le stime</source>
        <translation>S&amp;chätzungen aktualisieren</translation>
    </message>
    <message>
        <source>livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Calcolo delle stime in corso…</source>
        <translation>Die Schätzungen werden berechnet…</translation>
    </message>
    <message>
        <source>Stima di ciò che ha imparato, giorno per giorno</source>
        <translation>Schätzung des Gelernten, Tag für Tag</translation>
    </message>
    <message>
        <source>Nessuna stima nel periodo</source>
        <translation>Keine Schätzung im Zeitraum</translation>
    </message>
    <message>
        <source>Le ultime dieci prime risposte: %1</source>
        <translation>Die letzten zehn ersten Antworten: %1</translation>
    </message>
    <message>
        <source>esatta</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>errata</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>%1 (stima %2 su %3)</source>
        <translation>%1 (Schätzung %2 aus %3)</translation>
    </message>
    <message>
        <source>Che cosa ha imparato ciascun bambino</source>
        <translation>Was jedes Kind gelernt hat</translation>
    </message>
    <message>
        <source>Da tutte le prime risposte di ogni turno: «acquisito» quando la stima arriva a 0,95; «poche risposte» sotto le %1 risposte. Passare sopra una casella per la stima e il numero di risposte.</source>
        <translation>Aus der ersten Antwort jeder Runde: „beherrscht“, wenn die Schätzung 0,95 erreicht; „zu wenige Antworten“ unter %1 Antworten. Auf ein Feld zeigen für die Schätzung und die Zahl der Antworten.</translation>
    </message>
    <message>
        <source>Probabilità del modello adattate il %1.</source>
        <translation>Wahrscheinlichkeiten des Modells angepasst am %1.</translation>
    </message>
    <message>
        <source>Probabilità del modello predefinite.</source>
        <translation>Voreingestellte Wahrscheinlichkeiten des Modells.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato ciascun bambino&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Was jedes Kind gelernt hat&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Was gelernt wurde&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;livello&lt;/th&gt;&lt;th&gt;stima&lt;/th&gt;&lt;th&gt;risposte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Stufe&lt;/th&gt;&lt;th&gt;Schätzung&lt;/th&gt;&lt;th&gt;Antworten&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>poche risposte</source>
        <translation>zu wenige Antworten</translation>
    </message>
    <message>
        <source>non ancora</source>
        <translation>noch nicht</translation>
    </message>
    <message>
        <source>in via di acquisizione</source>
        <translation>im Aufbau</translation>
    </message>
    <message>
        <source>acquisito</source>
        <translation>beherrscht</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;gioco&lt;/th&gt;&lt;th&gt;domanda&lt;/th&gt;&lt;th&gt;blocchi&lt;/th&gt;&lt;th&gt;volte&lt;/th&gt;&lt;th&gt;l&apos;ultima risposta&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Spiel&lt;/th&gt;&lt;th&gt;Frage&lt;/th&gt;&lt;th&gt;Blöcke&lt;/th&gt;&lt;th&gt;Mal&lt;/th&gt;&lt;th&gt;letzte Antwort&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>the share right, then the first answers right (✓) and wrong (✗)</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n riprove dopo un errore</source>
        <translation>
            <numerusform>%n neuer Versuch nach einem Fehler</numerusform>
            <numerusform>%n neue Versuche nach einem Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n riprove</source>
        <translation>
            <numerusform>+%n neuer Versuch</numerusform>
            <numerusform>+%n neue Versuche</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — poche risposte</source>
        <translation>%1 — wenige Antworten</translation>
    </message>
    <message numerus="yes">
        <source>In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi tutte esatte); in grigio corsivo, senza colore, una quota di meno di %n risposte, che dice ancora poco. Un clic sul titolo di una colonna ordina le righe; un doppio clic su un bambino apre la sua scheda.</source>
        <translation>
            <numerusform>In jedem Feld: der Anteil richtiger Antworten, dann wie viele richtig (✓) und wie viele falsch (✗) waren, gezählt wird die erste Antwort jeder Runde. Die Farbe geht von Rot (wenige richtig) über Gelb (die Hälfte) zu Grün (fast alle richtig); grau und kursiv, ohne Farbe, ein Anteil aus weniger als %n Antwort, der noch wenig sagt. Ein Klick auf den Titel einer Spalte sortiert die Zeilen; ein Doppelklick auf ein Kind öffnet sein Blatt.</numerusform>
            <numerusform>In jedem Feld: der Anteil richtiger Antworten, dann wie viele richtig (✓) und wie viele falsch (✗) waren, gezählt wird die erste Antwort jeder Runde. Die Farbe geht von Rot (wenige richtig) über Gelb (die Hälfte) zu Grün (fast alle richtig); grau und kursiv, ohne Farbe, ein Anteil aus weniger als %n Antworten, der noch wenig sagt. Ein Klick auf den Titel einer Spalte sortiert die Zeilen; ein Doppelklick auf ein Kind öffnet sein Blatt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno, e le riprove dopo un errore. In grigio corsivo, senza colore, una quota di meno di %n risposte.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;In jedem Feld: der Anteil richtiger Antworten, dann wie viele richtig (✓) und wie viele falsch (✗) waren, gezählt wird die erste Antwort jeder Runde, und die neuen Versuche nach einem Fehler. Grau und kursiv, ohne Farbe, ein Anteil aus weniger als %n Antwort.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;In jedem Feld: der Anteil richtiger Antworten, dann wie viele richtig (✓) und wie viele falsch (✗) waren, gezählt wird die erste Antwort jeder Runde, und die neuen Versuche nach einem Fehler. Grau und kursiv, ohne Farbe, ein Anteil aus weniger als %n Antworten.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>meno di 1 min</source>
        <translation>weniger als 1 Min.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>l&apos;ultima risposta</source>
        <translation>letzte Antwort</translation>
    </message>
    <message>
        <source>Una nota sul bambino, per l&apos;insegnante soltanto.</source>
        <translation>Eine Notiz zum Kind, nur für die Lehrkraft.</translation>
    </message>
    <message>
        <source>&amp;Nota dell&apos;insegnante:</source>
        <translation>No&amp;tiz der Lehrkraft:</translation>
    </message>
    <message>
        <source>Sal&amp;va la nota</source>
        <translation>Notiz spei&amp;chern</translation>
    </message>
    <message>
        <source>Linee del grafico:</source>
        <translation>Linien des Diagramms:</translation>
    </message>
    <message>
        <source>La nota non è salvata: è lunga %1 caratteri, se ne tengono al massimo %2.</source>
        <translation>Die Notiz ist nicht gespeichert: Sie ist %1 Zeichen lang, höchstens %2 werden behalten.</translation>
    </message>
    <message>
        <source>La nota su %1 non è salvata: %2.</source>
        <translation>Die Notiz zu %1 ist nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>Nota salvata.</source>
        <translation>Notiz gespeichert.</translation>
    </message>
    <message>
        <source>Ha giocato l&apos;ultima volta %1; tempo di gioco nel periodo: %2.</source>
        <translation>Zuletzt gespielt am %1; Spielzeit im Zeitraum: %2.</translation>
    </message>
    <message>
        <source>Non ha giocato nel periodo.</source>
        <translation>Hat im Zeitraum nicht gespielt.</translation>
    </message>
    <message>
        <source>&amp;Il contrassegno (quelli già dati ad altri bambini non ci sono):</source>
        <translation>Das &amp;Zeichen (die schon anderen Kindern gegebenen fehlen):</translation>
    </message>
    <message>
        <source>Un &amp;bambino</source>
        <translation>Ein Ki&amp;nd</translation>
    </message>
    <message>
        <source>data_ora</source>
        <comment>a column of the CSV export</comment>
        <translation>Datum_Uhrzeit</translation>
    </message>
    <message>
        <source>bambino</source>
        <comment>a column of the CSV export</comment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>gioco</source>
        <comment>a column of the CSV export</comment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>domanda</source>
        <comment>a column of the CSV export</comment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>blocchi</source>
        <comment>a column of the CSV export</comment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>risposta</source>
        <comment>a column of the CSV export</comment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>esatta</source>
        <comment>a column of the CSV export</comment>
        <translation>richtig</translation>
    </message>
    <message>
        <source>millisecondi</source>
        <comment>a column of the CSV export</comment>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>e</source>
        <comment>joins the conditions of one question: rosso e grande</comment>
        <translation>und</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>B&amp;ambino:</source>
        <translation>K&amp;ind:</translation>
    </message>
    <message>
        <source>Nuo&amp;vo percorso...</source>
        <translation>Ne&amp;uer Lernweg...</translation>
    </message>
    <message>
        <source>D&amp;uplica</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Elimi&amp;na...</source>
        <translation>Lös&amp;chen...</translation>
    </message>
    <message>
        <source>I percorsi dell&amp;a classe:</source>
        <translation>Di&amp;e Lernwege der Klasse:</translation>
    </message>
    <message>
        <source>Chi gioca &amp;quale percorso:</source>
        <translation>&amp;Wer spielt welchen Lernweg:</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>Registro: %1</source>
        <translation>Klassenbuch: %1</translation>
    </message>
    <message>
        <source>Registro sul server %1</source>
        <translation>Klassenbuch auf dem Server %1</translation>
    </message>
</context>
<context>
    <name>Simboli</name>
    <message>
        <source>gatto</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>cane</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>orso</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>leone</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>rana</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>maiale</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>pulcino</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>pinguino</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>elefante</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>tartaruga</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>pesce</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>farfalla</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>chiocciola</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>fragola</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>uva</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>arancia</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>anguria</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>pera</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>carota</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>sole</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>luna</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>stella</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>girasole</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>albero</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>fungo</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>pallone</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>trenino</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>aereo</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>razzo</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>ombrello</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>chiave</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>campanella</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>palloncino</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>pacco regalo</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>casetta</source>
        <translation>Häuschen</translation>
    </message>
    <message>
        <source>tamburo</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>chitarra</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>matita</source>
        <translation>Bleistift</translation>
    </message>
</context>
</TS>

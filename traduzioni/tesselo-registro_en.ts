<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Insegnanti</name>
    <message>
        <source>Modifica bambino</source>
        <translation>Edit child</translation>
    </message>
    <message>
        <source>Nuovo bambino</source>
        <translation>New child</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>&amp;Cognome (facoltativo):</source>
        <translation>&amp;Surname (optional):</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Registro di Tesselo</source>
        <translation>Tesselo Register</translation>
    </message>
    <message>
        <source>&amp;La classe</source>
        <translation>T&amp;he class</translation>
    </message>
    <message>
        <source>I risul&amp;tati della classe</source>
        <translation>Class resul&amp;ts</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>Co&amp;mputers</translation>
    </message>
    <message>
        <source>&amp;Registro</source>
        <translation>Re&amp;gister</translation>
    </message>
    <message>
        <source>&amp;Importa una classe da un file CSV...</source>
        <translation>&amp;Import a class from a CSV file...</translation>
    </message>
    <message>
        <source>&amp;Esporta le risposte del periodo in CSV...</source>
        <translation>&amp;Export the period&apos;s answers to CSV...</translation>
    </message>
    <message>
        <source>&amp;Unisci il registro di un altro computer...</source>
        <translation>Merge &amp;another computer&apos;s register...</translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>E&amp;sci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Re&amp;soconti</source>
        <translation>&amp;Reports</translation>
    </message>
    <message>
        <source>Resoconto della &amp;classe in PDF...</source>
        <translation>&amp;Class report as PDF...</translation>
    </message>
    <message>
        <source>S&amp;tampa il resoconto della classe...</source>
        <translation>Print the class &amp;report...</translation>
    </message>
    <message>
        <source>Resoconto del &amp;bambino in PDF...</source>
        <translation>C&amp;hild&apos;s report as PDF...</translation>
    </message>
    <message>
        <source>Stampa il resoconto del ba&amp;mbino...</source>
        <translation>Print the chil&amp;d&apos;s report...</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Cancella le risposte di un &amp;bambino...</source>
        <translation>Delete a &amp;child&apos;s answers...</translation>
    </message>
    <message>
        <source>Cancella le risposte &amp;prima di una data...</source>
        <translation>Delete answers &amp;before a date...</translation>
    </message>
    <message>
        <source>%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). Riprovare con «Aggiorna».</source>
        <translation>%1 — it cannot be read, what is shown may be incomplete (%2). Try again with “Refresh”.</translation>
    </message>
    <message>
        <source>La classe non ha ancora nessun bambino.</source>
        <translation>The class has no children yet.</translation>
    </message>
    <message>
        <source>Esporta le risposte</source>
        <translation>Export the answers</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>register</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Unisci il registro di un altro computer</source>
        <translation>Merge another computer&apos;s register</translation>
    </message>
    <message>
        <source>Registro di Tesselo (*.sqlite);;Tutti i file (*)</source>
        <translation>Tesselo registers (*.sqlite);;All files (*)</translation>
    </message>
    <message>
        <source>Salva il resoconto in PDF</source>
        <translation>Save the report as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Resoconto salvato nel file %1.</source>
        <translation>Report saved in the file %1.</translation>
    </message>
    <message>
        <source>resoconto</source>
        <translation>report</translation>
    </message>
    <message>
        <source>classe</source>
        <translation>class</translation>
    </message>
    <message>
        <source>«%1» non ha nessuna risposta nel registro.</source>
        <translation>“%1” has no answers in the register.</translation>
    </message>
    <message>
        <source>Cancellare tutte le risposte di «%1»?

%2. Il bambino resta nella classe.</source>
        <translation>Delete all the answers of “%1”?

%2. The child stays in the class.</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima di quale giorno?</source>
        <translation>Delete the answers given before which day?</translation>
    </message>
    <message>
        <source>Non ci sono risposte date prima del %1.</source>
        <translation>There are no answers given before %1.</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima del %1?

%2, di tutti i bambini e degli ospiti.</source>
        <translation>Delete the answers given before %1?

%2, of all the children and of guests.</translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>Rimuo&amp;vi...</source>
        <translation>Remo&amp;ve...</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un bambino...</source>
        <translation>Add a &amp;child...</translation>
    </message>
    <message>
        <source>«%1» non è stato salvato: %2</source>
        <translation>“%1” was not saved: %2</translation>
    </message>
    <message>
        <source>Ogni contrassegno è già di un bambino della classe.</source>
        <translation>Every symbol already belongs to a child of the class.</translation>
    </message>
    <message>
        <source>Rimuovere «%1» dalla classe?

</source>
        <translation>Remove “%1” from the class?

</translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation>
            <numerusform>All their answers will be deleted too: %n answer.</numerusform>
            <numerusform>All their answers will be deleted too: %n answers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha ancora nessuna risposta nel registro.</source>
        <translation>They have no answers in the register yet.</translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>«%1» non è stato rimosso: %2</source>
        <translation>“%1” was not removed: %2</translation>
    </message>
    <message>
        <source>Importa una classe</source>
        <translation>Import a class</translation>
    </message>
    <message>
        <source>File CSV (*.csv *.CSV *.txt);;Tutti i file (*)</source>
        <translation>CSV files (*.csv *.CSV *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: %2</source>
        <translation>The file %1 was not imported: %2</translation>
    </message>
    <message>
        <source>Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.</source>
        <translation>No child added: those of the file %1 are all in the class already.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation>
            <numerusform>%n child added to the class from the file %1.</numerusform>
            <numerusform>%n children added to the class from the file %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Risposte esportate nel file %1.</source>
        <translation>Answers exported to the file %1.</translation>
    </message>
    <message>
        <source>Il file %1 non c&apos;è.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Il file %1 non è stato unito: %2</source>
        <translation>The file %1 was not merged: %2</translation>
    </message>
    <message>
        <source>%1 dal registro %2.</source>
        <translation>%1 from the register %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation>
            <numerusform>%n answer added</numerusform>
            <numerusform>%n answers added</numerusform>
        </translation>
    </message>
    <message>
        <source>non c&apos;è ancora</source>
        <translation>it does not exist yet</translation>
    </message>
    <message>
        <source>non si può scrivere</source>
        <translation>it cannot be written</translation>
    </message>
    <message>
        <source>è bloccato da un altro programma</source>
        <translation>it is locked by another program</translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation>it is damaged</translation>
    </message>
    <message>
        <source>è stato fatto da una versione più recente del programma</source>
        <translation>it was made by a newer version of the program</translation>
    </message>
    <message>
        <source>il server non risponde</source>
        <translation>the server does not answer</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2.</source>
        <translation>The register %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>sul server %1, database %2</source>
        <translation>on the server %1, database %2</translation>
    </message>
    <message>
        <source>di questo account</source>
        <translation>of this account</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>il server non risponde, o non accetta l&apos;utente %1 (%2)</source>
        <translation>the server does not answer, or does not accept the user %1 (%2)</translation>
    </message>
    <message>
        <source>sul server non c&apos;è un registro di Tesselo che l&apos;utente %1 possa leggere (%2)</source>
        <translation>the server has no Tesselo register that the user %1 may read (%2)</translation>
    </message>
    <message>
        <source>Il registro non si può aprire: %1 (in %2).</source>
        <translation>The register cannot be opened: %1 (in %2).</translation>
    </message>
    <message>
        <source>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Stampato il %4.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Period: %3. Printed on %4.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tesselo: resoconto della classe</source>
        <translation>Tesselo: class report</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;Bambino&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Child&lt;/th&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Risposte esatte ed errate&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Right and wrong answers&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;esatte&lt;/th&gt;&lt;th&gt;errate&lt;/th&gt;&lt;th&gt;quota esatte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;right&lt;/th&gt;&lt;th&gt;wrong&lt;/th&gt;&lt;th&gt;% correct&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h2&gt;Settimana per settimana (quota di risposte esatte)&lt;/h2&gt;</source>
        <translation>&lt;/table&gt;&lt;h2&gt;Week by week (% correct)&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No answers in the period.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;settimana dal&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;week from&lt;/th&gt;</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Le domande sbagliate più spesso&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;The questions most often answered wrongly&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta errata nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No wrong answers in the period.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Avanti</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Nel registro «%1», «%2» ha lo stesso codice di «%3» di questa classe, ma un altro nome. È lo stesso bambino?</source>
        <translation>In the register “%1”, “%2” has the code of “%3” of this class, but another name. Is it the same child?</translation>
    </message>
    <message>
        <source>Stesso bambino: unisci</source>
        <translation>Same child: merge</translation>
    </message>
    <message>
        <source>Due bambini: tieni separati</source>
        <translation>Two children: keep apart</translation>
    </message>
    <message>
        <source>uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
</source>
        <translation>usage: tesselo-registro [--lingua CODE] [--classe NAME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
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
        <translation>Without options it opens the class register in a window.
  --importa FILE.csv     adds to the class the children of a file from the
                         school office and writes how many it added
  --esporta FILE.csv     writes every answer of the class to a CSV file
  --unisci FILE.sqlite   adds the answers of another computer&apos;s register
  --classe NAME          the class the option applies to, by the name it has
                         on the class page; needed when the register has
                         several classes
  --lingua CODE          the program&apos;s language: %2; without,
                         that of tesselo.conf or of the system, else Italian
  --help                 shows this help
The register is %1
</translation>
    </message>
    <message>
        <source>il registro non ha classi</source>
        <translation>the register has no classes</translation>
    </message>
    <message>
        <source>la classe «%1» non è nel registro; le sue classi sono %2</source>
        <translation>the class “%1” is not in the register; its classes are %2</translation>
    </message>
    <message>
        <source>il registro ha più classi: scegline una con --classe NOME tra %1</source>
        <translation>the register has several classes: choose one with --classe NAME among %1</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>no answers</translation>
    </message>
    <message>
        <source>%1 e %2 (%3)</source>
        <translation>%1 and %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation>
            <numerusform>%n right</numerusform>
            <numerusform>%n right</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation>
            <numerusform>%n answer will be deleted</numerusform>
            <numerusform>%n answers will be deleted</numerusform>
        </translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>today</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>this week</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>this month</translation>
    </message>
    <message>
        <source>l&apos;anno scolastico</source>
        <translation>the school year</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <translation>the whole register</translation>
    </message>
    <message>
        <source>date a scelta</source>
        <translation>chosen dates</translation>
    </message>
    <message>
        <source>dal</source>
        <translation>from</translation>
    </message>
    <message>
        <source>al</source>
        <translation>to</translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>condizioni senza NON</source>
        <translation>conditions without NOT</translation>
    </message>
    <message>
        <source>condizioni con NON</source>
        <translation>conditions with NOT</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>right</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>quota esatte</source>
        <translation>% correct</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>game</translation>
    </message>
    <message>
        <source>domanda</source>
        <translation>question</translation>
    </message>
    <message>
        <source>blocchi</source>
        <translation>blocks</translation>
    </message>
    <message>
        <source>volte</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Le domande sbagliate più spesso</source>
        <translation>The questions most often answered wrongly</translation>
    </message>
    <message>
        <source>Nessuna risposta nel periodo</source>
        <translation>No answers in the period</translation>
    </message>
    <message>
        <source>Quota di risposte esatte, settimana per settimana</source>
        <translation>% correct, week by week</translation>
    </message>
    <message>
        <source>settimana dal lunedì</source>
        <translation>week from Monday</translation>
    </message>
    <message>
        <source>senza NON</source>
        <translation>without NOT</translation>
    </message>
    <message>
        <source>con NON</source>
        <translation>with NOT</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>guest</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Risposte in coda</source>
        <translation>Answers waiting</translation>
    </message>
    <message>
        <source>Ultimo contatto</source>
        <translation>Last contact</translation>
    </message>
    <message>
        <source>Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora.</source>
        <translation>Waiting answers are on that computer and not yet in the server&apos;s register: they arrive when the computer is on and reaches the server. The computers that still have some are at the top.</translation>
    </message>
    <message>
        <source>Nessun computer ha ancora inviato risposte al server.</source>
        <translation>No computer has sent answers to the server yet.</translation>
    </message>
    <message>
        <source>Tutti i computer hanno inviato le loro risposte.</source>
        <translation>Every computer has sent its answers.</translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation>
            <numerusform>%n computer still has answers waiting.</numerusform>
            <numerusform>%n computers still have answers waiting.</numerusform>
        </translation>
    </message>
    <message>
        <source>mai</source>
        <translation>never</translation>
    </message>
    <message>
        <source>oggi alle %1</source>
        <translation>today at %1</translation>
    </message>
    <message>
        <source>ieri alle %1</source>
        <translation>yesterday at %1</translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Il registro era danneggiato: è stato messo da parte come %1, e ne è stato cominciato uno nuovo.</source>
        <translation>The register was damaged: it was put aside as %1, and a new one was started.</translation>
    </message>
    <message>
        <source>Tesselo: resoconto di %1</source>
        <translation>Tesselo: report on %1</translation>
    </message>
    <message>
        <source>oggi, %1</source>
        <translation>today, %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <translation>on %1</translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>fino al %1</source>
        <translation>until %1</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>&amp;Controlla il registro</source>
        <translation>&amp;Check the register</translation>
    </message>
    <message>
        <source>Il registro è integro.</source>
        <translation>The register is whole.</translation>
    </message>
    <message>
        <source>Il registro è danneggiato (%1). Chiudere il gioco e riaprire il Registro di Tesselo: il file sarà messo da parte e ne sarà cominciato uno nuovo.</source>
        <translation>The register is damaged (%1). Close the game and open the Tesselo Register again: the file will be put aside and a new one begun.</translation>
    </message>
    <message>
        <source>Il registro non si può controllare: %1.</source>
        <translation>The register cannot be checked: %1.</translation>
    </message>
    <message>
        <source>Rinomina la classe</source>
        <translation>Rename the class</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>New class</translation>
    </message>
    <message>
        <source>&amp;Nome della classe:</source>
        <translation>&amp;Name of the class:</translation>
    </message>
    <message>
        <source>&amp;Anno scolastico:</source>
        <translation>School &amp;year:</translation>
    </message>
    <message>
        <source>Leggi le domande</source>
        <translation>Read the questions aloud</translation>
    </message>
    <message>
        <source>Ogni gioco dice la sua domanda a voce quando comincia un turno, per chi non sa ancora leggere.</source>
        <translation>Each game says its question aloud as a turn starts, for children who cannot read yet.</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico</source>
        <translation>New school year</translation>
    </message>
    <message>
        <source>Ogni classe spuntata passa all&apos;anno scolastico seguente con il nome scritto accanto, e tiene i suoi bambini e le loro risposte. Una classe non spuntata resta com&apos;è.</source>
        <translation>Each ticked class moves to the following school year with the name written beside it, and keeps its children and their answers. A class left unticked stays as it is.</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Nuovo nome</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>Anno scolastico</source>
        <translation>School year</translation>
    </message>
    <message>
        <source>Nuovo nome di %1</source>
        <translation>New name of %1</translation>
    </message>
    <message>
        <source>Passa al nuovo anno</source>
        <translation>Move to the new year</translation>
    </message>
    <message>
        <source>Scuola</source>
        <translation>School</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;New class...</translation>
    </message>
    <message>
        <source>Rino&amp;mina la classe...</source>
        <translation>Rena&amp;me the class...</translation>
    </message>
    <message>
        <source>Nuovo anno scolas&amp;tico...</source>
        <translation>New school &amp;year...</translation>
    </message>
    <message>
        <source>%1 — Registro di Tesselo</source>
        <translation>%1 — Tesselo Register</translation>
    </message>
    <message>
        <source>Sposta i&amp;n un&apos;altra classe...</source>
        <translation>Move to a&amp;nother class...</translation>
    </message>
    <message>
        <source>In quale classe spostare «%1»? Le sue risposte vanno con lui.</source>
        <translation>Which class should “%1” move to? Their answers go with them.</translation>
    </message>
    <message>
        <source>«%1» non è stato spostato: %2</source>
        <translation>“%1” was not moved: %2</translation>
    </message>
    <message>
        <source>Rinomina classe...</source>
        <translation>Rename class...</translation>
    </message>
    <message>
        <source>Nuova classe...</source>
        <translation>New class...</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico...</source>
        <translation>New school year...</translation>
    </message>
    <message>
        <source>Class&amp;e:</source>
        <translation>Cl&amp;ass:</translation>
    </message>
    <message>
        <source>«%1» non può passare al nuovo anno: %2</source>
        <translation>“%1” cannot move to the new year: %2</translation>
    </message>
    <message>
        <source>Il nuovo anno scolastico non è stato applicato, nessuna classe è cambiata: %1</source>
        <translation>The new school year was not applied, no class has changed: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</source>
        <translation>
            <numerusform>%n class moved to the new school year, with its children and their answers.</numerusform>
            <numerusform>%n classes moved to the new school year, with their children and their answers.</numerusform>
        </translation>
    </message>
    <message>
        <source>La classe «%1» non è stata salvata: %2</source>
        <translation>The class “%1” was not saved: %2</translation>
    </message>
    <message>
        <source>Assegna a...</source>
        <translation>Grant to...</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>Classe e utenti a cui è assegnata</source>
        <translation>Class and the users it is granted to</translation>
    </message>
    <message>
        <source>Crea classe...</source>
        <translation>Create class...</translation>
    </message>
    <message>
        <source>Non si riesce a leggere a chi sono assegnate le classi: %1</source>
        <translation>Cannot read whom the classes are granted to: %1</translation>
    </message>
    <message>
        <source>Ogni classe con gli utenti del server che la vedono: le insegnanti e i computer delle aule e del laboratorio.</source>
        <translation>Each class with the server&apos;s users who see it: the teachers and the computers of the classrooms and of the lab.</translation>
    </message>
    <message>
        <source>A quale utente del server assegnare la classe %1? Il nome con cui l&apos;insegnante o il computer accede al server:</source>
        <translation>Which user of the server should the class %1 be granted to? The name the teacher or the computer logs in to the server with:</translation>
    </message>
    <message>
        <source>La classe %1 non è stata assegnata a «%2»: %3</source>
        <translation>The class %1 was not granted to “%2”: %3</translation>
    </message>
    <message>
        <source>La classe %1 non è stata tolta a «%2»: %3</source>
        <translation>The class %1 was not taken back from “%2”: %3</translation>
    </message>
    <message>
        <source>riga %1: il file mescola UTF-8 e un&apos;altra codifica; salvalo di nuovo in UTF-8</source>
        <translation>line %1: the file mixes UTF-8 and another encoding; save it again as UTF-8</translation>
    </message>
    <message>
        <source>riga 1: il file è vuoto, manca l&apos;intestazione con Nome e Cognome</source>
        <translation>line 1: the file is empty, the header with First name and Surname is missing</translation>
    </message>
    <message>
        <source>Nome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>First name</translation>
    </message>
    <message>
        <source>Cognome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Surname</translation>
    </message>
    <message>
        <source>riga %1: manca la colonna %2</source>
        <translation>line %1: the column %2 is missing</translation>
    </message>
    <message>
        <source>riga %1: manca il nome</source>
        <translation>line %1: the first name is missing</translation>
    </message>
    <message>
        <source>riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno</source>
        <translation>line %1: the first name and the surname may have at most %2 characters each</translation>
    </message>
    <message>
        <source>riga %1: il nome del gruppo può avere al massimo %2 caratteri</source>
        <translation>line %1: the group&apos;s name may have at most %2 characters</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>scegli una classe</source>
        <translation>choose a class</translation>
    </message>
    <message>
        <source>i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto</source>
        <translation>there are more children than symbols (%1): none was added</translation>
    </message>
    <message>
        <source>«%1» come %2</source>
        <translation>“%1” as %2</translation>
    </message>
    <message>
        <source>Nome e cognome da controllare nella pagina della classe: %1.</source>
        <translation>First name and surname to check on the class page: %1.</translation>
    </message>
    <message>
        <source>Nomi e cognomi da controllare</source>
        <translation>First names and surnames to check</translation>
    </message>
    <message>
        <source>Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. Scegli il cognome di ciascuno; il resto è il nome.</source>
        <translation>In the file, these children have their surname and first name in one column, which can be split in more than one way. Choose each child&apos;s surname; the rest is the first name.</translation>
    </message>
    <message>
        <source>Nel file</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>(nessun cognome)</source>
        <translation>(no surname)</translation>
    </message>
    <message>
        <source>Cognome di «%1»</source>
        <translation>Surname of “%1”</translation>
    </message>
    <message>
        <source>&amp;Importa</source>
        <translation>&amp;Import</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini già nella classe sono passati al gruppo del file.</source>
        <translation>
            <numerusform>%n child already in the class moved to the group the file gives.</numerusform>
            <numerusform>%n children already in the class moved to the group the file gives.</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun gruppo</source>
        <translation>no group</translation>
    </message>
    <message>
        <source>&amp;Gruppo:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>&amp;Solo il percorso: gli altri giochi restano chiusi</source>
        <translation>&amp;Only the path: the other games stay closed</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un passo</source>
        <translation>&amp;Add a step</translation>
    </message>
    <message>
        <source>&amp;Togli il passo</source>
        <translation>&amp;Remove the step</translation>
    </message>
    <message>
        <source>S&amp;u</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>&amp;Giù</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>Nuovo percorso</source>
        <translation>New path</translation>
    </message>
    <message>
        <source>Modifica il percorso</source>
        <translation>Edit the path</translation>
    </message>
    <message>
        <source>Gioco</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Le risposte esatte che completano il passo</source>
        <translation>The right answers that complete the step</translation>
    </message>
    <message>
        <source>&amp;Obiettivo (facoltativo):</source>
        <translation>A&amp;im (optional):</translation>
    </message>
    <message>
        <source>I &amp;passi, nell&apos;ordine in cui il bambino li gioca:</source>
        <translation>The &amp;steps, in the order the child plays them:</translation>
    </message>
    <message>
        <source>Gioco del passo %1</source>
        <translation>Game of step %1</translation>
    </message>
    <message>
        <source>Esatte del passo %1</source>
        <translation>Right answers of step %1</translation>
    </message>
    <message>
        <source>Passo %1: %2 in gioco</source>
        <translation>Step %1: %2 in play</translation>
    </message>
    <message>
        <source>Su misura</source>
        <translation>Tailored</translation>
    </message>
    <message>
        <source>L&apos;attributo di ogni turno esce più spesso se il bambino non l&apos;ha ancora imparato</source>
        <translation>Each turn’s attribute comes up more often while the child has not learned it yet</translation>
    </message>
    <message>
        <source>Passo %1 su misura</source>
        <translation>Step %1 tailored</translation>
    </message>
    <message>
        <source>Nel gioco «%1» non si scelgono attributi.</source>
        <translation>In the game “%1” no attributes are chosen.</translation>
    </message>
    <message>
        <source>un altro percorso della classe si chiama già «%1»</source>
        <translation>another path of the class is already called “%1”</translation>
    </message>
    <message>
        <source>va scelto almeno un attributo</source>
        <translation>choose at least one attribute</translation>
    </message>
    <message>
        <source>Non si può ancora salvare: %1.</source>
        <translation>It cannot be saved yet: %1.</translation>
    </message>
    <message>
        <source>&amp;Percorsi</source>
        <translation>Path&amp;s</translation>
    </message>
    <message>
        <source>Gruppi della classe</source>
        <translation>Groups of the class</translation>
    </message>
    <message>
        <source>nel gruppo «%1»</source>
        <translation>in the group “%1”</translation>
    </message>
    <message>
        <source>Rinomina...</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>Rimuovi...</source>
        <translation>Remove...</translation>
    </message>
    <message>
        <source>Gruppi</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>N&amp;uovo gruppo...</source>
        <translation>New gro&amp;up...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n bambini)</source>
        <translation>
            <numerusform>%1 (%n child)</numerusform>
            <numerusform>%1 (%n children)</numerusform>
        </translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato salvato: %2</source>
        <translation>The group “%1” was not saved: %2</translation>
    </message>
    <message>
        <source>Il nome del nuovo gruppo (per esempio «piccoli», «mezzani», «grandi»):</source>
        <translation>The name of the new group (for example “little ones”, “middle ones”, “big ones”):</translation>
    </message>
    <message>
        <source>Il nuovo nome del gruppo «%1»:</source>
        <translation>The new name of the group “%1”:</translation>
    </message>
    <message>
        <source>Rimuovere il gruppo «%1»?

</source>
        <translation>Remove the group “%1”?

</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini del gruppo restano nella classe, senza gruppo.</source>
        <translation>
            <numerusform>The group&apos;s %n child stays in the class, in no group.</numerusform>
            <numerusform>The group&apos;s %n children stay in the class, in no group.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha nessun bambino.</source>
        <translation>It has no children.</translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato rimosso: %2</source>
        <translation>The group “%1” was not removed: %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato salvato: %2</source>
        <translation>The path “%1” was not saved: %2</translation>
    </message>
    <message>
        <source> (copia)</source>
        <translation> (copy)</translation>
    </message>
    <message>
        <source> (copia %1)</source>
        <translation> (copy %1)</translation>
    </message>
    <message>
        <source>Il percorso non è stato importato: %1</source>
        <translation>The path was not imported: %1</translation>
    </message>
    <message>
        <source>Percorso «%1» importato dal file «%2».</source>
        <translation>Path “%1” imported from the file “%2”.</translation>
    </message>
    <message>
        <source>Percorso importato dal file «%2» come «%1»: la classe ha già un percorso «%3».</source>
        <translation>Path imported from the file “%2” as “%1”: the class already has a path “%3”.</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato esportato: %2</source>
        <translation>The path “%1” was not exported: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» esportato nel file «%2».</source>
        <translation>Path “%1” exported to the file “%2”.</translation>
    </message>
    <message>
        <source>Gli esempi non ci sono: manca la cartella %1.</source>
        <translation>The examples are missing: there is no folder %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n percorsi di esempio aggiunti alla classe.</source>
        <translation>
            <numerusform>%n example path added to the class.</numerusform>
            <numerusform>%n example paths added to the class.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gli esempi sono già tutti nella classe.</source>
        <translation>The examples are all in the class already.</translation>
    </message>
    <message>
        <source>%1 Non sono stati importati:
%2</source>
        <translation>%1 Not imported:
%2</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Step %1</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte su %1</source>
        <translation>
            <numerusform>%n right of %1</numerusform>
            <numerusform>%n right of %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, fatto</source>
        <translation>%1, done</translation>
    </message>
    <message>
        <source>%1, il prossimo</source>
        <translation>%1, the next one</translation>
    </message>
    <message>
        <source>%1, passo %2 («%3»): %4</source>
        <translation>%1, step %2 (“%3”): %4</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Percorso assegnato</source>
        <translation>Path assigned</translation>
    </message>
    <message>
        <source>Percorso che gioca</source>
        <translation>Path played</translation>
    </message>
    <message>
        <source>&amp;Importa da un file...</source>
        <translation>&amp;Import from a file...</translation>
    </message>
    <message>
        <source>Esporta in un &amp;file...</source>
        <translation>Export to a &amp;file...</translation>
    </message>
    <message>
        <source>Importa &amp;gli esempi</source>
        <translation>Import the e&amp;xamples</translation>
    </message>
    <message>
        <source>I percorsi di esempio che il programma porta con sé, per bambini dai tre ai sette anni</source>
        <translation>The example paths that come with the program, for children aged three to seven</translation>
    </message>
    <message>
        <source>La classe non ha ancora percorsi: se ne crea uno nuovo, o si importano gli esempi.</source>
        <translation>The class has no paths yet: make a new one, or import the examples.</translation>
    </message>
    <message numerus="yes">
        <source>%n passi</source>
        <translation>
            <numerusform>%n step</numerusform>
            <numerusform>%n steps</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, solo il percorso</source>
        <translation>%1, only the path</translation>
    </message>
    <message>
        <source>Tutta la classe</source>
        <translation>The whole class</translation>
    </message>
    <message>
        <source>Gruppo «%1»</source>
        <translation>Group “%1”</translation>
    </message>
    <message>
        <source>Percorso assegnato a %1</source>
        <translation>Path assigned to %1</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 (del gruppo)</source>
        <translation>%1 (the group&apos;s)</translation>
    </message>
    <message>
        <source>%1 (della classe)</source>
        <translation>%1 (the class&apos;s)</translation>
    </message>
    <message>
        <source>L&apos;avanzamento dei bambini in un percorso: scegliere il percorso.</source>
        <translation>The children&apos;s progress on a path: choose the path.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento in «%1»: in ogni passo le risposte esatte su quelle che lo completano; ✓ un passo fatto, in grassetto il prossimo.</source>
        <translation>Progress on “%1”: in each step the right answers against those that complete it; ✓ a step done, the next one in bold.</translation>
    </message>
    <message>
        <source>Nessun bambino gioca «%1»: lo si assegna alla classe, a un gruppo o a un bambino.</source>
        <translation>No child plays “%1”: assign it to the class, a group or a child.</translation>
    </message>
    <message>
        <source>Il percorso non è stato assegnato: %1</source>
        <translation>The path was not assigned: %1</translation>
    </message>
    <message>
        <source>Eliminare il percorso «%1»?

</source>
        <translation>Delete the path “%1”?

</translation>
    </message>
    <message numerus="yes">
        <source>Lo giocano %n bambini: non lo giocheranno più.</source>
        <translation>
            <numerusform>%n child plays it: they will not play it any more.</numerusform>
            <numerusform>%n children play it: they will not play it any more.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le risposte date nel percorso restano nel registro.</source>
        <translation>The answers given on the path stay in the register.</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato eliminato: %2</source>
        <translation>The path “%1” was not deleted: %2</translation>
    </message>
    <message>
        <source>Importa un percorso</source>
        <translation>Import a path</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json);;Tutti i file (*)</source>
        <translation>Tesselo paths (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Esporta il percorso</source>
        <translation>Export the path</translation>
    </message>
    <message>
        <source>percorso</source>
        <translation>path</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json)</source>
        <translation>Tesselo paths (*.json)</translation>
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
        <translation>Without options it opens the class register in a window.
  --importa FILE.csv     adds to the class the children of a file from the
                         school office and writes how many it added
  --esporta FILE.csv     writes every answer of the class to a CSV file
  --unisci FILE.sqlite   adds the answers of another computer&apos;s register
  --importa-percorso FILE.json
                         adds to the class the path of a file and writes
                         its name
  --esporta-percorso NAME FILE.json
                         writes the class&apos;s path of that name to a file
  --assegna-percorso NAME --bambino &quot;FIRST-NAME SURNAME&quot;
  --assegna-percorso NAME --gruppo NAME
  --assegna-percorso NAME --tutta-la-classe
                         assigns the path to a child, to a group or to the
                         whole class
  --avanzamento FILE.csv writes to a CSV file how far each child has come on
                         their path, step by step
  --padronanza FILE.csv  writes to a CSV file, for each child and skill, the
                         estimate of how far it is learned, and its level
  --classe NAME          the class the option applies to, by the name it has
                         on the class page; needed when the register has
                         several classes
  --lingua CODE          the program&apos;s language: %2; without,
                         that of tesselo.conf or of the system, else Italian
  --help                 shows this help
The register is %1
</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] [--importa-percorso FILE.json | --esporta-percorso NOME FILE.json | --avanzamento FILE.csv]
     tesselo-registro [--lingua CODICE] [--classe NOME] --assegna-percorso NOME (--bambino &quot;NOME COGNOME&quot; | --gruppo NOME | --tutta-la-classe)
</source>
        <translation>       tesselo-registro [--lingua CODE] [--classe NAME] [--importa-percorso FILE.json | --esporta-percorso NAME FILE.json | --avanzamento FILE.csv]
       tesselo-registro [--lingua CODE] [--classe NAME] --assegna-percorso NAME (--bambino &quot;FIRST-NAME SURNAME&quot; | --gruppo NAME | --tutta-la-classe)
</translation>
    </message>
    <message>
        <source>la classe non ha gruppi</source>
        <translation>the class has no groups</translation>
    </message>
    <message>
        <source>la classe non ha un gruppo «%1»; i suoi gruppi sono %2</source>
        <translation>the class has no group “%1”; its groups are %2</translation>
    </message>
    <message>
        <source>nella classe nessun bambino si chiama «%1»</source>
        <translation>no child of the class is called “%1”</translation>
    </message>
    <message numerus="yes">
        <source>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</source>
        <translation>
            <numerusform>%n child of the class is called “%1”: give each a different name on the class page</numerusform>
            <numerusform>%n children of the class are called “%1”: give each a different name on the class page</numerusform>
        </translation>
    </message>
    <message>
        <source>la classe non ha percorsi</source>
        <translation>the class has no paths</translation>
    </message>
    <message>
        <source>la classe non ha un percorso «%1»; i suoi percorsi sono %2</source>
        <translation>the class has no path “%1”; its paths are %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato assegnato: %2</source>
        <translation>The path “%1” was not assigned: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a tutta la classe.</source>
        <translation>Path “%1” assigned to the whole class.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato al gruppo «%2».</source>
        <translation>Path “%1” assigned to the group “%2”.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a «%2».</source>
        <translation>Path “%1” assigned to “%2”.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento non è stato esportato: %1</source>
        <translation>The progress was not exported: %1</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] --padronanza FILE.csv
</source>
        <translation>       tesselo-registro [--lingua CODE] [--classe NAME] --padronanza FILE.csv
</translation>
    </message>
    <message>
        <source>Le stime non sono state esportate: %1</source>
        <translation>The estimates were not exported: %1</translation>
    </message>
    <message>
        <source>Stime della classe esportate nel file %1.</source>
        <translation>Estimates of the class exported to the file %1.</translation>
    </message>
    <message>
        <source>Nessun bambino della classe ha un percorso: nel file %1 c&apos;è solo l&apos;intestazione.</source>
        <translation>No child of the class has a path: the file %1 holds the header alone.</translation>
    </message>
    <message numerus="yes">
        <source>Avanzamento di %n bambini esportato nel file %1.</source>
        <translation>
            <numerusform>Progress of %n child exported to the file %1.</numerusform>
            <numerusform>Progress of %n children exported to the file %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>A&amp;ggiorna le stime</source>
        <translation>&amp;Update the estimates</translation>
    </message>
    <message>
        <source>livello</source>
        <translation>level</translation>
    </message>
    <message>
        <source>risposte</source>
        <translation>answers</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>day</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>answer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Calcolo delle stime in corso…</source>
        <translation>Computing the estimates…</translation>
    </message>
    <message>
        <source>Stima di ciò che ha imparato, giorno per giorno</source>
        <translation>Estimate of what has been learned, day by day</translation>
    </message>
    <message>
        <source>Nessuna stima nel periodo</source>
        <translation>No estimate in the period</translation>
    </message>
    <message>
        <source>Le ultime dieci prime risposte: %1</source>
        <translation>The last ten first answers: %1</translation>
    </message>
    <message>
        <source>esatta</source>
        <translation>right</translation>
    </message>
    <message>
        <source>errata</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>%1 (stima %2 su %3)</source>
        <translation>%1 (estimate %2 from %3)</translation>
    </message>
    <message>
        <source>Che cosa ha imparato ciascun bambino</source>
        <translation>What each child has learned</translation>
    </message>
    <message>
        <source>Da tutte le prime risposte di ogni turno: «acquisito» quando la stima arriva a 0,95; «poche risposte» sotto le %1 risposte. Passare sopra una casella per la stima e il numero di risposte.</source>
        <translation>From every turn&apos;s first answer: “mastered” when the estimate reaches 0.95; “too few answers” under %1 answers. Point at a cell for the estimate and the number of answers.</translation>
    </message>
    <message>
        <source>Probabilità del modello adattate il %1.</source>
        <translation>Model probabilities fitted on %1.</translation>
    </message>
    <message>
        <source>Probabilità del modello predefinite.</source>
        <translation>Default model probabilities.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato ciascun bambino&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;What each child has learned&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;What has been learned&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;livello&lt;/th&gt;&lt;th&gt;stima&lt;/th&gt;&lt;th&gt;risposte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;level&lt;/th&gt;&lt;th&gt;estimate&lt;/th&gt;&lt;th&gt;answers&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>poche risposte</source>
        <translation>too few answers</translation>
    </message>
    <message>
        <source>non ancora</source>
        <translation>not yet</translation>
    </message>
    <message>
        <source>in via di acquisizione</source>
        <translation>developing</translation>
    </message>
    <message>
        <source>acquisito</source>
        <translation>mastered</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;gioco&lt;/th&gt;&lt;th&gt;domanda&lt;/th&gt;&lt;th&gt;blocchi&lt;/th&gt;&lt;th&gt;volte&lt;/th&gt;&lt;th&gt;l&apos;ultima risposta&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;game&lt;/th&gt;&lt;th&gt;question&lt;/th&gt;&lt;th&gt;blocks&lt;/th&gt;&lt;th&gt;times&lt;/th&gt;&lt;th&gt;latest answer&lt;/th&gt;&lt;/tr&gt;</translation>
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
            <numerusform>%n retry after a wrong answer</numerusform>
            <numerusform>%n retries after a wrong answer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n riprove</source>
        <translation>
            <numerusform>+%n retry</numerusform>
            <numerusform>+%n retries</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — poche risposte</source>
        <translation>%1 — few answers</translation>
    </message>
    <message numerus="yes">
        <source>In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi tutte esatte); in grigio corsivo, senza colore, una quota di meno di %n risposte, che dice ancora poco. Un clic sul titolo di una colonna ordina le righe; un doppio clic su un bambino apre la sua scheda.</source>
        <translation>
            <numerusform>In each cell: the share of right answers, then how many were right (✓) and how many wrong (✗), counting each turn&apos;s first answer. The colour goes from red (few right) through yellow (half) to green (nearly all right); in grey italics, without colour, a share of fewer than %n answer, which says little yet. A click on a column&apos;s title sorts the rows; a double click on a child opens their page.</numerusform>
            <numerusform>In each cell: the share of right answers, then how many were right (✓) and how many wrong (✗), counting each turn&apos;s first answer. The colour goes from red (few right) through yellow (half) to green (nearly all right); in grey italics, without colour, a share of fewer than %n answers, which says little yet. A click on a column&apos;s title sorts the rows; a double click on a child opens their page.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno, e le riprove dopo un errore. In grigio corsivo, senza colore, una quota di meno di %n risposte.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;In each cell: the share of right answers, then how many were right (✓) and how many wrong (✗), counting each turn&apos;s first answer, and the retries after a wrong answer. In grey italics, without colour, a share of fewer than %n answer.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;In each cell: the share of right answers, then how many were right (✓) and how many wrong (✗), counting each turn&apos;s first answer, and the retries after a wrong answer. In grey italics, without colour, a share of fewer than %n answers.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>meno di 1 min</source>
        <translation>less than 1 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>l&apos;ultima risposta</source>
        <translation>latest answer</translation>
    </message>
    <message>
        <source>Una nota sul bambino, per l&apos;insegnante soltanto.</source>
        <translation>A note on the child, for the teacher only.</translation>
    </message>
    <message>
        <source>&amp;Nota dell&apos;insegnante:</source>
        <translation>Teacher&apos;s &amp;note:</translation>
    </message>
    <message>
        <source>Sal&amp;va la nota</source>
        <translation>Sa&amp;ve the note</translation>
    </message>
    <message>
        <source>Linee del grafico:</source>
        <translation>Lines of the chart:</translation>
    </message>
    <message>
        <source>La nota non è salvata: è lunga %1 caratteri, se ne tengono al massimo %2.</source>
        <translation>The note is not saved: it is %1 characters long, and at most %2 are kept.</translation>
    </message>
    <message>
        <source>La nota su %1 non è salvata: %2.</source>
        <translation>The note on %1 is not saved: %2.</translation>
    </message>
    <message>
        <source>Nota salvata.</source>
        <translation>Note saved.</translation>
    </message>
    <message>
        <source>Ha giocato l&apos;ultima volta %1; tempo di gioco nel periodo: %2.</source>
        <translation>Last played %1; time played in the period: %2.</translation>
    </message>
    <message>
        <source>Non ha giocato nel periodo.</source>
        <translation>Did not play in the period.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>&amp;Il contrassegno (quelli già dati ad altri bambini non ci sono):</source>
        <translation>&amp;The symbol (those already given to other children are not shown):</translation>
    </message>
    <message>
        <source>Un &amp;bambino</source>
        <translation>&amp;One child</translation>
    </message>
    <message>
        <source>data_ora</source>
        <comment>a column of the CSV export</comment>
        <translation>date_time</translation>
    </message>
    <message>
        <source>bambino</source>
        <comment>a column of the CSV export</comment>
        <translation>child</translation>
    </message>
    <message>
        <source>gioco</source>
        <comment>a column of the CSV export</comment>
        <translation>game</translation>
    </message>
    <message>
        <source>domanda</source>
        <comment>a column of the CSV export</comment>
        <translation>question</translation>
    </message>
    <message>
        <source>blocchi</source>
        <comment>a column of the CSV export</comment>
        <translation>blocks</translation>
    </message>
    <message>
        <source>risposta</source>
        <comment>a column of the CSV export</comment>
        <translation>answer</translation>
    </message>
    <message>
        <source>esatta</source>
        <comment>a column of the CSV export</comment>
        <translation>right</translation>
    </message>
    <message>
        <source>millisecondi</source>
        <comment>a column of the CSV export</comment>
        <translation>milliseconds</translation>
    </message>
    <message>
        <source>e</source>
        <comment>joins the conditions of one question: rosso e grande</comment>
        <translation>and</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>&amp;Period:</translation>
    </message>
    <message>
        <source>B&amp;ambino:</source>
        <translation>&amp;Child:</translation>
    </message>
    <message>
        <source>Nuo&amp;vo percorso...</source>
        <translation>&amp;New path...</translation>
    </message>
    <message>
        <source>D&amp;uplica</source>
        <translation>D&amp;uplicate</translation>
    </message>
    <message>
        <source>Elimi&amp;na...</source>
        <translation>De&amp;lete...</translation>
    </message>
    <message>
        <source>I percorsi dell&amp;a classe:</source>
        <translation>The &amp;class&apos;s paths:</translation>
    </message>
    <message>
        <source>Chi gioca &amp;quale percorso:</source>
        <translation>Who plays &amp;which path:</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>Registro: %1</source>
        <translation>Register: %1</translation>
    </message>
    <message>
        <source>Registro sul server %1</source>
        <translation>Register on the server %1</translation>
    </message>
</context>
<context>
    <name>Simboli</name>
    <message>
        <source>gatto</source>
        <translation>cat</translation>
    </message>
    <message>
        <source>cane</source>
        <translation>dog</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>rabbit</translation>
    </message>
    <message>
        <source>orso</source>
        <translation>bear</translation>
    </message>
    <message>
        <source>leone</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>rana</source>
        <translation>frog</translation>
    </message>
    <message>
        <source>maiale</source>
        <translation>pig</translation>
    </message>
    <message>
        <source>pulcino</source>
        <translation>chick</translation>
    </message>
    <message>
        <source>pinguino</source>
        <translation>penguin</translation>
    </message>
    <message>
        <source>elefante</source>
        <translation>elephant</translation>
    </message>
    <message>
        <source>tartaruga</source>
        <translation>tortoise</translation>
    </message>
    <message>
        <source>pesce</source>
        <translation>fish</translation>
    </message>
    <message>
        <source>farfalla</source>
        <translation>butterfly</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>ladybird</translation>
    </message>
    <message>
        <source>chiocciola</source>
        <translation>snail</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>apple</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banana</translation>
    </message>
    <message>
        <source>fragola</source>
        <translation>strawberry</translation>
    </message>
    <message>
        <source>uva</source>
        <translation>grapes</translation>
    </message>
    <message>
        <source>arancia</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cherries</translation>
    </message>
    <message>
        <source>anguria</source>
        <translation>watermelon</translation>
    </message>
    <message>
        <source>pera</source>
        <translation>pear</translation>
    </message>
    <message>
        <source>carota</source>
        <translation>carrot</translation>
    </message>
    <message>
        <source>sole</source>
        <translation>sun</translation>
    </message>
    <message>
        <source>luna</source>
        <translation>moon</translation>
    </message>
    <message>
        <source>stella</source>
        <translation>star</translation>
    </message>
    <message>
        <source>girasole</source>
        <translation>sunflower</translation>
    </message>
    <message>
        <source>albero</source>
        <translation>tree</translation>
    </message>
    <message>
        <source>fungo</source>
        <translation>mushroom</translation>
    </message>
    <message>
        <source>pallone</source>
        <translation>ball</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>car</translation>
    </message>
    <message>
        <source>trenino</source>
        <translation>little train</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>sailing boat</translation>
    </message>
    <message>
        <source>aereo</source>
        <translation>aeroplane</translation>
    </message>
    <message>
        <source>razzo</source>
        <translation>rocket</translation>
    </message>
    <message>
        <source>ombrello</source>
        <translation>umbrella</translation>
    </message>
    <message>
        <source>chiave</source>
        <translation>key</translation>
    </message>
    <message>
        <source>campanella</source>
        <translation>bell</translation>
    </message>
    <message>
        <source>palloncino</source>
        <translation>balloon</translation>
    </message>
    <message>
        <source>pacco regalo</source>
        <translation>present</translation>
    </message>
    <message>
        <source>casetta</source>
        <translation>little house</translation>
    </message>
    <message>
        <source>tamburo</source>
        <translation>drum</translation>
    </message>
    <message>
        <source>chitarra</source>
        <translation>guitar</translation>
    </message>
    <message>
        <source>matita</source>
        <translation>pencil</translation>
    </message>
</context>
</TS>

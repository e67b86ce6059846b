<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Insegnanti</name>
    <message>
        <source>Modifica bambino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo bambino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cognome (facoltativo):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il &amp;contrassegno (quelli già dati ad altri bambini non ci sono):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro di Tesselo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;La classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I risul&amp;tati della classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Un bambino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importa una classe da un file CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esporta le risposte del periodo in CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unisci il registro di un altro computer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;sci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;soconti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resoconto della &amp;classe in PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tampa il resoconto della classe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resoconto del &amp;bambino in PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa il resoconto del ba&amp;mbino...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella le risposte di un &amp;bambino...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella le risposte &amp;prima di una data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). Riprovare con «Aggiorna».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La classe non ha ancora nessun bambino.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta le risposte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unisci il registro di un altro computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro di Tesselo (*.sqlite);;Tutti i file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva il resoconto in PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resoconto salvato nel file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resoconto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» non ha nessuna risposta nel registro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancellare tutte le risposte di «%1»?

%2. Il bambino resta nella classe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima di quale giorno?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ci sono risposte date prima del %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima del %1?

%2, di tutti i bambini e degli ospiti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimuo&amp;vi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aggiungi un bambino...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» non è stato salvato: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogni contrassegno è già di un bambino della classe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimuovere «%1» dalla classe?

</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha ancora nessuna risposta nel registro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» non è stato rimosso: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa una classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File CSV (*.csv *.CSV *.txt);;Tutti i file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risposte esportate nel file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non c&apos;è.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non è stato unito: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dal registro %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>non c&apos;è ancora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non si può scrivere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è bloccato da un altro programma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è stato fatto da una versione più recente del programma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il server non risponde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sul server %1, database %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>di questo account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il server non risponde, o non accetta l&apos;utente %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sul server non c&apos;è un registro di Tesselo che l&apos;utente %1 possa leggere (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro non si può aprire: %1 (in %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Stampato il %4.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesselo: resoconto della classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;In ogni casella: risposte esatte / errate e la quota di esatte.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;Bambino&lt;/th&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Risposte esatte ed errate&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;esatte&lt;/th&gt;&lt;th&gt;errate&lt;/th&gt;&lt;th&gt;quota esatte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h2&gt;Settimana per settimana (quota di risposte esatte)&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta nel periodo.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;settimana dal&lt;/th&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Le domande sbagliate più spesso&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta errata nel periodo.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;gioco&lt;/th&gt;&lt;th&gt;domanda&lt;/th&gt;&lt;th&gt;blocchi&lt;/th&gt;&lt;th&gt;volte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avanti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uso: tesselo-registro [--lingua CODICE] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza opzioni apre il registro della classe in una finestra.
  --importa FILE.csv     aggiunge alla classe i bambini di un file della
                         segreteria e scrive quanti ne ha aggiunti
  --esporta FILE.csv     scrive ogni risposta del registro in un file CSV
  --unisci FILE.sqlite   aggiunge le risposte del registro di un altro computer
  --lingua CODICE        la lingua del programma: it, en, fr, es o de; senza,
                         quella di tesselo.conf o del sistema, altrimenti l&apos;italiano
  --help                 mostra questo aiuto
Il registro è %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 e %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>oggi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;anno scolastico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date a scelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>al</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>condizioni senza NON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>condizioni con NON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>esatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quota esatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gioco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>domanda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocchi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bambino:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le domande sbagliate più spesso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna risposta nel periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota di risposte esatte, settimana per settimana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settimana dal lunedì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>senza NON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>con NON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In ogni casella: risposte esatte / errate. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi tutte esatte). Un doppio clic su un bambino apre la sua scheda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ospite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risposte in coda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo contatto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun computer ha ancora inviato risposte al server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutti i computer hanno inviato le loro risposte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oggi alle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ieri alle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro era danneggiato: è stato messo da parte come %1, e ne è stato cominciato uno nuovo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesselo: resoconto di %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oggi, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fino al %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>Registro: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro sul server %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

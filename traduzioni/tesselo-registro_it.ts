<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Insegnanti</name>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation>
            <numerusform>Verranno cancellate anche tutte le sue risposte: %n risposta.</numerusform>
            <numerusform>Verranno cancellate anche tutte le sue risposte: %n risposte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation>
            <numerusform>%n bambino aggiunto alla classe dal file %1.</numerusform>
            <numerusform>%n bambini aggiunti alla classe dal file %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation>
            <numerusform>%n risposta aggiunta</numerusform>
            <numerusform>%n risposte aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation>
            <numerusform>%n esatta</numerusform>
            <numerusform>%n esatte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation>
            <numerusform>%n errata</numerusform>
            <numerusform>%n errate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation>
            <numerusform>Verrà cancellata %n risposta</numerusform>
            <numerusform>Verranno cancellate %n risposte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation>
            <numerusform>%n computer ha ancora risposte in coda.</numerusform>
            <numerusform>%n computer hanno ancora risposte in coda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</source>
        <translation>
            <numerusform>%n classe è passata al nuovo anno scolastico, con i suoi bambini e le loro risposte.</numerusform>
            <numerusform>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bambini già nella classe sono passati al gruppo del file.</source>
        <translation>
            <numerusform>%n bambino già nella classe è passato al gruppo del file.</numerusform>
            <numerusform>%n bambini già nella classe sono passati al gruppo del file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n bambini)</source>
        <translation>
            <numerusform>%1 (%n bambino)</numerusform>
            <numerusform>%1 (%n bambini)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bambini del gruppo restano nella classe, senza gruppo.</source>
        <translation>
            <numerusform>%n bambino del gruppo resta nella classe, senza gruppo.</numerusform>
            <numerusform>%n bambini del gruppo restano nella classe, senza gruppo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n percorsi di esempio aggiunti alla classe.</source>
        <translation>
            <numerusform>%n percorso di esempio aggiunto alla classe.</numerusform>
            <numerusform>%n percorsi di esempio aggiunti alla classe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n esatte su %1</source>
        <translation>
            <numerusform>%n esatta su %1</numerusform>
            <numerusform>%n esatte su %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n passi</source>
        <translation>
            <numerusform>%n passo</numerusform>
            <numerusform>%n passi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lo giocano %n bambini: non lo giocheranno più.</source>
        <translation>
            <numerusform>Lo gioca %n bambino: non lo giocherà più.</numerusform>
            <numerusform>Lo giocano %n bambini: non lo giocheranno più.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</source>
        <translation>
            <numerusform>nella classe %n bambino si chiama «%1»: dai a ognuno un nome diverso nella pagina della classe</numerusform>
            <numerusform>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Avanzamento di %n bambini esportato nel file %1.</source>
        <translation>
            <numerusform>Avanzamento di %n bambino esportato nel file %1.</numerusform>
            <numerusform>Avanzamento di %n bambini esportato nel file %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n risposte</source>
        <translation>
            <numerusform>%n risposta</numerusform>
            <numerusform>%n risposte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n riprove dopo un errore</source>
        <translation>
            <numerusform>%n riprova dopo un errore</numerusform>
            <numerusform>%n riprove dopo un errore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n riprove</source>
        <translation>
            <numerusform>+%n riprova</numerusform>
            <numerusform>+%n riprove</numerusform>
        </translation>
    </message>
</context>
</TS>

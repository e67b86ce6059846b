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
</context>
</TS>

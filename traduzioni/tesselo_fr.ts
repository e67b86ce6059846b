<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Giochi</name>
    <message>
        <source>uguale - diverso</source>
        <translation>pareil - différent</translation>
    </message>
    <message>
        <source>insiemi</source>
        <translation>ensembles</translation>
    </message>
    <message>
        <source>quanti sono ?</source>
        <translation>combien ?</translation>
    </message>
    <message>
        <source>trova il blocco</source>
        <translation>trouve le bloc</translation>
    </message>
    <message>
        <source>le strade 1</source>
        <translation>les routes 1</translation>
    </message>
    <message>
        <source>le strade 2</source>
        <translation>les routes 2</translation>
    </message>
    <message>
        <source>tabella</source>
        <translation>tableau</translation>
    </message>
    <message>
        <source>Cosa cambia?</source>
        <translation>Qu&apos;est-ce qui change ?</translation>
    </message>
    <message>
        <source>Cosa resta uguale?</source>
        <translation>Qu&apos;est-ce qui reste pareil ?</translation>
    </message>
</context>
<context>
    <name>Lettere</name>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>T</translation>
    </message>
    <message>
        <source>S</source>
        <translation>E</translation>
    </message>
    <message>
        <source>N</source>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>Parole</name>
    <message>
        <source>rotondo</source>
        <translation>rond</translation>
    </message>
    <message>
        <source>quadrato</source>
        <translation>carré</translation>
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
        <translation>rouge</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>grande</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>piccolo</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>spesso</source>
        <translation>épais</translation>
    </message>
    <message>
        <source>sottile</source>
        <translation>mince</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>forme</translation>
    </message>
    <message>
        <source>colore</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>dimensione</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>spessore</source>
        <translation>épaisseur</translation>
    </message>
    <message>
        <source>niente</source>
        <translation>rien</translation>
    </message>
</context>
<context>
    <name>Tesselo</name>
    <message>
        <source>passo %1 di %2</source>
        <translation>étape %1 sur %2</translation>
    </message>
    <message>
        <source>, fatto</source>
        <translation>, faite</translation>
    </message>
    <message>
        <source>, il prossimo</source>
        <translation>, la prochaine</translation>
    </message>
    <message>
        <source>Ben fatto!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Veux-tu quitter le programme ?</translation>
    </message>
    <message>
        <source>giusto</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>sbagliato</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>Controllo automatico?</source>
        <translation>Contrôle automatique ?</translation>
    </message>
    <message>
        <source>controlla automaticamente</source>
        <translation>contrôler automatiquement</translation>
    </message>
    <message>
        <source>usa bottone FATTO</source>
        <translation>utiliser le bouton FINI</translation>
    </message>
    <message>
        <source>insieme</source>
        <translation>ensemble</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>DIVERSA</source>
        <translation>DIFFÉRENTE</translation>
    </message>
    <message>
        <source>DIVERSO</source>
        <translation>DIFFÉRENTE</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>UGUALE</source>
        <translation>PAREILLE</translation>
    </message>
    <message>
        <source>DIVERSI</source>
        <translation>DIFFÉRENTS</translation>
    </message>
    <message>
        <source>ricomincia</source>
        <translation>recommence</translation>
    </message>
    <message>
        <source>Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli</source>
        <translation>Tu peux cliquer sur les blocs qui ne vont pas avec la condition pour les enlever</translation>
    </message>
    <message>
        <source>Suono?</source>
        <translation>Son ?</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Tipo aiuto</source>
        <translation>Type d&apos;aide</translation>
    </message>
    <message>
        <source>caselle colorate</source>
        <translation>cases colorées</translation>
    </message>
    <message>
        <source>strade</source>
        <translation>routes</translation>
    </message>
    <message>
        <source>aiuto</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>NON %1</source>
        <extracomment>A condition&apos;s negation as the roads and the table write it: &quot;NON ROSSO&quot;.</extracomment>
        <translation>PAS %1</translation>
    </message>
    <message>
        <source>avanti</source>
        <translation>suivant</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the start screen writes its date, in QDate&apos;s format: &quot;8 dicembre 2026&quot;.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Chi gioca?</source>
        <translation>Qui joue ?</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>invité</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>esatti</source>
        <translation>justes</translation>
    </message>
    <message>
        <source>errati</source>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Veux-tu revenir au menu ?</translation>
    </message>
    <message>
        <source>Suoni attivati</source>
        <translation>Sons activés</translation>
    </message>
    <message>
        <source>FINE</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>Licenza GNU GPL, versione 3 o successiva</source>
        <translation>Licence GNU GPL, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE</source>
        <translation>CLIQUE SUR UN BOUTON POUR LANCER UN JEU OU POUR TERMINER</translation>
    </message>
    <message>
        <source>Quale classe?</source>
        <translation>Quelle classe ?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Insegnanti</name>
    <message>
        <source>Modifica bambino</source>
        <translation>Modifier l&apos;enfant</translation>
    </message>
    <message>
        <source>Nuovo bambino</source>
        <translation>Nouvel enfant</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Prénom :</translation>
    </message>
    <message>
        <source>&amp;Cognome (facoltativo):</source>
        <translation>&amp;Nom (facultatif) :</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Registro di Tesselo</source>
        <translation>Registre de Tesselo</translation>
    </message>
    <message>
        <source>&amp;La classe</source>
        <translation>&amp;La classe</translation>
    </message>
    <message>
        <source>I risul&amp;tati della classe</source>
        <translation>Les résul&amp;tats de la classe</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>&amp;Ordinateurs</translation>
    </message>
    <message>
        <source>&amp;Registro</source>
        <translation>Re&amp;gistre</translation>
    </message>
    <message>
        <source>&amp;Importa una classe da un file CSV...</source>
        <translation>&amp;Importer une classe d&apos;un fichier CSV...</translation>
    </message>
    <message>
        <source>&amp;Esporta le risposte del periodo in CSV...</source>
        <translation>E&amp;xporter les réponses de la période en CSV...</translation>
    </message>
    <message>
        <source>&amp;Unisci il registro di un altro computer...</source>
        <translation>&amp;Fusionner le registre d&apos;un autre ordinateur...</translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>E&amp;sci</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Re&amp;soconti</source>
        <translation>&amp;Bilans</translation>
    </message>
    <message>
        <source>Resoconto della &amp;classe in PDF...</source>
        <translation>Bilan de la &amp;classe en PDF...</translation>
    </message>
    <message>
        <source>S&amp;tampa il resoconto della classe...</source>
        <translation>Imprimer le bilan de la cla&amp;sse...</translation>
    </message>
    <message>
        <source>Resoconto del &amp;bambino in PDF...</source>
        <translation>Bilan de l&apos;&amp;enfant en PDF...</translation>
    </message>
    <message>
        <source>Stampa il resoconto del ba&amp;mbino...</source>
        <translation>Imprimer le bilan de l&apos;e&amp;nfant...</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>Cancella le risposte di un &amp;bambino...</source>
        <translation>Effacer les réponses d&apos;un &amp;enfant...</translation>
    </message>
    <message>
        <source>Cancella le risposte &amp;prima di una data...</source>
        <translation>Effacer les réponses &amp;avant une date...</translation>
    </message>
    <message>
        <source>%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). Riprovare con «Aggiorna».</source>
        <translation>%1 — impossible de le lire, ce qui est affiché peut être incomplet (%2). Réessayer avec « Actualiser ».</translation>
    </message>
    <message>
        <source>La classe non ha ancora nessun bambino.</source>
        <translation>La classe n&apos;a encore aucun enfant.</translation>
    </message>
    <message>
        <source>Esporta le risposte</source>
        <translation>Exporter les réponses</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>registre</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unisci il registro di un altro computer</source>
        <translation>Fusionner le registre d&apos;un autre ordinateur</translation>
    </message>
    <message>
        <source>Registro di Tesselo (*.sqlite);;Tutti i file (*)</source>
        <translation>Registres de Tesselo (*.sqlite);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Salva il resoconto in PDF</source>
        <translation>Enregistrer le bilan en PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Resoconto salvato nel file %1.</source>
        <translation>Bilan enregistré dans le fichier %1.</translation>
    </message>
    <message>
        <source>resoconto</source>
        <translation>bilan</translation>
    </message>
    <message>
        <source>classe</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>«%1» non ha nessuna risposta nel registro.</source>
        <translation>« %1 » n&apos;a aucune réponse dans le registre.</translation>
    </message>
    <message>
        <source>Cancellare tutte le risposte di «%1»?

%2. Il bambino resta nella classe.</source>
        <translation>Effacer toutes les réponses de « %1 » ?

%2. L&apos;enfant reste dans la classe.</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima di quale giorno?</source>
        <translation>Effacer les réponses données avant quel jour ?</translation>
    </message>
    <message>
        <source>Non ci sono risposte date prima del %1.</source>
        <translation>Il n&apos;y a pas de réponses données avant le %1.</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima del %1?

%2, di tutti i bambini e degli ospiti.</source>
        <translation>Effacer les réponses données avant le %1 ?

%2, de tous les enfants et des invités.</translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Rimuo&amp;vi...</source>
        <translation>&amp;Retirer...</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un bambino...</source>
        <translation>&amp;Ajouter un enfant...</translation>
    </message>
    <message>
        <source>«%1» non è stato salvato: %2</source>
        <translation>« %1 » n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source>Ogni contrassegno è già di un bambino della classe.</source>
        <translation>Chaque symbole est déjà celui d&apos;un enfant de la classe.</translation>
    </message>
    <message>
        <source>Rimuovere «%1» dalla classe?

</source>
        <translation>Retirer « %1 » de la classe ?

</translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation>
            <numerusform>Toutes ses réponses seront aussi effacées : %n réponse.</numerusform>
            <numerusform>Toutes ses réponses seront aussi effacées : %n réponses.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha ancora nessuna risposta nel registro.</source>
        <translation>Il n&apos;a encore aucune réponse dans le registre.</translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>«%1» non è stato rimosso: %2</source>
        <translation>« %1 » n&apos;a pas été retiré : %2</translation>
    </message>
    <message>
        <source>Importa una classe</source>
        <translation>Importer une classe</translation>
    </message>
    <message>
        <source>File CSV (*.csv *.CSV *.txt);;Tutti i file (*)</source>
        <translation>Fichiers CSV (*.csv *.CSV *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: %2</source>
        <translation>Le fichier %1 n&apos;a pas été importé : %2</translation>
    </message>
    <message>
        <source>Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.</source>
        <translation>Aucun enfant ajouté : ceux du fichier %1 sont déjà tous dans la classe.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation>
            <numerusform>%n enfant ajouté à la classe depuis le fichier %1.</numerusform>
            <numerusform>%n enfants ajoutés à la classe depuis le fichier %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Risposte esportate nel file %1.</source>
        <translation>Réponses exportées dans le fichier %1.</translation>
    </message>
    <message>
        <source>Il file %1 non c&apos;è.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Il file %1 non è stato unito: %2</source>
        <translation>Le fichier %1 n&apos;a pas été fusionné : %2</translation>
    </message>
    <message>
        <source>%1 dal registro %2.</source>
        <translation>%1 depuis le registre %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation>
            <numerusform>%n réponse ajoutée</numerusform>
            <numerusform>%n réponses ajoutées</numerusform>
        </translation>
    </message>
    <message>
        <source>non c&apos;è ancora</source>
        <translation>il n&apos;existe pas encore</translation>
    </message>
    <message>
        <source>non si può scrivere</source>
        <translation>il n&apos;est pas possible d&apos;y écrire</translation>
    </message>
    <message>
        <source>è bloccato da un altro programma</source>
        <translation>il est bloqué par un autre programme</translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>è stato fatto da una versione più recente del programma</source>
        <translation>il a été créé par une version plus récente du programme</translation>
    </message>
    <message>
        <source>il server non risponde</source>
        <translation>le serveur ne répond pas</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2.</source>
        <translation>Impossible d&apos;ouvrir le registre %1 : %2.</translation>
    </message>
    <message>
        <source>sul server %1, database %2</source>
        <translation>sur le serveur %1, base de données %2</translation>
    </message>
    <message>
        <source>di questo account</source>
        <translation>de ce compte</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>il server non risponde, o non accetta l&apos;utente %1 (%2)</source>
        <translation>le serveur ne répond pas, ou n&apos;accepte pas l&apos;utilisateur %1 (%2)</translation>
    </message>
    <message>
        <source>sul server non c&apos;è un registro di Tesselo che l&apos;utente %1 possa leggere (%2)</source>
        <translation>le serveur n&apos;a pas de registre de Tesselo que l&apos;utilisateur %1 puisse lire (%2)</translation>
    </message>
    <message>
        <source>Il registro non si può aprire: %1 (in %2).</source>
        <translation>Impossible d&apos;ouvrir le registre : %1 (dans %2).</translation>
    </message>
    <message>
        <source>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Stampato il %4.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Période : %3. Imprimé le %4.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tesselo: resoconto della classe</source>
        <translation>Tesselo : bilan de la classe</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;Bambino&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Enfant&lt;/th&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Risposte esatte ed errate&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Réponses justes et fausses&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;esatte&lt;/th&gt;&lt;th&gt;errate&lt;/th&gt;&lt;th&gt;quota esatte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;justes&lt;/th&gt;&lt;th&gt;fausses&lt;/th&gt;&lt;th&gt;taux de réussite&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h2&gt;Settimana per settimana (quota di risposte esatte)&lt;/h2&gt;</source>
        <translation>&lt;/table&gt;&lt;h2&gt;Semaine par semaine (taux de réussite)&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aucune réponse dans la période.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;settimana dal&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;semaine du&lt;/th&gt;</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Le domande sbagliate più spesso&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Les questions le plus souvent ratées&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta errata nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aucune réponse fausse dans la période.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Avanti</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Nel registro «%1», «%2» ha lo stesso codice di «%3» di questa classe, ma un altro nome. È lo stesso bambino?</source>
        <translation>Dans le registre « %1 », « %2 » a le code de « %3 » de cette classe, mais un autre nom. Est-ce le même enfant ?</translation>
    </message>
    <message>
        <source>Stesso bambino: unisci</source>
        <translation>Même enfant : fusionner</translation>
    </message>
    <message>
        <source>Due bambini: tieni separati</source>
        <translation>Deux enfants : garder séparés</translation>
    </message>
    <message>
        <source>uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
</source>
        <translation>usage : tesselo-registro [--lingua CODE] [--classe NOM] [--importa FICHIER.csv | --esporta FICHIER.csv | --unisci FICHIER.sqlite]
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
        <translation>Sans option, ouvre le registre de la classe dans une fenêtre.
  --importa FICHIER.csv     ajoute à la classe les enfants d&apos;un fichier du
                            secrétariat et écrit combien il en a ajouté
  --esporta FICHIER.csv     écrit chaque réponse de la classe dans un fichier CSV
  --unisci FICHIER.sqlite   ajoute les réponses du registre d&apos;un autre ordinateur
  --classe NOM              la classe à laquelle l&apos;option s&apos;applique, sous le nom
                            qu&apos;elle a sur la page de la classe ; nécessaire quand
                            le registre a plusieurs classes
  --lingua CODE             la langue du programme : %2 ; sans,
                            celle de tesselo.conf ou du système, sinon l&apos;italien
  --help                    affiche cette aide
Le registre est %1
</translation>
    </message>
    <message>
        <source>il registro non ha classi</source>
        <translation>le registre n&apos;a pas de classes</translation>
    </message>
    <message>
        <source>la classe «%1» non è nel registro; le sue classi sono %2</source>
        <translation>la classe « %1 » n&apos;est pas dans le registre ; ses classes sont %2</translation>
    </message>
    <message>
        <source>il registro ha più classi: scegline una con --classe NOME tra %1</source>
        <translation>le registre a plusieurs classes : choisissez-en une avec --classe NOM parmi %1</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>%1 e %2 (%3)</source>
        <translation>%1 et %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation>
            <numerusform>%n juste</numerusform>
            <numerusform>%n justes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation>
            <numerusform>%n fausse</numerusform>
            <numerusform>%n fausses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation>
            <numerusform>%n réponse sera effacée</numerusform>
            <numerusform>%n réponses seront effacées</numerusform>
        </translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>ce mois-ci</translation>
    </message>
    <message>
        <source>l&apos;anno scolastico</source>
        <translation>l&apos;année scolaire</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <translation>tout le registre</translation>
    </message>
    <message>
        <source>date a scelta</source>
        <translation>dates au choix</translation>
    </message>
    <message>
        <source>dal</source>
        <translation>du</translation>
    </message>
    <message>
        <source>al</source>
        <translation>au</translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>condizioni senza NON</source>
        <translation>conditions sans PAS</translation>
    </message>
    <message>
        <source>condizioni con NON</source>
        <translation>conditions avec PAS</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>justes</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>fausses</translation>
    </message>
    <message>
        <source>quota esatte</source>
        <translation>taux de réussite</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>domanda</source>
        <translation>question</translation>
    </message>
    <message>
        <source>blocchi</source>
        <translation>blocs</translation>
    </message>
    <message>
        <source>volte</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Le domande sbagliate più spesso</source>
        <translation>Les questions le plus souvent ratées</translation>
    </message>
    <message>
        <source>Nessuna risposta nel periodo</source>
        <translation>Aucune réponse dans la période</translation>
    </message>
    <message>
        <source>Quota di risposte esatte, settimana per settimana</source>
        <translation>Taux de réussite, semaine par semaine</translation>
    </message>
    <message>
        <source>settimana dal lunedì</source>
        <translation>semaine du lundi</translation>
    </message>
    <message>
        <source>senza NON</source>
        <translation>sans PAS</translation>
    </message>
    <message>
        <source>con NON</source>
        <translation>avec PAS</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>invité</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Risposte in coda</source>
        <translation>Réponses en attente</translation>
    </message>
    <message>
        <source>Ultimo contatto</source>
        <translation>Dernier contact</translation>
    </message>
    <message>
        <source>Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora.</source>
        <translation>Les réponses en attente sont sur cet ordinateur et pas encore dans le registre du serveur : elles arrivent quand l&apos;ordinateur est allumé et atteint le serveur. En haut, les ordinateurs qui en ont encore.</translation>
    </message>
    <message>
        <source>Nessun computer ha ancora inviato risposte al server.</source>
        <translation>Aucun ordinateur n&apos;a encore envoyé de réponses au serveur.</translation>
    </message>
    <message>
        <source>Tutti i computer hanno inviato le loro risposte.</source>
        <translation>Tous les ordinateurs ont envoyé leurs réponses.</translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation>
            <numerusform>%n ordinateur a encore des réponses en attente.</numerusform>
            <numerusform>%n ordinateurs ont encore des réponses en attente.</numerusform>
        </translation>
    </message>
    <message>
        <source>mai</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>oggi alle %1</source>
        <translation>aujourd&apos;hui à %1</translation>
    </message>
    <message>
        <source>ieri alle %1</source>
        <translation>hier à %1</translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Il registro era danneggiato: è stato messo da parte come %1, e ne è stato cominciato uno nuovo.</source>
        <translation>Le registre était endommagé : il a été mis de côté sous le nom %1, et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>Tesselo: resoconto di %1</source>
        <translation>Tesselo : bilan de %1</translation>
    </message>
    <message>
        <source>oggi, %1</source>
        <translation>aujourd&apos;hui, %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation>depuis le %1</translation>
    </message>
    <message>
        <source>fino al %1</source>
        <translation>jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>&amp;Controlla il registro</source>
        <translation>&amp;Vérifier le registre</translation>
    </message>
    <message>
        <source>Il registro è integro.</source>
        <translation>Le registre est intact.</translation>
    </message>
    <message>
        <source>Il registro è danneggiato (%1). Chiudere il gioco e riaprire il Registro di Tesselo: il file sarà messo da parte e ne sarà cominciato uno nuovo.</source>
        <translation>Le registre est endommagé (%1). Fermez le jeu et rouvrez le Registre de Tesselo : le fichier sera mis de côté et un nouveau sera commencé.</translation>
    </message>
    <message>
        <source>Il registro non si può controllare: %1.</source>
        <translation>Le registre ne peut pas être vérifié : %1.</translation>
    </message>
    <message>
        <source>Rinomina la classe</source>
        <translation>Renommer la classe</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Nouvelle classe</translation>
    </message>
    <message>
        <source>&amp;Nome della classe:</source>
        <translation>&amp;Nom de la classe :</translation>
    </message>
    <message>
        <source>&amp;Anno scolastico:</source>
        <translation>&amp;Année scolaire :</translation>
    </message>
    <message>
        <source>Leggi le domande</source>
        <translation>Lire les questions à voix haute</translation>
    </message>
    <message>
        <source>Ogni gioco dice la sua domanda a voce quando comincia un turno, per chi non sa ancora leggere.</source>
        <translation>Chaque jeu dit sa question à voix haute au début d&apos;un tour, pour les enfants qui ne savent pas encore lire.</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico</source>
        <translation>Nouvelle année scolaire</translation>
    </message>
    <message>
        <source>Ogni classe spuntata passa all&apos;anno scolastico seguente con il nome scritto accanto, e tiene i suoi bambini e le loro risposte. Una classe non spuntata resta com&apos;è.</source>
        <translation>Chaque classe cochée passe à l&apos;année scolaire suivante avec le nom écrit à côté, et garde ses enfants et leurs réponses. Une classe non cochée reste telle quelle.</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Nuovo nome</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Anno scolastico</source>
        <translation>Année scolaire</translation>
    </message>
    <message>
        <source>Nuovo nome di %1</source>
        <translation>Nouveau nom de %1</translation>
    </message>
    <message>
        <source>Passa al nuovo anno</source>
        <translation>Passer à la nouvelle année</translation>
    </message>
    <message>
        <source>Scuola</source>
        <translation>École</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Nouvelle classe...</translation>
    </message>
    <message>
        <source>Rino&amp;mina la classe...</source>
        <translation>Reno&amp;mmer la classe...</translation>
    </message>
    <message>
        <source>Nuovo anno scolas&amp;tico...</source>
        <translation>Nouvelle année scolaire (&amp;t)...</translation>
    </message>
    <message>
        <source>%1 — Registro di Tesselo</source>
        <translation>%1 — Registre de Tesselo</translation>
    </message>
    <message>
        <source>Sposta i&amp;n un&apos;altra classe...</source>
        <translation>Déplacer dans une autre classe...</translation>
    </message>
    <message>
        <source>In quale classe spostare «%1»? Le sue risposte vanno con lui.</source>
        <translation>Dans quelle classe déplacer « %1 » ? Ses réponses le suivent.</translation>
    </message>
    <message>
        <source>«%1» non è stato spostato: %2</source>
        <translation>« %1 » n&apos;a pas été déplacé : %2</translation>
    </message>
    <message>
        <source>Rinomina classe...</source>
        <translation>Renommer la classe...</translation>
    </message>
    <message>
        <source>Nuova classe...</source>
        <translation>Nouvelle classe...</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico...</source>
        <translation>Nouvelle année scolaire...</translation>
    </message>
    <message>
        <source>Class&amp;e:</source>
        <translation>Cla&amp;sse :</translation>
    </message>
    <message>
        <source>«%1» non può passare al nuovo anno: %2</source>
        <translation>« %1 » ne peut pas passer à la nouvelle année : %2</translation>
    </message>
    <message>
        <source>Il nuovo anno scolastico non è stato applicato, nessuna classe è cambiata: %1</source>
        <translation>La nouvelle année scolaire n&apos;a pas été appliquée, aucune classe n&apos;a changé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</source>
        <translation>
            <numerusform>%n classe est passée à la nouvelle année scolaire, avec ses enfants et leurs réponses.</numerusform>
            <numerusform>%n classes sont passées à la nouvelle année scolaire, avec leurs enfants et leurs réponses.</numerusform>
        </translation>
    </message>
    <message>
        <source>La classe «%1» non è stata salvata: %2</source>
        <translation>La classe « %1 » n&apos;a pas été enregistrée : %2</translation>
    </message>
    <message>
        <source>Assegna a...</source>
        <translation>Attribuer à...</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Classe e utenti a cui è assegnata</source>
        <translation>Classe et utilisateurs à qui elle est attribuée</translation>
    </message>
    <message>
        <source>Crea classe...</source>
        <translation>Créer une classe...</translation>
    </message>
    <message>
        <source>Non si riesce a leggere a chi sono assegnate le classi: %1</source>
        <translation>Impossible de lire à qui les classes sont attribuées : %1</translation>
    </message>
    <message>
        <source>Ogni classe con gli utenti del server che la vedono: le insegnanti e i computer delle aule e del laboratorio.</source>
        <translation>Chaque classe avec les utilisateurs du serveur qui la voient : les enseignantes et les ordinateurs des salles de classe et du laboratoire.</translation>
    </message>
    <message>
        <source>A quale utente del server assegnare la classe %1? Il nome con cui l&apos;insegnante o il computer accede al server:</source>
        <translation>À quel utilisateur du serveur attribuer la classe %1 ? Le nom avec lequel l&apos;enseignante ou l&apos;ordinateur se connecte au serveur :</translation>
    </message>
    <message>
        <source>La classe %1 non è stata assegnata a «%2»: %3</source>
        <translation>La classe %1 n&apos;a pas été attribuée à « %2 » : %3</translation>
    </message>
    <message>
        <source>La classe %1 non è stata tolta a «%2»: %3</source>
        <translation>La classe %1 n&apos;a pas été retirée à « %2 » : %3</translation>
    </message>
    <message>
        <source>riga %1: il file mescola UTF-8 e un&apos;altra codifica; salvalo di nuovo in UTF-8</source>
        <translation>ligne %1 : le fichier mélange l&apos;UTF-8 et un autre codage ; enregistrez-le à nouveau en UTF-8</translation>
    </message>
    <message>
        <source>riga 1: il file è vuoto, manca l&apos;intestazione con Nome e Cognome</source>
        <translation>ligne 1 : le fichier est vide, il manque l&apos;en-tête avec Prénom et Nom</translation>
    </message>
    <message>
        <source>Nome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Cognome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>riga %1: manca la colonna %2</source>
        <translation>ligne %1 : il manque la colonne %2</translation>
    </message>
    <message>
        <source>riga %1: manca il nome</source>
        <translation>ligne %1 : il manque le prénom</translation>
    </message>
    <message>
        <source>riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno</source>
        <translation>ligne %1 : le prénom et le nom peuvent avoir au plus %2 caractères chacun</translation>
    </message>
    <message>
        <source>riga %1: il nome del gruppo può avere al massimo %2 caratteri</source>
        <translation>ligne %1 : le nom du groupe peut avoir au plus %2 caractères</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>scegli una classe</source>
        <translation>choisissez une classe</translation>
    </message>
    <message>
        <source>i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto</source>
        <translation>il y a plus d&apos;enfants que de symboles (%1) : aucun n&apos;a été ajouté</translation>
    </message>
    <message>
        <source>«%1» come %2</source>
        <translation>« %1 » comme %2</translation>
    </message>
    <message>
        <source>Nome e cognome da controllare nella pagina della classe: %1.</source>
        <translation>Prénom et nom à vérifier sur la page de la classe : %1.</translation>
    </message>
    <message>
        <source>Nomi e cognomi da controllare</source>
        <translation>Prénoms et noms à vérifier</translation>
    </message>
    <message>
        <source>Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. Scegli il cognome di ciascuno; il resto è il nome.</source>
        <translation>Dans le fichier, ces enfants ont leur nom et leur prénom dans une seule colonne, qui peut se diviser de plusieurs façons. Choisissez le nom de chacun ; le reste est le prénom.</translation>
    </message>
    <message>
        <source>Nel file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>(nessun cognome)</source>
        <translation>(pas de nom)</translation>
    </message>
    <message>
        <source>Cognome di «%1»</source>
        <translation>Nom de « %1 »</translation>
    </message>
    <message>
        <source>&amp;Importa</source>
        <translation>&amp;Importer</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini già nella classe sono passati al gruppo del file.</source>
        <translation>
            <numerusform>%n enfant déjà dans la classe est passé dans le groupe du fichier.</numerusform>
            <numerusform>%n enfants déjà dans la classe sont passés dans le groupe du fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun gruppo</source>
        <translation>aucun groupe</translation>
    </message>
    <message>
        <source>&amp;Gruppo:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;Solo il percorso: gli altri giochi restano chiusi</source>
        <translation>&amp;Seulement le parcours : les autres jeux restent fermés</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un passo</source>
        <translation>&amp;Ajouter une étape</translation>
    </message>
    <message>
        <source>&amp;Togli il passo</source>
        <translation>&amp;Retirer l&apos;étape</translation>
    </message>
    <message>
        <source>S&amp;u</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Giù</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Nuovo percorso</source>
        <translation>Nouveau parcours</translation>
    </message>
    <message>
        <source>Modifica il percorso</source>
        <translation>Modifier le parcours</translation>
    </message>
    <message>
        <source>Gioco</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Le risposte esatte che completano il passo</source>
        <translation>Les réponses justes qui achèvent l&apos;étape</translation>
    </message>
    <message>
        <source>&amp;Obiettivo (facoltativo):</source>
        <translation>&amp;Objectif (facultatif) :</translation>
    </message>
    <message>
        <source>I &amp;passi, nell&apos;ordine in cui il bambino li gioca:</source>
        <translation>&amp;Les étapes, dans l&apos;ordre où l&apos;enfant les joue :</translation>
    </message>
    <message>
        <source>Gioco del passo %1</source>
        <translation>Jeu de l&apos;étape %1</translation>
    </message>
    <message>
        <source>Esatte del passo %1</source>
        <translation>Réponses justes de l&apos;étape %1</translation>
    </message>
    <message>
        <source>Passo %1: %2 in gioco</source>
        <translation>Étape %1 : %2 en jeu</translation>
    </message>
    <message>
        <source>Su misura</source>
        <translation>Sur mesure</translation>
    </message>
    <message>
        <source>L&apos;attributo di ogni turno esce più spesso se il bambino non l&apos;ha ancora imparato</source>
        <translation>L&apos;attribut de chaque tour revient plus souvent tant que l&apos;enfant ne l&apos;a pas encore appris</translation>
    </message>
    <message>
        <source>Passo %1 su misura</source>
        <translation>Étape %1 sur mesure</translation>
    </message>
    <message>
        <source>Nel gioco «%1» non si scelgono attributi.</source>
        <translation>Dans le jeu « %1 », on ne choisit pas d&apos;attributs.</translation>
    </message>
    <message>
        <source>un altro percorso della classe si chiama già «%1»</source>
        <translation>un autre parcours de la classe s&apos;appelle déjà « %1 »</translation>
    </message>
    <message>
        <source>va scelto almeno un attributo</source>
        <translation>il faut choisir au moins un attribut</translation>
    </message>
    <message>
        <source>Non si può ancora salvare: %1.</source>
        <translation>On ne peut pas encore l&apos;enregistrer : %1.</translation>
    </message>
    <message>
        <source>&amp;Percorsi</source>
        <translation>&amp;Parcours</translation>
    </message>
    <message>
        <source>Gruppi della classe</source>
        <translation>Groupes de la classe</translation>
    </message>
    <message>
        <source>nel gruppo «%1»</source>
        <translation>dans le groupe « %1 »</translation>
    </message>
    <message>
        <source>Rinomina...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Rimuovi...</source>
        <translation>Retirer...</translation>
    </message>
    <message>
        <source>Gruppi</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>N&amp;uovo gruppo...</source>
        <translation>&amp;Nouveau groupe...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n bambini)</source>
        <translation>
            <numerusform>%1 (%n enfant)</numerusform>
            <numerusform>%1 (%n enfants)</numerusform>
        </translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato salvato: %2</source>
        <translation>Le groupe « %1 » n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source>Il nome del nuovo gruppo (per esempio «piccoli», «mezzani», «grandi»):</source>
        <translation>Le nom du nouveau groupe (par exemple « petits », « moyens », « grands ») :</translation>
    </message>
    <message>
        <source>Il nuovo nome del gruppo «%1»:</source>
        <translation>Le nouveau nom du groupe « %1 » :</translation>
    </message>
    <message>
        <source>Rimuovere il gruppo «%1»?

</source>
        <translation>Retirer le groupe « %1 » ?

</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini del gruppo restano nella classe, senza gruppo.</source>
        <translation>
            <numerusform>%n enfant du groupe reste dans la classe, sans groupe.</numerusform>
            <numerusform>%n enfants du groupe restent dans la classe, sans groupe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha nessun bambino.</source>
        <translation>Il n&apos;a aucun enfant.</translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato rimosso: %2</source>
        <translation>Le groupe « %1 » n&apos;a pas été retiré : %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato salvato: %2</source>
        <translation>Le parcours « %1 » n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source> (copia)</source>
        <translation> (copie)</translation>
    </message>
    <message>
        <source> (copia %1)</source>
        <translation> (copie %1)</translation>
    </message>
    <message>
        <source>Il percorso non è stato importato: %1</source>
        <translation>Le parcours n&apos;a pas été importé : %1</translation>
    </message>
    <message>
        <source>Percorso «%1» importato dal file «%2».</source>
        <translation>Parcours « %1 » importé du fichier « %2 ».</translation>
    </message>
    <message>
        <source>Percorso importato dal file «%2» come «%1»: la classe ha già un percorso «%3».</source>
        <translation>Parcours importé du fichier « %2 » sous le nom « %1 » : la classe a déjà un parcours « %3 ».</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato esportato: %2</source>
        <translation>Le parcours « %1 » n&apos;a pas été exporté : %2</translation>
    </message>
    <message>
        <source>Percorso «%1» esportato nel file «%2».</source>
        <translation>Parcours « %1 » exporté dans le fichier « %2 ».</translation>
    </message>
    <message>
        <source>Gli esempi non ci sono: manca la cartella %1.</source>
        <translation>Les exemples manquent : le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message numerus="yes">
        <source>%n percorsi di esempio aggiunti alla classe.</source>
        <translation>
            <numerusform>%n parcours d&apos;exemple ajouté à la classe.</numerusform>
            <numerusform>%n parcours d&apos;exemple ajoutés à la classe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gli esempi sono già tutti nella classe.</source>
        <translation>Les exemples sont déjà tous dans la classe.</translation>
    </message>
    <message>
        <source>%1 Non sono stati importati:
%2</source>
        <translation>%1 Non importés :
%2</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Étape %1</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte su %1</source>
        <translation>
            <numerusform>%n juste sur %1</numerusform>
            <numerusform>%n justes sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, fatto</source>
        <translation>%1, fait</translation>
    </message>
    <message>
        <source>%1, il prossimo</source>
        <translation>%1, la prochaine</translation>
    </message>
    <message>
        <source>%1, passo %2 («%3»): %4</source>
        <translation>%1, étape %2 (« %3 ») : %4</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Percorso assegnato</source>
        <translation>Parcours attribué</translation>
    </message>
    <message>
        <source>Percorso che gioca</source>
        <translation>Parcours joué</translation>
    </message>
    <message>
        <source>&amp;Importa da un file...</source>
        <translation>&amp;Importer d&apos;un fichier...</translation>
    </message>
    <message>
        <source>Esporta in un &amp;file...</source>
        <translation>Exporter dans un &amp;fichier...</translation>
    </message>
    <message>
        <source>Importa &amp;gli esempi</source>
        <translation>Importer les e&amp;xemples</translation>
    </message>
    <message>
        <source>I percorsi di esempio che il programma porta con sé, per bambini dai tre ai sette anni</source>
        <translation>Les parcours d&apos;exemple fournis avec le programme, pour les enfants de trois à sept ans</translation>
    </message>
    <message>
        <source>La classe non ha ancora percorsi: se ne crea uno nuovo, o si importano gli esempi.</source>
        <translation>La classe n&apos;a pas encore de parcours : en créer un nouveau, ou importer les exemples.</translation>
    </message>
    <message numerus="yes">
        <source>%n passi</source>
        <translation>
            <numerusform>%n étape</numerusform>
            <numerusform>%n étapes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, solo il percorso</source>
        <translation>%1, seulement le parcours</translation>
    </message>
    <message>
        <source>Tutta la classe</source>
        <translation>Toute la classe</translation>
    </message>
    <message>
        <source>Gruppo «%1»</source>
        <translation>Groupe « %1 »</translation>
    </message>
    <message>
        <source>Percorso assegnato a %1</source>
        <translation>Parcours attribué à %1</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 (del gruppo)</source>
        <translation>%1 (du groupe)</translation>
    </message>
    <message>
        <source>%1 (della classe)</source>
        <translation>%1 (de la classe)</translation>
    </message>
    <message>
        <source>L&apos;avanzamento dei bambini in un percorso: scegliere il percorso.</source>
        <translation>La progression des enfants dans un parcours : choisir le parcours.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento in «%1»: in ogni passo le risposte esatte su quelle che lo completano; ✓ un passo fatto, in grassetto il prossimo.</source>
        <translation>La progression dans « %1 » : à chaque étape les réponses justes sur celles qui l&apos;achèvent ; ✓ une étape faite, en gras la prochaine.</translation>
    </message>
    <message>
        <source>Nessun bambino gioca «%1»: lo si assegna alla classe, a un gruppo o a un bambino.</source>
        <translation>Aucun enfant ne joue « %1 » : l&apos;attribuer à la classe, à un groupe ou à un enfant.</translation>
    </message>
    <message>
        <source>Il percorso non è stato assegnato: %1</source>
        <translation>Le parcours n&apos;a pas été attribué : %1</translation>
    </message>
    <message>
        <source>Eliminare il percorso «%1»?

</source>
        <translation>Effacer le parcours « %1 » ?

</translation>
    </message>
    <message numerus="yes">
        <source>Lo giocano %n bambini: non lo giocheranno più.</source>
        <translation>
            <numerusform>%n enfant le joue : il ne le jouera plus.</numerusform>
            <numerusform>%n enfants le jouent : ils ne le joueront plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le risposte date nel percorso restano nel registro.</source>
        <translation>Les réponses données dans le parcours restent dans le registre.</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato eliminato: %2</source>
        <translation>Le parcours « %1 » n&apos;a pas été effacé : %2</translation>
    </message>
    <message>
        <source>Importa un percorso</source>
        <translation>Importer un parcours</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json);;Tutti i file (*)</source>
        <translation>Parcours de Tesselo (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Esporta il percorso</source>
        <translation>Exporter le parcours</translation>
    </message>
    <message>
        <source>percorso</source>
        <translation>parcours</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json)</source>
        <translation>Parcours de Tesselo (*.json)</translation>
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
        <translation>Sans option, ouvre le registre de la classe dans une fenêtre.
  --importa FICHIER.csv     ajoute à la classe les enfants d&apos;un fichier du
                            secrétariat et écrit combien il en a ajouté
  --esporta FICHIER.csv     écrit chaque réponse de la classe dans un fichier CSV
  --unisci FICHIER.sqlite   ajoute les réponses du registre d&apos;un autre ordinateur
  --importa-percorso FICHIER.json
                            ajoute à la classe le parcours d&apos;un fichier et
                            écrit son nom
  --esporta-percorso NOM FICHIER.json
                            écrit dans un fichier le parcours de la classe qui
                            porte ce nom
  --assegna-percorso NOM --bambino &quot;PRÉNOM NOM&quot;
  --assegna-percorso NOM --gruppo NOM
  --assegna-percorso NOM --tutta-la-classe
                            attribue le parcours à un enfant, à un groupe ou
                            à toute la classe
  --avanzamento FICHIER.csv écrit dans un fichier CSV où en est chaque enfant
                            dans son parcours, étape par étape
  --padronanza FICHIER.csv écrit dans un fichier CSV, pour chaque enfant et
                            compétence, son acquisition estimée et son niveau
  --classe NOM              la classe à laquelle l&apos;option s&apos;applique, sous le nom
                            qu&apos;elle a sur la page de la classe ; nécessaire quand
                            le registre a plusieurs classes
  --lingua CODE             la langue du programme : %2 ; sans,
                            celle de tesselo.conf ou du système, sinon l&apos;italien
  --help                    affiche cette aide
Le registre est %1
</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] [--importa-percorso FILE.json | --esporta-percorso NOME FILE.json | --avanzamento FILE.csv]
     tesselo-registro [--lingua CODICE] [--classe NOME] --assegna-percorso NOME (--bambino &quot;NOME COGNOME&quot; | --gruppo NOME | --tutta-la-classe)
</source>
        <translation>        tesselo-registro [--lingua CODE] [--classe NOM] [--importa-percorso FICHIER.json | --esporta-percorso NOM FICHIER.json | --avanzamento FICHIER.csv]
        tesselo-registro [--lingua CODE] [--classe NOM] --assegna-percorso NOM (--bambino &quot;PRÉNOM NOM&quot; | --gruppo NOM | --tutta-la-classe)
</translation>
    </message>
    <message>
        <source>la classe non ha gruppi</source>
        <translation>la classe n&apos;a pas de groupes</translation>
    </message>
    <message>
        <source>la classe non ha un gruppo «%1»; i suoi gruppi sono %2</source>
        <translation>la classe n&apos;a pas de groupe « %1 » ; ses groupes sont %2</translation>
    </message>
    <message>
        <source>nella classe nessun bambino si chiama «%1»</source>
        <translation>aucun enfant de la classe ne s&apos;appelle « %1 »</translation>
    </message>
    <message numerus="yes">
        <source>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</source>
        <translation>
            <numerusform>%n enfant de la classe s&apos;appelle « %1 » : donnez à chacun un nom différent sur la page de la classe</numerusform>
            <numerusform>%n enfants de la classe s&apos;appellent « %1 » : donnez à chacun un nom différent sur la page de la classe</numerusform>
        </translation>
    </message>
    <message>
        <source>la classe non ha percorsi</source>
        <translation>la classe n&apos;a pas de parcours</translation>
    </message>
    <message>
        <source>la classe non ha un percorso «%1»; i suoi percorsi sono %2</source>
        <translation>la classe n&apos;a pas de parcours « %1 » ; ses parcours sont %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato assegnato: %2</source>
        <translation>Le parcours « %1 » n&apos;a pas été attribué : %2</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a tutta la classe.</source>
        <translation>Parcours « %1 » attribué à toute la classe.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato al gruppo «%2».</source>
        <translation>Parcours « %1 » attribué au groupe « %2 ».</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a «%2».</source>
        <translation>Parcours « %1 » attribué à « %2 ».</translation>
    </message>
    <message>
        <source>L&apos;avanzamento non è stato esportato: %1</source>
        <translation>La progression n&apos;a pas été exportée : %1</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] --padronanza FILE.csv
</source>
        <translation>        tesselo-registro [--lingua CODE] [--classe NOM] --padronanza FICHIER.csv
</translation>
    </message>
    <message>
        <source>Le stime non sono state esportate: %1</source>
        <translation>Les estimations n&apos;ont pas été exportées : %1</translation>
    </message>
    <message>
        <source>Stime della classe esportate nel file %1.</source>
        <translation>Estimations de la classe exportées dans le fichier %1.</translation>
    </message>
    <message>
        <source>Nessun bambino della classe ha un percorso: nel file %1 c&apos;è solo l&apos;intestazione.</source>
        <translation>Aucun enfant de la classe n&apos;a de parcours : le fichier %1 n&apos;a que l&apos;en-tête.</translation>
    </message>
    <message numerus="yes">
        <source>Avanzamento di %n bambini esportato nel file %1.</source>
        <translation>
            <numerusform>Progression de %n enfant exportée dans le fichier %1.</numerusform>
            <numerusform>Progression de %n enfants exportée dans le fichier %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>A&amp;ggiorna le stime</source>
        <translation>Mettre à &amp;jour les estimations</translation>
    </message>
    <message>
        <source>livello</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>risposte</source>
        <translation>réponses</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Calcolo delle stime in corso…</source>
        <translation>Calcul des estimations en cours…</translation>
    </message>
    <message>
        <source>Stima di ciò che ha imparato, giorno per giorno</source>
        <translation>Estimation de ce qui a été appris, jour après jour</translation>
    </message>
    <message>
        <source>Nessuna stima nel periodo</source>
        <translation>Aucune estimation sur la période</translation>
    </message>
    <message>
        <source>Le ultime dieci prime risposte: %1</source>
        <translation>Les dix dernières premières réponses : %1</translation>
    </message>
    <message>
        <source>esatta</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>errata</source>
        <translation>fausse</translation>
    </message>
    <message>
        <source>%1 (stima %2 su %3)</source>
        <translation>%1 (estimation %2 sur %3)</translation>
    </message>
    <message>
        <source>Che cosa ha imparato ciascun bambino</source>
        <translation>Ce que chaque enfant a appris</translation>
    </message>
    <message>
        <source>Da tutte le prime risposte di ogni turno: «acquisito» quando la stima arriva a 0,95; «poche risposte» sotto le %1 risposte. Passare sopra una casella per la stima e il numero di risposte.</source>
        <translation>D&apos;après la première réponse de chaque tour : « acquis » quand l&apos;estimation atteint 0,95 ; « trop peu de réponses » en dessous de %1 réponses. Survoler une case pour l&apos;estimation et le nombre de réponses.</translation>
    </message>
    <message>
        <source>Probabilità del modello adattate il %1.</source>
        <translation>Probabilités du modèle ajustées le %1.</translation>
    </message>
    <message>
        <source>Probabilità del modello predefinite.</source>
        <translation>Probabilités du modèle par défaut.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato ciascun bambino&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Ce que chaque enfant a appris&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Ce qui a été appris&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;livello&lt;/th&gt;&lt;th&gt;stima&lt;/th&gt;&lt;th&gt;risposte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;niveau&lt;/th&gt;&lt;th&gt;estimation&lt;/th&gt;&lt;th&gt;réponses&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>poche risposte</source>
        <translation>trop peu de réponses</translation>
    </message>
    <message>
        <source>non ancora</source>
        <translation>pas encore acquis</translation>
    </message>
    <message>
        <source>in via di acquisizione</source>
        <translation>en cours d&apos;acquisition</translation>
    </message>
    <message>
        <source>acquisito</source>
        <translation>acquis</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;gioco&lt;/th&gt;&lt;th&gt;domanda&lt;/th&gt;&lt;th&gt;blocchi&lt;/th&gt;&lt;th&gt;volte&lt;/th&gt;&lt;th&gt;l&apos;ultima risposta&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;jeu&lt;/th&gt;&lt;th&gt;question&lt;/th&gt;&lt;th&gt;blocs&lt;/th&gt;&lt;th&gt;fois&lt;/th&gt;&lt;th&gt;dernière réponse&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>the share right, then the first answers right (✓) and wrong (✗)</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n riprove dopo un errore</source>
        <translation>
            <numerusform>%n nouvel essai après une erreur</numerusform>
            <numerusform>%n nouveaux essais après une erreur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n riprove</source>
        <translation>
            <numerusform>+%n nouvel essai</numerusform>
            <numerusform>+%n nouveaux essais</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — poche risposte</source>
        <translation>%1 — peu de réponses</translation>
    </message>
    <message numerus="yes">
        <source>In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi tutte esatte); in grigio corsivo, senza colore, una quota di meno di %n risposte, che dice ancora poco. Un clic sul titolo di una colonna ordina le righe; un doppio clic su un bambino apre la sua scheda.</source>
        <translation>
            <numerusform>Dans chaque case : la part de réponses justes, puis combien de justes (✓) et combien de fausses (✗), en comptant la première réponse de chaque tour. La couleur va du rouge (peu de justes) au jaune (la moitié) au vert (presque toutes justes) ; en gris italique, sans couleur, une part de moins de %n réponse, qui dit encore peu. Un clic sur le titre d&apos;une colonne trie les lignes ; un double clic sur un enfant ouvre sa fiche.</numerusform>
            <numerusform>Dans chaque case : la part de réponses justes, puis combien de justes (✓) et combien de fausses (✗), en comptant la première réponse de chaque tour. La couleur va du rouge (peu de justes) au jaune (la moitié) au vert (presque toutes justes) ; en gris italique, sans couleur, une part de moins de %n réponses, qui dit encore peu. Un clic sur le titre d&apos;une colonne trie les lignes ; un double clic sur un enfant ouvre sa fiche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno, e le riprove dopo un errore. In grigio corsivo, senza colore, una quota di meno di %n risposte.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;Dans chaque case : la part de réponses justes, puis combien de justes (✓) et combien de fausses (✗), en comptant la première réponse de chaque tour, et les nouveaux essais après une erreur. En gris italique, sans couleur, une part de moins de %n réponse.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;Dans chaque case : la part de réponses justes, puis combien de justes (✓) et combien de fausses (✗), en comptant la première réponse de chaque tour, et les nouveaux essais après une erreur. En gris italique, sans couleur, une part de moins de %n réponses.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>meno di 1 min</source>
        <translation>moins d&apos;1 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>l&apos;ultima risposta</source>
        <translation>dernière réponse</translation>
    </message>
    <message>
        <source>Una nota sul bambino, per l&apos;insegnante soltanto.</source>
        <translation>Une note sur l&apos;enfant, pour l&apos;enseignant seulement.</translation>
    </message>
    <message>
        <source>&amp;Nota dell&apos;insegnante:</source>
        <translation>&amp;Note de l&apos;enseignant :</translation>
    </message>
    <message>
        <source>Sal&amp;va la nota</source>
        <translation>En&amp;registrer la note</translation>
    </message>
    <message>
        <source>Linee del grafico:</source>
        <translation>Lignes du graphique :</translation>
    </message>
    <message>
        <source>La nota non è salvata: è lunga %1 caratteri, se ne tengono al massimo %2.</source>
        <translation>La note n&apos;est pas enregistrée : elle fait %1 caractères, et %2 au plus sont gardés.</translation>
    </message>
    <message>
        <source>La nota su %1 non è salvata: %2.</source>
        <translation>La note sur %1 n&apos;est pas enregistrée : %2.</translation>
    </message>
    <message>
        <source>Nota salvata.</source>
        <translation>Note enregistrée.</translation>
    </message>
    <message>
        <source>Ha giocato l&apos;ultima volta %1; tempo di gioco nel periodo: %2.</source>
        <translation>A joué pour la dernière fois le %1 ; temps de jeu sur la période : %2.</translation>
    </message>
    <message>
        <source>Non ha giocato nel periodo.</source>
        <translation>N&apos;a pas joué sur la période.</translation>
    </message>
    <message>
        <source>&amp;Il contrassegno (quelli già dati ad altri bambini non ci sono):</source>
        <translation>Le &amp;symbole (ceux déjà donnés à d&apos;autres enfants n&apos;y sont pas) :</translation>
    </message>
    <message>
        <source>Un &amp;bambino</source>
        <translation>&amp;Un enfant</translation>
    </message>
    <message>
        <source>data_ora</source>
        <comment>a column of the CSV export</comment>
        <translation>date_heure</translation>
    </message>
    <message>
        <source>bambino</source>
        <comment>a column of the CSV export</comment>
        <translation>enfant</translation>
    </message>
    <message>
        <source>gioco</source>
        <comment>a column of the CSV export</comment>
        <translation>jeu</translation>
    </message>
    <message>
        <source>domanda</source>
        <comment>a column of the CSV export</comment>
        <translation>question</translation>
    </message>
    <message>
        <source>blocchi</source>
        <comment>a column of the CSV export</comment>
        <translation>blocs</translation>
    </message>
    <message>
        <source>risposta</source>
        <comment>a column of the CSV export</comment>
        <translation>réponse</translation>
    </message>
    <message>
        <source>esatta</source>
        <comment>a column of the CSV export</comment>
        <translation>juste</translation>
    </message>
    <message>
        <source>millisecondi</source>
        <comment>a column of the CSV export</comment>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>e</source>
        <comment>joins the conditions of one question: rosso e grande</comment>
        <translation>et</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>P&amp;ériode :</translation>
    </message>
    <message>
        <source>B&amp;ambino:</source>
        <translation>&amp;Enfant :</translation>
    </message>
    <message>
        <source>Nuo&amp;vo percorso...</source>
        <translation>&amp;Nouveau parcours...</translation>
    </message>
    <message>
        <source>D&amp;uplica</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>Elimi&amp;na...</source>
        <translation>&amp;Effacer...</translation>
    </message>
    <message>
        <source>I percorsi dell&amp;a classe:</source>
        <translation>Les p&amp;arcours de la classe :</translation>
    </message>
    <message>
        <source>Chi gioca &amp;quale percorso:</source>
        <translation>&amp;Qui joue quel parcours :</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>Registro: %1</source>
        <translation>Registre : %1</translation>
    </message>
    <message>
        <source>Registro sul server %1</source>
        <translation>Registre sur le serveur %1</translation>
    </message>
</context>
<context>
    <name>Simboli</name>
    <message>
        <source>gatto</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>cane</source>
        <translation>chien</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>orso</source>
        <translation>ours</translation>
    </message>
    <message>
        <source>leone</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>rana</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>maiale</source>
        <translation>cochon</translation>
    </message>
    <message>
        <source>pulcino</source>
        <translation>poussin</translation>
    </message>
    <message>
        <source>pinguino</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <source>elefante</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <source>tartaruga</source>
        <translation>tortue</translation>
    </message>
    <message>
        <source>pesce</source>
        <translation>poisson</translation>
    </message>
    <message>
        <source>farfalla</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>chiocciola</source>
        <translation>escargot</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>pomme</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banane</translation>
    </message>
    <message>
        <source>fragola</source>
        <translation>fraise</translation>
    </message>
    <message>
        <source>uva</source>
        <translation>raisin</translation>
    </message>
    <message>
        <source>arancia</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>anguria</source>
        <translation>pastèque</translation>
    </message>
    <message>
        <source>pera</source>
        <translation>poire</translation>
    </message>
    <message>
        <source>carota</source>
        <translation>carotte</translation>
    </message>
    <message>
        <source>sole</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>luna</source>
        <translation>lune</translation>
    </message>
    <message>
        <source>stella</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>girasole</source>
        <translation>tournesol</translation>
    </message>
    <message>
        <source>albero</source>
        <translation>arbre</translation>
    </message>
    <message>
        <source>fungo</source>
        <translation>champignon</translation>
    </message>
    <message>
        <source>pallone</source>
        <translation>ballon</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>voiture</translation>
    </message>
    <message>
        <source>trenino</source>
        <translation>petit train</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>voilier</translation>
    </message>
    <message>
        <source>aereo</source>
        <translation>avion</translation>
    </message>
    <message>
        <source>razzo</source>
        <translation>fusée</translation>
    </message>
    <message>
        <source>ombrello</source>
        <translation>parapluie</translation>
    </message>
    <message>
        <source>chiave</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>campanella</source>
        <translation>clochette</translation>
    </message>
    <message>
        <source>palloncino</source>
        <translation>ballon de baudruche</translation>
    </message>
    <message>
        <source>pacco regalo</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <source>casetta</source>
        <translation>maisonnette</translation>
    </message>
    <message>
        <source>tamburo</source>
        <translation>tambour</translation>
    </message>
    <message>
        <source>chitarra</source>
        <translation>guitare</translation>
    </message>
    <message>
        <source>matita</source>
        <translation>crayon</translation>
    </message>
</context>
</TS>

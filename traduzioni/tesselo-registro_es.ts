<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Insegnanti</name>
    <message>
        <source>Modifica bambino</source>
        <translation>Modificar niño</translation>
    </message>
    <message>
        <source>Nuovo bambino</source>
        <translation>Nuevo niño</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Cognome (facoltativo):</source>
        <translation>&amp;Apellido (opcional):</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Il contrassegno (quelli già dati ad altri bambini non ci sono):</source>
        <translation>El &amp;símbolo (no están los que ya tienen otros niños):</translation>
    </message>
    <message>
        <source>Registro di Tesselo</source>
        <translation>Registro de Tesselo</translation>
    </message>
    <message>
        <source>&amp;La classe</source>
        <translation>&amp;La clase</translation>
    </message>
    <message>
        <source>I risul&amp;tati della classe</source>
        <translation>Los resul&amp;tados de la clase</translation>
    </message>
    <message>
        <source>Un &amp;bambino</source>
        <translation>&amp;Un niño</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>&amp;Ordenadores</translation>
    </message>
    <message>
        <source>&amp;Registro</source>
        <translation>Re&amp;gistro</translation>
    </message>
    <message>
        <source>&amp;Importa una classe da un file CSV...</source>
        <translation>&amp;Importar una clase de un archivo CSV...</translation>
    </message>
    <message>
        <source>&amp;Esporta le risposte del periodo in CSV...</source>
        <translation>&amp;Exportar las respuestas del periodo a CSV...</translation>
    </message>
    <message>
        <source>&amp;Unisci il registro di un altro computer...</source>
        <translation>&amp;Unir el registro de otro ordenador...</translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>E&amp;sci</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Re&amp;soconti</source>
        <translation>In&amp;formes</translation>
    </message>
    <message>
        <source>Resoconto della &amp;classe in PDF...</source>
        <translation>Informe de la &amp;clase en PDF...</translation>
    </message>
    <message>
        <source>S&amp;tampa il resoconto della classe...</source>
        <translation>Imprimir el informe de la cla&amp;se...</translation>
    </message>
    <message>
        <source>Resoconto del &amp;bambino in PDF...</source>
        <translation>Informe del &amp;niño en PDF...</translation>
    </message>
    <message>
        <source>Stampa il resoconto del ba&amp;mbino...</source>
        <translation>Imprimir el informe del ni&amp;ño...</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Cancella le risposte di un &amp;bambino...</source>
        <translation>Borrar las respuestas de un &amp;niño...</translation>
    </message>
    <message>
        <source>Cancella le risposte &amp;prima di una data...</source>
        <translation>Borrar las respuestas &amp;anteriores a una fecha...</translation>
    </message>
    <message>
        <source>%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). Riprovare con «Aggiorna».</source>
        <translation>%1 — no se puede leer, lo que se ve puede estar incompleto (%2). Vuelva a intentarlo con «Actualizar».</translation>
    </message>
    <message>
        <source>La classe non ha ancora nessun bambino.</source>
        <translation>La clase todavía no tiene ningún niño.</translation>
    </message>
    <message>
        <source>Esporta le risposte</source>
        <translation>Exportar las respuestas</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unisci il registro di un altro computer</source>
        <translation>Unir el registro de otro ordenador</translation>
    </message>
    <message>
        <source>Registro di Tesselo (*.sqlite);;Tutti i file (*)</source>
        <translation>Registros de Tesselo (*.sqlite);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Salva il resoconto in PDF</source>
        <translation>Guardar el informe en PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Resoconto salvato nel file %1.</source>
        <translation>Informe guardado en el archivo %1.</translation>
    </message>
    <message>
        <source>resoconto</source>
        <translation>informe</translation>
    </message>
    <message>
        <source>classe</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>«%1» non ha nessuna risposta nel registro.</source>
        <translation>«%1» no tiene ninguna respuesta en el registro.</translation>
    </message>
    <message>
        <source>Cancellare tutte le risposte di «%1»?

%2. Il bambino resta nella classe.</source>
        <translation>¿Borrar todas las respuestas de «%1»?

%2. El niño sigue en la clase.</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima di quale giorno?</source>
        <translation>¿Borrar las respuestas dadas antes de qué día?</translation>
    </message>
    <message>
        <source>Non ci sono risposte date prima del %1.</source>
        <translation>No hay respuestas dadas antes del %1.</translation>
    </message>
    <message>
        <source>Cancellare le risposte date prima del %1?

%2, di tutti i bambini e degli ospiti.</source>
        <translation>¿Borrar las respuestas dadas antes del %1?

%2, de todos los niños y de los invitados.</translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation>&amp;Modificar...</translation>
    </message>
    <message>
        <source>Rimuo&amp;vi...</source>
        <translation>&amp;Quitar...</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un bambino...</source>
        <translation>&amp;Añadir un niño...</translation>
    </message>
    <message>
        <source>«%1» non è stato salvato: %2</source>
        <translation>«%1» no se ha guardado: %2</translation>
    </message>
    <message>
        <source>Ogni contrassegno è già di un bambino della classe.</source>
        <translation>Cada símbolo ya es de un niño de la clase.</translation>
    </message>
    <message>
        <source>Rimuovere «%1» dalla classe?

</source>
        <translation>¿Quitar a «%1» de la clase?

</translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate anche tutte le sue risposte: %n risposte.</source>
        <translation>
            <numerusform>También se borrarán todas sus respuestas: %n respuesta.</numerusform>
            <numerusform>También se borrarán todas sus respuestas: %n respuestas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha ancora nessuna risposta nel registro.</source>
        <translation>Todavía no tiene ninguna respuesta en el registro.</translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>«%1» non è stato rimosso: %2</source>
        <translation>«%1» no se ha quitado: %2</translation>
    </message>
    <message>
        <source>Importa una classe</source>
        <translation>Importar una clase</translation>
    </message>
    <message>
        <source>File CSV (*.csv *.CSV *.txt);;Tutti i file (*)</source>
        <translation>Archivos CSV (*.csv *.CSV *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: %2</source>
        <translation>El archivo %1 no se ha importado: %2</translation>
    </message>
    <message>
        <source>Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.</source>
        <translation>Ningún niño añadido: los del archivo %1 ya están todos en la clase.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini aggiunti alla classe dal file %1.</source>
        <translation>
            <numerusform>%n niño añadido a la clase desde el archivo %1.</numerusform>
            <numerusform>%n niños añadidos a la clase desde el archivo %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Risposte esportate nel file %1.</source>
        <translation>Respuestas exportadas al archivo %1.</translation>
    </message>
    <message>
        <source>data_ora</source>
        <comment>a column of the CSV export</comment>
        <translation>fecha_hora</translation>
    </message>
    <message>
        <source>bambino</source>
        <comment>a column of the CSV export</comment>
        <translation>niño</translation>
    </message>
    <message>
        <source>gioco</source>
        <comment>a column of the CSV export</comment>
        <translation>juego</translation>
    </message>
    <message>
        <source>domanda</source>
        <comment>a column of the CSV export</comment>
        <translation>pregunta</translation>
    </message>
    <message>
        <source>blocchi</source>
        <comment>a column of the CSV export</comment>
        <translation>bloques</translation>
    </message>
    <message>
        <source>risposta</source>
        <comment>a column of the CSV export</comment>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>esatta</source>
        <comment>a column of the CSV export</comment>
        <translation>correcta</translation>
    </message>
    <message>
        <source>millisecondi</source>
        <comment>a column of the CSV export</comment>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>Il file %1 non c&apos;è.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Il file %1 non è stato unito: %2</source>
        <translation>El archivo %1 no se ha unido: %2</translation>
    </message>
    <message>
        <source>%1 dal registro %2.</source>
        <translation>%1 desde el registro %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte aggiunte</source>
        <translation>
            <numerusform>%n respuesta añadida</numerusform>
            <numerusform>%n respuestas añadidas</numerusform>
        </translation>
    </message>
    <message>
        <source>non c&apos;è ancora</source>
        <translation>todavía no existe</translation>
    </message>
    <message>
        <source>non si può scrivere</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>è bloccato da un altro programma</source>
        <translation>está bloqueado por otro programa</translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>è stato fatto da una versione più recente del programma</source>
        <translation>lo hizo una versión más reciente del programa</translation>
    </message>
    <message>
        <source>il server non risponde</source>
        <translation>el servidor no responde</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2.</source>
        <translation>No se puede abrir el registro %1: %2.</translation>
    </message>
    <message>
        <source>sul server %1, database %2</source>
        <translation>en el servidor %1, base de datos %2</translation>
    </message>
    <message>
        <source>di questo account</source>
        <translation>de esta cuenta</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>il server non risponde, o non accetta l&apos;utente %1 (%2)</source>
        <translation>el servidor no responde, o no acepta al usuario %1 (%2)</translation>
    </message>
    <message>
        <source>sul server non c&apos;è un registro di Tesselo che l&apos;utente %1 possa leggere (%2)</source>
        <translation>en el servidor no hay un registro de Tesselo que el usuario %1 pueda leer (%2)</translation>
    </message>
    <message>
        <source>Il registro non si può aprire: %1 (in %2).</source>
        <translation>No se puede abrir el registro: %1 (en %2).</translation>
    </message>
    <message>
        <source>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Stampato il %4.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;%1%2&lt;/h1&gt;&lt;p&gt;Periodo: %3. Impreso el %4.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tesselo: resoconto della classe</source>
        <translation>Tesselo: informe de la clase</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;Bambino&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;Niño&lt;/th&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Risposte esatte ed errate&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Respuestas correctas e incorrectas&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;esatte&lt;/th&gt;&lt;th&gt;errate&lt;/th&gt;&lt;th&gt;quota esatte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;correctas&lt;/th&gt;&lt;th&gt;incorrectas&lt;/th&gt;&lt;th&gt;% correctas&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h2&gt;Settimana per settimana (quota di risposte esatte)&lt;/h2&gt;</source>
        <translation>&lt;/table&gt;&lt;h2&gt;Semana a semana (proporción de respuestas correctas)&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ninguna respuesta en el periodo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;settimana dal&lt;/th&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;semana del&lt;/th&gt;</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Le domande sbagliate più spesso&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Las preguntas falladas más a menudo&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna risposta errata nel periodo.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ninguna respuesta incorrecta en el periodo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Avanti</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Nel registro «%1», «%2» ha lo stesso codice di «%3» di questa classe, ma un altro nome. È lo stesso bambino?</source>
        <translation>En el registro «%1», «%2» tiene el código de «%3» de esta clase, pero otro nombre. ¿Es el mismo niño?</translation>
    </message>
    <message>
        <source>Stesso bambino: unisci</source>
        <translation>Mismo niño: unir</translation>
    </message>
    <message>
        <source>Due bambini: tieni separati</source>
        <translation>Dos niños: mantener separados</translation>
    </message>
    <message>
        <source>uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]
</source>
        <translation>uso: tesselo-registro [--lingua CÓDIGO] [--classe NOMBRE] [--importa ARCHIVO.csv | --esporta ARCHIVO.csv | --unisci ARCHIVO.sqlite]
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
        <translation>Sin opciones abre el registro de la clase en una ventana.
  --importa ARCHIVO.csv     añade a la clase los niños de un archivo de la
                            secretaría y escribe cuántos ha añadido
  --esporta ARCHIVO.csv     escribe cada respuesta de la clase en un archivo CSV
  --unisci ARCHIVO.sqlite   añade las respuestas del registro de otro ordenador
  --classe NOMBRE           la clase a la que se aplica la opción, con el nombre
                            que tiene en la página de la clase; hace falta
                            cuando el registro tiene varias clases
  --lingua CÓDIGO           el idioma del programa: %2; sin él,
                            el de tesselo.conf o del sistema, si no el italiano
  --help                    muestra esta ayuda
El registro es %1
</translation>
    </message>
    <message>
        <source>il registro non ha classi</source>
        <translation>el registro no tiene clases</translation>
    </message>
    <message>
        <source>la classe «%1» non è nel registro; le sue classi sono %2</source>
        <translation>la clase «%1» no está en el registro; sus clases son %2</translation>
    </message>
    <message>
        <source>il registro ha più classi: scegline una con --classe NOME tra %1</source>
        <translation>el registro tiene varias clases: elige una con --classe NOMBRE entre %1</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>ninguna respuesta</translation>
    </message>
    <message>
        <source>e</source>
        <comment>joins the conditions of one question: rosso e grande</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1 e %2 (%3)</source>
        <translation>%1 y %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte</source>
        <translation>
            <numerusform>%n correcta</numerusform>
            <numerusform>%n correctas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errate</source>
        <translation>
            <numerusform>%n incorrecta</numerusform>
            <numerusform>%n incorrectas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verranno cancellate %n risposte</source>
        <translation>
            <numerusform>Se borrará %n respuesta</numerusform>
            <numerusform>Se borrarán %n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>esta semana</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>este mes</translation>
    </message>
    <message>
        <source>l&apos;anno scolastico</source>
        <translation>el curso escolar</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <translation>todo el registro</translation>
    </message>
    <message>
        <source>date a scelta</source>
        <translation>fechas a elegir</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>dal</source>
        <translation>del</translation>
    </message>
    <message>
        <source>al</source>
        <translation>al</translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>condizioni senza NON</source>
        <translation>condiciones sin NO</translation>
    </message>
    <message>
        <source>condizioni con NON</source>
        <translation>condiciones con NO</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>correctas</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>incorrectas</translation>
    </message>
    <message>
        <source>quota esatte</source>
        <translation>% correctas</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>juego</translation>
    </message>
    <message>
        <source>domanda</source>
        <translation>pregunta</translation>
    </message>
    <message>
        <source>blocchi</source>
        <translation>bloques</translation>
    </message>
    <message>
        <source>volte</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>B&amp;ambino:</source>
        <translation>&amp;Niño:</translation>
    </message>
    <message>
        <source>Le domande sbagliate più spesso</source>
        <translation>Las preguntas falladas más a menudo</translation>
    </message>
    <message>
        <source>Nessuna risposta nel periodo</source>
        <translation>Ninguna respuesta en el periodo</translation>
    </message>
    <message>
        <source>Quota di risposte esatte, settimana per settimana</source>
        <translation>Proporción de respuestas correctas, semana a semana</translation>
    </message>
    <message>
        <source>settimana dal lunedì</source>
        <translation>semana desde el lunes</translation>
    </message>
    <message>
        <source>senza NON</source>
        <translation>sin NO</translation>
    </message>
    <message>
        <source>con NON</source>
        <translation>con NO</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>invitado</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Risposte in coda</source>
        <translation>Respuestas pendientes</translation>
    </message>
    <message>
        <source>Ultimo contatto</source>
        <translation>Último contacto</translation>
    </message>
    <message>
        <source>Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora.</source>
        <translation>Las respuestas pendientes están en ese ordenador y aún no en el registro del servidor: llegan cuando el ordenador está encendido y alcanza el servidor. Arriba, los ordenadores que aún tienen.</translation>
    </message>
    <message>
        <source>Nessun computer ha ancora inviato risposte al server.</source>
        <translation>Ningún ordenador ha enviado todavía respuestas al servidor.</translation>
    </message>
    <message>
        <source>Tutti i computer hanno inviato le loro risposte.</source>
        <translation>Todos los ordenadores han enviado sus respuestas.</translation>
    </message>
    <message numerus="yes">
        <source>%n computer hanno ancora risposte in coda.</source>
        <translation>
            <numerusform>%n ordenador todavía tiene respuestas pendientes.</numerusform>
            <numerusform>%n ordenadores todavía tienen respuestas pendientes.</numerusform>
        </translation>
    </message>
    <message>
        <source>mai</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>oggi alle %1</source>
        <translation>hoy a las %1</translation>
    </message>
    <message>
        <source>ieri alle %1</source>
        <translation>ayer a las %1</translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Il registro era danneggiato: è stato messo da parte come %1, e ne è stato cominciato uno nuovo.</source>
        <translation>El registro estaba dañado: se ha apartado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>Tesselo: resoconto di %1</source>
        <translation>Tesselo: informe de %1</translation>
    </message>
    <message>
        <source>oggi, %1</source>
        <translation>hoy, %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <translation>el %1</translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation>desde el %1</translation>
    </message>
    <message>
        <source>fino al %1</source>
        <translation>hasta el %1</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>&amp;Controlla il registro</source>
        <translation>&amp;Comprobar el registro</translation>
    </message>
    <message>
        <source>Il registro è integro.</source>
        <translation>El registro está íntegro.</translation>
    </message>
    <message>
        <source>Il registro è danneggiato (%1). Chiudere il gioco e riaprire il Registro di Tesselo: il file sarà messo da parte e ne sarà cominciato uno nuovo.</source>
        <translation>El registro está dañado (%1). Cierre el juego y vuelva a abrir el Registro de Tesselo: el archivo se apartará y se empezará uno nuevo.</translation>
    </message>
    <message>
        <source>Il registro non si può controllare: %1.</source>
        <translation>El registro no se puede comprobar: %1.</translation>
    </message>
    <message>
        <source>Rinomina la classe</source>
        <translation>Renombrar la clase</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Nueva clase</translation>
    </message>
    <message>
        <source>&amp;Nome della classe:</source>
        <translation>&amp;Nombre de la clase:</translation>
    </message>
    <message>
        <source>&amp;Anno scolastico:</source>
        <translation>&amp;Curso escolar:</translation>
    </message>
    <message>
        <source>Leggi le domande</source>
        <translation>Leer las preguntas en voz alta</translation>
    </message>
    <message>
        <source>Ogni gioco dice la sua domanda a voce quando comincia un turno, per chi non sa ancora leggere.</source>
        <translation>Cada juego dice su pregunta en voz alta al empezar un turno, para quien todavía no sabe leer.</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico</source>
        <translation>Nuevo curso escolar</translation>
    </message>
    <message>
        <source>Ogni classe spuntata passa all&apos;anno scolastico seguente con il nome scritto accanto, e tiene i suoi bambini e le loro risposte. Una classe non spuntata resta com&apos;è.</source>
        <translation>Cada clase marcada pasa al curso escolar siguiente con el nombre escrito al lado, y conserva sus niños y sus respuestas. Una clase sin marcar se queda como está.</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Nuovo nome</source>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>Anno scolastico</source>
        <translation>Curso escolar</translation>
    </message>
    <message>
        <source>Nuovo nome di %1</source>
        <translation>Nuevo nombre de %1</translation>
    </message>
    <message>
        <source>Passa al nuovo anno</source>
        <translation>Pasar al nuevo curso</translation>
    </message>
    <message>
        <source>Scuola</source>
        <translation>Escuela</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Nueva clase...</translation>
    </message>
    <message>
        <source>Rino&amp;mina la classe...</source>
        <translation>Reno&amp;mbrar la clase...</translation>
    </message>
    <message>
        <source>Nuovo anno scolas&amp;tico...</source>
        <translation>Nuevo curso escolar (&amp;t)...</translation>
    </message>
    <message>
        <source>%1 — Registro di Tesselo</source>
        <translation>%1 — Registro de Tesselo</translation>
    </message>
    <message>
        <source>Sposta i&amp;n un&apos;altra classe...</source>
        <translation>Mover a otra clase...</translation>
    </message>
    <message>
        <source>In quale classe spostare «%1»? Le sue risposte vanno con lui.</source>
        <translation>¿A qué clase mover a «%1»? Sus respuestas van con él.</translation>
    </message>
    <message>
        <source>«%1» non è stato spostato: %2</source>
        <translation>«%1» no se ha movido: %2</translation>
    </message>
    <message>
        <source>Rinomina classe...</source>
        <translation>Renombrar la clase...</translation>
    </message>
    <message>
        <source>Nuova classe...</source>
        <translation>Nueva clase...</translation>
    </message>
    <message>
        <source>Nuovo anno scolastico...</source>
        <translation>Nuevo curso escolar...</translation>
    </message>
    <message>
        <source>Class&amp;e:</source>
        <translation>Cla&amp;se:</translation>
    </message>
    <message>
        <source>«%1» non può passare al nuovo anno: %2</source>
        <translation>«%1» no puede pasar al nuevo curso: %2</translation>
    </message>
    <message>
        <source>Il nuovo anno scolastico non è stato applicato, nessuna classe è cambiata: %1</source>
        <translation>El nuevo curso escolar no se ha aplicado, ninguna clase ha cambiado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro risposte.</source>
        <translation>
            <numerusform>%n clase ha pasado al nuevo curso escolar, con sus niños y sus respuestas.</numerusform>
            <numerusform>%n clases han pasado al nuevo curso escolar, con sus niños y sus respuestas.</numerusform>
        </translation>
    </message>
    <message>
        <source>La classe «%1» non è stata salvata: %2</source>
        <translation>La clase «%1» no se ha guardado: %2</translation>
    </message>
    <message>
        <source>Assegna a...</source>
        <translation>Asignar a...</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Classe e utenti a cui è assegnata</source>
        <translation>Clase y usuarios a los que está asignada</translation>
    </message>
    <message>
        <source>Crea classe...</source>
        <translation>Crear clase...</translation>
    </message>
    <message>
        <source>Non si riesce a leggere a chi sono assegnate le classi: %1</source>
        <translation>No se puede leer a quién están asignadas las clases: %1</translation>
    </message>
    <message>
        <source>Ogni classe con gli utenti del server che la vedono: le insegnanti e i computer delle aule e del laboratorio.</source>
        <translation>Cada clase con los usuarios del servidor que la ven: las maestras y los ordenadores de las aulas y del laboratorio.</translation>
    </message>
    <message>
        <source>A quale utente del server assegnare la classe %1? Il nome con cui l&apos;insegnante o il computer accede al server:</source>
        <translation>¿A qué usuario del servidor asignar la clase %1? El nombre con el que la maestra o el ordenador accede al servidor:</translation>
    </message>
    <message>
        <source>La classe %1 non è stata assegnata a «%2»: %3</source>
        <translation>La clase %1 no se ha asignado a «%2»: %3</translation>
    </message>
    <message>
        <source>La classe %1 non è stata tolta a «%2»: %3</source>
        <translation>La clase %1 no se le ha quitado a «%2»: %3</translation>
    </message>
    <message>
        <source>riga %1: il file mescola UTF-8 e un&apos;altra codifica; salvalo di nuovo in UTF-8</source>
        <translation>línea %1: el archivo mezcla UTF-8 y otra codificación; guárdalo de nuevo en UTF-8</translation>
    </message>
    <message>
        <source>riga 1: il file è vuoto, manca l&apos;intestazione con Nome e Cognome</source>
        <translation>línea 1: el archivo está vacío, falta el encabezado con Nombre y Apellidos</translation>
    </message>
    <message>
        <source>Nome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Cognome</source>
        <comment>una colonna del file di una classe</comment>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>riga %1: manca la colonna %2</source>
        <translation>línea %1: falta la columna %2</translation>
    </message>
    <message>
        <source>riga %1: manca il nome</source>
        <translation>línea %1: falta el nombre</translation>
    </message>
    <message>
        <source>riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno</source>
        <translation>línea %1: el nombre y los apellidos pueden tener como máximo %2 caracteres cada uno</translation>
    </message>
    <message>
        <source>riga %1: il nome del gruppo può avere al massimo %2 caratteri</source>
        <translation>línea %1: el nombre del grupo puede tener como máximo %2 caracteres</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>scegli una classe</source>
        <translation>elige una clase</translation>
    </message>
    <message>
        <source>i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto</source>
        <translation>hay más niños que símbolos (%1): no se ha añadido ninguno</translation>
    </message>
    <message>
        <source>«%1» come %2</source>
        <translation>«%1» como %2</translation>
    </message>
    <message>
        <source>Nome e cognome da controllare nella pagina della classe: %1.</source>
        <translation>Nombre y apellidos que revisar en la página de la clase: %1.</translation>
    </message>
    <message>
        <source>Nomi e cognomi da controllare</source>
        <translation>Nombres y apellidos que revisar</translation>
    </message>
    <message>
        <source>Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. Scegli il cognome di ciascuno; il resto è il nome.</source>
        <translation>En el archivo, estos niños tienen los apellidos y el nombre en una sola columna, que se puede dividir de varias maneras. Elige los apellidos de cada uno; el resto es el nombre.</translation>
    </message>
    <message>
        <source>Nel file</source>
        <translation>En el archivo</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>(nessun cognome)</source>
        <translation>(sin apellidos)</translation>
    </message>
    <message>
        <source>Cognome di «%1»</source>
        <translation>Apellidos de «%1»</translation>
    </message>
    <message>
        <source>&amp;Importa</source>
        <translation>&amp;Importar</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini già nella classe sono passati al gruppo del file.</source>
        <translation>
            <numerusform>%n niño que ya estaba en la clase ha pasado al grupo del archivo.</numerusform>
            <numerusform>%n niños que ya estaban en la clase han pasado al grupo del archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun gruppo</source>
        <translation>ningún grupo</translation>
    </message>
    <message>
        <source>&amp;Gruppo:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;Solo il percorso: gli altri giochi restano chiusi</source>
        <translation>&amp;Solo el recorrido: los demás juegos quedan cerrados</translation>
    </message>
    <message>
        <source>&amp;Aggiungi un passo</source>
        <translation>&amp;Añadir un paso</translation>
    </message>
    <message>
        <source>&amp;Togli il passo</source>
        <translation>&amp;Quitar el paso</translation>
    </message>
    <message>
        <source>S&amp;u</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&amp;Giù</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Nuovo percorso</source>
        <translation>Nuevo recorrido</translation>
    </message>
    <message>
        <source>Modifica il percorso</source>
        <translation>Modificar el recorrido</translation>
    </message>
    <message>
        <source>Gioco</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Le risposte esatte che completano il passo</source>
        <translation>Las respuestas correctas que completan el paso</translation>
    </message>
    <message>
        <source>&amp;Obiettivo (facoltativo):</source>
        <translation>&amp;Objetivo (opcional):</translation>
    </message>
    <message>
        <source>I &amp;passi, nell&apos;ordine in cui il bambino li gioca:</source>
        <translation>Los &amp;pasos, en el orden en que el niño los juega:</translation>
    </message>
    <message>
        <source>Gioco del passo %1</source>
        <translation>Juego del paso %1</translation>
    </message>
    <message>
        <source>Esatte del passo %1</source>
        <translation>Respuestas correctas del paso %1</translation>
    </message>
    <message>
        <source>Passo %1: %2 in gioco</source>
        <translation>Paso %1: %2 en juego</translation>
    </message>
    <message>
        <source>Su misura</source>
        <translation>A medida</translation>
    </message>
    <message>
        <source>L&apos;attributo di ogni turno esce più spesso se il bambino non l&apos;ha ancora imparato</source>
        <translation>El atributo de cada turno sale más a menudo mientras el niño aún no lo ha aprendido</translation>
    </message>
    <message>
        <source>Passo %1 su misura</source>
        <translation>Paso %1 a medida</translation>
    </message>
    <message>
        <source>Nel gioco «%1» non si scelgono attributi.</source>
        <translation>En el juego «%1» no se eligen atributos.</translation>
    </message>
    <message>
        <source>un altro percorso della classe si chiama già «%1»</source>
        <translation>otro recorrido de la clase ya se llama «%1»</translation>
    </message>
    <message>
        <source>va scelto almeno un attributo</source>
        <translation>hay que elegir al menos un atributo</translation>
    </message>
    <message>
        <source>Non si può ancora salvare: %1.</source>
        <translation>Todavía no se puede guardar: %1.</translation>
    </message>
    <message>
        <source>&amp;Percorsi</source>
        <translation>&amp;Recorridos</translation>
    </message>
    <message>
        <source>Gruppi della classe</source>
        <translation>Grupos de la clase</translation>
    </message>
    <message>
        <source>nel gruppo «%1»</source>
        <translation>en el grupo «%1»</translation>
    </message>
    <message>
        <source>Rinomina...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Rimuovi...</source>
        <translation>Quitar...</translation>
    </message>
    <message>
        <source>Gruppi</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>N&amp;uovo gruppo...</source>
        <translation>&amp;Nuevo grupo...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n bambini)</source>
        <translation>
            <numerusform>%1 (%n niño)</numerusform>
            <numerusform>%1 (%n niños)</numerusform>
        </translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato salvato: %2</source>
        <translation>El grupo «%1» no se ha guardado: %2</translation>
    </message>
    <message>
        <source>Il nome del nuovo gruppo (per esempio «piccoli», «mezzani», «grandi»):</source>
        <translation>El nombre del nuevo grupo (por ejemplo «pequeños», «medianos», «mayores»):</translation>
    </message>
    <message>
        <source>Il nuovo nome del gruppo «%1»:</source>
        <translation>El nuevo nombre del grupo «%1»:</translation>
    </message>
    <message>
        <source>Rimuovere il gruppo «%1»?

</source>
        <translation>¿Quitar el grupo «%1»?

</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini del gruppo restano nella classe, senza gruppo.</source>
        <translation>
            <numerusform>%n niño del grupo se queda en la clase, sin grupo.</numerusform>
            <numerusform>%n niños del grupo se quedan en la clase, sin grupo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Non ha nessun bambino.</source>
        <translation>No tiene ningún niño.</translation>
    </message>
    <message>
        <source>Il gruppo «%1» non è stato rimosso: %2</source>
        <translation>El grupo «%1» no se ha quitado: %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato salvato: %2</source>
        <translation>El recorrido «%1» no se ha guardado: %2</translation>
    </message>
    <message>
        <source> (copia)</source>
        <translation> (copia)</translation>
    </message>
    <message>
        <source> (copia %1)</source>
        <translation> (copia %1)</translation>
    </message>
    <message>
        <source>Il percorso non è stato importato: %1</source>
        <translation>El recorrido no se ha importado: %1</translation>
    </message>
    <message>
        <source>Percorso «%1» importato dal file «%2».</source>
        <translation>Recorrido «%1» importado del archivo «%2».</translation>
    </message>
    <message>
        <source>Percorso importato dal file «%2» come «%1»: la classe ha già un percorso «%3».</source>
        <translation>Recorrido importado del archivo «%2» como «%1»: la clase ya tiene un recorrido «%3».</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato esportato: %2</source>
        <translation>El recorrido «%1» no se ha exportado: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» esportato nel file «%2».</source>
        <translation>Recorrido «%1» exportado al archivo «%2».</translation>
    </message>
    <message>
        <source>Gli esempi non ci sono: manca la cartella %1.</source>
        <translation>Faltan los ejemplos: no existe la carpeta %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n percorsi di esempio aggiunti alla classe.</source>
        <translation>
            <numerusform>%n recorrido de ejemplo añadido a la clase.</numerusform>
            <numerusform>%n recorridos de ejemplo añadidos a la clase.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gli esempi sono già tutti nella classe.</source>
        <translation>Los ejemplos ya están todos en la clase.</translation>
    </message>
    <message>
        <source>%1 Non sono stati importati:
%2</source>
        <translation>%1 No importados:
%2</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Paso %1</translation>
    </message>
    <message numerus="yes">
        <source>%n esatte su %1</source>
        <translation>
            <numerusform>%n correcta de %1</numerusform>
            <numerusform>%n correctas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, fatto</source>
        <translation>%1, hecho</translation>
    </message>
    <message>
        <source>%1, il prossimo</source>
        <translation>%1, el siguiente</translation>
    </message>
    <message>
        <source>%1, passo %2 («%3»): %4</source>
        <translation>%1, paso %2 («%3»): %4</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Percorso assegnato</source>
        <translation>Recorrido asignado</translation>
    </message>
    <message>
        <source>Percorso che gioca</source>
        <translation>Recorrido que juega</translation>
    </message>
    <message>
        <source>Nuo&amp;vo percorso...</source>
        <translation>&amp;Nuevo recorrido...</translation>
    </message>
    <message>
        <source>D&amp;uplica</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>Elimi&amp;na...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>&amp;Importa da un file...</source>
        <translation>&amp;Importar de un archivo...</translation>
    </message>
    <message>
        <source>Esporta in un &amp;file...</source>
        <translation>Exportar a un archi&amp;vo...</translation>
    </message>
    <message>
        <source>Importa &amp;gli esempi</source>
        <translation>Importar los e&amp;jemplos</translation>
    </message>
    <message>
        <source>I percorsi di esempio che il programma porta con sé, per bambini dai tre ai sette anni</source>
        <translation>Los recorridos de ejemplo que trae el programa, para niños de tres a siete años</translation>
    </message>
    <message>
        <source>I percorsi dell&amp;a classe:</source>
        <translation>Los re&amp;corridos de la clase:</translation>
    </message>
    <message>
        <source>Chi gioca &amp;quale percorso:</source>
        <translation>&amp;Quién juega qué recorrido:</translation>
    </message>
    <message>
        <source>La classe non ha ancora percorsi: se ne crea uno nuovo, o si importano gli esempi.</source>
        <translation>La clase todavía no tiene recorridos: se crea uno nuevo, o se importan los ejemplos.</translation>
    </message>
    <message numerus="yes">
        <source>%n passi</source>
        <translation>
            <numerusform>%n paso</numerusform>
            <numerusform>%n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, solo il percorso</source>
        <translation>%1, solo el recorrido</translation>
    </message>
    <message>
        <source>Tutta la classe</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>Gruppo «%1»</source>
        <translation>Grupo «%1»</translation>
    </message>
    <message>
        <source>Percorso assegnato a %1</source>
        <translation>Recorrido asignado a %1</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 (del gruppo)</source>
        <translation>%1 (del grupo)</translation>
    </message>
    <message>
        <source>%1 (della classe)</source>
        <translation>%1 (de la clase)</translation>
    </message>
    <message>
        <source>L&apos;avanzamento dei bambini in un percorso: scegliere il percorso.</source>
        <translation>El avance de los niños en un recorrido: elegir el recorrido.</translation>
    </message>
    <message>
        <source>L&apos;avanzamento in «%1»: in ogni passo le risposte esatte su quelle che lo completano; ✓ un passo fatto, in grassetto il prossimo.</source>
        <translation>El avance en «%1»: en cada paso las respuestas correctas sobre las que lo completan; ✓ un paso hecho, en negrita el siguiente.</translation>
    </message>
    <message>
        <source>Nessun bambino gioca «%1»: lo si assegna alla classe, a un gruppo o a un bambino.</source>
        <translation>Ningún niño juega «%1»: se asigna a la clase, a un grupo o a un niño.</translation>
    </message>
    <message>
        <source>Il percorso non è stato assegnato: %1</source>
        <translation>El recorrido no se ha asignado: %1</translation>
    </message>
    <message>
        <source>Eliminare il percorso «%1»?

</source>
        <translation>¿Eliminar el recorrido «%1»?

</translation>
    </message>
    <message numerus="yes">
        <source>Lo giocano %n bambini: non lo giocheranno più.</source>
        <translation>
            <numerusform>Lo juega %n niño: ya no lo jugará.</numerusform>
            <numerusform>Lo juegan %n niños: ya no lo jugarán.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le risposte date nel percorso restano nel registro.</source>
        <translation>Las respuestas dadas en el recorrido se quedan en el registro.</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato eliminato: %2</source>
        <translation>El recorrido «%1» no se ha eliminado: %2</translation>
    </message>
    <message>
        <source>Importa un percorso</source>
        <translation>Importar un recorrido</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json);;Tutti i file (*)</source>
        <translation>Recorridos de Tesselo (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Esporta il percorso</source>
        <translation>Exportar el recorrido</translation>
    </message>
    <message>
        <source>percorso</source>
        <translation>recorrido</translation>
    </message>
    <message>
        <source>Percorsi di Tesselo (*.json)</source>
        <translation>Recorridos de Tesselo (*.json)</translation>
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
        <translation>Sin opciones abre el registro de la clase en una ventana.
  --importa ARCHIVO.csv     añade a la clase los niños de un archivo de la
                            secretaría y escribe cuántos ha añadido
  --esporta ARCHIVO.csv     escribe cada respuesta de la clase en un archivo CSV
  --unisci ARCHIVO.sqlite   añade las respuestas del registro de otro ordenador
  --importa-percorso ARCHIVO.json
                            añade a la clase el recorrido de un archivo y
                            escribe su nombre
  --esporta-percorso NOMBRE ARCHIVO.json
                            escribe en un archivo el recorrido de la clase
                            con ese nombre
  --assegna-percorso NOMBRE --bambino &quot;NOMBRE APELLIDO&quot;
  --assegna-percorso NOMBRE --gruppo NOMBRE
  --assegna-percorso NOMBRE --tutta-la-classe
                            asigna el recorrido a un niño, a un grupo o a
                            toda la clase
  --avanzamento ARCHIVO.csv escribe en un archivo CSV por dónde va cada niño
                            en su recorrido, paso a paso
  --padronanza ARCHIVO.csv escribe en un archivo CSV, por cada niño y habilidad,
                            la estimación de cuánto la ha adquirido y su nivel
  --classe NOMBRE           la clase a la que se aplica la opción, con el nombre
                            que tiene en la página de la clase; hace falta
                            cuando el registro tiene varias clases
  --lingua CÓDIGO           el idioma del programa: %2; sin él,
                            el de tesselo.conf o del sistema, si no el italiano
  --help                    muestra esta ayuda
El registro es %1
</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] [--importa-percorso FILE.json | --esporta-percorso NOME FILE.json | --avanzamento FILE.csv]
     tesselo-registro [--lingua CODICE] [--classe NOME] --assegna-percorso NOME (--bambino &quot;NOME COGNOME&quot; | --gruppo NOME | --tutta-la-classe)
</source>
        <translation>     tesselo-registro [--lingua CÓDIGO] [--classe NOMBRE] [--importa-percorso ARCHIVO.json | --esporta-percorso NOMBRE ARCHIVO.json | --avanzamento ARCHIVO.csv]
     tesselo-registro [--lingua CÓDIGO] [--classe NOMBRE] --assegna-percorso NOMBRE (--bambino &quot;NOMBRE APELLIDO&quot; | --gruppo NOMBRE | --tutta-la-classe)
</translation>
    </message>
    <message>
        <source>la classe non ha gruppi</source>
        <translation>la clase no tiene grupos</translation>
    </message>
    <message>
        <source>la classe non ha un gruppo «%1»; i suoi gruppi sono %2</source>
        <translation>la clase no tiene un grupo «%1»; sus grupos son %2</translation>
    </message>
    <message>
        <source>nella classe nessun bambino si chiama «%1»</source>
        <translation>ningún niño de la clase se llama «%1»</translation>
    </message>
    <message numerus="yes">
        <source>nella classe %n bambini si chiamano «%1»: dai a ognuno un nome diverso nella pagina della classe</source>
        <translation>
            <numerusform>%n niño de la clase se llama «%1»: da a cada uno un nombre distinto en la página de la clase</numerusform>
            <numerusform>%n niños de la clase se llaman «%1»: da a cada uno un nombre distinto en la página de la clase</numerusform>
        </translation>
    </message>
    <message>
        <source>la classe non ha percorsi</source>
        <translation>la clase no tiene recorridos</translation>
    </message>
    <message>
        <source>la classe non ha un percorso «%1»; i suoi percorsi sono %2</source>
        <translation>la clase no tiene un recorrido «%1»; sus recorridos son %2</translation>
    </message>
    <message>
        <source>Il percorso «%1» non è stato assegnato: %2</source>
        <translation>El recorrido «%1» no se ha asignado: %2</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a tutta la classe.</source>
        <translation>Recorrido «%1» asignado a toda la clase.</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato al gruppo «%2».</source>
        <translation>Recorrido «%1» asignado al grupo «%2».</translation>
    </message>
    <message>
        <source>Percorso «%1» assegnato a «%2».</source>
        <translation>Recorrido «%1» asignado a «%2».</translation>
    </message>
    <message>
        <source>L&apos;avanzamento non è stato esportato: %1</source>
        <translation>El progreso no se ha exportado: %1</translation>
    </message>
    <message>
        <source>     tesselo-registro [--lingua CODICE] [--classe NOME] --padronanza FILE.csv
</source>
        <translation>     tesselo-registro [--lingua CÓDIGO] [--classe NOMBRE] --padronanza ARCHIVO.csv
</translation>
    </message>
    <message>
        <source>Le stime non sono state esportate: %1</source>
        <translation>Las estimaciones no se han exportado: %1</translation>
    </message>
    <message>
        <source>Stime della classe esportate nel file %1.</source>
        <translation>Estimaciones de la clase exportadas al archivo %1.</translation>
    </message>
    <message>
        <source>Nessun bambino della classe ha un percorso: nel file %1 c&apos;è solo l&apos;intestazione.</source>
        <translation>Ningún niño de la clase tiene un recorrido: el archivo %1 solo tiene la cabecera.</translation>
    </message>
    <message numerus="yes">
        <source>Avanzamento di %n bambini esportato nel file %1.</source>
        <translation>
            <numerusform>Progreso de %n niño exportado al archivo %1.</numerusform>
            <numerusform>Progreso de %n niños exportado al archivo %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>A&amp;ggiorna le stime</source>
        <translation>Actuali&amp;zar las estimaciones</translation>
    </message>
    <message>
        <source>livello</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>risposte</source>
        <translation>respuestas</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>día</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Calcolo delle stime in corso…</source>
        <translation>Calculando las estimaciones…</translation>
    </message>
    <message>
        <source>Stima di ciò che ha imparato, giorno per giorno</source>
        <translation>Estimación de lo aprendido, día a día</translation>
    </message>
    <message>
        <source>Nessuna stima nel periodo</source>
        <translation>Ninguna estimación en el periodo</translation>
    </message>
    <message>
        <source>Le ultime dieci prime risposte: %1</source>
        <translation>Las diez últimas primeras respuestas: %1</translation>
    </message>
    <message>
        <source>esatta</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>errata</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>%1 (stima %2 su %3)</source>
        <translation>%1 (estimación %2 sobre %3)</translation>
    </message>
    <message>
        <source>Che cosa ha imparato ciascun bambino</source>
        <translation>Lo que ha aprendido cada niño</translation>
    </message>
    <message>
        <source>Da tutte le prime risposte di ogni turno: «acquisito» quando la stima arriva a 0,95; «poche risposte» sotto le %1 risposte. Passare sopra una casella per la stima e il numero di risposte.</source>
        <translation>A partir de la primera respuesta de cada turno: «adquirido» cuando la estimación llega a 0,95; «pocas respuestas» por debajo de %1 respuestas. Pasar el puntero sobre una casilla para ver la estimación y el número de respuestas.</translation>
    </message>
    <message>
        <source>Probabilità del modello adattate il %1.</source>
        <translation>Probabilidades del modelo ajustadas el %1.</translation>
    </message>
    <message>
        <source>Probabilità del modello predefinite.</source>
        <translation>Probabilidades del modelo predeterminadas.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato ciascun bambino&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Lo que ha aprendido cada niño&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Che cosa ha imparato&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Lo aprendido&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;livello&lt;/th&gt;&lt;th&gt;stima&lt;/th&gt;&lt;th&gt;risposte&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;nivel&lt;/th&gt;&lt;th&gt;estimación&lt;/th&gt;&lt;th&gt;respuestas&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>poche risposte</source>
        <translation>pocas respuestas</translation>
    </message>
    <message>
        <source>non ancora</source>
        <translation>aún no</translation>
    </message>
    <message>
        <source>in via di acquisizione</source>
        <translation>en proceso</translation>
    </message>
    <message>
        <source>acquisito</source>
        <translation>adquirido</translation>
    </message>
    <message numerus="yes">
        <source>%n risposte</source>
        <translation>
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;gioco&lt;/th&gt;&lt;th&gt;domanda&lt;/th&gt;&lt;th&gt;blocchi&lt;/th&gt;&lt;th&gt;volte&lt;/th&gt;&lt;th&gt;l&apos;ultima risposta&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;juego&lt;/th&gt;&lt;th&gt;pregunta&lt;/th&gt;&lt;th&gt;bloques&lt;/th&gt;&lt;th&gt;veces&lt;/th&gt;&lt;th&gt;última respuesta&lt;/th&gt;&lt;/tr&gt;</translation>
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
            <numerusform>%n reintento tras un error</numerusform>
            <numerusform>%n reintentos tras un error</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n riprove</source>
        <translation>
            <numerusform>+%n reintento</numerusform>
            <numerusform>+%n reintentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — poche risposte</source>
        <translation>%1 — pocas respuestas</translation>
    </message>
    <message numerus="yes">
        <source>In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi tutte esatte); in grigio corsivo, senza colore, una quota di meno di %n risposte, che dice ancora poco. Un clic sul titolo di una colonna ordina le righe; un doppio clic su un bambino apre la sua scheda.</source>
        <translation>
            <numerusform>En cada casilla: la proporción de respuestas correctas, luego cuántas correctas (✓) y cuántas incorrectas (✗), contando la primera respuesta de cada turno. El color va del rojo (pocas correctas) al amarillo (la mitad) y al verde (casi todas correctas); en gris cursiva, sin color, una proporción de menos de %n respuesta, que aún dice poco. Un clic en el título de una columna ordena las filas; un doble clic en un niño abre su ficha.</numerusform>
            <numerusform>En cada casilla: la proporción de respuestas correctas, luego cuántas correctas (✓) y cuántas incorrectas (✗), contando la primera respuesta de cada turno. El color va del rojo (pocas correctas) al amarillo (la mitad) y al verde (casi todas correctas); en gris cursiva, sin color, una proporción de menos de %n respuestas, que aún dice poco. Un clic en el título de una columna ordena las filas; un doble clic en un niño abre su ficha.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la prima risposta di ogni turno, e le riprove dopo un errore. In grigio corsivo, senza colore, una quota di meno di %n risposte.&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;En cada casilla: la proporción de respuestas correctas, luego cuántas correctas (✓) y cuántas incorrectas (✗), contando la primera respuesta de cada turno, y los reintentos tras un error. En gris cursiva, sin color, una proporción de menos de %n respuesta.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;En cada casilla: la proporción de respuestas correctas, luego cuántas correctas (✓) y cuántas incorrectas (✗), contando la primera respuesta de cada turno, y los reintentos tras un error. En gris cursiva, sin color, una proporción de menos de %n respuestas.&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>meno di 1 min</source>
        <translation>menos de 1 min</translation>
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
        <translation>última respuesta</translation>
    </message>
    <message>
        <source>Una nota sul bambino, per l&apos;insegnante soltanto.</source>
        <translation>Una nota sobre el niño, solo para el docente.</translation>
    </message>
    <message>
        <source>&amp;Nota dell&apos;insegnante:</source>
        <translation>Nota &amp;del docente:</translation>
    </message>
    <message>
        <source>Sal&amp;va la nota</source>
        <translation>Gu&amp;ardar la nota</translation>
    </message>
    <message>
        <source>Linee del grafico:</source>
        <translation>Líneas del gráfico:</translation>
    </message>
    <message>
        <source>La nota non è salvata: è lunga %1 caratteri, se ne tengono al massimo %2.</source>
        <translation>La nota no se ha guardado: tiene %1 caracteres y se guardan como máximo %2.</translation>
    </message>
    <message>
        <source>La nota su %1 non è salvata: %2.</source>
        <translation>La nota sobre %1 no se ha guardado: %2.</translation>
    </message>
    <message>
        <source>Nota salvata.</source>
        <translation>Nota guardada.</translation>
    </message>
    <message>
        <source>Ha giocato l&apos;ultima volta %1; tempo di gioco nel periodo: %2.</source>
        <translation>Jugó por última vez el %1; tiempo de juego en el periodo: %2.</translation>
    </message>
    <message>
        <source>Non ha giocato nel periodo.</source>
        <translation>No jugó en el periodo.</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>Registro: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Registro sul server %1</source>
        <translation>Registro en el servidor %1</translation>
    </message>
</context>
<context>
    <name>Simboli</name>
    <message>
        <source>gatto</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>cane</source>
        <translation>perro</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>orso</source>
        <translation>oso</translation>
    </message>
    <message>
        <source>leone</source>
        <translation>león</translation>
    </message>
    <message>
        <source>rana</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>maiale</source>
        <translation>cerdo</translation>
    </message>
    <message>
        <source>pulcino</source>
        <translation>pollito</translation>
    </message>
    <message>
        <source>pinguino</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <source>elefante</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>tartaruga</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>pesce</source>
        <translation>pez</translation>
    </message>
    <message>
        <source>farfalla</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <source>chiocciola</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>manzana</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <source>fragola</source>
        <translation>fresa</translation>
    </message>
    <message>
        <source>uva</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>arancia</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>anguria</source>
        <translation>sandía</translation>
    </message>
    <message>
        <source>pera</source>
        <translation>pera</translation>
    </message>
    <message>
        <source>carota</source>
        <translation>zanahoria</translation>
    </message>
    <message>
        <source>sole</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>luna</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>stella</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>girasole</source>
        <translation>girasol</translation>
    </message>
    <message>
        <source>albero</source>
        <translation>árbol</translation>
    </message>
    <message>
        <source>fungo</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>pallone</source>
        <translation>balón</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>trenino</source>
        <translation>trenecito</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>aereo</source>
        <translation>avión</translation>
    </message>
    <message>
        <source>razzo</source>
        <translation>cohete</translation>
    </message>
    <message>
        <source>ombrello</source>
        <translation>paraguas</translation>
    </message>
    <message>
        <source>chiave</source>
        <translation>llave</translation>
    </message>
    <message>
        <source>campanella</source>
        <translation>campanita</translation>
    </message>
    <message>
        <source>palloncino</source>
        <translation>globo</translation>
    </message>
    <message>
        <source>pacco regalo</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>casetta</source>
        <translation>casita</translation>
    </message>
    <message>
        <source>tamburo</source>
        <translation>tambor</translation>
    </message>
    <message>
        <source>chitarra</source>
        <translation>guitarra</translation>
    </message>
    <message>
        <source>matita</source>
        <translation>lápiz</translation>
    </message>
</context>
</TS>

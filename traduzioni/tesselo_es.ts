<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Giochi</name>
    <message>
        <source>uguale - diverso</source>
        <translation>igual - diferente</translation>
    </message>
    <message>
        <source>insiemi</source>
        <translation>conjuntos</translation>
    </message>
    <message>
        <source>quanti sono ?</source>
        <translation>¿cuántos hay?</translation>
    </message>
    <message>
        <source>trova il blocco</source>
        <translation>busca el bloque</translation>
    </message>
    <message>
        <source>le strade 1</source>
        <translation>los caminos 1</translation>
    </message>
    <message>
        <source>le strade 2</source>
        <translation>los caminos 2</translation>
    </message>
    <message>
        <source>tabella</source>
        <translation>tabla</translation>
    </message>
    <message>
        <source>Cosa cambia?</source>
        <translation>¿Qué cambia?</translation>
    </message>
    <message>
        <source>Cosa resta uguale?</source>
        <translation>¿Qué sigue igual?</translation>
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
        <translation>G</translation>
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
        <translation>círculo</translation>
    </message>
    <message>
        <source>quadrato</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>rettangolo</source>
        <translation>rectángulo</translation>
    </message>
    <message>
        <source>triangolo</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>grande</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>piccolo</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>spesso</source>
        <translation>grueso</translation>
    </message>
    <message>
        <source>sottile</source>
        <translation>delgado</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>colore</source>
        <translation>color</translation>
    </message>
    <message>
        <source>dimensione</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>spessore</source>
        <translation>grosor</translation>
    </message>
    <message>
        <source>niente</source>
        <translation>nada</translation>
    </message>
</context>
<context>
    <name>Tesselo</name>
    <message>
        <source>passo %1 di %2</source>
        <translation>paso %1 de %2</translation>
    </message>
    <message>
        <source>, fatto</source>
        <translation>, hecho</translation>
    </message>
    <message>
        <source>, il prossimo</source>
        <translation>, el siguiente</translation>
    </message>
    <message>
        <source>Ben fatto!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>¿Quieres salir del programa?</translation>
    </message>
    <message>
        <source>giusto</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>sbagliato</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>Controllo automatico?</source>
        <translation>¿Control automático?</translation>
    </message>
    <message>
        <source>controlla automaticamente</source>
        <translation>controlar automáticamente</translation>
    </message>
    <message>
        <source>usa bottone FATTO</source>
        <translation>usar el botón LISTO</translation>
    </message>
    <message>
        <source>insieme</source>
        <translation>conjunto</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>DIVERSA</source>
        <translation>DIFERENTE</translation>
    </message>
    <message>
        <source>DIVERSO</source>
        <translation>DIFERENTE</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>UGUALE</source>
        <translation>IGUAL</translation>
    </message>
    <message>
        <source>DIVERSI</source>
        <translation>DIFERENTES</translation>
    </message>
    <message>
        <source>ricomincia</source>
        <translation>otra vez</translation>
    </message>
    <message>
        <source>Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli</source>
        <translation>Puedes hacer clic en los bloques que no cumplen la condición para quitarlos</translation>
    </message>
    <message>
        <source>Suono?</source>
        <translation>¿Sonido?</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Tipo aiuto</source>
        <translation>Tipo de ayuda</translation>
    </message>
    <message>
        <source>caselle colorate</source>
        <translation>casillas de colores</translation>
    </message>
    <message>
        <source>strade</source>
        <translation>caminos</translation>
    </message>
    <message>
        <source>aiuto</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>NON %1</source>
        <extracomment>A condition&apos;s negation as the roads and the table write it: &quot;NON ROSSO&quot;.</extracomment>
        <translation>NO %1</translation>
    </message>
    <message>
        <source>avanti</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the start screen writes its date, in QDate&apos;s format: &quot;8 dicembre 2026&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Chi gioca?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>ospite</source>
        <translation>invitado</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>esatti</source>
        <translation>éxitos</translation>
    </message>
    <message>
        <source>errati</source>
        <translation>errores</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Éxitos</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>¿Quieres volver al menú?</translation>
    </message>
    <message>
        <source>Suoni attivati</source>
        <translation>Sonidos activados</translation>
    </message>
    <message>
        <source>FINE</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>Licenza GNU GPL, versione 3 o successiva</source>
        <translation>Licencia GNU GPL, versión 3 o posterior</translation>
    </message>
    <message>
        <source>CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE</source>
        <translation>HAZ CLIC EN UN BOTÓN PARA EMPEZAR UN JUEGO O PARA TERMINAR</translation>
    </message>
    <message>
        <source>Quale classe?</source>
        <translation>¿Qué clase?</translation>
    </message>
</context>
</TS>

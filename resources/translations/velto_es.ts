<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Unbeatable</source>
        <translation>Imbatible</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Nada mal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Single Deck</source>
        <translation>Una baraja</translation>
    </message>
    <message>
        <source>Double Deck</source>
        <translation>Dos barajas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Más rápida</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Las Vegas</source>
        <translation>Las Vegas</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Streaks, Fastest Win and Best Scores</source>
        <translation>Rachas, victoria más rápida y mejores puntos</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Carreras</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Tied</source>
        <translation>Empatadas</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Click Ok when Ready to Start!</source>
        <translation>¡Pulsa Aceptar cuando estés listo!</translation>
    </message>
    <message>
        <source>Creating a Second Deck, Please be Patient</source>
        <translation>Creando una segunda baraja, ten paciencia</translation>
    </message>
    <message>
        <source>Changes require starting a new game, continue?</source>
        <translation>Los cambios requieren una nueva partida. ¿Continuar?</translation>
    </message>
    <message>
        <source>Quit game and exit?</source>
        <translation>¿Abandonar la partida y salir?</translation>
    </message>
    <message>
        <source>Quit game and re-deal?</source>
        <translation>¿Abandonar la partida y repartir de nuevo?</translation>
    </message>
    <message>
        <source>%s Won, Do you want to play again?</source>
        <translation>Ganador: %s. ¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
    <message>
        <source>Single Deck - Normal Scoring</source>
        <translation>Una baraja - Puntos normales</translation>
    </message>
    <message>
        <source>Single Deck - Las Vegas Scoring</source>
        <translation>Una baraja - Puntos Las Vegas</translation>
    </message>
    <message>
        <source>Double Deck - Normal Scoring</source>
        <translation>Dos barajas - Puntos normales</translation>
    </message>
    <message>
        <source>Double Deck - Las Vegas Scoring</source>
        <translation>Dos barajas - Puntos Las Vegas</translation>
    </message>
    <message>
        <source> - Unbeatable</source>
        <translation> - Imbatible</translation>
    </message>
    <message>
        <source> - Very Hard</source>
        <translation> - Muy difícil</translation>
    </message>
    <message>
        <source> - Hard</source>
        <translation> - Difícil</translation>
    </message>
    <message>
        <source> - Not Bad</source>
        <translation> - Nada mal</translation>
    </message>
    <message>
        <source> - Easy</source>
        <translation> - Fácil</translation>
    </message>
    <message>
        <source>Rank  Score     Name</source>
        <translation>Pos.  Puntos    Nombre</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Introduce tu nombre, por favor</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Velto</source>
        <translation>Acerca de Velto</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TCardLayout</name>
    <message>
        <source>Click to Deal New Game</source>
        <translation>Haz clic para repartir una nueva partida</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>--host takes a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--host espera un puerto de 1 a 65535, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--host and --join cannot be given together</source>
        <translation>--host y --join no pueden ir juntos</translation>
    </message>
</context>
<context>
    <name>TDealFlow</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>El ordenador</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Score :</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>P&amp;ausa</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Gorvane Web Site</source>
        <translation>Sitio web de Gorvane</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>About Velto</source>
        <translation>Acerca de Velto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Carrera</translation>
    </message>
    <message>
        <source>&amp;Host a Race...</source>
        <translation>&amp;Organizar una carrera...</translation>
    </message>
    <message>
        <source>&amp;Join a Race...</source>
        <translation>&amp;Unirse a una carrera...</translation>
    </message>
    <message>
        <source>Quit game and race?</source>
        <translation>¿Abandonar la partida para una carrera?</translation>
    </message>
</context>
<context>
    <name>TNameForm</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Enter your name for the Hall of Fame</source>
        <translation>Tu nombre para el Salón de la Fama</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TNetRaceRecords</name>
    <message>
        <source>Race - Single Deck</source>
        <translation>Carrera - Una baraja</translation>
    </message>
    <message>
        <source>Race - Double Deck</source>
        <translation>Carrera - Dos barajas</translation>
    </message>
</context>
<context>
    <name>TNetRaceSession</name>
    <message>
        <source>a move that does not fit the table</source>
        <translation>una jugada que no encaja con la mesa</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>%1 does not want to play again.</source>
        <translation>%1 no quiere jugar otra vez.</translation>
    </message>
    <message>
        <source>a message only a host sends</source>
        <translation>un mensaje que solo envía el anfitrión</translation>
    </message>
    <message>
        <source>a deal in the middle of a race</source>
        <translation>un reparto en mitad de la carrera</translation>
    </message>
    <message>
        <source>a move outside a race</source>
        <translation>una jugada fuera de una carrera</translation>
    </message>
    <message>
        <source>a message only a guest sends</source>
        <translation>un mensaje que solo envía el invitado</translation>
    </message>
    <message>
        <source>%1 sent %2; the race has ended.</source>
        <translation>%1 envió %2; la carrera ha terminado.</translation>
    </message>
    <message>
        <source>a message out of turn</source>
        <translation>un mensaje a destiempo</translation>
    </message>
</context>
<context>
    <name>TNetRaceSetup</name>
    <message>
        <source>&quot;%1&quot; is not a port to host on: give a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; no es un puerto: indica un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>Velto cannot host on port %1: %2</source>
        <translation>Velto no puede organizar en el puerto %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the other player to join at</source>
        <translation>Esperando al otro jugador en</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Organizar una carrera</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address to join: give HOST or HOST:PORT.</source>
        <translation>&quot;%1&quot; no es una dirección: indica HOST o HOST:PUERTO.</translation>
    </message>
    <message>
        <source>Join a Race</source>
        <translation>Unirse a una carrera</translation>
    </message>
    <message>
        <source>Joining %1 ...</source>
        <translation>Conectando con %1 ...</translation>
    </message>
    <message>
        <source>%1 wants to race.</source>
        <translation>%1 quiere jugar.</translation>
    </message>
    <message>
        <source>Waiting for the host to let you in ...</source>
        <translation>Esperando a que el anfitrión te deje entrar ...</translation>
    </message>
</context>
<context>
    <name>TNetRaceWindow</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>It is a tie, Do you want to play again?</source>
        <translation>Empate. ¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Leave the race?</source>
        <translation>¿Abandonar la carrera?</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Esperando a %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back… %2</source>
        <translation>Esperando a que %1 vuelva… %2</translation>
    </message>
    <message>
        <source>%1 has not come back.</source>
        <translation>%1 no ha vuelto.</translation>
    </message>
    <message>
        <source>%1 has not come back. End the race?</source>
        <translation>%1 no ha vuelto. ¿Terminar la carrera?</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Scoring Style</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Las Vegas</source>
        <translation>Las Vegas</translation>
    </message>
    <message>
        <source>Deck Size</source>
        <translation>Barajas</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Una</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Imbatible</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Nada mal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>CardBack</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Labyrinth</source>
        <translation>Laberinto</translation>
    </message>
    <message>
        <source>Black Ivy</source>
        <translation>Hiedra negra</translation>
    </message>
    <message>
        <source>Blue Ivy</source>
        <translation>Hiedra azul</translation>
    </message>
    <message>
        <source>Cyan Fish</source>
        <translation>Pez cian</translation>
    </message>
    <message>
        <source>Blue Fish</source>
        <translation>Pez azul</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawái</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Ingenioso</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castillo</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TRaceSetupForm</name>
    <message>
        <source>Join a Race</source>
        <translation>Unirse a una carrera</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Organizar una carrera</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Organizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Introduce tu nombre, por favor</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address</source>
        <translation>Introduce la dirección del anfitrión, por favor</translation>
    </message>
    <message>
        <source>&amp;Races on this network:</source>
        <translation>Carreras en esta &amp;red:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Looking for races on this network...</source>
        <translation>Buscando carreras en esta red...</translation>
    </message>
    <message>
        <source>No race is being hosted on this network. You can type the host&apos;s address below.</source>
        <translation>No hay ninguna carrera en esta red. Puedes escribir la dirección del anfitrión abajo.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here: no Avahi daemon runs on this computer. You can type the host&apos;s address below.</source>
        <translation>Aquí no se pueden buscar carreras: no hay ningún servicio Avahi en este equipo. Puedes escribir la dirección del anfitrión abajo.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here (%1). You can type the host&apos;s address below.</source>
        <translation>Aquí no se pueden buscar carreras (%1). Puedes escribir la dirección del anfitrión abajo.</translation>
    </message>
</context>
<context>
    <name>TRaceWaitForm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Refuse</source>
        <translation>&amp;Rechazar</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
</context>
<context>
    <name>TSettingsFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>A game of Skill!</source>
        <translation>¡Pura habilidad!</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>¿Restablecer todas las estadísticas?</translation>
    </message>
</context>
<context>
    <name>network::TPortMapping</name>
    <message>
        <source>no reason given</source>
        <translation>sin motivo</translation>
    </message>
    <message>
        <source>its answer was not an address</source>
        <translation>su respuesta no era una dirección</translation>
    </message>
    <message>
        <source>its answer was not a port</source>
        <translation>su respuesta no era un puerto</translation>
    </message>
    <message>
        <source>its own outside address %1 is private: another router stands before it</source>
        <translation>su propia dirección exterior %1 es privada: hay otro router delante</translation>
    </message>
    <message>
        <source>Asking the router to open port %1 ...</source>
        <translation>Pidiendo al router que abra el puerto %1 ...</translation>
    </message>
    <message>
        <source>From the internet: %1</source>
        <translation>Desde internet: %1</translation>
    </message>
    <message>
        <source>The router refused to open the port: %1</source>
        <translation>El router se negó a abrir el puerto: %1</translation>
    </message>
    <message>
        <source>No router answered: only players on this network can join.</source>
        <translation>Ningún router respondió: solo pueden unirse jugadores de esta red.</translation>
    </message>
</context>
<context>
    <name>network::TRaceConnection</name>
    <message>
        <source>The connection failed: %1</source>
        <translation>La conexión ha fallado: %1</translation>
    </message>
    <message>
        <source>The other player did not answer.</source>
        <translation>El otro jugador no ha respondido.</translation>
    </message>
    <message>
        <source>The other player sent something Velto cannot read (%1).</source>
        <translation>El otro jugador envió algo que Velto no puede leer (%1).</translation>
    </message>
    <message>
        <source>The other player cannot race now: %1</source>
        <translation>El otro jugador no puede correr ahora: %1</translation>
    </message>
    <message>
        <source>The other player did not say hello first.</source>
        <translation>El otro jugador no se presentó primero.</translation>
    </message>
    <message>
        <source>The other player&apos;s Velto races by version %1 of the rules for two, this one by version %2. Both need the same version.</source>
        <translation>El Velto del otro jugador sigue la versión %1 de las reglas para dos, este la versión %2. Ambos necesitan la misma versión.</translation>
    </message>
    <message>
        <source>The other player</source>
        <translation>El otro jugador</translation>
    </message>
    <message>
        <source>The other player said hello twice.</source>
        <translation>El otro jugador se presentó dos veces.</translation>
    </message>
    <message>
        <source>%1 left the race.</source>
        <translation>%1 ha abandonado la carrera.</translation>
    </message>
    <message>
        <source>%1 stopped answering.</source>
        <translation>%1 ha dejado de responder.</translation>
    </message>
    <message>
        <source>Velto could not send its own move; the race has ended.</source>
        <translation>Velto no pudo enviar su propia jugada; la carrera ha terminado.</translation>
    </message>
    <message>
        <source>%1 is not reading what this side sends; the race has ended.</source>
        <translation>%1 no lee lo que envía este lado; la carrera ha terminado.</translation>
    </message>
    <message>
        <source>%1 sent too many messages at once; the race has ended.</source>
        <translation>%1 envió demasiados mensajes a la vez; la carrera ha terminado.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Se perdió la conexión con %1.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Se perdió la conexión con el otro jugador.</translation>
    </message>
    <message>
        <source>The host did not let you into the race.</source>
        <translation>El anfitrión no te ha dejado entrar en la carrera.</translation>
    </message>
    <message>
        <source>The other player did not wait to be let in.</source>
        <translation>El otro jugador no esperó a que lo dejaran entrar.</translation>
    </message>
</context>
<context>
    <name>platform::Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
</TS>

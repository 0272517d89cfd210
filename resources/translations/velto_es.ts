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
        <translation>Una baraja - Puntuación normal</translation>
    </message>
    <message>
        <source>Single Deck - Las Vegas Scoring</source>
        <translation>Una baraja - Puntuación Las Vegas</translation>
    </message>
    <message>
        <source>Double Deck - Normal Scoring</source>
        <translation>Dos barajas - Puntuación normal</translation>
    </message>
    <message>
        <source>Double Deck - Las Vegas Scoring</source>
        <translation>Dos barajas - Puntuación Las Vegas</translation>
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
        <translation>&amp;Pausa</translation>
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
    <name>platform::Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
</TS>

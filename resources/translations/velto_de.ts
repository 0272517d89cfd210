<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Unbeatable</source>
        <translation>Unschlagbar</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Nicht übel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Single Deck</source>
        <translation>Ein Deck</translation>
    </message>
    <message>
        <source>Double Deck</source>
        <translation>Zwei Decks</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Schnellste</translation>
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
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Streaks, Fastest Win and Best Scores</source>
        <translation>Serien, schnellster Sieg und Bestwerte</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Tied</source>
        <translation>Remis</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Click Ok when Ready to Start!</source>
        <translation>Klicke auf OK, sobald du bereit bist!</translation>
    </message>
    <message>
        <source>Creating a Second Deck, Please be Patient</source>
        <translation>Ein zweites Deck entsteht, bitte etwas Geduld</translation>
    </message>
    <message>
        <source>Changes require starting a new game, continue?</source>
        <translation>Die Änderungen erfordern ein neues Spiel. Fortfahren?</translation>
    </message>
    <message>
        <source>Quit game and exit?</source>
        <translation>Spiel abbrechen und beenden?</translation>
    </message>
    <message>
        <source>Quit game and re-deal?</source>
        <translation>Spiel abbrechen und neu geben?</translation>
    </message>
    <message>
        <source>%s Won, Do you want to play again?</source>
        <translation>Sieger: %s. Möchtest du noch einmal spielen?</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Single Deck - Normal Scoring</source>
        <translation>Ein Deck - Normale Wertung</translation>
    </message>
    <message>
        <source>Single Deck - Las Vegas Scoring</source>
        <translation>Ein Deck - Las-Vegas-Wertung</translation>
    </message>
    <message>
        <source>Double Deck - Normal Scoring</source>
        <translation>Zwei Decks - Normale Wertung</translation>
    </message>
    <message>
        <source>Double Deck - Las Vegas Scoring</source>
        <translation>Zwei Decks - Las-Vegas-Wertung</translation>
    </message>
    <message>
        <source> - Unbeatable</source>
        <translation> - Unschlagbar</translation>
    </message>
    <message>
        <source> - Very Hard</source>
        <translation> - Sehr schwer</translation>
    </message>
    <message>
        <source> - Hard</source>
        <translation> - Schwer</translation>
    </message>
    <message>
        <source> - Not Bad</source>
        <translation> - Nicht übel</translation>
    </message>
    <message>
        <source> - Easy</source>
        <translation> - Leicht</translation>
    </message>
    <message>
        <source>Rank  Score     Name</source>
        <translation>Rang  Punkte    Name</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Velto</source>
        <translation>Über Velto</translation>
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
        <translation>Klicken, um neu zu geben</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>--host takes a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--host erwartet einen Port von 1 bis 65535, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--host and --join cannot be given together</source>
        <translation>--host und --join gehen nicht zusammen</translation>
    </message>
</context>
<context>
    <name>TDealFlow</name>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>Der Computer</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Score :</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Rangliste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Gorvane Web Site</source>
        <translation>Gorvane-Website</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About Velto</source>
        <translation>Über Velto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>Zu &amp;zweit</translation>
    </message>
    <message>
        <source>&amp;Host a Race...</source>
        <translation>Rennen &amp;ausrichten...</translation>
    </message>
    <message>
        <source>&amp;Join a Race...</source>
        <translation>Rennen &amp;beitreten...</translation>
    </message>
    <message>
        <source>Quit game and race?</source>
        <translation>Spiel abbrechen und ein Rennen fahren?</translation>
    </message>
</context>
<context>
    <name>TNameForm</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enter your name for the Hall of Fame</source>
        <translation>Dein Name für die Ruhmeshalle</translation>
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
        <translation>Rennen - Ein Deck</translation>
    </message>
    <message>
        <source>Race - Double Deck</source>
        <translation>Rennen - Zwei Decks</translation>
    </message>
</context>
<context>
    <name>TNetRaceSession</name>
    <message>
        <source>a move that does not fit the table</source>
        <translation>einen Zug, der nicht zum Tisch passt</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1 does not want to play again.</source>
        <translation>%1 möchte nicht noch einmal spielen.</translation>
    </message>
    <message>
        <source>a message only a host sends</source>
        <translation>eine Nachricht, die nur der Gastgeber sendet</translation>
    </message>
    <message>
        <source>a deal in the middle of a race</source>
        <translation>ein Geben mitten im Rennen</translation>
    </message>
    <message>
        <source>a move outside a race</source>
        <translation>einen Zug außerhalb eines Rennens</translation>
    </message>
    <message>
        <source>a message only a guest sends</source>
        <translation>eine Nachricht, die nur der Gast sendet</translation>
    </message>
    <message>
        <source>%1 sent %2; the race has ended.</source>
        <translation>%1 hat %2 gesendet; das Rennen ist beendet.</translation>
    </message>
    <message>
        <source>a message out of turn</source>
        <translation>eine Nachricht zur falschen Zeit</translation>
    </message>
</context>
<context>
    <name>TNetRaceSetup</name>
    <message>
        <source>&quot;%1&quot; is not a port to host on: give a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; ist kein Port: gib eine Zahl von 1 bis 65535 an.</translation>
    </message>
    <message>
        <source>Velto cannot host on port %1: %2</source>
        <translation>Velto kann auf Port %1 kein Rennen ausrichten: %2</translation>
    </message>
    <message>
        <source>Waiting for the other player to join at</source>
        <translation>Warte auf den anderen Spieler unter</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Rennen ausrichten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address to join: give HOST or HOST:PORT.</source>
        <translation>&quot;%1&quot; ist keine Adresse: gib HOST oder HOST:PORT an.</translation>
    </message>
    <message>
        <source>Join a Race</source>
        <translation>Rennen beitreten</translation>
    </message>
    <message>
        <source>Joining %1 ...</source>
        <translation>Verbinde mit %1 ...</translation>
    </message>
    <message>
        <source>%1 wants to race.</source>
        <translation>%1 möchte mitspielen.</translation>
    </message>
    <message>
        <source>Waiting for the host to let you in ...</source>
        <translation>Warten, bis der Gastgeber dich hereinlässt ...</translation>
    </message>
</context>
<context>
    <name>TNetRaceWindow</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>It is a tie, Do you want to play again?</source>
        <translation>Unentschieden. Möchtest du noch einmal spielen?</translation>
    </message>
    <message>
        <source>Leave the race?</source>
        <translation>Das Rennen verlassen?</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Warten auf %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back… %2</source>
        <translation>Warten, bis %1 zurückkommt… %2</translation>
    </message>
    <message>
        <source>%1 has not come back.</source>
        <translation>%1 ist nicht zurückgekommen.</translation>
    </message>
    <message>
        <source>%1 has not come back. End the race?</source>
        <translation>%1 ist nicht zurückgekommen. Das Rennen beenden?</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Scoring Style</source>
        <translation>Wertung</translation>
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
        <translation>Decks</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Unschlagbar</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Nicht übel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>CardBack</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Labyrinth</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <source>Black Ivy</source>
        <translation>Schwarzer Efeu</translation>
    </message>
    <message>
        <source>Blue Ivy</source>
        <translation>Blauer Efeu</translation>
    </message>
    <message>
        <source>Cyan Fish</source>
        <translation>Cyan-Fisch</translation>
    </message>
    <message>
        <source>Blue Fish</source>
        <translation>Blauer Fisch</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Eiscreme</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Knifflig</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Burg</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TRaceSetupForm</name>
    <message>
        <source>Join a Race</source>
        <translation>Rennen beitreten</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Rennen ausrichten</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Gastgeber:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>Aus&amp;richten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address</source>
        <translation>Bitte gib die Adresse des Gastgebers ein</translation>
    </message>
    <message>
        <source>&amp;Races on this network:</source>
        <translation>&amp;Rennen in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Looking for races on this network...</source>
        <translation>Suche nach Rennen in diesem Netzwerk ...</translation>
    </message>
    <message>
        <source>No race is being hosted on this network. You can type the host&apos;s address below.</source>
        <translation>In diesem Netzwerk wird kein Rennen angeboten. Du kannst die Adresse des Gastgebers unten eingeben.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here: no Avahi daemon runs on this computer. You can type the host&apos;s address below.</source>
        <translation>Hier kann nicht nach Rennen gesucht werden: Auf diesem Rechner läuft kein Avahi-Dienst. Du kannst die Adresse des Gastgebers unten eingeben.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here (%1). You can type the host&apos;s address below.</source>
        <translation>Hier kann nicht nach Rennen gesucht werden (%1). Du kannst die Adresse des Gastgebers unten eingeben.</translation>
    </message>
</context>
<context>
    <name>TRaceWaitForm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>An&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;Refuse</source>
        <translation>Ab&amp;lehnen</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Scores</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
</context>
<context>
    <name>TSettingsFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>A game of Skill!</source>
        <translation>Pures Geschick!</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Alle Statistiken zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>network::TPortMapping</name>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>its answer was not an address</source>
        <translation>seine Antwort war keine Adresse</translation>
    </message>
    <message>
        <source>its answer was not a port</source>
        <translation>seine Antwort war kein Port</translation>
    </message>
    <message>
        <source>its own outside address %1 is private: another router stands before it</source>
        <translation>seine eigene Adresse nach außen, %1, ist privat: ein weiterer Router steht davor</translation>
    </message>
    <message>
        <source>Asking the router to open port %1 ...</source>
        <translation>Der Router wird gebeten, Port %1 zu öffnen ...</translation>
    </message>
    <message>
        <source>From the internet: %1</source>
        <translation>Aus dem Internet: %1</translation>
    </message>
    <message>
        <source>The router refused to open the port: %1</source>
        <translation>Der Router hat das Öffnen des Ports abgelehnt: %1</translation>
    </message>
    <message>
        <source>No router answered: only players on this network can join.</source>
        <translation>Kein Router hat geantwortet: nur Spieler in diesem Netz können beitreten.</translation>
    </message>
</context>
<context>
    <name>network::TRaceConnection</name>
    <message>
        <source>The connection failed: %1</source>
        <translation>Die Verbindung ist gescheitert: %1</translation>
    </message>
    <message>
        <source>The other player did not answer.</source>
        <translation>Der andere Spieler hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The other player sent something Velto cannot read (%1).</source>
        <translation>Der andere Spieler hat etwas gesendet, das Velto nicht lesen kann (%1).</translation>
    </message>
    <message>
        <source>The other player cannot race now: %1</source>
        <translation>Der andere Spieler kann jetzt kein Rennen fahren: %1</translation>
    </message>
    <message>
        <source>The other player did not say hello first.</source>
        <translation>Der andere Spieler hat sich nicht zuerst vorgestellt.</translation>
    </message>
    <message>
        <source>The other player&apos;s Velto races by version %1 of the rules for two, this one by version %2. Both need the same version.</source>
        <translation>Das Velto des anderen Spielers fährt nach Version %1 der Regeln für zwei, dieses nach Version %2. Beide brauchen dieselbe Version.</translation>
    </message>
    <message>
        <source>The other player</source>
        <translation>Der andere Spieler</translation>
    </message>
    <message>
        <source>The other player said hello twice.</source>
        <translation>Der andere Spieler hat sich zweimal vorgestellt.</translation>
    </message>
    <message>
        <source>%1 left the race.</source>
        <translation>%1 hat das Rennen verlassen.</translation>
    </message>
    <message>
        <source>%1 stopped answering.</source>
        <translation>%1 antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Velto could not send its own move; the race has ended.</source>
        <translation>Velto konnte den eigenen Zug nicht senden; das Rennen ist beendet.</translation>
    </message>
    <message>
        <source>%1 is not reading what this side sends; the race has ended.</source>
        <translation>%1 liest nicht, was diese Seite sendet; das Rennen ist beendet.</translation>
    </message>
    <message>
        <source>%1 sent too many messages at once; the race has ended.</source>
        <translation>%1 hat zu viele Nachrichten auf einmal gesendet; das Rennen ist beendet.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>Die Verbindung zum anderen Spieler ist abgebrochen.</translation>
    </message>
    <message>
        <source>The host did not let you into the race.</source>
        <translation>Der Gastgeber hat dich nicht ins Rennen gelassen.</translation>
    </message>
    <message>
        <source>The other player did not wait to be let in.</source>
        <translation>Der andere Spieler hat nicht gewartet, bis er hereingelassen wurde.</translation>
    </message>
</context>
<context>
    <name>platform::Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
</TS>

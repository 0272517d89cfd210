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
    <name>platform::Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
</TS>

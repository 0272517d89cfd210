<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>StatisticsText</name>
    <message>
        <source>Unbeatable</source>
        <translation>Imbattable</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Pas mal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Single Deck</source>
        <translation>Un jeu</translation>
    </message>
    <message>
        <source>Double Deck</source>
        <translation>Deux jeux</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Plus rapide</translation>
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
        <translation>Parties</translation>
    </message>
    <message>
        <source>Streaks, Fastest Win and Best Scores</source>
        <translation>Séries, victoire la plus rapide, meilleurs scores</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Click Ok when Ready to Start!</source>
        <translation>Cliquez sur OK quand vous êtes prêt !</translation>
    </message>
    <message>
        <source>Creating a Second Deck, Please be Patient</source>
        <translation>Création d&apos;un second jeu, veuillez patienter</translation>
    </message>
    <message>
        <source>Changes require starting a new game, continue?</source>
        <translation>Ces changements exigent une nouvelle partie. Continuer ?</translation>
    </message>
    <message>
        <source>Quit game and exit?</source>
        <translation>Abandonner la partie et quitter ?</translation>
    </message>
    <message>
        <source>Quit game and re-deal?</source>
        <translation>Abandonner la partie et redonner ?</translation>
    </message>
    <message>
        <source>%s Won, Do you want to play again?</source>
        <translation>Vainqueur : %s. Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Single Deck - Normal Scoring</source>
        <translation>Un jeu - Score normal</translation>
    </message>
    <message>
        <source>Single Deck - Las Vegas Scoring</source>
        <translation>Un jeu - Score Las Vegas</translation>
    </message>
    <message>
        <source>Double Deck - Normal Scoring</source>
        <translation>Deux jeux - Score normal</translation>
    </message>
    <message>
        <source>Double Deck - Las Vegas Scoring</source>
        <translation>Deux jeux - Score Las Vegas</translation>
    </message>
    <message>
        <source> - Unbeatable</source>
        <translation> - Imbattable</translation>
    </message>
    <message>
        <source> - Very Hard</source>
        <translation> - Très difficile</translation>
    </message>
    <message>
        <source> - Hard</source>
        <translation> - Difficile</translation>
    </message>
    <message>
        <source> - Not Bad</source>
        <translation> - Pas mal</translation>
    </message>
    <message>
        <source> - Easy</source>
        <translation> - Facile</translation>
    </message>
    <message>
        <source>Rank  Score     Name</source>
        <translation>Rang  Score     Nom</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Velto</source>
        <translation>À propos de Velto</translation>
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
        <translation>Cliquez pour donner une nouvelle partie</translation>
    </message>
</context>
<context>
    <name>TDealFlow</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>L&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Score :</source>
        <translation>Score :</translation>
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
        <translation>&amp;Donner</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Gorvane Web Site</source>
        <translation>Site web de Gorvane</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>About Velto</source>
        <translation>À propos de Velto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>TNameForm</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Enter your name for the Hall of Fame</source>
        <translation>Votre nom pour le tableau d&apos;honneur</translation>
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
        <translation>Options</translation>
    </message>
    <message>
        <source>Scoring Style</source>
        <translation>Score</translation>
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
        <translation>Jeux de cartes</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Imbattable</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Not Bad</source>
        <translation>Pas mal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>CardBack</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Labyrinth</source>
        <translation>Labyrinthe</translation>
    </message>
    <message>
        <source>Black Ivy</source>
        <translation>Lierre noir</translation>
    </message>
    <message>
        <source>Blue Ivy</source>
        <translation>Lierre bleu</translation>
    </message>
    <message>
        <source>Cyan Fish</source>
        <translation>Poisson cyan</translation>
    </message>
    <message>
        <source>Blue Fish</source>
        <translation>Poisson bleu</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaï</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Astucieux</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Château</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
</context>
<context>
    <name>TSettingsFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>A game of Skill!</source>
        <translation>Un jeu d&apos;adresse !</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Réinitialiser toutes les statistiques ?</translation>
    </message>
</context>
<context>
    <name>platform::Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
</TS>

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
    <message>
        <source>Races</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Tied</source>
        <translation>Nulles</translation>
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
    <name>TCommandLine</name>
    <message>
        <source>--host takes a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--host attend un port de 1 à 65535, pas « %1 »</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>--host and --join cannot be given together</source>
        <translation>--host et --join ne vont pas ensemble</translation>
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
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Course</translation>
    </message>
    <message>
        <source>&amp;Host a Race...</source>
        <translation>&amp;Organiser une course...</translation>
    </message>
    <message>
        <source>&amp;Join a Race...</source>
        <translation>&amp;Rejoindre une course...</translation>
    </message>
    <message>
        <source>Quit game and race?</source>
        <translation>Abandonner la partie pour une course ?</translation>
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
    <name>TNetRaceRecords</name>
    <message>
        <source>Race - Single Deck</source>
        <translation>Course - Un jeu</translation>
    </message>
    <message>
        <source>Race - Double Deck</source>
        <translation>Course - Deux jeux</translation>
    </message>
</context>
<context>
    <name>TNetRaceSession</name>
    <message>
        <source>a move that does not fit the table</source>
        <translation>un coup qui ne correspond pas à la table</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>%1 does not want to play again.</source>
        <translation>%1 ne veut pas rejouer.</translation>
    </message>
    <message>
        <source>a message only a host sends</source>
        <translation>un message que seul l&apos;hôte envoie</translation>
    </message>
    <message>
        <source>a deal in the middle of a race</source>
        <translation>une donne en pleine course</translation>
    </message>
    <message>
        <source>a move outside a race</source>
        <translation>un coup hors d&apos;une course</translation>
    </message>
    <message>
        <source>a message only a guest sends</source>
        <translation>un message que seul l&apos;invité envoie</translation>
    </message>
    <message>
        <source>%1 sent %2; the race has ended.</source>
        <translation>%1 a envoyé %2 ; la course est terminée.</translation>
    </message>
    <message>
        <source>a message out of turn</source>
        <translation>un message à contretemps</translation>
    </message>
</context>
<context>
    <name>TNetRaceSetup</name>
    <message>
        <source>&quot;%1&quot; is not a port to host on: give a number from 1 to 65535.</source>
        <translation>« %1 » n&apos;est pas un port : indiquez un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>Velto cannot host on port %1: %2</source>
        <translation>Velto ne peut pas organiser sur le port %1 : %2</translation>
    </message>
    <message>
        <source>Waiting for the other player to join at</source>
        <translation>En attente de l&apos;autre joueur à</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Organiser une course</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address to join: give HOST or HOST:PORT.</source>
        <translation>« %1 » n&apos;est pas une adresse : indiquez HÔTE ou HÔTE:PORT.</translation>
    </message>
    <message>
        <source>Join a Race</source>
        <translation>Rejoindre une course</translation>
    </message>
    <message>
        <source>Joining %1 ...</source>
        <translation>Connexion à %1 ...</translation>
    </message>
    <message>
        <source>%1 wants to race.</source>
        <translation>%1 veut faire la course.</translation>
    </message>
    <message>
        <source>Waiting for the host to let you in ...</source>
        <translation>En attente que l&apos;hôte vous laisse entrer ...</translation>
    </message>
</context>
<context>
    <name>TNetRaceWindow</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>It is a tie, Do you want to play again?</source>
        <translation>Égalité. Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Leave the race?</source>
        <translation>Quitter la course ?</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>En attente de %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back… %2</source>
        <translation>En attente du retour de %1… %2</translation>
    </message>
    <message>
        <source>%1 has not come back.</source>
        <translation>%1 n&apos;est pas revenu.</translation>
    </message>
    <message>
        <source>%1 has not come back. End the race?</source>
        <translation>%1 n&apos;est pas revenu. Terminer la course ?</translation>
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
    <name>TRaceSetupForm</name>
    <message>
        <source>Join a Race</source>
        <translation>Rejoindre une course</translation>
    </message>
    <message>
        <source>Host a Race</source>
        <translation>Organiser une course</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Adresse de l&apos;hôte :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Organiser</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address</source>
        <translation>Veuillez saisir l&apos;adresse de l&apos;hôte</translation>
    </message>
    <message>
        <source>&amp;Races on this network:</source>
        <translation>&amp;Courses sur ce réseau :</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Looking for races on this network...</source>
        <translation>Recherche de courses sur ce réseau...</translation>
    </message>
    <message>
        <source>No race is being hosted on this network. You can type the host&apos;s address below.</source>
        <translation>Aucune course n&apos;est proposée sur ce réseau. Vous pouvez saisir l&apos;adresse de l&apos;hôte ci-dessous.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here: no Avahi daemon runs on this computer. You can type the host&apos;s address below.</source>
        <translation>Impossible de chercher des courses ici : aucun service Avahi ne tourne sur cet ordinateur. Vous pouvez saisir l&apos;adresse de l&apos;hôte ci-dessous.</translation>
    </message>
    <message>
        <source>Races cannot be looked for here (%1). You can type the host&apos;s address below.</source>
        <translation>Impossible de chercher des courses ici (%1). Vous pouvez saisir l&apos;adresse de l&apos;hôte ci-dessous.</translation>
    </message>
</context>
<context>
    <name>TRaceWaitForm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>A&amp;ccepter</translation>
    </message>
    <message>
        <source>&amp;Refuse</source>
        <translation>&amp;Refuser</translation>
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
    <name>network::TPortMapping</name>
    <message>
        <source>no reason given</source>
        <translation>aucune raison donnée</translation>
    </message>
    <message>
        <source>its answer was not an address</source>
        <translation>sa réponse n&apos;était pas une adresse</translation>
    </message>
    <message>
        <source>its answer was not a port</source>
        <translation>sa réponse n&apos;était pas un port</translation>
    </message>
    <message>
        <source>its own outside address %1 is private: another router stands before it</source>
        <translation>son adresse extérieure %1 est privée : un autre routeur se trouve devant lui</translation>
    </message>
    <message>
        <source>Asking the router to open port %1 ...</source>
        <translation>Demande au routeur d&apos;ouvrir le port %1 ...</translation>
    </message>
    <message>
        <source>From the internet: %1</source>
        <translation>Depuis Internet : %1</translation>
    </message>
    <message>
        <source>The router refused to open the port: %1</source>
        <translation>Le routeur a refusé d&apos;ouvrir le port : %1</translation>
    </message>
    <message>
        <source>No router answered: only players on this network can join.</source>
        <translation>Aucun routeur n&apos;a répondu : seuls les joueurs de ce réseau peuvent rejoindre.</translation>
    </message>
</context>
<context>
    <name>network::TRaceConnection</name>
    <message>
        <source>The connection failed: %1</source>
        <translation>La connexion a échoué : %1</translation>
    </message>
    <message>
        <source>The other player did not answer.</source>
        <translation>L&apos;autre joueur n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The other player sent something Velto cannot read (%1).</source>
        <translation>L&apos;autre joueur a envoyé quelque chose que Velto ne peut pas lire (%1).</translation>
    </message>
    <message>
        <source>The other player cannot race now: %1</source>
        <translation>L&apos;autre joueur ne peut pas faire la course maintenant : %1</translation>
    </message>
    <message>
        <source>The other player did not say hello first.</source>
        <translation>L&apos;autre joueur ne s&apos;est pas présenté d&apos;abord.</translation>
    </message>
    <message>
        <source>The other player&apos;s Velto races by version %1 of the rules for two, this one by version %2. Both need the same version.</source>
        <translation>Le Velto de l&apos;autre joueur suit la version %1 des règles à deux, celui-ci la version %2. Les deux doivent avoir la même version.</translation>
    </message>
    <message>
        <source>The other player</source>
        <translation>L&apos;autre joueur</translation>
    </message>
    <message>
        <source>The other player said hello twice.</source>
        <translation>L&apos;autre joueur s&apos;est présenté deux fois.</translation>
    </message>
    <message>
        <source>%1 left the race.</source>
        <translation>%1 a quitté la course.</translation>
    </message>
    <message>
        <source>%1 stopped answering.</source>
        <translation>%1 ne répond plus.</translation>
    </message>
    <message>
        <source>Velto could not send its own move; the race has ended.</source>
        <translation>Velto n&apos;a pas pu envoyer son propre coup ; la course est terminée.</translation>
    </message>
    <message>
        <source>%1 is not reading what this side sends; the race has ended.</source>
        <translation>%1 ne lit pas ce que ce côté envoie ; la course est terminée.</translation>
    </message>
    <message>
        <source>%1 sent too many messages at once; the race has ended.</source>
        <translation>%1 a envoyé trop de messages à la fois ; la course est terminée.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>La connexion avec %1 a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the other player was lost.</source>
        <translation>La connexion avec l&apos;autre joueur a été perdue.</translation>
    </message>
    <message>
        <source>The host did not let you into the race.</source>
        <translation>L&apos;hôte ne vous a pas laissé entrer dans la course.</translation>
    </message>
    <message>
        <source>The other player did not wait to be let in.</source>
        <translation>L&apos;autre joueur n&apos;a pas attendu d&apos;être admis.</translation>
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

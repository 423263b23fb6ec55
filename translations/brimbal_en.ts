<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Analysis</name>
    <message>
        <source>Aus diesem Spiel lassen sich mindestens %1 Punkte holen.</source>
        <translation>This game holds at least %1 points.</translation>
    </message>
    <message>
        <source>Du stehst bei %1 Punkten.</source>
        <translation>You are at %1 points.</translation>
    </message>
    <message>
        <source>Du hast %1 Punkte.</source>
        <translation>You scored %1 points.</translation>
    </message>
    <message>
        <source>Spiel &amp;wiederholen</source>
        <translation>Replay &amp;Game</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Sucht, wie viele Punkte dieses Spiel hergibt …</source>
        <translation>Finding out how many points this game holds …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Hellblau</source>
        <translation>Light blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Silber</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Dunkelgrau</source>
        <translation>Dark grey</translation>
    </message>
    <message>
        <source>Dunkelgrün</source>
        <translation>Dark green</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Empty</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Aufruf: brimbal [OPTION]
Brimbal, ein Denkspiel für eine Person: Gruppen gleichfarbiger Kugeln abräumen.

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  Namen und Version zeigen und beenden

Ohne Option startet das Spiel. Ein unbekanntes Argument wird gemeldet und
übergangen; die allgemeinen Qt-Optionen (etwa -style) wirken wie gewohnt.

Das Spiel spricht Deutsch, Englisch und Französisch, in der Sprache des
Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Eine andere wählt etwa:
  LANGUAGE=en brimbal
</source>
        <translation>Usage: brimbal [OPTION]
Brimbal, a single-player puzzle game: clear groups of same-coloured balls.

  -h, --help     display this help and exit
  -v, --version  display name and version and exit

Without an option the game starts. An unknown argument is reported and
ignored; the standard Qt options (such as -style) work as usual.

The game speaks German, English and French, following the language of the
desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). To choose another, e.g.:
  LANGUAGE=en brimbal
</translation>
    </message>
    <message>
        <source>brimbal: unbekanntes Argument „%1“ wird übergangen</source>
        <translation>brimbal: ignoring unknown argument “%1”</translation>
    </message>
</context>
<context>
    <name>GameoverFlow</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>GameoverText</name>
    <message>
        <source>GameOver...</source>
        <translation>GameOver...</translation>
    </message>
    <message>
        <source>Deine Punkte: %1</source>
        <translation>Your score: %1</translation>
    </message>
    <message>
        <source>Neues Spiel?</source>
        <translation>New game?</translation>
    </message>
    <message>
        <source>Du hättest mindestens %1 Punkte gebraucht, um %2 zu schlagen.</source>
        <translation>You would have needed at least %1 points to beat %2.</translation>
    </message>
    <message>
        <source>Übungsspiel: kein Eintrag in die Highscoreliste.</source>
        <translation>Practice game: no high score entry.</translation>
    </message>
    <message>
        <source>Damit kommst du auf Platz %1!</source>
        <translation>That puts you at rank %1!</translation>
    </message>
    <message>
        <source>Damit verdrängst du %1 von Platz %2!</source>
        <translation>That knocks %1 off rank %2!</translation>
    </message>
    <message>
        <source>Herzlichen Glückwunsch!</source>
        <translation>Congratulations!</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>Leere Spalten werden entfernt.</source>
        <translation>Empty columns are removed.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Fortlaufend</source>
        <translation>&amp;Continuous</translation>
    </message>
    <message>
        <source>Wie Standart, plus: Neue Spalten kommen dazu.</source>
        <translation>Like Normal, plus: new columns come in.</translation>
    </message>
    <message>
        <source>Fortlaufend</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>&amp;Tirlan</source>
        <translation>&amp;Tirlan</translation>
    </message>
    <message>
        <source>???</source>
        <translation>???</translation>
    </message>
    <message>
        <source>Tirlan</source>
        <translation>Tirlan</translation>
    </message>
    <message>
        <source>&amp;MegaTirlan</source>
        <translation>&amp;MegaTirlan</translation>
    </message>
    <message>
        <source>MegaTirlan</source>
        <translation>MegaTirlan</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Bricks</translation>
    </message>
    <message>
        <source>UNBEKANNTER MODUS</source>
        <translation>UNKNOWN MODE</translation>
    </message>
</context>
<context>
    <name>NRegistry</name>
    <message>
        <source>Die Registrierung lässt sich nicht lesen</source>
        <translation>The registry cannot be read</translation>
    </message>
    <message>
        <source>Die Registrierung lässt sich nicht schreiben</source>
        <translation>The registry cannot be written</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Schöne Bilder für die Kugeln, dafür aber langsamer</source>
        <translation>Pretty pictures for the balls, but slower</translation>
    </message>
    <message>
        <source>Andere &amp;Farben</source>
        <translation>Other &amp;Colours</translation>
    </message>
    <message>
        <source>Verwendet andere Farben und Muster</source>
        <translation>Uses other colours and patterns</translation>
    </message>
    <message>
        <source>&amp;Symbole</source>
        <translation>&amp;Symbols</translation>
    </message>
    <message>
        <source>Zeichnet auf jede Kugel ein Zeichen für ihre Farbe</source>
        <translation>Draws a symbol for its colour on each ball</translation>
    </message>
    <message>
        <source>&amp;Bubble</source>
        <translation>&amp;Bubble</translation>
    </message>
    <message>
        <source>Animationen</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>Nerviger piepsiger Sound</source>
        <translation>Annoying beeping sound</translation>
    </message>
    <message>
        <source>&amp;Schnelles Entfernen</source>
        <translation>&amp;Quick Removal</translation>
    </message>
    <message>
        <source>Markiert nichts mehr, sondern entfernt sofort, falls erlaubt</source>
        <translation>Removes at once instead of marking, if allowed</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Keine gewöhnliche Datei</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>Ein symbolischer Verweis, der einem anderen Benutzer gehört oder in dessen Ordner liegt</source>
        <translation>A symbolic link owned by another user or located in their folder</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist ein Verweis ins Leere</source>
        <translation>The lock file %1 is a dangling link</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist ein Ordner</source>
        <translation>The lock file %1 is a folder</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist keine gewöhnliche Datei</source>
        <translation>The lock file %1 is not a regular file</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist belegt</source>
        <translation>The lock file %1 is in use</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Sperrdatei</source>
        <translation>The file %1 is not a lock file</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 lässt sich nicht anlegen</source>
        <translation>The lock file %1 cannot be created</translation>
    </message>
</context>
<context>
    <name>SpielfeldAccessible</name>
    <message>
        <source>, Spalte %1, Zeile %2</source>
        <translation>, column %1, row %2</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Spiel zu Ende</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>, Zeile %1</source>
        <translation>, row %1</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>, markiert</source>
        <translation>, marked</translation>
    </message>
    <message>
        <source>Keine Vorschau</source>
        <translation>No preview</translation>
    </message>
    <message>
        <source>Vorschau: %1</source>
        <translation>Preview: %1</translation>
    </message>
</context>
<context>
    <name>TGameWords</name>
    <message>
        <source>Das sind %1 Felder!</source>
        <translation>That&apos;s %1 balls!</translation>
    </message>
    <message>
        <source>Zuwenig aneinanderhängende!</source>
        <translation>Not enough touching balls!</translation>
    </message>
    <message>
        <source>Du bekommst dafür %1 Punkte.</source>
        <translation>You get %1 points for that.</translation>
    </message>
    <message>
        <source>Übungsspiel: kommt nicht in die Highscoreliste</source>
        <translation>Practice game: not for the high scores</translation>
    </message>
    <message>
        <source>Punkte: %1</source>
        <translation>Score: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsKeeper</name>
    <message>
        <source>Brimbal: Die Einstellungen konnten nicht gespeichert werden (%1: %2).</source>
        <translation>Brimbal: the settings could not be saved (%1: %2).</translation>
    </message>
</context>
<context>
    <name>brimbal::TDlgEnterName</name>
    <message>
        <source>Punkte:</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>Rang:</source>
        <translation>Rank:</translation>
    </message>
    <message>
        <source>Bitte gib deinen Namen ein:</source>
        <translation>Enter your name:</translation>
    </message>
    <message>
        <source>Danach neues Spiel starten</source>
        <translation>New game afterwards</translation>
    </message>
    <message>
        <source>Eintragen</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Namen eintragen</source>
        <translation>Enter your name</translation>
    </message>
</context>
<context>
    <name>brimbal::TDlgHighscore</name>
    <message>
        <source>Highscore-Tabelle</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Einträge löschen</source>
        <translation>Clear Entries</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, keine Einträge</source>
        <translation>%1, no entries</translation>
    </message>
    <message>
        <source>%1, Platz 1: %2, %3 Punkte</source>
        <translation>%1, rank 1: %2, %3 points</translation>
    </message>
</context>
<context>
    <name>brimbal::TFrmAbout</name>
    <message>
        <source>Über Brimbal...</source>
        <translation>About Brimbal...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Brimbal Version (wird zur Laufzeit eingetragen)</source>
        <translation>Brimbal version (filled in at run time)</translation>
    </message>
    <message>
        <source>Copyright (wird zur Laufzeit eingetragen)</source>
        <translation>Copyright (filled in at run time)</translation>
    </message>
    <message>
        <source>Alle Rechte vorbehalten</source>
        <translation>All rights reserved</translation>
    </message>
    <message>
        <source>Weitere Informationen</source>
        <translation>More information</translation>
    </message>
    <message>
        <source>Neue Versionen</source>
        <translation>New versions</translation>
    </message>
    <message>
        <source>Computerspiele am Arbeitsplatz erhöhen die Motivation</source>
        <translation>Computer games at work boost motivation</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
</context>
<context>
    <name>brimbal::TFrmMain</name>
    <message>
        <source>Die Highscores und Einstellungen konnten nicht gespeichert werden.

Datei: %1
Grund: %2</source>
        <translation>The high scores and settings could not be saved.

File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>&amp;Ohne Speichern beenden</source>
        <translation>&amp;Quit without Saving</translation>
    </message>
    <message>
        <source>Ohne Speichern &amp;weiterspielen</source>
        <translation>&amp;Keep Playing without Saving</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>&amp;Zurücknehmen</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Nimmt den letzten Zug zurück</source>
        <translation>Undoes the last move</translation>
    </message>
    <message>
        <source>Wiede&amp;rherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Macht den zurückgenommenen Zug noch einmal</source>
        <translation>Redoes the undone move</translation>
    </message>
    <message>
        <source>Spiel &amp;wiederholen</source>
        <translation>Replay &amp;Game</translation>
    </message>
    <message>
        <source>Beginnt dasselbe Spiel noch einmal von vorn</source>
        <translation>Starts the same game again from the beginning</translation>
    </message>
    <message>
        <source>Highscoreliste...</source>
        <translation>High Scores...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Beendet das Spiel</source>
        <translation>Quits the game</translation>
    </message>
    <message>
        <source>&amp;Spielregeln...</source>
        <translation>&amp;Rules...</translation>
    </message>
    <message>
        <source>Zeigt die Spielregeln an.</source>
        <translation>Shows the rules of the game.</translation>
    </message>
    <message>
        <source>Ü&amp;ber...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Zeigt Informationen über das Programm an.</source>
        <translation>Shows information about the program.</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Spiel&amp;modus</source>
        <translation>Game &amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Neues Spiel im Modus %1</source>
        <translation>New game in mode %1</translation>
    </message>
    <message>
        <source>Einstellungen nicht lesbar: %1 (%2)</source>
        <translation>Settings unreadable: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (Übung)</source>
        <translation>%1 (Practice)</translation>
    </message>
    <message>
        <source>Spiel zu Ende</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Markierung aufgehoben</source>
        <translation>Mark removed</translation>
    </message>
    <message>
        <source>%1, noch %2 Kugeln</source>
        <translation>%1, %2 balls left</translation>
    </message>
    <message>
        <source>&amp;Tipp</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Markiert eine gute nächste Gruppe</source>
        <translation>Marks a good next group</translation>
    </message>
    <message>
        <source>Was war &amp;drin?</source>
        <translation>&amp;What Was in It?</translation>
    </message>
    <message>
        <source>Sucht, wie viele Punkte dieses Spiel von Anfang an hergibt</source>
        <translation>Finds out how many points this game holds from the start</translation>
    </message>
    <message>
        <source>Tipp: Damit sind noch mindestens %1 Punkte möglich.</source>
        <translation>Hint: at least %1 more points are possible.</translation>
    </message>
</context>
<context>
    <name>brimbal::TStatusBar</name>
    <message>
        <source>Programmlaufzeit: %1</source>
        <translation>Running time: %1</translation>
    </message>
    <message>
        <source>Spielzeit: %1</source>
        <translation>Game time: %1</translation>
    </message>
</context>
</TS>

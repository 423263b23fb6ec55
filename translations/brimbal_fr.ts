<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>Analysis</name>
    <message>
        <source>Aus diesem Spiel lassen sich mindestens %1 Punkte holen.</source>
        <translation>Cette partie rapporte au moins %1 points.</translation>
    </message>
    <message>
        <source>Du stehst bei %1 Punkten.</source>
        <translation>Tu en es à %1 points.</translation>
    </message>
    <message>
        <source>Du hast %1 Punkte.</source>
        <translation>Tu as %1 points.</translation>
    </message>
    <message>
        <source>Spiel &amp;wiederholen</source>
        <translation>Rejouer la &amp;partie</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Sucht, wie viele Punkte dieses Spiel hergibt …</source>
        <translation>Recherche des points que rapporte cette partie…</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Rot</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Hellblau</source>
        <translation>Bleu clair</translation>
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
        <translation>Argent</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Dunkelgrau</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Dunkelgrün</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Vide</translation>
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
        <translation>Usage&#xa0;: brimbal [OPTION]
Brimbal, jeu de réflexion solo&#xa0;: retirer des groupes de billes de même couleur.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher le nom et la version et quitter

Sans option, le jeu démarre. Un argument inconnu est signalé et ignoré&#xa0;;
les options générales de Qt (comme -style) fonctionnent comme d&apos;habitude.

Le jeu parle allemand, anglais et français, selon la langue du bureau
(LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Pour en choisir une autre, par ex.&#xa0;:
  LANGUAGE=en brimbal
</translation>
    </message>
    <message>
        <source>brimbal: unbekanntes Argument „%1“ wird übergangen</source>
        <translation>brimbal&#xa0;: argument inconnu «&#xa0;%1&#xa0;» ignoré</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>GameoverText</name>
    <message>
        <source>GameOver...</source>
        <translation>Partie terminée...</translation>
    </message>
    <message>
        <source>Deine Punkte: %1</source>
        <translation>Ton score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Neues Spiel?</source>
        <translation>Nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Du hättest mindestens %1 Punkte gebraucht, um %2 zu schlagen.</source>
        <translation>Tu aurais eu besoin d&apos;au moins %1 points pour battre %2.</translation>
    </message>
    <message>
        <source>Übungsspiel: kein Eintrag in die Highscoreliste.</source>
        <translation>Partie d&apos;entraînement&#xa0;: hors classement.</translation>
    </message>
    <message>
        <source>Damit kommst du auf Platz %1!</source>
        <translation>Te voilà au rang %1&#xa0;!</translation>
    </message>
    <message>
        <source>Damit verdrängst du %1 von Platz %2!</source>
        <translation>Tu chasses ainsi %1 du rang %2&#xa0;!</translation>
    </message>
    <message>
        <source>Herzlichen Glückwunsch!</source>
        <translation>Félicitations&#xa0;!</translation>
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
        <translation>Les colonnes vides sont supprimées.</translation>
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
        <translation>&amp;Continu</translation>
    </message>
    <message>
        <source>Wie Standart, plus: Neue Spalten kommen dazu.</source>
        <translation>Comme Normal, plus&#xa0;: de nouvelles colonnes arrivent.</translation>
    </message>
    <message>
        <source>Fortlaufend</source>
        <translation>Continu</translation>
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
        <translation>MODE INCONNU</translation>
    </message>
</context>
<context>
    <name>NRegistry</name>
    <message>
        <source>Die Registrierung lässt sich nicht lesen</source>
        <translation>Impossible de lire le registre</translation>
    </message>
    <message>
        <source>Die Registrierung lässt sich nicht schreiben</source>
        <translation>Impossible d&apos;écrire dans le registre</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Bitmaps</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Schöne Bilder für die Kugeln, dafür aber langsamer</source>
        <translation>De jolies images pour les billes, mais plus lent</translation>
    </message>
    <message>
        <source>Andere &amp;Farben</source>
        <translation>Autres &amp;couleurs</translation>
    </message>
    <message>
        <source>Verwendet andere Farben und Muster</source>
        <translation>Utilise d&apos;autres couleurs et motifs</translation>
    </message>
    <message>
        <source>&amp;Symbole</source>
        <translation>&amp;Symboles</translation>
    </message>
    <message>
        <source>Zeichnet auf jede Kugel ein Zeichen für ihre Farbe</source>
        <translation>Dessine sur chaque bille le signe de sa couleur</translation>
    </message>
    <message>
        <source>&amp;Bubble</source>
        <translation>&amp;Bulle</translation>
    </message>
    <message>
        <source>Animationen</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Nerviger piepsiger Sound</source>
        <translation>Petits bips agaçants</translation>
    </message>
    <message>
        <source>&amp;Schnelles Entfernen</source>
        <translation>Suppression &amp;rapide</translation>
    </message>
    <message>
        <source>Markiert nichts mehr, sondern entfernt sofort, falls erlaubt</source>
        <translation>Supprime aussitôt au lieu de marquer, si permis</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Keine gewöhnliche Datei</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Ein symbolischer Verweis, der einem anderen Benutzer gehört oder in dessen Ordner liegt</source>
        <translation>Un lien symbolique appartenant à un autre utilisateur ou situé dans son dossier</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist ein Verweis ins Leere</source>
        <translation>Le fichier de verrou %1 est un lien brisé</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist ein Ordner</source>
        <translation>Le fichier de verrou %1 est un dossier</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist keine gewöhnliche Datei</source>
        <translation>Le fichier de verrou %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 ist belegt</source>
        <translation>Le fichier de verrou %1 est déjà utilisé</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Sperrdatei</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de verrou</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 lässt sich nicht anlegen</source>
        <translation>Impossible de créer le fichier de verrou %1</translation>
    </message>
</context>
<context>
    <name>SpielfeldAccessible</name>
    <message>
        <source>, Spalte %1, Zeile %2</source>
        <translation>, colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Spiel zu Ende</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>, Zeile %1</source>
        <translation>, ligne %1</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>, markiert</source>
        <translation>, marquée</translation>
    </message>
    <message>
        <source>Keine Vorschau</source>
        <translation>Pas d’aperçu</translation>
    </message>
    <message>
        <source>Vorschau: %1</source>
        <translation>Aperçu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TGameWords</name>
    <message>
        <source>Das sind %1 Felder!</source>
        <translation>Ça fait %1 billes&#xa0;!</translation>
    </message>
    <message>
        <source>Zuwenig aneinanderhängende!</source>
        <translation>Pas assez de billes voisines&#xa0;!</translation>
    </message>
    <message>
        <source>Du bekommst dafür %1 Punkte.</source>
        <translation>Tu gagnes %1 points.</translation>
    </message>
    <message>
        <source>Übungsspiel: kommt nicht in die Highscoreliste</source>
        <translation>Partie d&apos;entraînement&#xa0;: hors classement</translation>
    </message>
    <message>
        <source>Punkte: %1</source>
        <translation>Points&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsKeeper</name>
    <message>
        <source>Brimbal: Die Einstellungen konnten nicht gespeichert werden (%1: %2).</source>
        <translation>Brimbal&#xa0;: impossible d&apos;enregistrer les paramètres (%1&#xa0;: %2).</translation>
    </message>
</context>
<context>
    <name>brimbal::TDlgEnterName</name>
    <message>
        <source>Punkte:</source>
        <translation>Points&#xa0;:</translation>
    </message>
    <message>
        <source>Rang:</source>
        <translation>Rang&#xa0;:</translation>
    </message>
    <message>
        <source>Bitte gib deinen Namen ein:</source>
        <translation>Entre ton nom&#xa0;:</translation>
    </message>
    <message>
        <source>Danach neues Spiel starten</source>
        <translation>Nouvelle partie ensuite</translation>
    </message>
    <message>
        <source>Eintragen</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Namen eintragen</source>
        <translation>Entre ton nom</translation>
    </message>
</context>
<context>
    <name>brimbal::TDlgHighscore</name>
    <message>
        <source>Highscore-Tabelle</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Einträge löschen</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, keine Einträge</source>
        <translation>%1, aucune entrée</translation>
    </message>
    <message>
        <source>%1, Platz 1: %2, %3 Punkte</source>
        <translation>%1, rang 1&#xa0;: %2, %3 points</translation>
    </message>
</context>
<context>
    <name>brimbal::TFrmAbout</name>
    <message>
        <source>Über Brimbal...</source>
        <translation>À propos de Brimbal...</translation>
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
        <translation>Version de Brimbal (remplie à l&apos;exécution)</translation>
    </message>
    <message>
        <source>Copyright (wird zur Laufzeit eingetragen)</source>
        <translation>Copyright (rempli à l&apos;exécution)</translation>
    </message>
    <message>
        <source>Alle Rechte vorbehalten</source>
        <translation>Tous droits réservés</translation>
    </message>
    <message>
        <source>Weitere Informationen</source>
        <translation>Plus d&apos;informations</translation>
    </message>
    <message>
        <source>Neue Versionen</source>
        <translation>Nouvelles versions</translation>
    </message>
    <message>
        <source>Computerspiele am Arbeitsplatz erhöhen die Motivation</source>
        <translation>Les jeux vidéo au travail boostent la motivation</translation>
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
        <translation>Impossible d&apos;enregistrer les meilleurs scores et les paramètres.

Fichier&#xa0;: %1
Raison&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ohne Speichern beenden</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Ohne Speichern &amp;weiterspielen</source>
        <translation>Continuer &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Zurücknehmen</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Nimmt den letzten Zug zurück</source>
        <translation>Annule le dernier coup</translation>
    </message>
    <message>
        <source>Wiede&amp;rherstellen</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Macht den zurückgenommenen Zug noch einmal</source>
        <translation>Rejoue le coup annulé</translation>
    </message>
    <message>
        <source>Spiel &amp;wiederholen</source>
        <translation>Rejouer la &amp;partie</translation>
    </message>
    <message>
        <source>Beginnt dasselbe Spiel noch einmal von vorn</source>
        <translation>Recommence la même partie depuis le début</translation>
    </message>
    <message>
        <source>Highscoreliste...</source>
        <translation>Meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Beendet das Spiel</source>
        <translation>Quitte le jeu</translation>
    </message>
    <message>
        <source>&amp;Spielregeln...</source>
        <translation>&amp;Règles...</translation>
    </message>
    <message>
        <source>Zeigt die Spielregeln an.</source>
        <translation>Affiche les règles du jeu.</translation>
    </message>
    <message>
        <source>Ü&amp;ber...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Zeigt Informationen über das Programm an.</source>
        <translation>Affiche des informations sur le programme.</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Spiel&amp;modus</source>
        <translation>&amp;Mode de jeu</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Neues Spiel im Modus %1</source>
        <translation>Nouvelle partie en mode %1</translation>
    </message>
    <message>
        <source>Einstellungen nicht lesbar: %1 (%2)</source>
        <translation>Paramètres illisibles&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (Übung)</source>
        <translation>%1 (Entraînement)</translation>
    </message>
    <message>
        <source>Spiel zu Ende</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Markierung aufgehoben</source>
        <translation>Marquage annulé</translation>
    </message>
    <message>
        <source>%1, noch %2 Kugeln</source>
        <translation>%1, encore %2 billes</translation>
    </message>
    <message>
        <source>&amp;Tipp</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Markiert eine gute nächste Gruppe</source>
        <translation>Marque un bon prochain groupe</translation>
    </message>
    <message>
        <source>Was war &amp;drin?</source>
        <translation>Qu’&amp;y avait-il&#xa0;?</translation>
    </message>
    <message>
        <source>Sucht, wie viele Punkte dieses Spiel von Anfang an hergibt</source>
        <translation>Cherche ce que la partie rapporte depuis le début</translation>
    </message>
    <message>
        <source>Tipp: Damit sind noch mindestens %1 Punkte möglich.</source>
        <translation>Indice&#xa0;: encore au moins %1 points possibles.</translation>
    </message>
</context>
<context>
    <name>brimbal::TStatusBar</name>
    <message>
        <source>Programmlaufzeit: %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Spielzeit: %1</source>
        <translation>Partie&#xa0;: %1</translation>
    </message>
</context>
</TS>

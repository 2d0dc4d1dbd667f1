<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GivenStation</name>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No station&apos;s network address in %1</source>
        <translation>Keine Netzwerkadresse eines Senders in %1</translation>
    </message>
    <message>
        <source>No address given</source>
        <translation>Keine Adresse angegeben</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <translation>Keine lokale Datei: %1</translation>
    </message>
    <message>
        <source>Not a network address (http, https, mms, mmsh, rtsp or rtmp): %1</source>
        <translation>Keine Netzwerkadresse (http, https, mms, mmsh, rtsp oder rtmp): %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 station</source>
        <translation>1 Sender</translation>
    </message>
    <message>
        <source>%1 stations</source>
        <translation>%1 Sender</translation>
    </message>
</context>
<context>
    <name>StationSearch</name>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
</context>
<context>
    <name>lumo::ADVERT1</name>
    <message>
        <source>Advert</source>
        <translation>Werbung</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Werbebanner</translation>
    </message>
</context>
<context>
    <name>lumo::About</name>
    <message>
        <source>Lumo - About</source>
        <translation>Über Lumo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Internet radio and television</source>
        <translation>Internetradio und -fernsehen</translation>
    </message>
    <message>
        <source>Built on</source>
        <translation>Gebaut mit</translation>
    </message>
    <message>
        <source>GNU LGPL version 3</source>
        <translation>GNU LGPL Version 3</translation>
    </message>
    <message>
        <source>GNU LGPL version 2.1 or later</source>
        <translation>GNU LGPL Version 2.1 oder neuer</translation>
    </message>
    <message>
        <source>curl licence (MIT-style)</source>
        <translation>curl-Lizenz (nach Art der MIT-Lizenz)</translation>
    </message>
    <message>
        <source>Stations and streams belong to their broadcasters</source>
        <translation>Sender und Streams gehören ihren Anbietern</translation>
    </message>
</context>
<context>
    <name>lumo::Genres</name>
    <message>
        <source>News and Talk</source>
        <translation>Nachrichten und Wort</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klassik</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Ambient</translation>
    </message>
    <message>
        <source>Chillout</source>
        <translation>Chillout</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>Elektronisch</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip-Hop</translation>
    </message>
    <message>
        <source>Soul and R&amp;B</source>
        <translation>Soul und R&amp;B</translation>
    </message>
    <message>
        <source>Funk</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Reggae</source>
        <translation>Reggae</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Punk</source>
        <translation>Punk</translation>
    </message>
    <message>
        <source>Indie</source>
        <translation>Indie</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Oldies</translation>
    </message>
    <message>
        <source>Decades</source>
        <translation>Jahrzehnte</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Folk</source>
        <translation>Folk</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Weltmusik</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Lateinamerikanisch</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiös</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comedy</translation>
    </message>
    <message>
        <source>Soundtracks</source>
        <translation>Filmmusik</translation>
    </message>
    <message>
        <source>Schlager</source>
        <translation>Schlager</translation>
    </message>
    <message>
        <source>Eclectic</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Bürgerradio</translation>
    </message>
    <message>
        <source>Public Radio</source>
        <translation>Öffentlich-rechtlich</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>lumo::LiveFeed</name>
    <message>
        <source>Waiting for Live Feed ....</source>
        <translation>Warte auf das Live-Bild ....</translation>
    </message>
    <message>
        <source>No Live Feed Found ....</source>
        <translation>Kein Live-Bild gefunden ....</translation>
    </message>
    <message>
        <source>Live Feed Failed ... </source>
        <translation>Live-Bild fehlgeschlagen ... </translation>
    </message>
    <message>
        <source>Live Feed Updated</source>
        <translation>Live-Bild aktualisiert</translation>
    </message>
    <message>
        <source>Next Update : %1 Secs</source>
        <translation>Nächste Aktualisierung: %1 s</translation>
    </message>
    <message>
        <source>Waiting for Live Feed</source>
        <translation>Warte auf das Live-Bild</translation>
    </message>
</context>
<context>
    <name>lumo::Messages</name>
    <message>
        <source>No Djcam Available on TV ?</source>
        <translation>Beim Fernsehen gibt es keine DJ-Kamera.</translation>
    </message>
    <message>
        <source>Failed to Save Favourites</source>
        <translation>Die Favoriten konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Set Default Failed</source>
        <translation>Der Standardsender konnte nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Default Station Set</source>
        <translation>Standardsender festgelegt</translation>
    </message>
    <message>
        <source>Set Default Viewer Failed</source>
        <translation>Die Wiedergabe-Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Failed to Save My Stations</source>
        <translation>„Meine Sender“ konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>No Station file, download the station file first</source>
        <translation>Keine Senderliste vorhanden – bitte zuerst die Senderliste herunterladen</translation>
    </message>
    <message>
        <source>Could not Establish Connection to the Update Site, Check your Internet Access and Retry</source>
        <translation>Keine Verbindung zur Aktualisierungsseite. Bitte prüfen Sie Ihren Internetzugang und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Station Update Complete</source>
        <translation>Senderliste aktualisiert</translation>
    </message>
    <message>
        <source>Station Update Not Found, Try again later</source>
        <translation>Keine neue Senderliste gefunden, bitte später erneut versuchen</translation>
    </message>
    <message>
        <source> Failed to Connect Update Website</source>
        <translation>Verbindung zur Aktualisierungsseite fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>lumo::OpenAddressDialog</name>
    <message>
        <source>Open Address</source>
        <translation>Adresse öffnen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Add to My Stations</source>
        <translation>Zu „Meine Sender“ hinzufügen</translation>
    </message>
</context>
<context>
    <name>lumo::OwnStationActions</name>
    <message>
        <source>Open Address...</source>
        <translation>Adresse öffnen...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Sender hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Sender bearbeiten...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Sender entfernen</translation>
    </message>
</context>
<context>
    <name>lumo::Playback</name>
    <message>
        <source>Program Time - %1 minutes</source>
        <translation>Sendezeit – %1 Minuten</translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation>Neu verbinden...</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Aufnahme beendet</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufnahme nach %1</translation>
    </message>
</context>
<context>
    <name>lumo::PlayerWindow</name>
    <message>
        <source>Station logo</source>
        <translation>Senderlogo</translation>
    </message>
    <message>
        <source>Click here to view Website of this Station</source>
        <translation>Hier klicken für die Website dieses Senders</translation>
    </message>
    <message>
        <source>Click here to return to Default station</source>
        <translation>Hier klicken, um zum Standardsender zurückzukehren</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Senderliste aktualisieren</translation>
    </message>
    <message>
        <source>Click here to change the station</source>
        <translation>Hier klicken, um den Sender zu wechseln</translation>
    </message>
    <message>
        <source>Lad Default Station</source>
        <translation>Standardsender laden</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Werbebanner</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Lautstärke einstellen</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Diesen Sender als Standard festlegen</translation>
    </message>
    <message>
        <source>Lumo Stays on Top of all screens</source>
        <translation>Lumo bleibt über allen Fenstern</translation>
    </message>
    <message>
        <source>DJ Cam</source>
        <translation>DJ-Kamera</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Home: the default station</source>
        <translation>Start: der Standardsender</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Lumo</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Werbung</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Senderliste aktualisieren</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Als Standardsender festlegen</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Studio camera</source>
        <translation>Studiokamera</translation>
    </message>
    <message>
        <source>Live feed status</source>
        <translation>Status des Live-Bilds</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Station list date</source>
        <translation>Datum der Senderliste</translation>
    </message>
    <message numerus="yes">
        <source>Sleep Timer (%n min left)</source>
        <translation>
            <numerusform>Sleep-Timer (noch %n Min.)</numerusform>
            <numerusform>Sleep-Timer (noch %n Min.)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation>Sleep-Timer</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Aus den Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Zu den Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Back 30 Seconds</source>
        <translation>30 Sekunden zurück</translation>
    </message>
    <message>
        <source>Forward 30 Seconds</source>
        <translation>30 Sekunden vor</translation>
    </message>
    <message>
        <source>Back to Live</source>
        <translation>Zurück zu live</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Only a live audio stream can be recorded, not a clip, a video or a segmented (HLS) stream</source>
        <translation>Aufnehmen lässt sich nur ein Live-Audiostream, kein Clip, kein Video und kein segmentierter (HLS-)Stream</translation>
    </message>
    <message>
        <source>Open Recordings Folder</source>
        <translation>Aufnahmeordner öffnen</translation>
    </message>
    <message>
        <source>Titles Heard...</source>
        <translation>Gehörte Titel...</translation>
    </message>
    <message>
        <source>Song Notifications</source>
        <translation>Titel-Benachrichtigungen</translation>
    </message>
    <message numerus="yes">
        <source>Sleep timer: %n min left</source>
        <translation>
            <numerusform>Sleep-Timer: noch %n Min.</numerusform>
            <numerusform>Sleep-Timer: noch %n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme läuft</translation>
    </message>
    <message>
        <source>Station list date: %1</source>
        <translation>Datum der Senderliste: %1</translation>
    </message>
    <message>
        <source>Radio and TV from around the world</source>
        <translation>Radio und TV aus aller Welt</translation>
    </message>
</context>
<context>
    <name>lumo::Recorder</name>
    <message>
        <source>Not recording - the folder could not be made</source>
        <translation>Keine Aufnahme – der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Not recording - less than 500 MB free</source>
        <translation>Keine Aufnahme – weniger als 500 MB frei</translation>
    </message>
    <message>
        <source>Not recording - the file could not be written</source>
        <translation>Keine Aufnahme – die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Aufnahme beendet</translation>
    </message>
    <message>
        <source>Recording stopped - the file could not be written</source>
        <translation>Aufnahme beendet – die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Recording stopped - less than 500 MB free</source>
        <translation>Aufnahme beendet – weniger als 500 MB frei</translation>
    </message>
</context>
<context>
    <name>lumo::StationEditor</name>
    <message>
        <source>The station needs a name.</source>
        <translation>Der Sender braucht einen Namen.</translation>
    </message>
    <message>
        <source>The address must be a network address (http, https, mms, mmsh, rtsp or rtmp).</source>
        <translation>Die Adresse muss eine Netzwerkadresse sein (http, https, mms, mmsh, rtsp oder rtmp).</translation>
    </message>
    <message>
        <source>The web page and the live-feed picture must be network addresses, or left empty.</source>
        <translation>Webseite und Live-Bild müssen Netzwerkadressen sein oder leer bleiben.</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Fernsehen</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Live-feed picture address</source>
        <translation>Adresse des Live-Bilds</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>lumo::Stations</name>
    <message>
        <source>Stations</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Lumo Stations List</source>
        <translation>Lumo – Senderliste</translation>
    </message>
    <message>
        <source>Use LUMO to play content</source>
        <translation>Inhalte mit LUMO abspielen</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Fernsehen</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Senderliste aktualisieren</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Diesen Sender als Standard festlegen</translation>
    </message>
    <message>
        <source>No Default Station Set</source>
        <translation>Kein Standardsender festgelegt</translation>
    </message>
    <message>
        <source>Search stations</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>Double Click to load Channel</source>
        <translation>Doppelklick lädt den Sender</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Senderliste aktualisieren</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Als Standardsender festlegen</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Default station</source>
        <translation>Standardsender</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Meine Sender</translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Aus den Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Zu den Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Sender bearbeiten...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Sender entfernen</translation>
    </message>
    <message>
        <source>Copy to My Stations...</source>
        <translation>Nach „Meine Sender“ kopieren...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Sender hinzufügen...</translation>
    </message>
    <message>
        <source>&lt;                   SELECT MUSIC               &gt;</source>
        <translation>&lt;                   MUSIK WÄHLEN               &gt;</translation>
    </message>
</context>
<context>
    <name>lumo::StatusIcon</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Hide Lumo</source>
        <translation>Lumo ausblenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Show Lumo</source>
        <translation>Lumo anzeigen</translation>
    </message>
</context>
<context>
    <name>lumo::TitlesWindow</name>
    <message>
        <source>Lumo - Titles Heard</source>
        <translation>Lumo – Gehörte Titel</translation>
    </message>
    <message>
        <source>Titles heard</source>
        <translation>Gehörte Titel</translation>
    </message>
</context>
<context>
    <name>lumo::UpdateProgressWindow</name>
    <message>
        <source>Updating stations...</source>
        <translation>Senderliste wird aktualisiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Updating stations... %1 MB</source>
        <translation>Senderliste wird aktualisiert... %1 MB</translation>
    </message>
    <message>
        <source>Updating stations... %1 %</source>
        <translation>Senderliste wird aktualisiert... %1 %</translation>
    </message>
    <message>
        <source>Converting stations...</source>
        <translation>Sender werden umgewandelt...</translation>
    </message>
</context>
<context>
    <name>lumo::VideoWidget</name>
    <message>
        <source>Press Escape for Normal View</source>
        <translation>Esc drücken für die normale Ansicht</translation>
    </message>
</context>
<context>
    <name>lumo::VlcMediaPlayer</name>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Buffering %1%</source>
        <translation>Puffern %1 %</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>Keine Verbindung möglich</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Nichts abzuspielen</translation>
    </message>
    <message>
        <source>Media player unavailable</source>
        <translation>Medienwiedergabe nicht verfügbar</translation>
    </message>
    <message>
        <source>No answer from the station</source>
        <translation>Keine Antwort vom Sender</translation>
    </message>
    <message>
        <source>The stream stalled</source>
        <translation>Der Stream stockt</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Buffering...</source>
        <translation>Puffern...</translation>
    </message>
    <message>
        <source>%1 - %2 behind live</source>
        <translation>%1 – %2 zeitversetzt</translation>
    </message>
    <message>
        <source>%1 - video in its own window</source>
        <translation>%1 – Video im eigenen Fenster</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
</context>
<context>
    <name>lumo::help</name>
    <message>
        <source>Lumo - Help</source>
        <translation>Lumo – Hilfe</translation>
    </message>
    <message>
        <source>Stay on top of all screens</source>
        <translation>Über allen Fenstern bleiben</translation>
    </message>
    <message>
        <source>View the DJ web camera</source>
        <translation>Die DJ-Webcam ansehen</translation>
    </message>
    <message>
        <source>Load the default station</source>
        <translation>Standardsender laden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Click the advert for its website</source>
        <translation>Klick auf die Werbung öffnet ihre Website</translation>
    </message>
    <message>
        <source>Click the station name for its website</source>
        <translation>Klick auf den Sendernamen öffnet seine Website</translation>
    </message>
    <message>
        <source>Drag the volume slider up or down</source>
        <translation>Den Lautstärkeregler nach oben oder unten ziehen</translation>
    </message>
    <message>
        <source>Double-click the picture for full screen, Escape to leave it</source>
        <translation>Doppelklick auf das Bild für Vollbild, Esc beendet es</translation>
    </message>
    <message>
        <source>Update the station listing</source>
        <translation>Die Senderliste aktualisieren</translation>
    </message>
    <message>
        <source>Set this station as the default</source>
        <translation>Diesen Sender als Standard festlegen</translation>
    </message>
    <message>
        <source>The date of the station list</source>
        <translation>Das Datum der Senderliste</translation>
    </message>
    <message>
        <source>Stop, play and pause</source>
        <translation>Stopp, Wiedergabe und Pause</translation>
    </message>
    <message>
        <source>View or change the radio or TV station</source>
        <translation>Radio- oder TV-Sender ansehen oder wechseln</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Abspielen oder pausieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Auf, Ab</translation>
    </message>
    <message>
        <source>Volume up or down</source>
        <translation>Lauter oder leiser</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>30 seconds back or forward in live radio</source>
        <translation>Im Live-Radio 30 Sekunden zurück oder vor</translation>
    </message>
    <message>
        <source>Full screen (Escape leaves it)</source>
        <translation>Vollbild (Esc beendet es)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move through the controls</source>
        <translation>Von Bedienelement zu Bedienelement</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Strg+L</translation>
    </message>
    <message>
        <source>Open an address</source>
        <translation>Eine Adresse öffnen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Strg+V</translation>
    </message>
    <message>
        <source>Play a copied address</source>
        <translation>Eine kopierte Adresse abspielen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>The player&apos;s menu</source>
        <translation>Das Menü des Players</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Diese Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Add to or remove from the favourites</source>
        <translation>Zu den Favoriten hinzufügen oder daraus entfernen</translation>
    </message>
    <message>
        <source>Open an address, add or edit My Stations</source>
        <translation>Adresse öffnen, „Meine Sender“ hinzufügen oder bearbeiten</translation>
    </message>
    <message>
        <source>Back 30 seconds, forward, back to live</source>
        <translation>30 Sekunden zurück, vor, zurück zu live</translation>
    </message>
    <message>
        <source>Record, one file per song; the recordings folder</source>
        <translation>Aufnehmen, eine Datei je Titel; der Aufnahmeordner</translation>
    </message>
    <message>
        <source>The titles heard</source>
        <translation>Die gehörten Titel</translation>
    </message>
    <message>
        <source>Song notifications on or off</source>
        <translation>Titel-Benachrichtigungen ein oder aus</translation>
    </message>
    <message>
        <source>In the station list: search, favourites, My Stations</source>
        <translation>In der Senderliste: Suche, Favoriten, Meine Sender</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>The player&apos;s menu (right button or Menu key)</source>
        <translation>Das Menü des Players (rechte Maustaste oder Menütaste)</translation>
    </message>
    <message>
        <source>Sleep timer: stop after 15 to 90 minutes</source>
        <translation>Sleep-Timer: nach 15 bis 90 Minuten stoppen</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GivenStation</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>No station&apos;s network address in %1</source>
        <translation>Aucune adresse réseau de station dans %1</translation>
    </message>
    <message>
        <source>No address given</source>
        <translation>Aucune adresse indiquée</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <translation>Ce n’est pas un fichier local&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a network address (http, https, mms, mmsh, rtsp or rtmp): %1</source>
        <translation>Ce n’est pas une adresse réseau (http, https, mms, mmsh, rtsp ou rtmp)&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 station</source>
        <translation>1 station</translation>
    </message>
    <message>
        <source>%1 stations</source>
        <translation>%1 stations</translation>
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
        <translation>Publicité</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Bannière publicitaire</translation>
    </message>
</context>
<context>
    <name>lumo::About</name>
    <message>
        <source>Lumo - About</source>
        <translation>À propos de Lumo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Internet radio and television</source>
        <translation>Radio et télévision sur Internet</translation>
    </message>
    <message>
        <source>Built on</source>
        <translation>Réalisé avec</translation>
    </message>
    <message>
        <source>GNU LGPL version 3</source>
        <translation>GNU LGPL version 3</translation>
    </message>
    <message>
        <source>GNU LGPL version 2.1 or later</source>
        <translation>GNU LGPL version 2.1 ou ultérieure</translation>
    </message>
    <message>
        <source>curl licence (MIT-style)</source>
        <translation>licence curl (de type MIT)</translation>
    </message>
    <message>
        <source>Stations and streams belong to their broadcasters</source>
        <translation>Les stations et leurs flux appartiennent à leurs diffuseurs</translation>
    </message>
</context>
<context>
    <name>lumo::Genres</name>
    <message>
        <source>News and Talk</source>
        <translation>Actualités et débats</translation>
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
        <translation>Classique</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Ambient</translation>
    </message>
    <message>
        <source>Chillout</source>
        <translation>Chill-out</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip-hop</translation>
    </message>
    <message>
        <source>Soul and R&amp;B</source>
        <translation>Soul et R&amp;B</translation>
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
        <translation>Indé</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternatif</translation>
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
        <translation>Décennies</translation>
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
        <translation>Musiques du monde</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latino</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religieux</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Humour</translation>
    </message>
    <message>
        <source>Soundtracks</source>
        <translation>Bandes originales</translation>
    </message>
    <message>
        <source>Schlager</source>
        <translation>Schlager</translation>
    </message>
    <message>
        <source>Eclectic</source>
        <translation>Éclectique</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Radios associatives</translation>
    </message>
    <message>
        <source>Public Radio</source>
        <translation>Service public</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Sciences</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>lumo::LiveFeed</name>
    <message>
        <source>Waiting for Live Feed ....</source>
        <translation>En attente de l’image en direct ....</translation>
    </message>
    <message>
        <source>No Live Feed Found ....</source>
        <translation>Aucune image en direct trouvée ....</translation>
    </message>
    <message>
        <source>Live Feed Failed ... </source>
        <translation>Échec de l’image en direct ... </translation>
    </message>
    <message>
        <source>Live Feed Updated</source>
        <translation>Image en direct mise à jour</translation>
    </message>
    <message>
        <source>Next Update : %1 Secs</source>
        <translation>Prochaine mise à jour&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>Waiting for Live Feed</source>
        <translation>En attente de l’image en direct</translation>
    </message>
</context>
<context>
    <name>lumo::Messages</name>
    <message>
        <source>No Djcam Available on TV ?</source>
        <translation>Pas de caméra du DJ pour la télévision.</translation>
    </message>
    <message>
        <source>Failed to Save Favourites</source>
        <translation>Impossible d’enregistrer les favoris</translation>
    </message>
    <message>
        <source>Set Default Failed</source>
        <translation>Impossible de définir la station par défaut</translation>
    </message>
    <message>
        <source>Default Station Set</source>
        <translation>Station par défaut définie</translation>
    </message>
    <message>
        <source>Set Default Viewer Failed</source>
        <translation>Impossible d’enregistrer le choix du lecteur</translation>
    </message>
    <message>
        <source>Failed to Save My Stations</source>
        <translation>Impossible d’enregistrer Mes stations</translation>
    </message>
    <message>
        <source>No Station file, download the station file first</source>
        <translation>Aucune liste de stations&#xa0;: téléchargez d’abord la liste des stations</translation>
    </message>
    <message>
        <source>Could not Establish Connection to the Update Site, Check your Internet Access and Retry</source>
        <translation>Impossible de joindre le site de mise à jour. Vérifiez votre accès à Internet et réessayez.</translation>
    </message>
    <message>
        <source>Station Update Complete</source>
        <translation>Mise à jour des stations terminée</translation>
    </message>
    <message>
        <source>Station Update Not Found, Try again later</source>
        <translation>Aucune mise à jour des stations trouvée, réessayez plus tard</translation>
    </message>
    <message>
        <source> Failed to Connect Update Website</source>
        <translation>Échec de la connexion au site de mise à jour</translation>
    </message>
</context>
<context>
    <name>lumo::OpenAddressDialog</name>
    <message>
        <source>Open Address</source>
        <translation>Ouvrir une adresse</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Add to My Stations</source>
        <translation>Ajouter à Mes stations</translation>
    </message>
</context>
<context>
    <name>lumo::OwnStationActions</name>
    <message>
        <source>Open Address...</source>
        <translation>Ouvrir une adresse...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Ajouter une station...</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Modifier la station...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Supprimer la station</translation>
    </message>
</context>
<context>
    <name>lumo::Playback</name>
    <message>
        <source>Program Time - %1 minutes</source>
        <translation>Durée du programme – %1 minutes</translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation>Reconnexion...</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Enregistrement arrêté</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
</context>
<context>
    <name>lumo::PlayerWindow</name>
    <message>
        <source>Station logo</source>
        <translation>Logo de la station</translation>
    </message>
    <message>
        <source>Click here to view Website of this Station</source>
        <translation>Cliquez ici pour voir le site web de cette station</translation>
    </message>
    <message>
        <source>Click here to return to Default station</source>
        <translation>Cliquez ici pour revenir à la station par défaut</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Mettre à jour la liste des stations</translation>
    </message>
    <message>
        <source>Click here to change the station</source>
        <translation>Cliquez ici pour changer de station</translation>
    </message>
    <message>
        <source>Lad Default Station</source>
        <translation>Charger la station par défaut</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Bannière publicitaire</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Régler le volume</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Définir cette station par défaut</translation>
    </message>
    <message>
        <source>Lumo Stays on Top of all screens</source>
        <translation>Lumo reste au-dessus de toutes les fenêtres</translation>
    </message>
    <message>
        <source>DJ Cam</source>
        <translation>Caméra du DJ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Home: the default station</source>
        <translation>Accueil&#xa0;: la station par défaut</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Publicité</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Mettre à jour les stations</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Définir comme station par défaut</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Studio camera</source>
        <translation>Caméra du studio</translation>
    </message>
    <message>
        <source>Live feed status</source>
        <translation>État de l’image en direct</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Station list date</source>
        <translation>Date de la liste des stations</translation>
    </message>
    <message numerus="yes">
        <source>Sleep Timer (%n min left)</source>
        <translation>
            <numerusform>Minuterie de veille (%n min restante)</numerusform>
            <numerusform>Minuterie de veille (%n min restantes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation>Minuterie de veille</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Back 30 Seconds</source>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message>
        <source>Forward 30 Seconds</source>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message>
        <source>Back to Live</source>
        <translation>Revenir au direct</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Only a live audio stream can be recorded, not a clip, a video or a segmented (HLS) stream</source>
        <translation>Seul un flux audio en direct peut être enregistré, pas un extrait, une vidéo ni un flux segmenté (HLS)</translation>
    </message>
    <message>
        <source>Open Recordings Folder</source>
        <translation>Ouvrir le dossier des enregistrements</translation>
    </message>
    <message>
        <source>Titles Heard...</source>
        <translation>Titres écoutés...</translation>
    </message>
    <message>
        <source>Song Notifications</source>
        <translation>Notifications des titres</translation>
    </message>
    <message numerus="yes">
        <source>Sleep timer: %n min left</source>
        <translation>
            <numerusform>Minuterie de veille&#xa0;: %n min restante</numerusform>
            <numerusform>Minuterie de veille&#xa0;: %n min restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement en cours</translation>
    </message>
    <message>
        <source>Station list date: %1</source>
        <translation>Date de la liste des stations&#xa0;: %1</translation>
    </message>
    <message>
        <source>Radio and TV from around the world</source>
        <translation>Radio et télé du monde entier</translation>
    </message>
</context>
<context>
    <name>lumo::Recorder</name>
    <message>
        <source>Not recording - the folder could not be made</source>
        <translation>Pas d’enregistrement – le dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Not recording - less than 500 MB free</source>
        <translation>Pas d’enregistrement – moins de 500 Mo libres</translation>
    </message>
    <message>
        <source>Not recording - the file could not be written</source>
        <translation>Pas d’enregistrement – le fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Enregistrement arrêté</translation>
    </message>
    <message>
        <source>Recording stopped - the file could not be written</source>
        <translation>Enregistrement arrêté – le fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>Recording stopped - less than 500 MB free</source>
        <translation>Enregistrement arrêté – moins de 500 Mo libres</translation>
    </message>
</context>
<context>
    <name>lumo::StationEditor</name>
    <message>
        <source>The station needs a name.</source>
        <translation>La station doit avoir un nom.</translation>
    </message>
    <message>
        <source>The address must be a network address (http, https, mms, mmsh, rtsp or rtmp).</source>
        <translation>L’adresse doit être une adresse réseau (http, https, mms, mmsh, rtsp ou rtmp).</translation>
    </message>
    <message>
        <source>The web page and the live-feed picture must be network addresses, or left empty.</source>
        <translation>La page web et l’image en direct doivent être des adresses réseau, ou rester vides.</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Modifier la station</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Ajouter une station</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Télévision</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Live-feed picture address</source>
        <translation>Adresse de l’image en direct</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>lumo::Stations</name>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Lumo Stations List</source>
        <translation>Lumo – Liste des stations</translation>
    </message>
    <message>
        <source>Use LUMO to play content</source>
        <translation>Utiliser LUMO pour la lecture</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Télévision</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Mettre à jour la liste des stations</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Définir cette station par défaut</translation>
    </message>
    <message>
        <source>No Default Station Set</source>
        <translation>Aucune station par défaut</translation>
    </message>
    <message>
        <source>Search stations</source>
        <translation>Rechercher des stations</translation>
    </message>
    <message>
        <source>Double Click to load Channel</source>
        <translation>Double-cliquez pour charger la station</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Mettre à jour les stations</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Définir comme station par défaut</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Default station</source>
        <translation>Station par défaut</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Mes stations</translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Modifier la station...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Supprimer la station</translation>
    </message>
    <message>
        <source>Copy to My Stations...</source>
        <translation>Copier dans Mes stations...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Ajouter une station...</translation>
    </message>
    <message>
        <source>&lt;                   SELECT MUSIC               &gt;</source>
        <translation>&lt;                   CHOISIR LA MUSIQUE               &gt;</translation>
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
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Hide Lumo</source>
        <translation>Masquer Lumo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Show Lumo</source>
        <translation>Afficher Lumo</translation>
    </message>
</context>
<context>
    <name>lumo::TitlesWindow</name>
    <message>
        <source>Lumo - Titles Heard</source>
        <translation>Lumo – Titres écoutés</translation>
    </message>
    <message>
        <source>Titles heard</source>
        <translation>Titres écoutés</translation>
    </message>
</context>
<context>
    <name>lumo::UpdateProgressWindow</name>
    <message>
        <source>Updating stations...</source>
        <translation>Mise à jour des stations...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Updating stations... %1 MB</source>
        <translation>Mise à jour des stations... %1 Mo</translation>
    </message>
    <message>
        <source>Updating stations... %1 %</source>
        <translation>Mise à jour des stations... %1 %</translation>
    </message>
    <message>
        <source>Converting stations...</source>
        <translation>Conversion des stations...</translation>
    </message>
</context>
<context>
    <name>lumo::VideoWidget</name>
    <message>
        <source>Press Escape for Normal View</source>
        <translation>Appuyez sur Échap pour revenir à la vue normale</translation>
    </message>
</context>
<context>
    <name>lumo::VlcMediaPlayer</name>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Buffering %1%</source>
        <translation>Mise en mémoire tampon %1 %</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Rien à lire</translation>
    </message>
    <message>
        <source>Media player unavailable</source>
        <translation>Lecteur multimédia indisponible</translation>
    </message>
    <message>
        <source>No answer from the station</source>
        <translation>Pas de réponse de la station</translation>
    </message>
    <message>
        <source>The stream stalled</source>
        <translation>Le flux est bloqué</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture en cours</translation>
    </message>
    <message>
        <source>Buffering...</source>
        <translation>Mise en mémoire tampon...</translation>
    </message>
    <message>
        <source>%1 - %2 behind live</source>
        <translation>%1 – %2 de retard sur le direct</translation>
    </message>
    <message>
        <source>%1 - video in its own window</source>
        <translation>%1 – vidéo dans sa propre fenêtre</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Could not open</source>
        <translation>Ouverture impossible</translation>
    </message>
</context>
<context>
    <name>lumo::help</name>
    <message>
        <source>Lumo - Help</source>
        <translation>Lumo – Aide</translation>
    </message>
    <message>
        <source>Stay on top of all screens</source>
        <translation>Rester au-dessus de toutes les fenêtres</translation>
    </message>
    <message>
        <source>View the DJ web camera</source>
        <translation>Voir la webcam du DJ</translation>
    </message>
    <message>
        <source>Load the default station</source>
        <translation>Charger la station par défaut</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Click the advert for its website</source>
        <translation>Cliquez sur la publicité pour son site web</translation>
    </message>
    <message>
        <source>Click the station name for its website</source>
        <translation>Cliquez sur le nom de la station pour son site web</translation>
    </message>
    <message>
        <source>Drag the volume slider up or down</source>
        <translation>Faites glisser le bouton du volume vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Double-click the picture for full screen, Escape to leave it</source>
        <translation>Double-cliquez sur l’image pour le plein écran, Échap pour en sortir</translation>
    </message>
    <message>
        <source>Update the station listing</source>
        <translation>Mettre à jour la liste des stations</translation>
    </message>
    <message>
        <source>Set this station as the default</source>
        <translation>Définir cette station par défaut</translation>
    </message>
    <message>
        <source>The date of the station list</source>
        <translation>La date de la liste des stations</translation>
    </message>
    <message>
        <source>Stop, play and pause</source>
        <translation>Arrêter, lire et mettre en pause</translation>
    </message>
    <message>
        <source>View or change the radio or TV station</source>
        <translation>Voir ou changer la station de radio ou de télévision</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Lire ou mettre en pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>Volume up or down</source>
        <translation>Monter ou baisser le volume</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>30 seconds back or forward in live radio</source>
        <translation>30 secondes en arrière ou en avant dans la radio en direct</translation>
    </message>
    <message>
        <source>Full screen (Escape leaves it)</source>
        <translation>Plein écran (Échap pour en sortir)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move through the controls</source>
        <translation>Passer d’une commande à l’autre</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Open an address</source>
        <translation>Ouvrir une adresse</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Play a copied address</source>
        <translation>Écouter une adresse copiée</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>The player&apos;s menu</source>
        <translation>Le menu du lecteur</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Cette aide</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Add to or remove from the favourites</source>
        <translation>Ajouter aux favoris ou en retirer</translation>
    </message>
    <message>
        <source>Open an address, add or edit My Stations</source>
        <translation>Ouvrir une adresse, ajouter ou modifier Mes stations</translation>
    </message>
    <message>
        <source>Back 30 seconds, forward, back to live</source>
        <translation>Reculer de 30 secondes, avancer, revenir au direct</translation>
    </message>
    <message>
        <source>Record, one file per song; the recordings folder</source>
        <translation>Enregistrer, un fichier par titre&#xa0;; le dossier des enregistrements</translation>
    </message>
    <message>
        <source>The titles heard</source>
        <translation>Les titres écoutés</translation>
    </message>
    <message>
        <source>Song notifications on or off</source>
        <translation>Activer ou couper les notifications des titres</translation>
    </message>
    <message>
        <source>In the station list: search, favourites, My Stations</source>
        <translation>Dans la liste des stations&#xa0;: recherche, favoris, Mes stations</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>The player&apos;s menu (right button or Menu key)</source>
        <translation>Le menu du lecteur (bouton droit ou touche Menu)</translation>
    </message>
    <message>
        <source>Sleep timer: stop after 15 to 90 minutes</source>
        <translation>Minuterie de veille&#xa0;: arrêt après 15 à 90 minutes</translation>
    </message>
</context>
</TS>

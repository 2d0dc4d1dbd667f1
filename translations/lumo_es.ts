<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GivenStation</name>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>No station&apos;s network address in %1</source>
        <translation>No hay ninguna dirección de red de emisora en %1</translation>
    </message>
    <message>
        <source>No address given</source>
        <translation>No se ha indicado ninguna dirección</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <translation>No es un archivo local: %1</translation>
    </message>
    <message>
        <source>Not a network address (http, https, mms, mmsh, rtsp or rtmp): %1</source>
        <translation>No es una dirección de red (http, https, mms, mmsh, rtsp o rtmp): %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 station</source>
        <translation>1 emisora</translation>
    </message>
    <message>
        <source>%1 stations</source>
        <translation>%1 emisoras</translation>
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
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Banner publicitario</translation>
    </message>
</context>
<context>
    <name>lumo::About</name>
    <message>
        <source>Lumo - About</source>
        <translation>Acerca de Lumo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Internet radio and television</source>
        <translation>Radio y televisión por Internet</translation>
    </message>
    <message>
        <source>Built on</source>
        <translation>Hecho con</translation>
    </message>
    <message>
        <source>GNU LGPL version 3</source>
        <translation>GNU LGPL versión 3</translation>
    </message>
    <message>
        <source>GNU LGPL version 2.1 or later</source>
        <translation>GNU LGPL versión 2.1 o posterior</translation>
    </message>
    <message>
        <source>curl licence (MIT-style)</source>
        <translation>licencia de curl (tipo MIT)</translation>
    </message>
    <message>
        <source>Stations and streams belong to their broadcasters</source>
        <translation>Las emisoras y sus emisiones pertenecen a sus radiodifusores</translation>
    </message>
</context>
<context>
    <name>lumo::Genres</name>
    <message>
        <source>News and Talk</source>
        <translation>Noticias y tertulias</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Deportes</translation>
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
        <translation>Clásica</translation>
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
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip hop</translation>
    </message>
    <message>
        <source>Soul and R&amp;B</source>
        <translation>Soul y R&amp;B</translation>
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
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Éxitos de siempre</translation>
    </message>
    <message>
        <source>Decades</source>
        <translation>Décadas</translation>
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
        <translation>Músicas del mundo</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latina</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiosa</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Infantil</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Humor</translation>
    </message>
    <message>
        <source>Soundtracks</source>
        <translation>Bandas sonoras</translation>
    </message>
    <message>
        <source>Schlager</source>
        <translation>Schlager</translation>
    </message>
    <message>
        <source>Eclectic</source>
        <translation>Ecléctica</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Radios comunitarias</translation>
    </message>
    <message>
        <source>Public Radio</source>
        <translation>Radio pública</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>lumo::LiveFeed</name>
    <message>
        <source>Waiting for Live Feed ....</source>
        <translation>Esperando la imagen en directo ....</translation>
    </message>
    <message>
        <source>No Live Feed Found ....</source>
        <translation>No se encontró imagen en directo ....</translation>
    </message>
    <message>
        <source>Live Feed Failed ... </source>
        <translation>Falló la imagen en directo ... </translation>
    </message>
    <message>
        <source>Live Feed Updated</source>
        <translation>Imagen en directo actualizada</translation>
    </message>
    <message>
        <source>Next Update : %1 Secs</source>
        <translation>Próxima actualización: %1 s</translation>
    </message>
    <message>
        <source>Waiting for Live Feed</source>
        <translation>Esperando la imagen en directo</translation>
    </message>
</context>
<context>
    <name>lumo::Messages</name>
    <message>
        <source>No Djcam Available on TV ?</source>
        <translation>La televisión no tiene cámara del DJ.</translation>
    </message>
    <message>
        <source>Failed to Save Favourites</source>
        <translation>No se pudieron guardar los favoritos</translation>
    </message>
    <message>
        <source>Set Default Failed</source>
        <translation>No se pudo fijar la emisora predeterminada</translation>
    </message>
    <message>
        <source>Default Station Set</source>
        <translation>Emisora predeterminada fijada</translation>
    </message>
    <message>
        <source>Set Default Viewer Failed</source>
        <translation>No se pudo guardar la preferencia de reproductor</translation>
    </message>
    <message>
        <source>Failed to Save My Stations</source>
        <translation>No se pudo guardar Mis emisoras</translation>
    </message>
    <message>
        <source>No Station file, download the station file first</source>
        <translation>No hay lista de emisoras: descargue primero la lista de emisoras</translation>
    </message>
    <message>
        <source>Could not Establish Connection to the Update Site, Check your Internet Access and Retry</source>
        <translation>No se pudo conectar con el sitio de actualización. Compruebe su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Station Update Complete</source>
        <translation>Actualización de emisoras completada</translation>
    </message>
    <message>
        <source>Station Update Not Found, Try again later</source>
        <translation>No se encontró ninguna actualización de emisoras; inténtelo más tarde</translation>
    </message>
    <message>
        <source> Failed to Connect Update Website</source>
        <translation>No se pudo conectar con el sitio de actualización</translation>
    </message>
</context>
<context>
    <name>lumo::OpenAddressDialog</name>
    <message>
        <source>Open Address</source>
        <translation>Abrir dirección</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Add to My Stations</source>
        <translation>Añadir a Mis emisoras</translation>
    </message>
</context>
<context>
    <name>lumo::OwnStationActions</name>
    <message>
        <source>Open Address...</source>
        <translation>Abrir dirección...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Añadir emisora...</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Editar emisora...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Quitar emisora</translation>
    </message>
</context>
<context>
    <name>lumo::Playback</name>
    <message>
        <source>Program Time - %1 minutes</source>
        <translation>Duración del programa: %1 minutos</translation>
    </message>
    <message>
        <source>Reconnecting...</source>
        <translation>Reconectando...</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>No se pudo conectar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Grabación detenida</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Grabando en %1</translation>
    </message>
</context>
<context>
    <name>lumo::PlayerWindow</name>
    <message>
        <source>Station logo</source>
        <translation>Logotipo de la emisora</translation>
    </message>
    <message>
        <source>Click here to view Website of this Station</source>
        <translation>Haga clic aquí para ver el sitio web de esta emisora</translation>
    </message>
    <message>
        <source>Click here to return to Default station</source>
        <translation>Haga clic aquí para volver a la emisora predeterminada</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Actualizar la lista de emisoras</translation>
    </message>
    <message>
        <source>Click here to change the station</source>
        <translation>Haga clic aquí para cambiar de emisora</translation>
    </message>
    <message>
        <source>Lad Default Station</source>
        <translation>Cargar la emisora predeterminada</translation>
    </message>
    <message>
        <source>Advert Banner</source>
        <translation>Banner publicitario</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Ajustar el volumen</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Fijar esta emisora como predeterminada</translation>
    </message>
    <message>
        <source>Lumo Stays on Top of all screens</source>
        <translation>Lumo queda encima de todas las ventanas</translation>
    </message>
    <message>
        <source>DJ Cam</source>
        <translation>Cámara del DJ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Home: the default station</source>
        <translation>Inicio: la emisora predeterminada</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Actualizar emisoras</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Fijar como emisora predeterminada</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Emisoras</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Studio camera</source>
        <translation>Cámara del estudio</translation>
    </message>
    <message>
        <source>Live feed status</source>
        <translation>Estado de la imagen en directo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Station list date</source>
        <translation>Fecha de la lista de emisoras</translation>
    </message>
    <message numerus="yes">
        <source>Sleep Timer (%n min left)</source>
        <translation>
            <numerusform>Temporizador (queda %n min)</numerusform>
            <numerusform>Temporizador (quedan %n min)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation>Temporizador de apagado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Back 30 Seconds</source>
        <translation>Retroceder 30 segundos</translation>
    </message>
    <message>
        <source>Forward 30 Seconds</source>
        <translation>Avanzar 30 segundos</translation>
    </message>
    <message>
        <source>Back to Live</source>
        <translation>Volver al directo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Only a live audio stream can be recorded, not a clip, a video or a segmented (HLS) stream</source>
        <translation>Solo se puede grabar una emisión de audio en directo, no un clip, un vídeo ni una emisión segmentada (HLS)</translation>
    </message>
    <message>
        <source>Open Recordings Folder</source>
        <translation>Abrir la carpeta de grabaciones</translation>
    </message>
    <message>
        <source>Titles Heard...</source>
        <translation>Títulos escuchados...</translation>
    </message>
    <message>
        <source>Song Notifications</source>
        <translation>Avisos de canciones</translation>
    </message>
    <message numerus="yes">
        <source>Sleep timer: %n min left</source>
        <translation>
            <numerusform>Temporizador: queda %n min</numerusform>
            <numerusform>Temporizador: quedan %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>Station list date: %1</source>
        <translation>Fecha de la lista de emisoras: %1</translation>
    </message>
    <message>
        <source>Radio and TV from around the world</source>
        <translation>Radio y TV de todo el mundo</translation>
    </message>
</context>
<context>
    <name>lumo::Recorder</name>
    <message>
        <source>Not recording - the folder could not be made</source>
        <translation>Sin grabar: no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>Not recording - less than 500 MB free</source>
        <translation>Sin grabar: quedan menos de 500 MB libres</translation>
    </message>
    <message>
        <source>Not recording - the file could not be written</source>
        <translation>Sin grabar: no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Grabación detenida</translation>
    </message>
    <message>
        <source>Recording stopped - the file could not be written</source>
        <translation>Grabación detenida: no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>Recording stopped - less than 500 MB free</source>
        <translation>Grabación detenida: quedan menos de 500 MB libres</translation>
    </message>
</context>
<context>
    <name>lumo::StationEditor</name>
    <message>
        <source>The station needs a name.</source>
        <translation>La emisora necesita un nombre.</translation>
    </message>
    <message>
        <source>The address must be a network address (http, https, mms, mmsh, rtsp or rtmp).</source>
        <translation>La dirección debe ser una dirección de red (http, https, mms, mmsh, rtsp o rtmp).</translation>
    </message>
    <message>
        <source>The web page and the live-feed picture must be network addresses, or left empty.</source>
        <translation>La página web y la imagen en directo deben ser direcciones de red o quedar vacías.</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Editar emisora</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Añadir emisora</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Televisión</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Live-feed picture address</source>
        <translation>Dirección de la imagen en directo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>lumo::Stations</name>
    <message>
        <source>Stations</source>
        <translation>Emisoras</translation>
    </message>
    <message>
        <source>Lumo Stations List</source>
        <translation>Lumo – Lista de emisoras</translation>
    </message>
    <message>
        <source>Use LUMO to play content</source>
        <translation>Usar LUMO para reproducir</translation>
    </message>
    <message>
        <source>Television</source>
        <translation>Televisión</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Update Stations listings</source>
        <translation>Actualizar la lista de emisoras</translation>
    </message>
    <message>
        <source>Set this Station as the Default</source>
        <translation>Fijar esta emisora como predeterminada</translation>
    </message>
    <message>
        <source>No Default Station Set</source>
        <translation>Sin emisora predeterminada</translation>
    </message>
    <message>
        <source>Search stations</source>
        <translation>Buscar emisoras</translation>
    </message>
    <message>
        <source>Double Click to load Channel</source>
        <translation>Doble clic para cargar la emisora</translation>
    </message>
    <message>
        <source>Update stations</source>
        <translation>Actualizar emisoras</translation>
    </message>
    <message>
        <source>Set as default station</source>
        <translation>Fijar como emisora predeterminada</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Default station</source>
        <translation>Emisora predeterminada</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Mis emisoras</translation>
    </message>
    <message>
        <source>Remove from Favourites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Edit Station...</source>
        <translation>Editar emisora...</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Quitar emisora</translation>
    </message>
    <message>
        <source>Copy to My Stations...</source>
        <translation>Copiar a Mis emisoras...</translation>
    </message>
    <message>
        <source>Add Station...</source>
        <translation>Añadir emisora...</translation>
    </message>
    <message>
        <source>&lt;                   SELECT MUSIC               &gt;</source>
        <translation>&lt;                   ELEGIR MÚSICA               &gt;</translation>
    </message>
</context>
<context>
    <name>lumo::StatusIcon</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Hide Lumo</source>
        <translation>Ocultar Lumo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Show Lumo</source>
        <translation>Mostrar Lumo</translation>
    </message>
</context>
<context>
    <name>lumo::TitlesWindow</name>
    <message>
        <source>Lumo - Titles Heard</source>
        <translation>Lumo – Títulos escuchados</translation>
    </message>
    <message>
        <source>Titles heard</source>
        <translation>Títulos escuchados</translation>
    </message>
</context>
<context>
    <name>lumo::UpdateProgressWindow</name>
    <message>
        <source>Updating stations...</source>
        <translation>Actualizando emisoras...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Updating stations... %1 MB</source>
        <translation>Actualizando emisoras... %1 MB</translation>
    </message>
    <message>
        <source>Updating stations... %1 %</source>
        <translation>Actualizando emisoras... %1 %</translation>
    </message>
    <message>
        <source>Converting stations...</source>
        <translation>Convirtiendo emisoras...</translation>
    </message>
</context>
<context>
    <name>lumo::VideoWidget</name>
    <message>
        <source>Press Escape for Normal View</source>
        <translation>Pulse Esc para volver a la vista normal</translation>
    </message>
</context>
<context>
    <name>lumo::VlcMediaPlayer</name>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Buffering %1%</source>
        <translation>Cargando %1 %</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>No se pudo conectar</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Nada que reproducir</translation>
    </message>
    <message>
        <source>Media player unavailable</source>
        <translation>Reproductor multimedia no disponible</translation>
    </message>
    <message>
        <source>No answer from the station</source>
        <translation>La emisora no responde</translation>
    </message>
    <message>
        <source>The stream stalled</source>
        <translation>La emisión se ha atascado</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Buffering...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>%1 - %2 behind live</source>
        <translation>%1 – %2 por detrás del directo</translation>
    </message>
    <message>
        <source>%1 - video in its own window</source>
        <translation>%1 – vídeo en su propia ventana</translation>
    </message>
    <message>
        <source>Failed to Connect</source>
        <translation>No se pudo conectar</translation>
    </message>
    <message>
        <source>Could not open</source>
        <translation>No se pudo abrir</translation>
    </message>
</context>
<context>
    <name>lumo::help</name>
    <message>
        <source>Lumo - Help</source>
        <translation>Lumo – Ayuda</translation>
    </message>
    <message>
        <source>Stay on top of all screens</source>
        <translation>Quedar encima de todas las ventanas</translation>
    </message>
    <message>
        <source>View the DJ web camera</source>
        <translation>Ver la cámara web del DJ</translation>
    </message>
    <message>
        <source>Load the default station</source>
        <translation>Cargar la emisora predeterminada</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Click the advert for its website</source>
        <translation>Haga clic en el anuncio para ver su sitio web</translation>
    </message>
    <message>
        <source>Click the station name for its website</source>
        <translation>Haga clic en el nombre de la emisora para ver su sitio web</translation>
    </message>
    <message>
        <source>Drag the volume slider up or down</source>
        <translation>Arrastre el control de volumen hacia arriba o hacia abajo</translation>
    </message>
    <message>
        <source>Double-click the picture for full screen, Escape to leave it</source>
        <translation>Doble clic en la imagen para pantalla completa, Esc para salir</translation>
    </message>
    <message>
        <source>Update the station listing</source>
        <translation>Actualizar la lista de emisoras</translation>
    </message>
    <message>
        <source>Set this station as the default</source>
        <translation>Fijar esta emisora como predeterminada</translation>
    </message>
    <message>
        <source>The date of the station list</source>
        <translation>La fecha de la lista de emisoras</translation>
    </message>
    <message>
        <source>Stop, play and pause</source>
        <translation>Detener, reproducir y pausar</translation>
    </message>
    <message>
        <source>View or change the radio or TV station</source>
        <translation>Ver o cambiar la emisora de radio o TV</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>Volume up or down</source>
        <translation>Subir o bajar el volumen</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>30 seconds back or forward in live radio</source>
        <translation>30 segundos atrás o adelante en la radio en directo</translation>
    </message>
    <message>
        <source>Full screen (Escape leaves it)</source>
        <translation>Pantalla completa (Esc para salir)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move through the controls</source>
        <translation>Recorrer los controles</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Open an address</source>
        <translation>Abrir una dirección</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Play a copied address</source>
        <translation>Reproducir una dirección copiada</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>The player&apos;s menu</source>
        <translation>El menú del reproductor</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Esta ayuda</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Add to or remove from the favourites</source>
        <translation>Añadir a favoritos o quitar de ellos</translation>
    </message>
    <message>
        <source>Open an address, add or edit My Stations</source>
        <translation>Abrir una dirección, añadir o editar Mis emisoras</translation>
    </message>
    <message>
        <source>Back 30 seconds, forward, back to live</source>
        <translation>Retroceder 30 segundos, avanzar, volver al directo</translation>
    </message>
    <message>
        <source>Record, one file per song; the recordings folder</source>
        <translation>Grabar, un archivo por canción; la carpeta de grabaciones</translation>
    </message>
    <message>
        <source>The titles heard</source>
        <translation>Los títulos escuchados</translation>
    </message>
    <message>
        <source>Song notifications on or off</source>
        <translation>Activar o desactivar los avisos de canciones</translation>
    </message>
    <message>
        <source>In the station list: search, favourites, My Stations</source>
        <translation>En la lista de emisoras: búsqueda, favoritos, Mis emisoras</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>The player&apos;s menu (right button or Menu key)</source>
        <translation>El menú del reproductor (botón derecho o tecla Menú)</translation>
    </message>
    <message>
        <source>Sleep timer: stop after 15 to 90 minutes</source>
        <translation>Temporizador: apagar al cabo de 15 a 90 minutos</translation>
    </message>
</context>
</TS>

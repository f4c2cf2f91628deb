<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomático (el programa elige los mejores parámetros)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>Tasa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>Ca&amp;lidad:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Predeterminado: 100. De 10 a 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>Usar &amp;Temporal Noise Shaping (TNS)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>Permitir Mid/&amp;Side</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>Versión de MPEG:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Tipo de bloque:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Valor de calidad no válido. Debe estar entre 10 y 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 compilación %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar la página web de %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentarios y soporte</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>El programa usa el codificador MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>Opciones AMR/AWB</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parámetros de codificación</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (banda estrecha, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (banda ancha, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>Parámetros de codificación AWB</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Frecuencia de muestreo: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Añadir car&amp;peta</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Añadir los archivos de una carpeta</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Quitar &amp;todo</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Convertir todos los archivos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Cancelado tras %1 de %2 archivos, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, omitidos: %1</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, con error: %1</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> en %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar la página web de %1</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Última conversión</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> a %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel no ha podido convertir este archivo.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origen: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Salida: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>no es un SoundFont que Sondrel pueda leer</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>El SoundFont «%1» elegido en la página MIDI de las opciones no se puede usar: %2.
Las canciones MIDI se generan con ct4mgm.sf2 junto al programa.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>Reproducir &amp;origen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Reproducir &amp;destino</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Convertir selección</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convertir todo</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Abrir carpeta de orig&amp;en</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Abrir carpeta de desti&amp;no</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>¿&amp;Por qué ha fallado?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Añadir archivos...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Añadir ca&amp;rpeta</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Quitar	Supr</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Quitar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Temas de ayuda	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Recomendar a un amigo</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>Comentarios y &amp;soporte</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Página web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Buscar la última &amp;versión</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>¿Detener la conversión y cerrar Sondrel?

Los archivos que se están convirtiendo no se conservan; los terminados sí.</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>AAC para iPod/iTunes</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>No se ha podido usar la carpeta de salida; se ha escrito en %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Convirtiendo %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%1 de %2 archivo(s) terminado(s) en %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, quedan unos %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo no tiene
suficiente memoria o recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se ha encontrado el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se ha encontrado la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo ha denegado
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay suficiente memoria para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE que no es Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Se ha producido una infracción de uso compartido.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se ha podido
completar porque se agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se ha podido
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se ha encontrado la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se ha producido un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>No se puede abrir el enlace:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>Etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Pista y álbum</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>Los archivos de una misma carpeta de origen</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>Todo el lote</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>La ganancia y el pico se miden sobre lo que se escribe. Las salidas WAV, AMR, AWB y AAC (ADTS) no admiten etiquetas, así que no reciben ninguna.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>Etiquetas &amp;ReplayGain:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>&amp;Un álbum es:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalización</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>&amp;Normalizar la sonoridad a</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>por pista</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>por álbum</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>Límite de &amp;pico real:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Una sola ganancia por pista o por álbum, reducida donde el pico real superaría el límite; la música no se comprime. Cuando la normalización está activada, sustituye a la opción «Amplificar / reducir el sonido» del formato de salida.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Predeterminado: ct4mgm.sf2 junto al programa</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>Opciones MIDI</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>&amp;Archivo SoundFont para las canciones MIDI (vacío: ct4mgm.sf2 junto al programa):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>SoundFonts &amp;instalados:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Canciones de la lista</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>&amp;Verificar las canciones de la lista</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Sonido ambiente</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Reverberación</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>C&amp;oro</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>%1 canción(es) MIDI en la lista.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>No hay canciones MIDI en la lista.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>El SoundFont «%1» no se puede usar: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>Elegir un SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>Archivos SoundFont</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>no es un SoundFont que Sondrel pueda leer</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>El SoundFont «%1» tiene todos los instrumentos de las %2 canción(es) MIDI de la lista.</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>Opciones AAC</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>Opciones FLAC</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>Opciones MP4/M4A/M4B</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opciones MP3</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>&amp;Sin pausas (duración exacta)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>Escribir la etiqueta ID3 como:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>Opciones OGG</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opciones Opus</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Variable (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Variable restringida (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Constante (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Mo&amp;do de tasa de bits:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>Com&amp;plejidad:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Al convertir a un formato de audio (MP3, WAV, WMA, etc.), si la salida es mono y el archivo original es estéreo, el sonido de salida es igual a:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Añadir &amp;solo las siguientes extensiones con «Añadir carpeta» y arrastrar y soltar</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Nota: separe las extensiones con una coma (,). Por ejemplo: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Crear carpetas según la ruta del archivo original</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Por ejemplo: el archivo original es «/home/ann/Music/pop/1.mp3» y la carpeta de salida es «/data/Output». Si la opción está marcada, la carpeta de salida será «/data/Output/home/ann/Music/pop».</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>&amp;Mantener las subcarpetas de las carpetas añadidas</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>El nombre original, o p. ej. {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Guardar en Mis documen&amp;tos si falla la creación del archivo</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Abrir la carpeta de salida al terminar la conversión</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Carpeta de sa&amp;lida:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Carpeta &amp;personalizada:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>&amp;Nombre de salida:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Si el archivo de destino e&amp;xiste </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Este equipo tiene %1 procesador(es); el valor predeterminado es un archivo por procesador.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>archivos a la vez</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>Veri&amp;ficar cada salida</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Elija una carpeta de salida:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Elija una carpeta de salida.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>No se puede usar el patrón de nombre de salida: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Introduzca las extensiones de archivo que desea filtrar.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Un archivo encontrado en una subcarpeta de una carpeta añadida con «Añadir carpeta» o soltada en la ventana va a la misma subcarpeta dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Nombra cada salida según las etiquetas de su origen. Campos: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, y {name} {ext} {folder} del archivo original; {track:02} completa el número hasta dos cifras. Una «/» crea una subcarpeta dentro de la carpeta de salida. Déjelo vacío para conservar el nombre original.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Decodificar cada salida antes de que reciba su nombre y comprobar su frecuencia, canales, duración y nivel frente a lo escrito; una salida que falla se elimina y se conserva el archivo anterior</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>&amp;Usar cover.jpg o folder.jpg como carátula si el origen no tiene ninguna</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Una salida cuyas etiquetas se transfieren desde un origen sin imagen recibe como carátula cover.jpg o folder.jpg (o .png) de la carpeta del origen; se omite un archivo que no sea una imagen JPEG o PNG o que supere los 16 MiB</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>No se han podido guardar las opciones; se aplican hasta que se cierre Sondrel.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>Opciones WAV</translation>
    </message>
</context>
<context>
    <name>CPageWMAOptions</name>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A WMA format: &quot;44100 Hz, 128 kbps, Stereo&quot;.</extracomment>
        <translation>%1 Hz, %2 kbps, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation>Opciones WMA</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Opciones de codificación: (frecuencia de muestreo, tasa de bits, canales)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>aún sin convertir</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos para convertir</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Cada fila es un archivo con su duración, tasa de bits, frecuencia, canales y estado de conversión</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Álbu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Añ&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Comentario:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>Com&amp;positor:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Cop&amp;yright:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>Editar etiqueta ID3</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>N.º de p&amp;ista:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>Posición en la &amp;lista</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>Pe&amp;rsonalizado</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Como el nombre del arc&amp;hivo (sin extensión)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Género:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Introduzca un número entero entre 0 y 255.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>No hay ninguna aplicación configurada para abrir «%1».

Configure %2 en los ajustes del escritorio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>un programa de correo electrónico</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>un navegador web</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>un programa para este tipo de enlace</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>un programa para este tipo de archivo</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>un gestor de archivos</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Buscando archivos...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Añadiendo el archivo %1 de %2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>Falta la guía del usuario «%1».</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Ayuda de Sondrel</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Todos los archivos de sonido que lee Sondrel</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>Archivos 3GPP</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>Archivos 3GPP2</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Archivos de Adobe Flash</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Archivos AIFF</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Archivos AMR</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>Archivos AU</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Archivos AVI</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD de audio</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Archivos Creative Voice</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>Archivos CRI ADX</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>Archivos DTS</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>Archivos de vídeo DV</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>Archivos de vídeo DVD</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Archivos CDATA de Electronic Arts</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Archivos de vídeo Flash</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>Vídeo H.264/MPEG4 AVC</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Archivos Matroska</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>Archivos MIDI</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>Archivos de vídeo MJPEG</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>Archivos MMF</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>Música MOD</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>Archivos de audio MPEG</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>Archivos de vídeo MPEG</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>Archivos de audio MPEG-4</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>Vídeo MPEG4 TS HD</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>Archivos de vídeo MPEG-4</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Archivos de audio/vídeo de Nullsoft</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>Archivos NUT</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Archivos OGG</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Archivos Opus</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Archivos QuickTime</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Archivos h261 sin procesar</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Archivos h263 sin procesar</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Archivos de vídeo h264 sin procesar</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Archivos Real Audio</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Archivos Real Media</translation>
    </message>
    <message>
        <source>Speex</source>
        <translation>Speex</translation>
    </message>
    <message>
        <source>The True Audio</source>
        <translation>The True Audio</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Archivos de Windows Media</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>Archivo de vídeo YUV</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Tasa de bits &amp;media (ABR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>Tasa de bits &amp;variable (VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>Largos y c&amp;ortos</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Sin co&amp;rtos</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Sin lar&amp;gos</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbps</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>Tasa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>Activar &amp;DTX (transmisión discontinua)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automático (frecuencia y canales del origen)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, nivel 0, estéreo (más rápido, mayor tamaño)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, nivel 5, estéreo (calidad de CD, tamaño habitual)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, nivel 8, estéreo (menor tamaño, más lento)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, nivel 5, estéreo (sonido de vídeo)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>Nivel de com&amp;presión:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>Añadir e&amp;tiqueta</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>T&amp;ransferir etiqueta del archivo de origen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>Editar etiq&amp;ueta</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>Añadir etiqueta &amp;ID3</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>Trans&amp;ferir etiqueta ID3 del archivo de origen</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>E&amp;ditar etiqueta ID3</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, mono (baja calidad, archivo más pequeño)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, joint stereo (calidad aceptable, tamaño pequeño)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, joint stereo (calidad media, tamaño normal)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, joint stereo (casi calidad de CD, tamaño grande)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>&amp;Joint stereo</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>&amp;Estéreo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation>Igual que el archivo &amp;original</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>T&amp;ransferir etiqueta ID3 del archivo de origen</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>Editar e&amp;tiqueta ID3</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>Tasa de bits &amp;variable, calidad:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (mejor calidad, mayor tamaño)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (transparente)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (menor tamaño)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint stereo o estéreo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>El programa usa el codificador MP3 LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbps, mono (baja calidad, menor tamaño)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, estéreo (calidad aceptable, tamaño pequeño)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, estéreo (calidad media, tamaño normal)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, estéreo (casi calidad de CD, tamaño grande)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>Ca&amp;lidad en lugar de tasa de bits:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (menor tamaño)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (predeterminado)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (mejor calidad, mayor tamaño)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automático (canales del origen, 64 kbps por canal)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbps, mono (voz, menor tamaño)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbps, estéreo (buena calidad, tamaño pequeño)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbps, estéreo (música transparente, tamaño normal)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbps, estéreo (calidad de archivo, tamaño grande)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Igual que el archivo original</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Una carpeta personalizada</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renombrar automáticamente (añadir un número al final del nombre)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Omitir (no convertir)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>Normalmente, el sonido de salida es igual a «(L+R)/2», que contiene los canales izquierdo y derecho.

«Canal izquierdo» significa que el programa produce el canal izquierdo del archivo estéreo original, y «Canal derecho», el canal derecho. Es muy útil cuando se quiere convertir un archivo estéreo en dos archivos que contengan por separado el canal izquierdo y el derecho.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Canal &amp;izquierdo</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Canal &amp;derecho</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bits, mono (baja calidad, archivo más pequeño)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bits, estéreo (calidad aceptable, tamaño pequeño)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bits, estéreo (calidad media, tamaño normal)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bits, estéreo (alta calidad, tamaño grande)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>&amp;Bits:</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> bits</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
</context>
<context>
    <name>PresetList</name>
    <message>
        <source>Encoding Options</source>
        <translation>Opciones de codificación</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - ¡¡¡una aplicación GENIAL de verdad!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Descargar de %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>conversor de archivos de sonido por lotes</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>No se ha podido inicializar el software (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>Al SoundFont le faltan instrumentos que usan estas canciones; los presets más parecidos que tiene los tocan en su lugar:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Seleccione al menos un archivo.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>No hay archivos en la lista.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Error. Se necesita el archivo «ct4mgm.sf2».</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>La salida superaría el límite de 4 GiB de los archivos WAV</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>El destino existe, omitido</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>Los archivos WMA necesitan Windows Media Format 9 Series Runtime.
Por desgracia, este componente no está disponible en su equipo.

¿Desea descargarlo e instalarlo ahora?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>No se han podido cargar los archivos siguientes.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Para decodificar archivos MIDI se necesita el archivo «ct4mgm.sf2».
Por desgracia, este archivo no está disponible en su equipo.

¿Desea descargarlo gratis ahora desde nuestro sitio web?

Cuando termine la descarga, copie el archivo en la carpeta:
«%1»
Y luego vuelva a convertir su archivo MIDI. Gracias.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>El formato de salida %1 es desconocido.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel aún no puede escribir archivos %1.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>El nombre del archivo de destino es igual al del archivo original, que no se puede sobrescribir. Guarde los archivos de salida en una carpeta personalizada.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>La ruta de salida supera los 4095 bytes</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>No se ha podido crear el archivo «%1»</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>No se ha podido crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>No se puede usar el patrón de nombre de salida: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: no es una canción MIDI que Sondrel pueda leer</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: el SoundFont no tiene nada para tocar %2</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 se toca con el banco %3, programa %4 «%5»</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>banco %1, programa %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>banco %1, programa %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>kit de batería %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>kit de batería %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>no es un archivo SoundFont</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplificar / reducir el sonido</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Coeficiente:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - reducir el sonido
= 100% - sin cambios
&gt; 100% - amplificar el sonido</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coeficiente de amplificación no válido. Debe estar entre 10 y 3000.</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Etiqueta ID3</translation>
    </message>
</context>
</TS>

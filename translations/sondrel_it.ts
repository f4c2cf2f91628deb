<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomatico (il programma sceglie i parametri migliori)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualità:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Predefinito: 100. Da 10 a 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opzioni avanzate</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>Usa &amp;Temporal Noise Shaping (TNS)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>Consenti Mid/&amp;Side</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>Versione MPEG:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Tipo di blocco:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Valore di qualità non valido. Deve essere compreso tra 10 e 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 build %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visita il sito di %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback e assistenza</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Il programma usa il codificatore MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>Opzioni AMR/AWB</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parametri di codifica</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (banda stretta, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (banda larga, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>Parametri di codifica AWB</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Frequenza di campionamento: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Aggiungi file</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Aggiungi ca&amp;rtella</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Aggiungi i file di una cartella</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Rimuovi &amp;tutto</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Rimuovi tutti i file dall&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converti</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Converti tutti i file</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Annullato dopo %1 file su %2, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>Convertiti: %1</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, saltati: %1</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, non riusciti: %1</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visita il sito di %1</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Ultima conversione</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel non è riuscito a convertire questo file.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Sorgente: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Uscita: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>Stato: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>non è un SoundFont che Sondrel sa leggere</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>Il SoundFont «%1» scelto nella pagina MIDI delle opzioni non può essere usato: %2.
I brani MIDI vengono resi con ct4mgm.sf2 accanto al programma.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>Riproduci &amp;sorgente</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Riproduci &amp;destinazione</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Converti selezionati</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converti tutto</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Apri cartella s&amp;orgente</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Apri cartella di desti&amp;nazione</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>&amp;Perché non è riuscito?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Aggiungi file...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Aggiungi ca&amp;rtella</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>R&amp;imuovi	Canc</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Rimuovi &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Argomenti della guida	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Consiglia a un amico</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback e assistenza</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Sito web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Cerca l&apos;ultima &amp;versione</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>Interrompere la conversione e chiudere Sondrel?

I file in corso di conversione non vengono conservati; quelli completati sì.</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>AAC per iPod/iTunes</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>Non è stato possibile usare la cartella di destinazione; scritto in %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Conversione di %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%1 file su %2 completati in %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, circa %1 rimanenti</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Memoria o risorse del sistema
operativo insufficienti.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Si è verificata una violazione di condivisione.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome di file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Non è stato possibile completare la transazione
DDE perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Non è stato possibile completare la transazione
DDE perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione di file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico specificata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Impossibile aprire il collegamento:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>Loudness</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>Tag ReplayGain</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Traccia e album</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>I file di una stessa cartella sorgente</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>L&apos;intero gruppo</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>Il guadagno e il picco sono misurati su ciò che viene scritto. Le uscite WAV, AMR, AWB e AAC (ADTS) non contengono tag, quindi non ne ricevono.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>Tag &amp;ReplayGain:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>Un &amp;album è:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalizzazione</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>&amp;Normalizza la loudness a</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>per traccia</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>per album</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>&amp;Limite del picco reale:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Un solo guadagno per traccia o album, ridotto dove il picco reale supererebbe il limite; la musica non viene compressa. Quando la normalizzazione è attiva, sostituisce l&apos;opzione «Amplifica / riduci il suono» del formato di uscita.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Predefinito: ct4mgm.sf2 accanto al programma</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>Opzioni MIDI</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>&amp;File SoundFont per i brani MIDI (vuoto: ct4mgm.sf2 accanto al programma):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>SoundFont &amp;installati:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Brani nell&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>&amp;Verifica i brani nell&apos;elenco</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Ambiente</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Riverbero</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>C&amp;horus</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>%1 brano/i MIDI nell&apos;elenco.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>Non ci sono brani MIDI nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>Il SoundFont «%1» non può essere usato: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>Scegli un SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>File SoundFont</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>non è un SoundFont che Sondrel sa leggere</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>Il SoundFont «%1» ha tutti gli strumenti dei %2 brani MIDI nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>Opzioni AAC</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>Opzioni FLAC</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>Opzioni MP4/M4A/M4B</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opzioni MP3</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>Senza &amp;pause (durata esatta)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>Scrivi il tag ID3 come:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>Opzioni OGG</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opzioni Opus</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Variabile (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Variabile vincolato (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Costante (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Moda&amp;lità bitrate:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>Com&amp;plessità:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Quando si converte in un formato audio (MP3, WAV, WMA, ecc.), se l&apos;uscita è mono e il file originale è stereo, il suono in uscita è uguale a:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Aggiungi &amp;solo le seguenti estensioni con «Aggiungi cartella» e trascinamento</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Nota: separare le estensioni con una virgola (,). Ad esempio: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>S&amp;foglia</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Crea cartelle secondo il percorso del file originale</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Esempio: file originale «/home/ann/Music/pop/1.mp3» e cartella di destinazione «/data/Output». Se l&apos;opzione è selezionata, la cartella diventa «/data/Output/home/ann/Music/pop».</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>&amp;Mantieni le sottocartelle delle cartelle aggiunte</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>Il nome originale, o ad es. {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Scrivi in &amp;Documenti se la creazione del file non riesce</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Apri la cartella di destinazione al termine della conversione</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Cartella di des&amp;tinazione:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Cartella &amp;personalizzata:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>&amp;Nome di uscita:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Se il file di destinazione &amp;esiste </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Questo computer ha %1 processore/i; il valore predefinito è un file per processore.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>Con&amp;verti</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>file alla volta</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>Verifica ogni &amp;uscita</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Scegli una cartella di destinazione:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Scegli una cartella di destinazione.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Il modello del nome di uscita non può essere usato: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Inserisci le estensioni di file da filtrare.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Un file trovato in una sottocartella di una cartella aggiunta con «Aggiungi cartella» o trascinata sulla finestra va nella stessa sottocartella all&apos;interno della cartella di destinazione</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Dà a ogni uscita un nome dai tag della sua sorgente. Campi: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, e {name} {ext} {folder} del file originale; {track:02} porta il numero a due cifre. Una «/» crea una sottocartella all&apos;interno della cartella di destinazione. Lascia vuoto per mantenere il nome originale.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Decodifica ogni uscita prima che prenda il suo nome e ne verifica frequenza, canali, durata e livello rispetto a quanto scritto; un&apos;uscita non valida viene rimossa e il vecchio file conservato</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>P&amp;rendi la copertina da cover.jpg o folder.jpg se la sorgente non ne ha</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Un&apos;uscita i cui tag sono trasferiti da una sorgente senza immagine riceve come copertina cover.jpg o folder.jpg (o .png) dalla cartella della sorgente; un file che non è un&apos;immagine JPEG o PNG, o che supera i 16 MiB, viene escluso</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>Non è stato possibile salvare le opzioni; restano valide fino alla chiusura di Sondrel.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>Opzioni WAV</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation>Opzioni WMA</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Opzioni di codifica: (frequenza di campionamento, bitrate, canali)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>non ancora convertito</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>File da convertire</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Ogni riga è un file con durata, bitrate, frequenza, canali e stato della conversione</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Al&amp;bum:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Ann&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Commento:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>Compo&amp;sitore:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>Modifica tag ID3</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>Numero di t&amp;raccia:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>Posizione nell&apos;&amp;elenco</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>Personali&amp;zzato</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Come il nome del &amp;file (senza estensione)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Genere:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Inserisci un numero intero tra 0 e 255.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>Nessuna applicazione è configurata per aprire «%1».

Configura %2 nelle impostazioni del desktop, poi riprova.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>un programma di posta elettronica</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>un browser web</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>un programma per questo tipo di collegamento</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>un programma per questo tipo di file</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>un gestore di file</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Scegli una cartella:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Ricerca dei file...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Aggiunta del file %1 di %2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>Manca la guida utente «%1».</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Guida di Sondrel</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Tutti i file audio che Sondrel legge</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>File 3GPP</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>File 3GPP2</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>File Adobe Flash</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>File AIFF</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>File AMR</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>File AU</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>File AVI</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD audio</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>File Creative Voice</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>File CRI ADX</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>File DTS</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>File video DV</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>File video DVD</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>File CDATA di Electronic Arts</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>File video Flash</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>Video H.264/MPEG4 AVC</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>File Matroska</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>File MIDI</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>File video MJPEG</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>File MMF</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>Musica MOD</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>File audio MPEG</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>File video MPEG</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>File audio MPEG-4</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>Video MPEG4 TS HD</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>File video MPEG-4</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>File audio/video Nullsoft</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>File NUT</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>File OGG</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>File Opus</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>File QuickTime</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>File h261 grezzi</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>File h263 grezzi</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>File video h264 grezzi</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>File Real Audio</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>File Real Media</translation>
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
        <translation>File WAV</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>File Windows Media</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>File video YUV</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Bitrate &amp;medio (ABR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>Bitrate &amp;variabile (VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>Lunghi e c&amp;orti</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Nessun co&amp;rto</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Nessun &amp;lungo</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbps</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>Attiva &amp;DTX (trasmissione discontinua)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automatico (frequenza e canali della sorgente)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, livello 0, stereo (più veloce, file più grande)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, livello 5, stereo (qualità CD, dimensione usuale)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, livello 8, stereo (file più piccolo, più lento)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, livello 5, stereo (audio video)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>Livello di com&amp;pressione:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>Aggiungi &amp;tag</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>T&amp;rasferisci il tag dal file sorgente</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>Mo&amp;difica tag</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>Aggiungi tag &amp;ID3</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>Tras&amp;ferisci il tag ID3 dal file sorgente</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>Mo&amp;difica tag ID3</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, mono (bassa qualità, file più piccolo)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, joint stereo (qualità accettabile, piccolo)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, joint stereo (qualità media, dimensione normale)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, joint stereo (quasi qualità CD, grande)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>&amp;Joint stereo</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation>Come il file &amp;originale</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>T&amp;rasferisci il tag ID3 dal file sorgente</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>Modifica &amp;tag ID3</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>Bitrate &amp;variabile, qualità:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (migliore, più grande)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (trasparente)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (più piccolo)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint stereo o stereo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>Il programma usa il codificatore MP3 LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbps, mono (bassa qualità, più piccolo)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, stereo (qualità accettabile, piccolo)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, stereo (qualità media, dimensione normale)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, stereo (quasi qualità CD, grande)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>&amp;Qualità invece del bitrate:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (più piccolo)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (predefinito)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (migliore, più grande)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automatico (canali della sorgente, 64 kbps per canale)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbps, mono (voce, il più piccolo)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbps, stereo (buona qualità, piccolo)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbps, stereo (musica trasparente, dimensione normale)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbps, stereo (qualità d&apos;archivio, grande)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Come il file originale</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Una cartella personalizzata</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Rinomina automaticamente (aggiunge un numero in fondo al nome)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Salta (non convertire)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>In genere il suono in uscita è uguale a «(L+R)/2», che contiene i canali sinistro e destro.

«Canale sinistro» significa che il programma emette il canale sinistro del file stereo originale, e «Canale destro» il canale destro. È molto utile quando si vuole convertire un file stereo in due file che contengono separatamente il canale sinistro e quello destro.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Canale s&amp;inistro</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Canale dest&amp;ro</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bit, mono (bassa qualità, file più piccolo)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bit, stereo (qualità accettabile, piccolo)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bit, stereo (qualità media, dimensione normale)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bit, stereo (alta qualità, grande)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>&amp;Bit:</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> bit</translation>
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
        <translation>Opzioni di codifica</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - un&apos;applicazione davvero FANTASTICA!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Scarica da %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>convertitore di file audio a gruppi</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>Impossibile inizializzare il software (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>Al SoundFont mancano strumenti usati da questi brani; al loro posto suonano i preset più vicini che contiene:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Seleziona almeno un file.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Non ci sono file nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversione...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Errore. È necessario il file «ct4mgm.sf2».</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>L&apos;uscita supererebbe il limite di 4 GiB dei file WAV</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Destinazione esistente, saltato</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>I file WMA richiedono Windows Media Format 9 Series Runtime.
Purtroppo questo componente non è disponibile sul computer.

Scaricarlo e installarlo ora?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Impossibile caricare i seguenti file.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Per decodificare i file MIDI è necessario il file «ct4mgm.sf2».
Purtroppo il file non è disponibile sul computer.

Scaricarlo ora gratuitamente dal nostro sito web?

Al termine del download, copia il file nella cartella:
«%1»
Poi converti di nuovo il file MIDI. Grazie.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>Il formato di uscita %1 è sconosciuto.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel non può ancora scrivere file %1.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Il nome del file di destinazione è uguale a quello del file originale, che non può essere sovrascritto. Scrivi i file di uscita in una cartella personalizzata.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>Il percorso di uscita supera i 4095 byte</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Impossibile creare il file «%1»</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Il modello del nome di uscita non può essere usato: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: non è un brano MIDI che Sondrel sa leggere</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: nel SoundFont non c&apos;è nulla per suonare %2</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 viene suonato con banco %3, programma %4 «%5»</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>banco %1, programma %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>banco %1, programma %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>kit di batteria %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>kit di batteria %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>non è un file SoundFont</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplifica / riduci il suono</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Coefficiente:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - riduce il suono
= 100% - nessuna modifica
&gt; 100% - amplifica il suono</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coefficiente di amplificazione non valido. Deve essere compreso tra 10 e 3000.</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Tag ID3</translation>
    </message>
</context>
</TS>

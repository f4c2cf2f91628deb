<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomatisch (das Programm wählt die besten Parameter)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>Bit&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Standard: 100. Von 10 bis 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>&amp;Temporal Noise Shaping (TNS) verwenden</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>&amp;Mitte/Seite erlauben</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>MPEG-Version:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Blocktyp:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Ungültiger Qualitätswert. Er liegt zwischen 10 und 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 Build %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1-Homepage besuchen</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Rückmeldung und Hilfe</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Das Programm verwendet den MP3-Encoder LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>AMR/AWB-Optionen</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Kodierungsparameter</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (Schmalband, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (Breitband, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>AWB-Kodierungsparameter</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Abtastrate: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Dateien aus einem Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Alle Dateien konvertieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Abgebrochen nach %1 von %2 Dateien, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>%1 konvertiert</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1-Homepage besuchen</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Letzte Konvertierung</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel konnte diese Datei nicht konvertieren.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ausgabe: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>kein SoundFont, den Sondrel lesen kann</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>Der auf der MIDI-Seite der Optionen gewählte SoundFont „%1“ kann nicht verwendet werden: %2.
Die MIDI-Stücke werden mit ct4mgm.sf2 neben dem Programm wiedergegeben.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Quelle abspielen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>&amp;Ziel abspielen</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>Auswahl &amp;konvertieren</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Q&amp;uellordner öffnen</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ziel&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>&amp;Warum ist das fehlgeschlagen?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Dateien &amp;hinzufügen...	Strg+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>O&amp;rdner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Entfernen	Entf</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Weiterempfehlen</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Rückmeldung und Hilfe</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Home&amp;page</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Auf neue &amp;Version prüfen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>Die Konvertierung abbrechen und Sondrel schließen?

Die gerade konvertierten Dateien werden nicht behalten, die fertigen schon.</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>AAC für iPod/iTunes</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>Der Ausgabeordner war nicht nutzbar; geschrieben nach %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Konvertiere %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%1 von %2 Datei(en) fertig in %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, noch etwa %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlen
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Der Speicher reichte nicht aus, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Es ist eine Zugriffsverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage abgelaufen ist.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Der Link kann nicht geöffnet werden:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>ReplayGain-Tags</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Titel und Album</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>Die Dateien eines Quellordners</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>Der ganze Stapel</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>Verstärkung und Spitzenpegel werden an dem gemessen, was geschrieben wird. WAV-, AMR-, AWB- und AAC-Ausgaben (ADTS) können keine Tags enthalten und erhalten daher keine.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>&amp;ReplayGain-Tags:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>Ein &amp;Album ist:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalisierung</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>Lautheit &amp;normalisieren auf</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>je Titel</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>je Album</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>True-Peak-&amp;Obergrenze:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Eine Verstärkung je Titel oder Album, abgesenkt, wo der True Peak die Obergrenze überschreiten würde; die Musik wird nicht komprimiert. Ist die Normalisierung eingeschaltet, ersetzt sie die Option „Lautstärke verstärken / absenken“ des Ausgabeformats.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Standard: ct4mgm.sf2 neben dem Programm</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>MIDI-Optionen</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>SoundFont-&amp;Datei für MIDI-Stücke (leer: ct4mgm.sf2 neben dem Programm):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>&amp;Installierte SoundFonts:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Stücke in der Liste</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>Stücke in der Liste &amp;prüfen</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Raumklang</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Hall</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>C&amp;horus</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>%1 MIDI-Stück(e) in der Liste.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>Die Liste enthält keine MIDI-Stücke.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der SoundFont „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>SoundFont auswählen</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>SoundFont-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>kein SoundFont, den Sondrel lesen kann</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>Der SoundFont „%1“ hat jedes Instrument der %2 MIDI-Stücke in der Liste.</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>AAC-Optionen</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>FLAC-Optionen</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>MP4/M4A/M4B-Optionen</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>MP3-Optionen</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>&amp;Lückenlos (genaue Länge)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>ID3-Tag schreiben als:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>OGG-Optionen</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opus-Optionen</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Variabel (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Begrenzt variabel (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Konstant (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Bitraten-&amp;Modus:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>&amp;Komplexität:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Wenn beim Konvertieren in ein Audioformat wie MP3, WAV oder WMA die Ausgabe mono und die Originaldatei stereo ist, entspricht der Ausgabeton:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>&amp;Nur folgende Dateiendungen bei „Ordner hinzufügen“ und Ziehen und Ablegen hinzufügen</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Hinweis: Mehrere Endungen durch Komma (,) trennen. Zum Beispiel: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Ordner nach dem Pfad der Originaldatei &amp;anlegen</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Beispiel: Die Originaldatei ist „/home/ann/Music/pop/1.mp3“ und der Ausgabeordner „/data/Output“. Ist die Option gewählt, wird der Ausgabeordner „/data/Output/home/ann/Music/pop“.</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>&amp;Unterordner hinzugefügter Ordner beibehalten</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>Der Originalname oder z. B. {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Bei Fehlern beim Anlegen in Eigene &amp;Dokumente schreiben</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Ausgabeordner nach der Konvertierung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Ausgabe&amp;ordner:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Eigener O&amp;rdner:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>Ausgabena&amp;me:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Wenn die Zieldatei &amp;existiert </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Dieser Computer hat %1 Prozessor(en); eine Datei je Prozessor ist der Standard.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>&amp;Gleichzeitig</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>Dateien konvertieren</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>Jede Ausgabe &amp;prüfen</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Bitte einen Ausgabeordner auswählen:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Bitte einen Ausgabeordner auswählen.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Das Muster für Ausgabenamen kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Bitte die Dateiendungen eingeben, nach denen gefiltert werden soll.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Eine Datei aus einem Unterordner eines mit „Ordner hinzufügen“ oder per Ziehen und Ablegen hinzugefügten Ordners kommt in denselben Unterordner unterhalb des Ausgabeordners</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Benennt jede Ausgabe nach den Tags ihrer Quelle. Felder: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc} sowie {name} {ext} {folder} der Originaldatei; {track:02} füllt die Nummer auf zwei Stellen auf. Ein „/“ legt einen Unterordner unterhalb des Ausgabeordners an. Leer lassen, um den Originalnamen zu behalten.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Jede Ausgabe vor dem Umbenennen dekodieren und Abtastrate, Kanäle, Länge und Pegel mit dem Geschriebenen vergleichen; eine fehlerhafte Ausgabe wird entfernt und eine alte Datei behalten</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>&amp;Cover aus cover.jpg oder folder.jpg nehmen, wenn die Quelle keines hat</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Eine Ausgabe, deren Tags aus einer Quelle ohne Bild übernommen werden, erhält cover.jpg oder folder.jpg (oder .png) aus dem Ordner der Quelle als Cover; eine Datei, die kein JPEG- oder PNG-Bild oder größer als 16 MiB ist, bleibt außen vor</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>Die Optionen konnten nicht gespeichert werden; sie gelten, bis Sondrel geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>WAV-Optionen</translation>
    </message>
</context>
<context>
    <name>CPageWMAOptions</name>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A WMA format: &quot;44100 Hz, 128 kbps, Stereo&quot;.</extracomment>
        <translation>%1 Hz, %2 kbit/s, %3</translation>
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
        <translation>WMA-Optionen</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Kodierungsoptionen: (Abtastrate, Bitrate, Kanäle)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>noch nicht konvertiert</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Jede Zeile ist eine Datei mit Dauer, Bitrate, Frequenz, Kanälen und Konvertierungsstatus</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Interpret:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>&amp;Album:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>K&amp;omponist:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>ID3-Tag bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>Tit&amp;elnummer:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>&amp;Position in der Liste</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Wie der &amp;Dateiname (ohne Endung)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Bitte eine ganze Zahl zwischen 0 und 255 eingeben.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>Keine Anwendung ist zum Öffnen von „%1“ eingerichtet.

Richten Sie %2 in den Einstellungen der Arbeitsumgebung ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>ein E-Mail-Programm</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>einen Webbrowser</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>ein Programm für diese Art von Link</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>ein Programm für diese Art von Datei</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>eine Dateiverwaltung</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Bitte einen Ordner auswählen:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Datei %1 von %2 wird hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>Das Benutzerhandbuch „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Sondrel-Hilfe</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Alle Audiodateien, die Sondrel liest</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>3GPP-Dateien</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>3GPP2-Dateien</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Adobe-Flash-Dateien</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>AIFF-Dateien</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR-Dateien</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>AU-Dateien</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>AVI-Dateien</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD-Audio</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Creative-Voice-Dateien</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>CRI-ADX-Dateien</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>DTS-Dateien</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>DV-Videodateien</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>DVD-Videodateien</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Electronic-Arts-CDATA-Dateien</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Flash-Videodateien</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>H.264/MPEG4-AVC-Video</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Matroska-Dateien</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI-Dateien</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>MJPEG-Videodateien</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>MMF-Dateien</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>MOD-Musik</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>MPEG-Audiodateien</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>MPEG-Videodateien</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>MPEG-4-Audiodateien</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>MPEG4-TS-HD-Video</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>MPEG-4-Videodateien</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Nullsoft-Audio/Video-Dateien</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>NUT-Dateien</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>OGG-Dateien</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Opus-Dateien</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime-Dateien</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Rohe h261-Dateien</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Rohe h263-Dateien</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Rohe h264-Videodateien</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Real-Audio-Dateien</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Real-Media-Dateien</translation>
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
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Windows-Media-Dateien</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>YUV-Videodatei</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>&amp;Durchschnittliche Bitrate (ABR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>&amp;Variable Bitrate (VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>&amp;Lang und kurz</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Kein &amp;kurz</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Kein l&amp;ang</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>&amp;DTX aktivieren (unterbrochene Übertragung)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automatisch (Abtastrate und Kanäle der Quelle)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, Stufe 0, Stereo (am schnellsten, größer)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, Stufe 5, Stereo (CD-Qualität, übliche Größe)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, Stufe 8, Stereo (am kleinsten, am langsamsten)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, Stufe 5, Stereo (Videoton)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>Kompressions&amp;stufe:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>&amp;Tag hinzufügen</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>Tag aus der Quelldatei &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keines</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>Tag bearbei&amp;ten</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>&amp;ID3-Tag hinzufügen</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>ID3-Tag aus der Quelldatei &amp;übernehmen</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>&amp;Keines</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>ID3-Tag bearbei&amp;ten</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (geringe Qualität, kleinere Datei)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Joint Stereo (brauchbare Qualität, klein)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Joint Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Joint Stereo (nahe CD-Qualität, groß)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>&amp;Joint Stereo</translation>
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
        <translation>Wie die &amp;Originaldatei</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>ID3-Tag aus der Quelldatei &amp;übernehmen</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>ID3-Tag bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>&amp;Variable Bitrate, Qualität:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (beste, größte)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (transparent)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (kleinste)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint Stereo oder Stereo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>Das Programm verwendet den MP3-Encoder LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (geringe Qualität, kleiner)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Stereo (brauchbare Qualität, klein)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Stereo (nahe CD-Qualität, groß)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>&amp;Qualität statt Bitrate:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (kleinste)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (Standard)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (beste, größte)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automatisch (Kanäle der Quelle, 64 kbit/s je Kanal)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbit/s, Mono (Sprache, am kleinsten)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbit/s, Stereo (gute Qualität, klein)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbit/s, Stereo (transparente Musik, normale Größe)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbit/s, Stereo (Archivqualität, groß)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Wie die Originaldatei</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Ein eigener Ordner</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Automatisch umbenennen (Nummer an den Dateinamen anhängen)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Überspringen (nicht konvertieren)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>Üblicherweise entspricht der Ausgabeton „(L+R)/2“, also dem linken und rechten Kanal zusammen.

„Kanal L“ bedeutet, dass das Programm den linken Kanal der Stereo-Originaldatei ausgibt, „Kanal R“ den rechten. Das ist nützlich, wenn eine Stereodatei in zwei Dateien mit getrenntem linkem und rechtem Kanal zerlegt werden soll.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Kanal &amp;L</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Kanal &amp;R</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 Bit, Mono (geringe Qualität, kleinere Datei)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 Bit, Stereo (brauchbare Qualität, klein)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 Bit, Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 Bit, Stereo (hohe Qualität, groß)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>&amp;Bit:</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> Bit</translation>
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
        <translation>Kodierungsoptionen</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Abtastrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - eine richtig COOLE Anwendung!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Herunterladen von %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>Stapelkonverter für Audiodateien</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>Die Software konnte nicht initialisiert werden (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>Dem SoundFont fehlen Instrumente, die diese Stücke verwenden; stattdessen spielen die nächstliegenden Presets:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Bitte mindestens eine Datei auswählen.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Die Liste enthält keine Dateien.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konvertiere...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Fehler. Die Datei „ct4mgm.sf2“ wird benötigt.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>Die Ausgabe würde die 4-GiB-Grenze von WAV-Dateien überschreiten</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Ziel existiert, übersprungen</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>WMA-Dateien benötigen die Laufzeitumgebung Windows Media Format 9 Series.
Diese Komponente ist auf Ihrem Computer leider nicht vorhanden.

Möchten Sie sie jetzt herunterladen und installieren?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Die folgenden Dateien konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Zum Dekodieren von MIDI-Dateien wird die Datei „ct4mgm.sf2“ benötigt.
Sie ist auf Ihrem Computer leider nicht vorhanden.

Möchten Sie die Datei jetzt kostenlos von unserer Website herunterladen?

Kopieren Sie sie nach dem Herunterladen in den Ordner:
„%1“
und konvertieren Sie Ihre MIDI-Datei dann erneut. Vielen Dank.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>Das Ausgabeformat %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel kann noch keine %1-Dateien schreiben.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Der Zieldateiname ist derselbe wie der der Originaldatei, die nicht überschrieben werden kann. Bitte in einen eigenen Ordner ausgeben.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>Der Ausgabepfad ist länger als 4095 Byte</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Datei „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Das Muster für Ausgabenamen kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: kein MIDI-Stück, das Sondrel lesen kann</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: Für %2 hat der SoundFont nichts, was es spielt</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 wird mit Bank %3, Programm %4 „%5“ gespielt</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>Bank %1, Programm %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>Bank %1, Programm %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>Schlagzeug %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>Schlagzeug %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>keine SoundFont-Datei</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>Lautstärke ve&amp;rstärken / absenken</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Faktor:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - leiser
= 100% - unverändert
&gt; 100% - lauter</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Ungültiger Verstärkungsfaktor. Er liegt zwischen 10 und 3000.</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3-Tag</translation>
    </message>
</context>
</TS>

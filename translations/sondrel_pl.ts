<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>Part of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>Part of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space is part of the look).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPageWMAOptions</name>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A WMA format: &quot;44100 Hz, 128 kbps, Stereo&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The True Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetList</name>
    <message>
        <source>Encoding Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

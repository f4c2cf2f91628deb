<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>&amp;Automatycznie (program dobierze najlepsze parametry)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>&amp;Przepływność:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Jakość:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Domyślnie: 100. Od 10 do 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opcje zaawansowane</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>Używaj &amp;Temporal Noise Shaping (TNS)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>Zezwalaj na &amp;Mid/Side</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>Wersja MPEG:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Typ bloku:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Nieprawidłowa wartość jakości. Dozwolone są wartości od 10 do 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1, kompilacja %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Odwiedź stronę domową %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Program używa kodera MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>Opcje AMR/AWB</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parametry kodowania</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (wąskie pasmo, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (szerokie pasmo, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>Parametry kodowania AWB</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Częstotliwość próbkowania: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dodaj pliki</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Dodaj &amp;folder</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Dodaj pliki z folderu</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Usuń wszystkie</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Usuń wszystkie pliki z listy</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Konwertuj wszystkie pliki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Anulowano po %1 z %2 plików, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>Skonwertowano: %1</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, pominięto: %1</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, błędy: %1</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> w czasie %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Odwiedź stronę domową %1</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Ostatnia konwersja</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format wyjściowy</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> do %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel nie mógł skonwertować tego pliku.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Źródło: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Plik wyjściowy: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>Stan: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>to nie jest SoundFont, który Sondrel potrafi odczytać</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>Nie można użyć SoundFontu „%1” wybranego na stronie MIDI w opcjach: %2.
Utwory MIDI są renderowane przy użyciu pliku ct4mgm.sf2 obok programu.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... i jeszcze %1.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>&amp;Odtwórz źródło</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Odtwórz plik w&amp;yjściowy</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Konwertuj zaznaczone</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Konwertuj wszystkie</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Pokaż folder źródłowy</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Pokaż folder &amp;docelowy</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>Dlacze&amp;go się nie udało?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>Dod&amp;aj pliki...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Dodaj &amp;folder</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Usuń	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Usuń &amp;wszystkie</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Tematy pomocy	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Poleć znajomemu</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Strona domowa</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Sprawdź &amp;najnowszą wersję</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O progr&amp;amie...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>Przerwać konwersję i zamknąć program Sondrel?

Pliki konwertowane w tej chwili nie zostaną zachowane; ukończone zostaną.</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>AAC dla iPod/iTunes</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>Nie można było użyć folderu docelowego; zapisano w %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Konwertowanie %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>Ukończone pliki: %1 z %2, czas: %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, pozostało około %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>W systemie operacyjnym zabrakło
pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono określonego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono określonej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do określonego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(plik .EXE spoza Win32 lub błąd w obrazie .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Wystąpiło naruszenie zasad udostępniania.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niekompletne lub nieprawidłowe.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można było ukończyć transakcji
DDE, ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można było ukończyć transakcji
DDE, ponieważ trwało przetwarzanie
innych transakcji DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem pliku
nie skojarzono żadnej aplikacji.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono określonej biblioteki dołączanej dynamicznie.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Nie można otworzyć odnośnika:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>Znaczniki ReplayGain</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Utwór</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Utwór i album</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>Pliki z jednego folderu źródłowego</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>Cała partia</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>Wzmocnienie i szczyt są mierzone na zapisanych danych. Pliki wyjściowe WAV, AMR, AWB i AAC (ADTS) nie mają znaczników, więc ich nie dostają.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>Znaczniki &amp;ReplayGain:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>&amp;Album to:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalizacja</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>&amp;Normalizuj głośność do</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>dla utworu</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>dla albumu</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>&amp;Limit szczytu rzeczywistego:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Jedno wzmocnienie dla każdego utworu lub albumu, obniżone tam, gdzie szczyt rzeczywisty przekroczyłby limit; muzyka nie jest kompresowana. Gdy normalizacja jest włączona, zastępuje opcję „Wzmocnij / ścisz dźwięk” formatu wyjściowego.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Domyślny: ct4mgm.sf2 obok programu</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>Opcje MIDI</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>&amp;Plik SoundFont do renderowania utworów MIDI (puste: ct4mgm.sf2 obok programu):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Prze&amp;glądaj...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>&amp;Zainstalowane SoundFonty:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Utwory na liście</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>&amp;Sprawdź utwory na liście</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Efekty przestrzenne</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>P&amp;ogłos</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>Utwory MIDI na liście: %1.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>Na liście nie ma utworów MIDI.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>Nie można użyć SoundFontu „%1”: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>Wybierz SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>Pliki SoundFont</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>to nie jest SoundFont, który Sondrel potrafi odczytać</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>SoundFont „%1” zawiera wszystkie instrumenty utworów MIDI na liście (%2).</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>Opcje AAC</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>Opcje FLAC</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>Opcje MP4/M4A/M4B</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opcje MP3</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>Bez prz&amp;erw (dokładna długość)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>Zapisuj znacznik ID3 jako:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>Opcje OGG</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opcje Opus</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Zmienna (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Ograniczona zmienna (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Stała (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Tr&amp;yb przepływności:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>Złożo&amp;ność:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Gdy przy konwersji do formatu dźwiękowego (np. MP3, WAV, WMA) plik wyjściowy jest mono, a plik oryginalny stereo, dźwięk wyjściowy to:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Dodawaj &amp;tylko pliki o tych rozszerzeniach przy „Dodaj folder” i przeciąganiu</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Uwaga: kolejne rozszerzenia oddziel przecinkiem (,). Na przykład: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Prze&amp;glądaj</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>Twórz &amp;foldery według ścieżki pliku oryginalnego</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Przykład: plik „/home/ann/Music/pop/1.mp3” i folder docelowy „/data/Output”. Po zaznaczeniu opcji plik trafi do „/data/Output/home/ann/Music/pop”.</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>&amp;Zachowaj podfoldery dodanych folderów</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>Nazwa oryginalna lub np. {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Gdy nie można utworzyć pliku, zapisz go w &amp;Dokumentach</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>Po konwersji &amp;otwórz folder docelowy</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Folder doc&amp;elowy:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>&amp;Własny folder:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>&amp;Nazwa pliku wyjściowego:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Gdy plik docelowy &amp;istnieje </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Liczba procesorów w tym komputerze: %1; domyślnie jeden plik na procesor.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>&amp;Konwertuj pliki po</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>naraz</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>&amp;Sprawdzaj każdy plik wyjściowy</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Wybierz folder docelowy:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Wybierz folder docelowy.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Nie można użyć wzorca nazwy pliku wyjściowego: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Wpisz rozszerzenia plików, według których ma działać filtr.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Plik znaleziony w podfolderze folderu dodanego przez „Dodaj folder” lub upuszczonego na okno trafia do tego samego podfolderu w folderze docelowym</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Nadaje każdemu plikowi wyjściowemu nazwę według znaczników źródła. Pola: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc} oraz {name} {ext} {folder} pliku oryginalnego; {track:02} uzupełnia numer zerami do dwóch cyfr. Znak „/” tworzy podfolder w folderze docelowym. Pozostaw puste, aby zachować nazwę oryginalną.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Przed nadaniem nazwy dekoduje każdy plik wyjściowy i porównuje jego częstotliwość, kanały, długość i poziom z tym, co zostało zapisane; plik, który nie przejdzie sprawdzenia, jest usuwany, a stary plik zachowany</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>&amp;Pobieraj okładkę z cover.jpg lub folder.jpg, gdy źródło jej nie ma</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Plik wyjściowy, którego znaczniki są przenoszone ze źródła bez obrazu, dostaje jako okładkę plik cover.jpg lub folder.jpg (albo .png) z folderu źródła; plik, który nie jest obrazem JPEG ani PNG albo ma ponad 16 MiB, jest pomijany</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>Nie można było zapisać opcji; obowiązują do zamknięcia programu Sondrel.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>Opcje WAV</translation>
    </message>
</context>
<context>
    <name>CPageWMAOptions</name>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A WMA format: &quot;44100 Hz, 128 kbps, Stereo&quot;.</extracomment>
        <translation>%1 Hz, %2 kb/s, %3</translation>
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
        <translation>Opcje WMA</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Opcje kodowania: (częstotliwość próbkowania, przepływność, kanały)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatycznie</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Przepływn.</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>jeszcze nieskonwertowany</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Pliki do konwersji</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Każdy wiersz to plik z czasem trwania, przepływnością, częstotliwością, kanałami i stanem konwersji</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Wykonawca:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>&amp;Album:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Rok:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Komentarz:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>K&amp;ompozytor:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Prawa a&amp;utorskie:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>Edytuj znacznik ID3</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>&amp;Nr utworu:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Brak</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>&amp;Pozycja na liście</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>Wła&amp;sny</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Tytuł jak nazwa pliku (b&amp;ez rozszerzenia)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Gatunek:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Wpisz liczbę całkowitą od 0 do 255.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>Żadna aplikacja nie jest skonfigurowana do otwierania „%1”.

Skonfiguruj %2 w ustawieniach środowiska pulpitu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>program pocztowy</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>przeglądarkę internetową</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>program dla tego rodzaju odnośników</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>program dla tego rodzaju plików</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>menedżer plików</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Wybierz folder:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Wyszukiwanie plików...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Dodawanie pliku %1 z %2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>Brak podręcznika użytkownika „%1”.</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Pomoc programu Sondrel</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Wszystkie pliki dźwiękowe obsługiwane przez Sondrel</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>Pliki 3GPP</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>Pliki 3GPP2</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Pliki Adobe Flash</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Pliki AIFF</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Pliki AMR</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>Pliki AU</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Pliki AVI</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD Audio</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Pliki Creative Voice</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>Pliki CRI ADX</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>Pliki DTS</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>Pliki wideo DV</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>Pliki wideo DVD</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Pliki CDATA Electronic Arts</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Pliki Flash Video</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>Wideo H.264/MPEG4 AVC</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Pliki Matroska</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>Pliki MIDI</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>Pliki wideo MJPEG</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>Pliki MMF</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>Muzyka MOD</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Pliki MP3</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>Pliki dźwiękowe MPEG</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>Pliki wideo MPEG</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>Pliki dźwiękowe MPEG-4</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>Wideo HD MPEG4 TS</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>Pliki wideo MPEG-4</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Pliki audio/wideo Nullsoft</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>Pliki NUT</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Pliki OGG</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Pliki Opus</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Pliki QuickTime</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Surowe pliki h261</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Surowe pliki h263</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Surowe pliki wideo h264</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Pliki Real Audio</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Pliki Real Media</translation>
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
        <translation>Pliki WAV</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Pliki Windows Media</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>Plik wideo YUV</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Średnia przepływność (A&amp;BR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>Zmienna przepływność (&amp;VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>&amp;Oba: długie i krótkie</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Bez &amp;krótkich</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Bez &amp;długich</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kb/s</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Przepływność:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>Włącz &amp;DTX (transmisja nieciągła)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automatycznie (częstotliwość i kanały źródła)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, poziom 0, Stereo (najszybciej, większy plik)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, poziom 5, Stereo (jakość CD, zwykły rozmiar)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, poziom 8, Stereo (najmniejszy plik, najwolniej)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, poziom 5, Stereo (dźwięk do wideo)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>&amp;Poziom kompresji:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>Dodaj &amp;znacznik</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>P&amp;rzenieś znacznik z pliku źródłowego</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Brak</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>E&amp;dytuj znacznik</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>Dodaj znacznik &amp;ID3</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>Prze&amp;nieś znacznik ID3 z pliku źródłowego</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>B&amp;rak</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>Edyt&amp;uj znacznik ID3</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kb/s, Mono (niska jakość, mniejszy plik)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kb/s, Joint Stereo (przyzwoita jakość, mały plik)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kb/s, Joint Stereo (średnia jakość, normalny rozmiar)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kb/s, Joint Stereo (prawie jakość CD, duży plik)</translation>
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
        <translation>Jak w pliku &amp;oryginalnym</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>P&amp;rzenieś znacznik ID3 z pliku źródłowego</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>E&amp;dytuj znacznik ID3</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>&amp;Zmienna przepływność, jakość:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (najlepsza, największy plik)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (przezroczysta)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (najmniejszy plik)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint Stereo a Stereo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>Program używa kodera MP3 LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kb/s, Mono (niska jakość, mniejszy plik)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kb/s, Stereo (przyzwoita jakość, mały plik)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kb/s, Stereo (średnia jakość, normalny rozmiar)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kb/s, Stereo (prawie jakość CD, duży plik)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>&amp;Jakość zamiast przepływności:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (najmniejszy plik)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (domyślna)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (najlepsza, największy plik)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automatycznie (kanały źródła, 64 kb/s na kanał)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kb/s, Mono (mowa, najmniejszy plik)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kb/s, Stereo (dobra jakość, mały plik)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kb/s, Stereo (przezroczysta muzyka, normalny rozmiar)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kb/s, Stereo (jakość archiwalna, duży plik)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Jak w pliku oryginalnym</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Własny folder</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Zmień nazwę automatycznie (dodaj numer na końcu nazwy)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Pomiń (nie konwertuj)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>Zwykle dźwięk wyjściowy to „(L+R)/2”, czyli połączenie kanału lewego i prawego.

„Kanał lewy” oznacza, że program zapisuje lewy kanał oryginalnego pliku stereo, a „Kanał prawy” — prawy kanał. Przydaje się to, gdy plik stereo trzeba rozdzielić na dwa pliki z osobnym kanałem lewym i prawym.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Kanał &amp;lewy</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Kanał &amp;prawy</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bitów, Mono (niska jakość, mniejszy plik)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bitów, Stereo (przyzwoita jakość, mały plik)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bitów, Stereo (średnia jakość, normalny rozmiar)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bitów, Stereo (wysoka jakość, duży plik)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>&amp;Bity:</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> bitów</translation>
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
        <translation>Opcje kodowania</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>Częs&amp;totliwość próbkowania:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanały:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - naprawdę ŚWIETNA aplikacja!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Pobierz z %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>wsadowy konwerter plików dźwiękowych</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>Nie udało się zainicjować oprogramowania (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>W SoundFoncie brakuje instrumentów używanych przez te utwory; zamiast nich zagrają najbliższe presety, jakie zawiera:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Zaznacz co najmniej jeden plik.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Na liście nie ma plików.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konwertowanie...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Błąd konwersji</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Błąd. Wymagany jest plik „ct4mgm.sf2”.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>Plik wyjściowy przekroczyłby limit 4 GiB dla plików WAV</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>Plik docelowy istnieje, pominięto</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>Pliki WMA wymagają składnika Windows Media Format 9 Series Runtime.
Niestety ten składnik nie jest dostępny na tym komputerze.

Czy chcesz go teraz pobrać i zainstalować?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Nie udało się wczytać następujących plików.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Do dekodowania plików MIDI wymagany jest plik „ct4mgm.sf2”.
Niestety ten plik nie jest dostępny na tym komputerze.

Czy chcesz teraz bezpłatnie pobrać plik z naszej witryny?

Po zakończeniu pobierania skopiuj plik do folderu:
„%1”
A następnie ponownie przekonwertuj plik MIDI. Dziękujemy.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>Format wyjściowy %1 jest nieznany.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel nie potrafi jeszcze zapisywać plików %1.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Nazwa pliku docelowego jest taka sama jak nazwa pliku oryginalnego, którego nie można zastąpić. Zapisz pliki wyjściowe we własnym folderze.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>Ścieżka wyjściowa jest dłuższa niż 4095 bajtów</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Nie udało się utworzyć pliku „%1”</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Nie udało się utworzyć folderu „%1”</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Nie można użyć wzorca nazwy pliku wyjściowego: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: to nie jest utwór MIDI, który Sondrel potrafi odczytać</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: w SoundFoncie nie ma niczego, czym można zagrać %2</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 jest odtwarzany przez bank %3, program %4 „%5”</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>bank %1, program %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>bank %1, program %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>zestaw perkusyjny %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>zestaw perkusyjny %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>to nie jest plik SoundFont</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Wzmocnij / ścisz dźwięk</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>Współ&amp;czynnik:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - ściszenie
= 100% - bez zmian
&gt; 100% - wzmocnienie</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Nieprawidłowy współczynnik wzmocnienia. Dozwolone są wartości od 10 do 3000.</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Znacznik ID3</translation>
    </message>
</context>
</TS>

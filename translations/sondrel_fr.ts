<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomatique (le programme choisit les meilleurs paramètres)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>&amp;Débit binaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Par défaut&#xa0;: 100. De 10 à 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>Utiliser le &amp;Temporal Noise Shaping (TNS)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>Autoriser le &amp;mid/side</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>Version MPEG&#xa0;:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Type de bloc&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Valeur de qualité non valide. Elle doit être comprise entre 10 et 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 build %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visiter le site de %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commentaires et support</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>Le programme utilise l&apos;encodeur MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>Options AMR/AWB</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Paramètres d&apos;encodage</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (bande étroite, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (bande large, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>Paramètres d&apos;encodage AWB</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Fréquence d&apos;échantillonnage&#xa0;: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Ajouter fichiers</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Ajouter &amp;dossier</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Ajouter les fichiers d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Retirer &amp;tout</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Convertir tous les fichiers</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Annulé après %1 fichiers sur %2, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>%1 converti(s)</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, %1 ignoré(s)</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, %1 en échec</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> en %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visiter le site de %1</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Dernière conversion</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> en %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel n&apos;a pas pu convertir ce fichier.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source&#xa0;: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>État&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>pas une SoundFont que Sondrel peut lire</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>La SoundFont «&#xa0;%1&#xa0;» choisie sur la page MIDI des options ne peut pas être utilisée&#xa0;: %2.
Les morceaux MIDI sont rendus avec ct4mgm.sf2 à côté du programme.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>Lire la &amp;source</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Lire la &amp;destination</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Convertir la sélection</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Ouvrir le dossier s&amp;ource</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ouvrir le dossier de destinatio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>&amp;Pourquoi cet échec&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Ajouter des fichiers...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Ajouter un doss&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Retirer	Suppr</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Retirer &amp;tout</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Rubriques d&apos;aide	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>Recommander à un &amp;ami</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>Commentaires et &amp;support</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Rechercher une nouvelle &amp;version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>Arrêter la conversion et fermer Sondrel&#xa0;?

Les fichiers en cours de conversion ne sont pas conservés&#xa0;; ceux qui sont terminés le sont.</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>AAC pour iPod/iTunes</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>Le dossier de sortie n&apos;était pas utilisable&#xa0;; écrit dans %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Conversion de %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%1 fichier(s) sur %2 terminé(s) en %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, environ %1 restant</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Une violation de partage s&apos;est produite.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>Balises ReplayGain</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Piste et album</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>Les fichiers d&apos;un même dossier source</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>Tout le lot</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>Le gain et la crête sont mesurés sur ce qui est écrit. Les sorties WAV, AMR, AWB et AAC (ADTS) ne contiennent pas de balises et n&apos;en reçoivent donc pas.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>Balises &amp;ReplayGain&#xa0;:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>Un &amp;album est&#xa0;:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalisation</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>&amp;Normaliser la sonie à</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>par piste</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>par album</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>&amp;Plafond de crête vraie&#xa0;:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Un seul gain par piste ou par album, abaissé là où la crête vraie dépasserait le plafond&#xa0;; la musique n&apos;est pas compressée. Quand la normalisation est activée, elle remplace l&apos;option «&#xa0;Amplifier / réduire le son&#xa0;» du format de sortie.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Par défaut&#xa0;: ct4mgm.sf2 à côté du programme</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>Options MIDI</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>&amp;Fichier SoundFont pour les morceaux MIDI (vide&#xa0;: ct4mgm.sf2 à côté du programme)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>SoundFonts &amp;installées&#xa0;:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Morceaux de la liste</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>&amp;Vérifier les morceaux de la liste</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Ambiance</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Réverbération</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>C&amp;horus</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>%1 morceau(x) MIDI dans la liste.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>La liste ne contient aucun morceau MIDI.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>La SoundFont «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>Choisir une SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>Fichiers SoundFont</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>pas une SoundFont que Sondrel peut lire</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>La SoundFont «&#xa0;%1&#xa0;» contient tous les instruments des %2 morceau(x) MIDI de la liste.</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>Options AAC</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>Options FLAC</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>Options MP4/M4A/M4B</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>Options MP3</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>Sans &amp;blanc (durée exacte)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>Écrire la balise ID3 en&#xa0;:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>Options OGG</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Options Opus</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Variable (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Variable contraint (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Constant (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Mod&amp;e de débit&#xa0;:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>Com&amp;plexité&#xa0;:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Lors de la conversion vers un format audio (MP3, WAV, WMA, etc.), si la sortie est mono et le fichier d&apos;origine stéréo, le son de sortie est égal à&#xa0;:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>N&apos;ajouter &amp;que les extensions suivantes avec «&#xa0;Ajouter un dossier&#xa0;» et le glisser-déposer</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Remarque&#xa0;: séparez les extensions par une virgule (,). Par exemple&#xa0;: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Pa&amp;rcourir</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Créer les dossiers selon le chemin du fichier d&apos;origine</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Exemple&#xa0;: fichier d&apos;origine «&#xa0;/home/ann/Music/pop/1.mp3&#xa0;» et dossier de sortie «&#xa0;/data/Output&#xa0;». Si l&apos;option est cochée, le dossier de sortie devient «&#xa0;/data/Output/home/ann/Music/pop&#xa0;».</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>Conserver les so&amp;us-dossiers des dossiers ajoutés</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>Le nom d&apos;origine, ou p. ex. {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Écrire dans &amp;Mes documents si la création du fichier échoue</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Ouvrir le dossier de sortie à la fin de la conversion</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>Dossier de &amp;sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Dossier &amp;personnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>&amp;Nom de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Si le fichier cibl&amp;e existe </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Cet ordinateur a %1 processeur(s)&#xa0;; un fichier par processeur est la valeur par défaut.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>fichiers à la fois</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>Vérifier chaque sor&amp;tie</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Choisissez un dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Choisissez un dossier de sortie.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Le modèle de nom de sortie ne peut pas être utilisé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Saisissez les extensions de fichier à filtrer.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Un fichier trouvé dans un sous-dossier d&apos;un dossier ajouté avec «&#xa0;Ajouter un dossier&#xa0;» ou déposé sur la fenêtre va dans le même sous-dossier sous le dossier de sortie</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Nomme chaque sortie d&apos;après les balises de sa source. Champs&#xa0;: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, ainsi que {name} {ext} {folder} du fichier d&apos;origine&#xa0;; {track:02} complète le numéro à deux chiffres. Un «&#xa0;/&#xa0;» crée un sous-dossier sous le dossier de sortie. Laissez vide pour garder le nom d&apos;origine.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Décoder chaque sortie avant qu&apos;elle prenne son nom et vérifier sa fréquence, ses canaux, sa durée et son niveau par rapport à ce qui a été écrit&#xa0;; une sortie en échec est supprimée et l&apos;ancien fichier conservé</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>Uti&amp;liser cover.jpg ou folder.jpg comme pochette si la source n&apos;en a pas</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Une sortie dont les balises sont reprises d&apos;une source sans image reçoit comme pochette cover.jpg ou folder.jpg (ou .png) du dossier de la source&#xa0;; un fichier qui n&apos;est pas une image JPEG ou PNG, ou qui dépasse 16&#xa0;Mio, est ignoré</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>Les options n&apos;ont pas pu être enregistrées&#xa0;; elles s&apos;appliquent jusqu&apos;à la fermeture de Sondrel.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>Options WAV</translation>
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
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation>Options WMA</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Options d&apos;encodage&#xa0;: (fréquence d&apos;échantillonnage, débit binaire, canaux)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>pas encore converti</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Chaque ligne est un fichier avec sa durée, son débit, sa fréquence, ses canaux et son état de conversion</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Albu&amp;m&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>A&amp;nnée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>C&amp;ompositeur&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright&#xa0;:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>Modifier la balise ID3</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>N° de pist&amp;e&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Auc&amp;un</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>&amp;Rang dans la liste</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>Per&amp;sonnalisé</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>Comme le nom du &amp;fichier (sans l&apos;extension)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Saisissez un nombre entier compris entre 0 et 255.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>Aucune application n&apos;est configurée pour ouvrir «&#xa0;%1&#xa0;».

Configurez %2 dans les paramètres du bureau, puis réessayez.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>un programme de messagerie</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>un navigateur web</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>un programme pour ce type de lien</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>un programme pour ce type de fichier</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>un gestionnaire de fichiers</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Choisissez un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Recherche des fichiers...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Ajout du fichier %1 sur %2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>Le guide de l&apos;utilisateur «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Aide de Sondrel</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Tous les fichiers audio lus par Sondrel</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>Fichiers 3GPP</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>Fichiers 3GPP2</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Fichiers Adobe Flash</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Fichiers AIFF</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Fichiers AMR</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>Fichiers AU</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Fichiers AVI</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD audio</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Fichiers Creative Voice</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>Fichiers CRI ADX</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>Fichiers DTS</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>Fichiers vidéo DV</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>Fichiers vidéo DVD</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Fichiers Electronic Arts CDATA</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Fichiers vidéo Flash</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>Vidéo H.264/MPEG4 AVC</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Fichiers Matroska</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>Fichiers MIDI</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>Fichiers vidéo MJPEG</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>Fichiers MMF</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>Musiques MOD</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>Fichiers audio MPEG</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>Fichiers vidéo MPEG</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>Fichiers audio MPEG-4</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>Vidéo MPEG4 TS HD</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>Fichiers vidéo MPEG-4</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Fichiers audio/vidéo Nullsoft</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>Fichiers NUT</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Fichiers OGG</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Fichiers Opus</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Fichiers QuickTime</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Fichiers h261 bruts</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Fichiers h263 bruts</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Fichiers vidéo h264 bruts</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Fichiers Real Audio</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Fichiers Real Media</translation>
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
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Fichiers Windows Media</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>Fichier vidéo YUV</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Débit mo&amp;yen (ABR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>Débit &amp;variable (VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>L&amp;ongs et courts</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Pa&amp;s de courts</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Pas de &amp;longs</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Débit binaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>Activer le D&amp;TX (transmission discontinue)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automatique (fréquence et canaux de la source)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, niveau 0, stéréo (plus rapide, plus volumineux)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, niveau 5, stéréo (qualité CD, taille habituelle)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, niveau 8, stéréo (plus compact, plus lent)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, niveau 5, stéréo (son vidéo)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>Ni&amp;veau de compression&#xa0;:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>Ajouter une &amp;balise</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>&amp;Reprendre la balise du fichier source</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Aucu&amp;ne</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>Modifier la ba&amp;lise</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>Ajouter une balise &amp;ID3</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>Reprendre la balise ID3 du &amp;fichier source</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>Aucu&amp;ne</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>Modifi&amp;er la balise ID3</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbit/s, mono (qualité faible, fichier plus petit)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, joint stereo (qualité correcte, petite taille)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, joint stereo (qualité moyenne, taille normale)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, joint stereo (proche de la qualité CD, grande taille)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>&amp;Joint stereo</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>&amp;Stéréo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation>Identique au fichier d&apos;&amp;origine</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>&amp;Reprendre la balise ID3 du fichier source</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>Modifier la ba&amp;lise ID3</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>Débit &amp;variable, qualité&#xa0;:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (meilleure, plus gros)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (transparent)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (plus petit)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint stereo ou stéréo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>Le programme utilise l&apos;encodeur MP3 LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbit/s, mono (qualité faible, plus petit)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, stéréo (qualité correcte, petite taille)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, stéréo (qualité moyenne, taille normale)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, stéréo (proche de la qualité CD, grande taille)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>&amp;Qualité au lieu du débit&#xa0;:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (plus petit)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (par défaut)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (meilleure, plus gros)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automatique (canaux de la source, 64 kbit/s par canal)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbit/s, mono (parole, plus petite taille)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbit/s, stéréo (bonne qualité, petite taille)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbit/s, stéréo (musique transparente, taille normale)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbit/s, stéréo (qualité archive, grande taille)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Identique au fichier d&apos;origine</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Un dossier personnalisé</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renommer automatiquement (ajouter un numéro au nom du fichier)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Ignorer (ne pas convertir)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>En général, le son de sortie est égal à «&#xa0;(L+R)/2&#xa0;», qui contient les canaux gauche et droit.

«&#xa0;Canal gauche&#xa0;» signifie que le programme produit le canal gauche du fichier stéréo d&apos;origine, et «&#xa0;Canal droit&#xa0;» le canal droit. C&apos;est très utile pour convertir un fichier stéréo en deux fichiers contenant séparément le canal gauche et le canal droit.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Canal &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Canal &amp;droit</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bits, mono (qualité faible, fichier plus petit)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bits, stéréo (qualité correcte, petite taille)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bits, stéréo (qualité moyenne, taille normale)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bits, stéréo (haute qualité, grande taille)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>&amp;Bits&#xa0;:</translation>
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
        <translation>Options d&apos;encodage</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Fréquence d&apos;échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - une application vraiment GÉNIALE&#xa0;!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Télécharger depuis %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>convertisseur de fichiers audio par lots</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>Impossible d&apos;initialiser le logiciel (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>Il manque à la SoundFont des instruments utilisés par ces morceaux&#xa0;; les presets les plus proches qu&apos;elle contient les jouent à la place&#xa0;:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Sélectionnez au moins un fichier.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>La liste ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Échec. Le fichier «&#xa0;ct4mgm.sf2&#xa0;» est requis.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>La sortie dépasserait la limite de 4 Gio des fichiers WAV</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>La cible existe, ignoré</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>Les fichiers WMA nécessitent Windows Media Format 9 Series Runtime.
Ce composant n&apos;est malheureusement pas disponible sur votre ordinateur.

Voulez-vous le télécharger et l&apos;installer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Impossible de charger les fichiers suivants.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Le décodage des fichiers MIDI nécessite le fichier «&#xa0;ct4mgm.sf2&#xa0;».
Ce fichier n&apos;est malheureusement pas disponible sur votre ordinateur.

Voulez-vous le télécharger gratuitement depuis notre site web maintenant&#xa0;?

Une fois le téléchargement terminé, copiez le fichier dans le dossier&#xa0;:
«&#xa0;%1&#xa0;»
Puis convertissez à nouveau votre fichier MIDI. Merci.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>Le format de sortie %1 est inconnu.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel ne peut pas encore écrire de fichiers %1.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>Le fichier cible porte le même nom que le fichier d&apos;origine, qui ne peut pas être écrasé. Écrivez les fichiers de sortie dans un dossier personnalisé.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>Le chemin de sortie dépasse 4095&#xa0;octets</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>Le modèle de nom de sortie ne peut pas être utilisé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1&#xa0;: pas un morceau MIDI que Sondrel peut lire</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1&#xa0;: rien dans la SoundFont ne peut jouer %2</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1&#xa0;: %2 est joué avec la banque %3, programme %4 «&#xa0;%5&#xa0;»</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>banque %1, programme %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>banque %1, programme %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>kit de batterie %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>kit de batterie %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>pas un fichier SoundFont</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplifier / réduire le son</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Coefficient&#xa0;:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100&#xa0;% - réduire le son
= 100&#xa0;% - aucun changement
&gt; 100&#xa0;% - amplifier le son</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coefficient d&apos;amplification non valide. Il doit être compris entre 10 et 3000.</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Balise ID3</translation>
    </message>
</context>
</TS>

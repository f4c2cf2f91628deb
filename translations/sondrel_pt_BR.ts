<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>A&amp;utomático (o programa escolhe os melhores parâmetros)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>Taxa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualidade:</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(Padrão: 100. De 10 a 500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opções avançadas</translation>
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
        <translation>Versão MPEG:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>Tipo de bloco:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>Valor de qualidade inválido. Deve estar entre 10 e 500.</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 compilação %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar o site do %1</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentários e suporte</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>O programa usa o codificador de MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>&amp;Verificar atualizações</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>Opções AMR/AWB</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>Parâmetros de codificação</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (banda estreita, 8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (banda larga, 16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>Parâmetros de codificação AWB</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>Taxa de amostragem: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>Adicionar os arquivos de uma pasta</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Remover &amp;todos</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>Remover todos os arquivos da lista</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>Converter todos os arquivos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>Cancelado após %1 de %2 arquivos, %3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, ignorados: %1</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>, com falha: %1</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> em %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>Visitar o site do %1</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>Última conversão</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> para %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>O Sondrel não conseguiu converter este arquivo.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origem: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Saída: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>não é um SoundFont que o Sondrel consiga ler</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>O SoundFont “%1” escolhido na página MIDI das opções não pode ser usado: %2.
As músicas MIDI são renderizadas com o ct4mgm.sf2 que está ao lado do programa.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>Re&amp;produzir a origem</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Reproduzir o &amp;destino</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>&amp;Converter selecionados</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converter todos</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Abrir a pasta de &amp;origem</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Abrir a pasta de d&amp;estino</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>Por &amp;que isto falhou?</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>&amp;Adicionar arquivos...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Adicionar pa&amp;sta</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>&amp;Remover	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>Remover &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Tópicos da ajuda	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Indicar a um amigo</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Comentários e suporte</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>&amp;Página inicial</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Verificar nova versão</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>Interromper a conversão e fechar o Sondrel?

Os arquivos em conversão agora não são mantidos; os já concluídos, sim.</translation>
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
        <translation>Não foi possível usar a pasta de saída; gravado em %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>Convertendo %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%1 de %2 arquivo(s) concluído(s) em %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, faltam cerca de %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem do .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Ocorreu uma violação de compartilhamento.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação
DDE porque o tempo da solicitação esgotou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação
DDE porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de arquivo informada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Não foi possível abrir o link:</translation>
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
        <translation>Tags ReplayGain</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Faixa e álbum</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>Os arquivos de uma mesma pasta de origem</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>O lote inteiro</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>O ganho e o pico são medidos no que é gravado. As saídas WAV, AMR, AWB e AAC (ADTS) não comportam tags, por isso não recebem nenhuma.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>Tags &amp;ReplayGain:</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>&amp;Um álbum é:</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>Normalização</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>&amp;Normalizar o loudness para</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>por faixa</translation>
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
        <translation>&amp;Limite de pico real:</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>Um único ganho por faixa ou álbum, reduzido onde o pico real passaria do limite; a música não é comprimida. Quando a normalização está ativada, ela substitui a opção “Amplificar / reduzir o som” do formato de saída.</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>Padrão: ct4mgm.sf2 ao lado do programa</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>Opções MIDI</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>&amp;Arquivo SoundFont que renderiza as músicas MIDI (vazio: ct4mgm.sf2 ao lado do programa):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>SoundFonts &amp;instalados:</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>Músicas da lista</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>&amp;Verificar as músicas da lista</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>Ambiência</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>&amp;Reverberação</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>&amp;Chorus</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>%1 música(s) MIDI na lista.</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>Não há músicas MIDI na lista.</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>O SoundFont “%1” não pode ser usado: %2.</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>Escolher um SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>Arquivos SoundFont</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>não é um SoundFont que o Sondrel consiga ler</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>O SoundFont “%1” tem todos os instrumentos da(s) %2 música(s) MIDI da lista.</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>Opções AAC</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>Opções FLAC</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>Opções MP4/M4A/M4B</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opções MP3</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>Sem intervalos (duração e&amp;xata)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>Gravar a tag ID3 como:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>Opções OGG</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opções Opus</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>Variável (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>Variável restrita (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>Constante (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>Modo da ta&amp;xa de bits:</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>Com&amp;plexidade:</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>Ao converter para um formato de áudio (MP3, WAV, WMA etc.), se a saída for mono e o arquivo original for estéreo, o som de saída será igual a:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>Adicionar &amp;somente estas extensões em “Adicionar pasta” e ao arrastar e soltar</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>Observação: separe várias extensões com vírgula (,). Por exemplo: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>P&amp;rocurar</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>&amp;Criar pastas conforme o caminho do arquivo original</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>Exemplo: arquivo original “/home/ann/Music/pop/1.mp3” e pasta de saída “/data/Output”. Com a opção marcada, a pasta de saída será “/data/Output/home/ann/Music/pop”.</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>&amp;Manter as subpastas das pastas adicionadas</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>O nome original ou, por ex., {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>Gravar em Doc&amp;umentos se não for possível criar o arquivo</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>&amp;Abrir a pasta de saída ao concluir a conversão</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>&amp;Pasta de saída:</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>Pasta persona&amp;lizada:</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>&amp;Nome de saída:</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>Se o arquivo de destino e&amp;xistir </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>Este computador tem %1 processador(es); o padrão é um arquivo por processador.</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>Con&amp;verter</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>arquivos ao mesmo tempo</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>Veri&amp;ficar cada saída</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Escolha uma pasta de saída:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Escolha uma pasta de saída.</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>O modelo de nome de saída não pode ser usado: %1.</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>Digite as extensões de arquivo que deseja filtrar.</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>Um arquivo encontrado numa subpasta de uma pasta adicionada com Adicionar pasta ou solta na janela vai para a mesma subpasta dentro da pasta de saída</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>Dá a cada saída um nome a partir das tags da origem. Campos: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, e {name} {ext} {folder} do arquivo original; {track:02} completa o número com zeros até dois dígitos. Uma “/” cria uma subpasta dentro da pasta de saída. Deixe vazio para manter o nome original.</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>Decodifica cada saída antes que ela receba seu nome e confere taxa, canais, duração e nível com o que foi gravado; uma saída reprovada é removida e um arquivo antigo é mantido</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>&amp;Obter a capa de cover.jpg ou folder.jpg se a origem não tiver uma</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>Uma saída cujas tags são transferidas de uma origem sem imagem recebe como capa o cover.jpg ou folder.jpg (ou .png) da pasta da origem; um arquivo que não seja uma imagem JPEG ou PNG, ou que tenha mais de 16 MiB, é deixado de fora</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>Não foi possível salvar as opções; elas valem até o Sondrel ser fechado.</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>Opções WAV</translation>
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
        <translation>Opções WMA</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>&amp;Opções de codificação: (taxa de amostragem, taxa de bits, canais)</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Tx. de bits</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>ainda não convertido</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>Cada linha é um arquivo com sua duração, taxa de bits, frequência, canais e status da conversão</translation>
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
        <translation>An&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Comentário:</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>Compos&amp;itor:</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright:</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>Editar a tag ID3</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>&amp;Faixa nº:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>Número &amp;sequencial na lista</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>P&amp;ersonalizado</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>&amp;Usar o nome do arquivo (sem extensão)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Gênero:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Digite um número inteiro entre 0 e 255.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>Nenhum aplicativo está configurado para abrir “%1”.

Configure %2 nas configurações da área de trabalho e tente de novo.</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>um programa de e-mail</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>um navegador web</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>um programa para este tipo de link</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>um programa para este tipo de arquivo</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>um gerenciador de arquivos</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>Escolha uma pasta:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>Procurando arquivos...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>Adicionando o arquivo %1 de %2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>O guia do usuário “%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Ajuda do Sondrel</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Todos os arquivos de som que o Sondrel lê</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>Arquivos 3GPP</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>Arquivos 3GPP2</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Arquivos Adobe Flash</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Arquivos AIFF</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Arquivos AMR</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>Arquivos AU</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>Arquivos AVI</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>Áudio de CD</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Arquivos Creative Voice</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>Arquivos CRI ADX</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>Arquivos DTS</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>Arquivos de vídeo DV</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>Arquivos de vídeo de DVD</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Arquivos CDATA da Electronic Arts</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Arquivos Flash Video</translation>
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
        <translation>Arquivos Matroska</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>Arquivos MIDI</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>Arquivos de vídeo MJPEG</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>Arquivos MMF</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>Músicas MOD</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Arquivos MP3</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>Arquivos de áudio MPEG</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>Arquivos de vídeo MPEG</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>Arquivos de áudio MPEG-4</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>Vídeo HD MPEG4 TS</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>Arquivos de vídeo MPEG-4</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Arquivos de áudio/vídeo Nullsoft</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>Arquivos NUT</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>Arquivos OGG</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Arquivos Opus</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Arquivos QuickTime</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Arquivos h261 brutos</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Arquivos h263 brutos</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Arquivos de vídeo h264 brutos</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Arquivos Real Audio</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Arquivos Real Media</translation>
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
        <translation>Arquivos WAV</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Arquivos Windows Media</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>Arquivo de vídeo YUV</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>Taxa de bits &amp;média (ABR)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>Taxa de bits &amp;variável (VBR)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>L&amp;ongos e curtos</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>Sem cu&amp;rtos</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>Sem &amp;longos</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbps</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>Taxa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>Ativar &amp;DTX (transmissão descontínua)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>Automático (taxa e canais da origem)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, nível 0, Estéreo (mais rápido, maior)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, nível 5, Estéreo (qualidade de CD, tamanho usual)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, nível 8, Estéreo (menor, mais lento)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, nível 5, Estéreo (som de vídeo)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>Níve&amp;l de compressão:</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>Adicionar &amp;tag</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>T&amp;ransferir a tag do arquivo de origem</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhuma</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>E&amp;ditar a tag</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>Adicionar tag &amp;ID3</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>Trans&amp;ferir a tag ID3 do arquivo de origem</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>N&amp;enhuma</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>E&amp;ditar a tag ID3</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, Mono (baixa qualidade, arquivo menor)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, Joint stereo (qualidade razoável, pequeno)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, Joint stereo (qualidade média, tamanho normal)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, Joint stereo (quase qualidade de CD, grande)</translation>
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
        <translation>Igual ao arquivo &amp;original</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>T&amp;ransferir a tag ID3 do arquivo de origem</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>E&amp;ditar a tag ID3</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>Taxa de bits &amp;variável, qualidade:</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (melhor, maior)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (transparente)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (menor)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>Joint stereo ou estéreo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>O programa usa o codificador de MP3 LAME.</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbps, Mono (baixa qualidade, menor)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, Estéreo (qualidade razoável, pequeno)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, Estéreo (qualidade média, tamanho normal)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, Estéreo (quase qualidade de CD, grande)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>&amp;Qualidade em vez de taxa de bits:</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (menor)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (padrão)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (melhor, maior)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>Automático (canais da origem, 64 kbps por canal)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbps, Mono (voz, menor)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbps, Estéreo (boa qualidade, pequeno)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbps, Estéreo (música transparente, tamanho normal)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbps, Estéreo (qualidade de arquivamento, grande)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>Igual ao arquivo original</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>Uma pasta personalizada</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>Renomear automaticamente (número no fim do nome)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>Ignorar (não converter)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>Em geral, o som de saída é igual a “(L+R)/2”, que contém os canais esquerdo e direito.

“Canal E” significa que o programa gera o canal esquerdo do arquivo original estéreo, e “Canal D”, o canal direito. Isso é muito útil para converter um arquivo estéreo em dois arquivos, um com o canal esquerdo e outro com o direito.</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>Canal &amp;E</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>Canal &amp;D</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bits, Mono (baixa qualidade, arquivo menor)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bits, Estéreo (qualidade razoável, pequeno)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bits, Estéreo (qualidade média, tamanho normal)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bits, Estéreo (alta qualidade, grande)</translation>
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
        <translation>Opções de codificação</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>Taxa de amo&amp;stragem:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - um aplicativo MUITO LEGAL!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Baixar de %1</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>conversor de arquivos de som em lote</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>Falha ao inicializar o software (0x0002020).</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>Faltam no SoundFont instrumentos que estas músicas usam; os presets mais próximos que ele tem tocam no lugar deles:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Selecione pelo menos um arquivo.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Não há arquivos na lista.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convertendo...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>Falha na conversão</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>Falha. Requer o arquivo “ct4mgm.sf2”.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>A saída passaria do limite de 4 GiB dos arquivos WAV</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>O destino existe; ignorado</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>Os arquivos WMA exigem o Windows Media Format 9 Series Runtime.
Infelizmente, esse componente não está disponível no seu computador.

Deseja baixá-lo e instalá-lo agora?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>Não foi possível carregar os seguintes arquivos.</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>Para decodificar arquivos MIDI, é necessário o arquivo “ct4mgm.sf2”.
Infelizmente, esse arquivo não está disponível no seu computador.

Deseja baixá-lo gratuitamente do nosso site agora?

Quando o download terminar, copie o arquivo para a pasta:
“%1”
E depois converta o seu arquivo MIDI novamente. Obrigado.</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>O formato de saída %1 é desconhecido.</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>O Sondrel ainda não consegue gravar arquivos %1.</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>O nome do arquivo de destino é igual ao do arquivo original, que não pode ser sobrescrito. Grave os arquivos de saída em uma pasta personalizada.</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>O caminho de saída tem mais de 4095 bytes</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>Falha ao criar o arquivo “%1”</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>Falha ao criar a pasta “%1”</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>O modelo de nome de saída não pode ser usado: %1.</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: não é uma música MIDI que o Sondrel consiga ler</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: o SoundFont não tem nada para tocar %2</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 é tocado com o banco %3, programa %4 “%5”</translation>
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
        <translation>kit de bateria %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>kit de bateria %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>não é um arquivo SoundFont</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplificar / reduzir o som</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>&amp;Coeficiente:</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - Reduz o som
= 100% - Sem alteração
&gt; 100% - Amplifica o som</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coeficiente de amplificação inválido. Deve estar entre 10 e 3000.</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>自動 (プログラムが最適なパラメーターを選択)(&amp;U)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>ビットレート(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>品質(&amp;Q):</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(既定値: 100、範囲: 10～500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>詳細オプション</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>TNS (Temporal Noise Shaping) を使用(&amp;T)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>Mid/Side を許可(&amp;M)</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>MPEG バージョン:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>ブロックの種類:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>品質の値が無効です。10 から 500 までの値を指定してください。</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 ビルド %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 のホームページを開く</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>このプログラムは LAME MP3 エンコーダーを使用しています</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>友人に紹介</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>AMR/AWB オプション</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>エンコードのパラメーター</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (狭帯域、8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (広帯域、16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>AWB エンコードのパラメーター</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>サンプリング周波数: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>ファイル追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>フォルダー追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>フォルダー内のファイルを追加</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>リストのファイルをすべて削除</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>すべてのファイルを変換</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>%2 個中 %1 個のファイルで中止、%3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>変換 %1 件</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>、スキップ %1 件</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>、失敗 %1 件</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> (所要時間 %1)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>%1 のホームページを開く</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>前回の変換</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> %1 へ</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel はこのファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>元ファイル: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>出力ファイル: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>状態: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>Sondrel が読み込める SoundFont ではありません</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>オプションの MIDI ページで選択した SoundFont「%1」は使用できません: %2。
MIDI 曲はプログラムと同じフォルダーにある ct4mgm.sf2 でレンダリングします。</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか %1 件。</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>元ファイルを再生(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>出力ファイルを再生(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>選択したファイルを変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>すべて変換</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>元ファイルのフォルダーを開く(&amp;S)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>出力先フォルダーを開く(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>失敗した理由を表示(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>ファイルを追加(&amp;A)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>フォルダーを追加(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>削除(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>ヘルプ トピック(&amp;H)	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>友人に紹介(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>フィードバックとサポート(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>最新バージョンを確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>変換を中止して Sondrel を終了しますか?

変換中のファイルは保存されません。変換が完了したファイルは残ります。</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>iPod/iTunes 用 AAC</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>出力フォルダーを使用できなかったため、%1 に書き込みました</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>%1 を変換しています...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>%2 個中 %1 個のファイルを完了 (所要時間 %3)</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>、残り約 %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>オペレーティング システムのメモリ
またはリソースが不足しています。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>指定されたパスが見つかりません。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>オペレーティング システムにより、指定された
ファイルへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>メモリが不足しているため、操作を完了できませんでした。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE ファイルが無効です
(Win32 の .EXE ではないか、.EXE イメージにエラーがあります)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>共有違反が発生しました。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>ファイル名の関連付けが
不完全か無効です。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>要求がタイムアウトしたため、
DDE トランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE トランザクションに失敗しました。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>他の DDE トランザクションを処理中のため、
DDE トランザクションを
完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>指定されたファイル拡張子に関連付けられた
アプリケーションがありません。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>指定されたダイナミック リンク ライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>不明なエラー (%1) が発生しました。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>ハイパーリンクを開けません:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>ラウドネス</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>ReplayGain タグ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>トラックとアルバム</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>同じ元フォルダーのファイル</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>一括変換の全ファイル</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>ゲインとピークは書き込んだ内容で測定します。WAV、AMR、AWB、AAC (ADTS) の出力ファイルはタグを持てないため、タグは付きません。</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>ReplayGain タグ(&amp;R):</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>アルバムの範囲(&amp;A):</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>ノーマライズ</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>ラウドネスをノーマライズ(&amp;N)</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>トラックごと</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>アルバムごと</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>トゥルーピークの上限(&amp;C):</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>トラックまたはアルバムごとに 1 つのゲインをかけ、トゥルーピークが上限を超える箇所ではゲインを下げます。音楽は圧縮しません。ノーマライズがオンのときは、出力形式の「音量を増幅 / 減衰」オプションの代わりに使われます。</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>既定: プログラムと同じフォルダーの ct4mgm.sf2</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>MIDI オプション</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>MIDI 曲のレンダリングに使う SoundFont ファイル (空欄: プログラムと同じフォルダーの ct4mgm.sf2)(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>インストール済みの SoundFont(&amp;I):</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>リスト内の曲</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>リスト内の曲を確認(&amp;C)</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>音場効果</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>リバーブ(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>コーラス(&amp;H)</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>レベル:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>リストに MIDI 曲が %1 曲あります。</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>リストに MIDI 曲はありません。</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>SoundFont「%1」は使用できません: %2。</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>SoundFont の選択</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>SoundFont ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>Sondrel が読み込める SoundFont ではありません</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>SoundFont「%1」には、リストにある MIDI 曲 %2 曲の楽器がすべてあります。</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>AAC オプション</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>FLAC オプション</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>MP4/M4A/M4B オプション</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>MP3 オプション</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>ギャップレス (正確な長さ)(&amp;G)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>ID3 タグの書き込み形式:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>OGG オプション</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opus オプション</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>可変 (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>制限付き可変 (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>固定 (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>ビットレート モード(&amp;M):</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>複雑さ(&amp;P):</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>MP3、WAV、WMA などのオーディオ形式に変換するとき、出力チャンネルがモノラルで元のファイルがステレオの場合の出力音声:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>「フォルダーを追加」とドラッグ アンド ドロップでは次の拡張子のファイルのみ追加(&amp;N)</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>注: 複数の拡張子はコンマ (,) で区切ります。例: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>参照(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>元のファイルのパスに従ってフォルダーを作成(&amp;C)</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>例: 元のファイルが「/home/ann/Music/pop/1.mp3」、出力フォルダーが「/data/Output」の場合、このオプションをオンにすると出力フォルダーは「/data/Output/home/ann/Music/pop」になります。</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>追加したフォルダーのサブフォルダーを保持(&amp;K)</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>元の名前、または {artist}/{album}/{track:02} - {title} など</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>ファイルを作成できない場合はドキュメント フォルダーに出力(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>変換の完了後に出力フォルダーを開く(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>出力フォルダー(&amp;O):</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>カスタム フォルダー(&amp;F):</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>出力ファイル名(&amp;M):</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>出力先に同名のファイルがある場合(&amp;E) </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>このコンピューターのプロセッサー数は %1 です。既定ではプロセッサーごとに 1 ファイルずつ変換します。</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>同時変換数(&amp;V)</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>各出力ファイルを検証(&amp;P)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>出力フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>出力ファイル名のパターンを使用できません: %1。</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>絞り込むファイル拡張子を入力してください。</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>「フォルダーを追加」で追加したフォルダーやウィンドウにドロップしたフォルダーのサブフォルダーにあるファイルは、出力フォルダーの下の同じサブフォルダーに出力されます</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>各出力ファイルに元ファイルのタグから名前を付けます。フィールド: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}、および元のファイルの {name} {ext} {folder}。{track:02} は番号を 2 桁にそろえます。「/」を入れると出力フォルダーの下にサブフォルダーを作成します。元の名前のままにするには空欄にします。</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>各出力ファイルを名前の確定前にデコードし、サンプリング周波数、チャンネル、長さ、レベルが書き込んだ内容と一致するか検証します。一致しない出力ファイルは削除し、既存のファイルは残します</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>元ファイルに画像がない場合は cover.jpg または folder.jpg をカバーアートにする(&amp;T)</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>画像のない元ファイルからタグを引き継ぐ出力ファイルには、元ファイルのフォルダーにある cover.jpg、folder.jpg (または .png) をカバーアートとして付けます。JPEG や PNG の画像でないファイル、16 MiB を超えるファイルは使用しません</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>オプションを保存できませんでした。Sondrel を終了するまで有効です。</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>WAV オプション</translation>
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
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation>WMA オプション</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>エンコード オプション(&amp;E): (サンプリング周波数、ビットレート、チャンネル)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>レート</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャネル</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>未変換</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>各行にファイルと長さ、ビットレート、周波数、チャンネル、変換の状態を表示します</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>タイトル(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>アーティスト(&amp;A):</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>アルバム(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>コメント(&amp;C):</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>作曲者(&amp;O):</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>著作権(&amp;P):</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>ID3 タグの編集</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>トラック番号(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>なし(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>リスト内の順番(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>カスタム(&amp;U)</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>ファイル名と同じ (拡張子を除く)(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>ジャンル(&amp;G):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>0 から 255 までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>「%1」を開くアプリケーションが設定されていません。

デスクトップの設定で %2 を設定してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>メール アプリケーション</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>Web ブラウザー</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>この種類のリンクを開くアプリケーション</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>この種類のファイルを開くアプリケーション</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>ファイル マネージャー</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>ファイルを検索しています...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>ファイルを追加しています (%1/%2)...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>ユーザーガイド「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Sondrel ヘルプ</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Sondrel が読み込めるすべてのオーディオ ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>3GPP ファイル</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>3GPP2 ファイル</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Adobe Flash ファイル</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>AIFF ファイル</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR ファイル</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>AU ファイル</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>AVI ファイル</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD オーディオ</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Creative Voice ファイル</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>CRI ADX ファイル</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>DTS ファイル</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>DV ビデオ ファイル</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>DVD ビデオ ファイル</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Electronic Arts CDATA ファイル</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Flash ビデオ ファイル</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>H.264/MPEG4 AVC ビデオ</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Matroska ファイル</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI ファイル</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>MJPEG ビデオ ファイル</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>MMF ファイル</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>MOD 音楽</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 ファイル</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>MPEG オーディオ ファイル</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>MPEG ビデオ ファイル</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>MPEG-4 オーディオ ファイル</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>MPEG4 TS HD ビデオ</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>MPEG-4 ビデオ ファイル</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Nullsoft オーディオ/ビデオ ファイル</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>NUT ファイル</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>OGG ファイル</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Opus ファイル</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime ファイル</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>Raw h261 ファイル</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>Raw h263 ファイル</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>Raw h264 ビデオ ファイル</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Real Audio ファイル</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Real Media ファイル</translation>
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
        <translation>WAV ファイル</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Windows Media ファイル</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>YUV ビデオ ファイル</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>平均ビットレート (ABR)(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>可変ビットレート (VBR)(&amp;V)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>ロングとショートの両方(&amp;O)</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>ショートなし(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>ロングなし(&amp;N)</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbps</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>ビットレート(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>DTX (不連続送信) を有効にする(&amp;E)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>自動 (元ファイルのサンプリング周波数とチャンネル)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, レベル 0, ステレオ (最速、サイズ大)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, レベル 5, ステレオ (CD 品質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, レベル 8, ステレオ (最小サイズ、最も低速)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, レベル 5, ステレオ (ビデオの音声)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>圧縮レベル(&amp;L):</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>タグを追加(&amp;T)</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>元ファイルのタグを引き継ぐ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>なし(&amp;N)</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>タグを編集(&amp;T)</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>ID3 タグを追加(&amp;I)</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>元ファイルの ID3 タグを引き継ぐ(&amp;F)</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>なし(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>ID3 タグを編集(&amp;D)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, モノラル (低品質、ファイル サイズ小)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, ジョイントステレオ (まずまずの品質、サイズ小)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, ジョイントステレオ (中品質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, ジョイントステレオ (CD に近い品質、サイズ大)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>ジョイントステレオ(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>ステレオ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>モノラル(&amp;M)</translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation>元ファイルと同じ(&amp;O)</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>元ファイルの ID3 タグを引き継ぐ(&amp;R)</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>ID3 タグを編集(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>可変ビットレート、品質(&amp;V):</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (最高品質、最大サイズ)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (原音とほぼ同等)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (最小サイズ)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>ジョイントステレオとステレオ</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>このプログラムは LAME MP3 エンコーダーを使用しています。</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbps, モノラル (低品質、サイズ小)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, ステレオ (まずまずの品質、サイズ小)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, ステレオ (中品質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, ステレオ (CD に近い品質、サイズ大)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>ビットレートの代わりに品質を指定(&amp;Q):</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (最小サイズ)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (既定)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (最高品質、最大サイズ)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>自動 (元ファイルのチャンネル、1 チャンネルあたり 64 kbps)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbps, モノラル (音声、最小サイズ)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbps, ステレオ (良好な品質、サイズ小)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbps, ステレオ (原音とほぼ同等の音楽、標準サイズ)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbps, ステレオ (保存用の品質、サイズ大)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>元ファイルと同じ</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>カスタム フォルダー</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>自動で名前を変更 (ファイル名の末尾に番号を追加)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>スキップ (変換しない)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>通常、出力音声は左右のチャンネルを合わせた「(L+R)/2」になります。

「L チャンネル」を選ぶと元のステレオ ファイルの左チャンネルを出力し、「R チャンネル」を選ぶと右チャンネルを出力します。ステレオ ファイルを左チャンネルと右チャンネルの 2 つのファイルに分けたいときに便利です。</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>L チャンネル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>R チャンネル(&amp;R)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 ビット, モノラル (低品質、ファイル サイズ小)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 ビット, ステレオ (まずまずの品質、サイズ小)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 ビット, ステレオ (中品質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 ビット, ステレオ (高品質、サイズ大)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>ビット(&amp;B):</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> ビット</translation>
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
        <translation>エンコード オプション</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>サンプリング周波数(&amp;F):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>チャンネル:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - 最高にクールなアプリケーション!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>%1 からダウンロード</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>オーディオ ファイル一括変換</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>ソフトウェアの初期化に失敗しました (0x0002020)。</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>SoundFont にこれらの曲で使う楽器がありません。代わりに最も近いプリセットで演奏します:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>ファイルを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>リストにファイルがありません。</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換中...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>変換失敗</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>失敗。ファイル「ct4mgm.sf2」が必要です。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>出力が WAV ファイルの上限 4 GiB を超えます</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>既存のためスキップ</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>WMA ファイルには Windows Media Format 9 Series Runtime が必要です。
このコンポーネントはお使いのコンピューターにありません。

今すぐダウンロードしてインストールしますか?</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>次のファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>MIDI ファイルのデコードにはファイル「ct4mgm.sf2」が必要です。
このファイルはお使いのコンピューターにありません。

今すぐ当社の Web サイトから無料でダウンロードしますか?

ダウンロードが完了したら、ファイルを次のフォルダーにコピーしてください:
「%1」
その後、MIDI ファイルをもう一度変換してください。ありがとうございました。</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>出力形式 %1 は不明です。</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel はまだ %1 ファイルを書き込めません。</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>出力ファイル名が、上書きできない元のファイルと同じです。カスタム フォルダーに出力してください。</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>出力パスが 4095 バイトを超えています</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>ファイル「%1」を作成できませんでした</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>フォルダー「%1」を作成できませんでした</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>出力ファイル名のパターンを使用できません: %1。</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: Sondrel が読み込める MIDI 曲ではありません</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: SoundFont に %2 を演奏できるものがありません</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 はバンク %3 プログラム %4「%5」で演奏します</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>バンク %1 プログラム %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>バンク %1 プログラム %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>ドラムキット %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>ドラムキット %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>SoundFont ファイルではありません</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>音量を増幅 / 減衰(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>係数(&amp;C):</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - 減衰
= 100% - 変更なし
&gt; 100% - 増幅</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>増幅係数が無効です。10 から 3000 までの値を指定してください。</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3 タグ</translation>
    </message>
</context>
</TS>

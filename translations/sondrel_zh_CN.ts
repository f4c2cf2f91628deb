<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CAacFamilyPage</name>
    <message>
        <source>A&amp;uto (let the program choose the best parameters)</source>
        <translation>自动 (由程序选择最佳参数)(&amp;U)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Bit &amp;Rate:</source>
        <translation>比特率(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>质量(&amp;Q):</translation>
    </message>
    <message>
        <source>(Default: 100. From 10 to 500)</source>
        <translation>(默认值: 100，范围: 10～500)</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>高级选项</translation>
    </message>
    <message>
        <source>Use &amp;Temporal Noise Shaping (TNS)</source>
        <translation>使用 TNS (Temporal Noise Shaping)(&amp;T)</translation>
    </message>
    <message>
        <source>Allow &amp;Mid/Side</source>
        <translation>允许 Mid/Side(&amp;M)</translation>
    </message>
    <message>
        <source>MPEG Version:</source>
        <translation>MPEG 版本:</translation>
    </message>
    <message>
        <source>Block Type:</source>
        <translation>块类型:</translation>
    </message>
    <message>
        <source>Invalid quality value. It&apos;s betwen 10 and 500.</source>
        <translation>质量值无效。有效范围为 10 到 500。</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>%1 build %2</source>
        <extracomment>The version line of the about box: &quot;Sondrel v1.2 build 345&quot;.</extracomment>
        <translation>%1 构建 %2</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>访问 %1 主页</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>反馈与支持</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <translation>本程序使用 LAME MP3 编码器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <translation>检查更新(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>推荐给朋友</translation>
    </message>
</context>
<context>
    <name>CAmrOptPage</name>
    <message>
        <source>AMR/AWB Options</source>
        <translation>AMR/AWB 选项</translation>
    </message>
    <message>
        <source>Encoding Parameters</source>
        <translation>编码参数</translation>
    </message>
    <message>
        <source>NB (Narrow Band, 8000 Hz)</source>
        <translation>NB (窄带，8000 Hz)</translation>
    </message>
    <message>
        <source>WB (Wide Band, 16000 Hz)</source>
        <translation>WB (宽带，16000 Hz)</translation>
    </message>
    <message>
        <source>AWB Encoding Parameters</source>
        <translation>AWB 编码参数</translation>
    </message>
    <message>
        <source>Sample Frequency: 16000 Hz</source>
        <translation>采样率: 16000 Hz</translation>
    </message>
</context>
<context>
    <name>CConvertDlg</name>
    <message>
        <source>&amp;Add Files</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>添加文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>Add files from a folder</source>
        <translation>添加文件夹中的文件</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files in list</source>
        <translation>从列表中移除所有文件</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>Convert all files</source>
        <translation>转换所有文件</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 files, %3</source>
        <translation>已处理 %2 个文件中的 %1 个后取消，%3</translation>
    </message>
    <message>
        <source>Converted %1</source>
        <extracomment>The start of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>已转换 %1 个</translation>
    </message>
    <message>
        <source>, skipped %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>，跳过 %1 个</translation>
    </message>
    <message>
        <source>, failed %1</source>
        <extracomment>A piece of the summary of a batch: &quot;Converted 7, skipped 1, failed 2 in 0:42&quot;.</extracomment>
        <translation>，失败 %1 个</translation>
    </message>
    <message>
        <source> in %1</source>
        <extracomment>The end of the summary of a batch, %1 the time it took: &quot;Converted 7 in 0:42&quot;.</extracomment>
        <translation> (用时 %1)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Visit %1 Homepage</source>
        <translation>访问 %1 主页</translation>
    </message>
    <message>
        <source>Last conversion</source>
        <translation>上次转换</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source> to %1</source>
        <extracomment>An entry of the output format box: &quot; to MP3&quot; (the leading space belongs to the look).</extracomment>
        <translation> 转为 %1</translation>
    </message>
    <message>
        <source>Sondrel could not convert this file.</source>
        <translation>Sondrel 无法转换此文件。</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>源文件: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>输出文件: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <extracomment>%1 is the file&apos;s word in the Status column (&quot;Failed&quot;).</extracomment>
        <translation>状态: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因: %1</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>不是 Sondrel 能读取的 SoundFont</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; chosen on the MIDI page of the options cannot be used: %2.
The MIDI songs are rendered with ct4mgm.sf2 beside the program.</source>
        <translation>在选项的 MIDI 页中选择的 SoundFont“%1”无法使用: %2。
MIDI 乐曲将使用程序所在文件夹中的 ct4mgm.sf2 进行渲染。</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... 以及其他 %1 项。</translation>
    </message>
    <message>
        <source>&amp;Play Source</source>
        <translation>播放源文件(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>播放输出文件(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Convert Selected</source>
        <translation>转换所选文件(&amp;C)</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>打开源文件所在文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>打开输出文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Why did this fail?</source>
        <translation>查看失败原因(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Add Files...	Ctrl+O</source>
        <translation>添加文件(&amp;A)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>添加文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove	Del</source>
        <translation>移除(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>帮助主题(&amp;H)	F1</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>推荐给朋友(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>反馈与支持(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <translation>主页(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>检查最新版本(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Stop the conversion and close Sondrel?

The files being converted now are not kept; the finished ones are.</source>
        <translation>要停止转换并关闭 Sondrel 吗？

正在转换的文件不会保留，已完成的文件会保留。</translation>
    </message>
    <message>
        <source>AAC for iPod/iTunes</source>
        <translation>适用于 iPod/iTunes 的 AAC</translation>
    </message>
</context>
<context>
    <name>CConvertProgressDlg</name>
    <message>
        <source>The output folder could not be used; written to %1</source>
        <translation>无法使用输出文件夹，已写入 %1</translation>
    </message>
    <message>
        <source>Converting %1...%2</source>
        <translation>正在转换 %1...%2</translation>
    </message>
    <message>
        <source>Finished %1 of %2 file(s) in %3</source>
        <translation>已完成 %2 个文件中的 %1 个，用时 %3</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>，剩余约 %1</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
(不是 Win32 .EXE 或 .EXE 映像有错误)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE 事务无法
完成，因为请求超时。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE 事务无法
完成，因为正在处理
其他 DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与指定的文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误 (%1)。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>无法打开超链接:</translation>
    </message>
</context>
<context>
    <name>CLoudnessOptPage</name>
    <message>
        <source>Loudness</source>
        <translation>响度</translation>
    </message>
    <message>
        <source>ReplayGain Tags</source>
        <translation>ReplayGain 标签</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>音轨和专辑</translation>
    </message>
    <message>
        <source>The files of one source folder</source>
        <translation>同一源文件夹中的文件</translation>
    </message>
    <message>
        <source>The whole batch</source>
        <translation>整个批量任务</translation>
    </message>
    <message>
        <source>The gain and peak are measured on what is written. WAV, AMR, AWB and AAC (ADTS) outputs hold no tags, so they get none.</source>
        <translation>增益和峰值按写入的内容测量。WAV、AMR、AWB 和 AAC (ADTS) 输出文件不能带标签，因此不会写入标签。</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags:</source>
        <translation>ReplayGain 标签(&amp;R):</translation>
    </message>
    <message>
        <source>An &amp;album is:</source>
        <translation>专辑范围(&amp;A):</translation>
    </message>
    <message>
        <source>Normalisation</source>
        <translation>标准化</translation>
    </message>
    <message>
        <source>&amp;Normalise loudness to</source>
        <translation>将响度标准化为(&amp;N)</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>per track</source>
        <translation>按音轨</translation>
    </message>
    <message>
        <source>per album</source>
        <translation>按专辑</translation>
    </message>
    <message>
        <source> dBTP</source>
        <translation> dBTP</translation>
    </message>
    <message>
        <source>True-peak &amp;ceiling:</source>
        <translation>真峰值上限(&amp;C):</translation>
    </message>
    <message>
        <source>One gain for each track or album, lowered where the true peak would pass the ceiling; the music is not compressed. When normalisation is on, it takes the place of the output format&apos;s Amplify option.</source>
        <translation>每个音轨或专辑使用一个增益，在真峰值会超过上限时调低；不会压缩音乐。启用标准化时，它将取代输出格式的“放大 / 减弱声音”选项。</translation>
    </message>
</context>
<context>
    <name>CMidiOptPage</name>
    <message>
        <source>Default: ct4mgm.sf2 beside the program</source>
        <translation>默认: 程序所在文件夹中的 ct4mgm.sf2</translation>
    </message>
    <message>
        <source>MIDI Options</source>
        <translation>MIDI 选项</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFont &amp;file that renders MIDI songs (empty: ct4mgm.sf2 beside the program):</source>
        <translation>用于渲染 MIDI 乐曲的 SoundFont 文件 (留空: 程序所在文件夹中的 ct4mgm.sf2)(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Installed SoundFonts:</source>
        <translation>已安装的 SoundFont(&amp;I):</translation>
    </message>
    <message>
        <source>Songs in the List</source>
        <translation>列表中的乐曲</translation>
    </message>
    <message>
        <source>&amp;Check the Songs in the List</source>
        <translation>检查列表中的乐曲(&amp;C)</translation>
    </message>
    <message>
        <source>Room Sound</source>
        <translation>空间音效</translation>
    </message>
    <message>
        <source>&amp;Reverb</source>
        <translation>混响(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;horus</source>
        <translation>合唱(&amp;H)</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The strength of the reverb or chorus, in percent.</extracomment>
        <translation>强度:</translation>
    </message>
    <message>
        <source>%1 MIDI song(s) in the list.</source>
        <translation>列表中有 %1 首 MIDI 乐曲。</translation>
    </message>
    <message>
        <source>There are no MIDI songs in the list.</source>
        <translation>列表中没有 MIDI 乐曲。</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; cannot be used: %2.</source>
        <translation>SoundFont“%1”无法使用: %2。</translation>
    </message>
    <message>
        <source>Choose a SoundFont</source>
        <translation>选择 SoundFont</translation>
    </message>
    <message>
        <source>SoundFont Files</source>
        <translation>SoundFont 文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>not a SoundFont Sondrel can read</source>
        <translation>不是 Sondrel 能读取的 SoundFont</translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; has every instrument of the %2 MIDI song(s) in the list.</source>
        <translation>SoundFont“%1”包含列表中 %2 首 MIDI 乐曲用到的所有乐器。</translation>
    </message>
</context>
<context>
    <name>COptAacPage</name>
    <message>
        <source>AAC Options</source>
        <translation>AAC 选项</translation>
    </message>
</context>
<context>
    <name>COptFlacPage</name>
    <message>
        <source>FLAC Options</source>
        <translation>FLAC 选项</translation>
    </message>
</context>
<context>
    <name>COptM4aPage</name>
    <message>
        <source>MP4/M4A/M4B Options</source>
        <translation>MP4/M4A/M4B 选项</translation>
    </message>
</context>
<context>
    <name>COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <translation>MP3 选项</translation>
    </message>
    <message>
        <source>&amp;Gapless (exact length)</source>
        <translation>无间隙 (精确长度)(&amp;G)</translation>
    </message>
    <message>
        <source>Write ID3 tag as:</source>
        <translation>ID3 标签写入格式:</translation>
    </message>
</context>
<context>
    <name>COptOggPage</name>
    <message>
        <source>OGG Options</source>
        <translation>OGG 选项</translation>
    </message>
</context>
<context>
    <name>COptOpusPage</name>
    <message>
        <source>Opus Options</source>
        <translation>Opus 选项</translation>
    </message>
    <message>
        <source>Variable (VBR)</source>
        <translation>可变 (VBR)</translation>
    </message>
    <message>
        <source>Constrained variable (CVBR)</source>
        <translation>受限可变 (CVBR)</translation>
    </message>
    <message>
        <source>Constant (CBR)</source>
        <translation>恒定 (CBR)</translation>
    </message>
    <message>
        <source>Bit Rate &amp;Mode:</source>
        <translation>比特率模式(&amp;M):</translation>
    </message>
    <message>
        <source>Com&amp;plexity:</source>
        <translation>复杂度(&amp;P):</translation>
    </message>
</context>
<context>
    <name>COptOutputPage</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and original file is stereo, output sound equals to:</source>
        <translation>转换为 MP3、WAV、WMA 等音频格式时，如果输出为单声道而原始文件为立体声，输出声音为:</translation>
    </message>
    <message>
        <source>O&amp;nly add the following file extensions for &quot;Add Folder&quot; and Drag/Drop</source>
        <translation>“添加文件夹”和拖放时仅添加以下扩展名的文件(&amp;N)</translation>
    </message>
    <message>
        <source>Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac</source>
        <translation>注意: 多个扩展名用逗号 (,) 分隔。例如: wav,mp3,m4a,aac</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>浏览(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of original file</source>
        <translation>按原始文件的路径创建文件夹(&amp;C)</translation>
    </message>
    <message>
        <source>For example: original file is &quot;/home/ann/Music/pop/1.mp3&quot; and output folder is &quot;/data/Output.&quot; If the option is checked, the output folder will be &quot;/data/Output/home/ann/Music/pop.&quot;</source>
        <translation>例如: 原始文件为“/home/ann/Music/pop/1.mp3”，输出文件夹为“/data/Output”。如果选中此选项，输出文件夹将为“/data/Output/home/ann/Music/pop”。</translation>
    </message>
    <message>
        <source>&amp;Keep the sub-folders of added folders</source>
        <translation>保留所添加文件夹的子文件夹(&amp;K)</translation>
    </message>
    <message>
        <source>The original name, or e.g. {artist}/{album}/{track:02} - {title}</source>
        <translation>原始名称，或例如 {artist}/{album}/{track:02} - {title}</translation>
    </message>
    <message>
        <source>Output files to M&amp;y Documents if creating file failure</source>
        <translation>无法创建文件时输出到“文档”文件夹(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion completes</source>
        <translation>转换完成后打开输出文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Output folder:</source>
        <translation>输出文件夹(&amp;O):</translation>
    </message>
    <message>
        <source>Custom &amp;folder:</source>
        <translation>自定义文件夹(&amp;F):</translation>
    </message>
    <message>
        <source>Output na&amp;me:</source>
        <translation>输出文件名(&amp;M):</translation>
    </message>
    <message>
        <source>If target file &amp;exists </source>
        <extracomment>Before the choice of what to do: &quot;If target file exists [Overwrite]&quot;.</extracomment>
        <translation>目标文件已存在时(&amp;E) </translation>
    </message>
    <message>
        <source>This computer has %1 processor(s); one file per processor is the default.</source>
        <translation>此计算机有 %1 个处理器；默认每个处理器转换一个文件。</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <extracomment>Before a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>同时转换(&amp;V)</translation>
    </message>
    <message>
        <source>files at a time</source>
        <extracomment>After a number box: &quot;Convert [2] files at a time&quot;.</extracomment>
        <translation>个文件</translation>
    </message>
    <message>
        <source>Check each out&amp;put</source>
        <translation>校验每个输出文件(&amp;P)</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>请选择输出文件夹:</translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>请选择输出文件夹。</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>无法使用此输出文件名模式: %1。</translation>
    </message>
    <message>
        <source>Please enter file extensions you need to filter.</source>
        <translation>请输入要筛选的文件扩展名。</translation>
    </message>
    <message>
        <source>A file found in a sub-folder of a folder added with Add Folder or dropped on the window goes to the same sub-folder below the output folder</source>
        <translation>通过“添加文件夹”添加或拖放到窗口的文件夹中，位于子文件夹内的文件会输出到输出文件夹下的同名子文件夹</translation>
    </message>
    <message>
        <source>Names each output by its source&apos;s tags. Fields: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original file; {track:02} pads the number to two digits. A &quot;/&quot; makes a sub-folder below the output folder. Leave it empty to keep the original name.</source>
        <translation>按源文件的标签为每个输出文件命名。字段: {title} {artist} {album} {albumartist} {composer} {genre} {year} {track} {disc}，以及原始文件的 {name} {ext} {folder}；{track:02} 将编号补足为两位数。“/”会在输出文件夹下创建子文件夹。留空则保留原始名称。</translation>
    </message>
    <message>
        <source>Decode each output before it takes its name and check its rate, channels, length and level against what was written; an output that fails is removed and an old file kept</source>
        <translation>在每个输出文件命名前对其解码，并将采样率、声道、时长和电平与写入的内容进行校验；未通过校验的输出文件会被删除，原有文件保留</translation>
    </message>
    <message>
        <source>&amp;Take the cover from cover.jpg or folder.jpg when the source has none</source>
        <translation>源文件没有封面时使用 cover.jpg 或 folder.jpg 作为封面(&amp;T)</translation>
    </message>
    <message>
        <source>An output whose tags are transferred from a source without a picture gets cover.jpg, folder.jpg (or .png) from the source&apos;s folder as its cover; a file that is not a JPEG or PNG image, or is larger than 16 MiB, is left out</source>
        <translation>从没有图片的源文件沿用标签的输出文件，将以源文件所在文件夹中的 cover.jpg、folder.jpg (或 .png) 作为封面；不是 JPEG 或 PNG 图像或大于 16 MiB 的文件将被忽略</translation>
    </message>
</context>
<context>
    <name>COptSheet</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The options could not be saved; they apply until Sondrel is closed.</source>
        <translation>无法保存选项；这些选项在关闭 Sondrel 之前有效。</translation>
    </message>
</context>
<context>
    <name>COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <translation>WAV 选项</translation>
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
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>WMA Options</source>
        <translation>WMA 选项</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <translation>编码选项(&amp;E): (采样率、比特率、声道)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CSortListCtrl</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>尚未转换</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>待转换的文件</translation>
    </message>
    <message>
        <source>Each row is a file with its duration, bit rate, frequency, channels and conversion status</source>
        <translation>每行是一个文件，包括时长、比特率、频率、声道和转换状态</translation>
    </message>
</context>
<context>
    <name>CTagEditDlg</name>
    <message>
        <source>T&amp;itle:</source>
        <translation>标题(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>艺术家(&amp;A):</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>专辑(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年份(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>注释(&amp;C):</translation>
    </message>
    <message>
        <source>C&amp;omposer:</source>
        <translation>作曲(&amp;O):</translation>
    </message>
    <message>
        <source>Co&amp;pyright:</source>
        <translation>版权(&amp;P):</translation>
    </message>
    <message>
        <source>Edit ID3 Tag</source>
        <translation>编辑 ID3 标签</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <translation>音轨号(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>无(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sequence number in list</source>
        <translation>列表中的序号(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>自定义(&amp;U)</translation>
    </message>
    <message>
        <source>Nam&amp;e as file name (not include extension)</source>
        <translation>与文件名相同 (不含扩展名)(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>流派(&amp;G):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>请输入 0 到 255 之间的整数。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No application is set up to open &quot;%1&quot;.

Set up %2 in the desktop&apos;s settings, then try again.</source>
        <translation>没有设置用于打开“%1”的应用程序。

请在桌面设置中设置%2，然后重试。</translation>
    </message>
    <message>
        <source>an e-mail program</source>
        <translation>电子邮件程序</translation>
    </message>
    <message>
        <source>a web browser</source>
        <translation>网页浏览器</translation>
    </message>
    <message>
        <source>a program for this kind of link</source>
        <translation>用于此类链接的程序</translation>
    </message>
    <message>
        <source>a program for this kind of file</source>
        <translation>用于此类文件的程序</translation>
    </message>
    <message>
        <source>a file manager</source>
        <translation>文件管理器</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Please choose a folder:</source>
        <translation>请选择文件夹:</translation>
    </message>
    <message>
        <source>Searching files...</source>
        <translation>正在搜索文件...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <translation>正在添加文件 %1/%2...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The user guide &quot;%1&quot; is missing.</source>
        <translation>找不到用户指南“%1”。</translation>
    </message>
    <message>
        <source>Sondrel Help</source>
        <translation>Sondrel 帮助</translation>
    </message>
</context>
<context>
    <name>OpenFileFilters</name>
    <message>
        <source>All sound files Sondrel reads</source>
        <translation>Sondrel 可读取的所有音频文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>3GPP Files</source>
        <translation>3GPP 文件</translation>
    </message>
    <message>
        <source>3GPP2 Files</source>
        <translation>3GPP2 文件</translation>
    </message>
    <message>
        <source>Adobe Flash Files</source>
        <translation>Adobe Flash 文件</translation>
    </message>
    <message>
        <source>Advanced Audio Coding</source>
        <translation>Advanced Audio Coding</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>AIFF 文件</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR 文件</translation>
    </message>
    <message>
        <source>AU Files</source>
        <translation>AU 文件</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>AVI 文件</translation>
    </message>
    <message>
        <source>CD Audio</source>
        <translation>CD 音频</translation>
    </message>
    <message>
        <source>Creative Voice Files</source>
        <translation>Creative Voice 文件</translation>
    </message>
    <message>
        <source>CRI ADX Files</source>
        <translation>CRI ADX 文件</translation>
    </message>
    <message>
        <source>Dolby Digital AC-3</source>
        <translation>Dolby Digital AC-3</translation>
    </message>
    <message>
        <source>DTS Files</source>
        <translation>DTS 文件</translation>
    </message>
    <message>
        <source>DV Video Files</source>
        <translation>DV 视频文件</translation>
    </message>
    <message>
        <source>DVD Video Files</source>
        <translation>DVD 视频文件</translation>
    </message>
    <message>
        <source>Electronic Arts CDATA Files</source>
        <translation>Electronic Arts CDATA 文件</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Flash 视频文件</translation>
    </message>
    <message>
        <source>Free Lossless Audio Codec</source>
        <translation>Free Lossless Audio Codec</translation>
    </message>
    <message>
        <source>H.264/MPEG4 AVC Video</source>
        <translation>H.264/MPEG4 AVC 视频</translation>
    </message>
    <message>
        <source>Matroska Files</source>
        <translation>Matroska 文件</translation>
    </message>
    <message>
        <source>Microsoft Digital Video Recording</source>
        <translation>Microsoft Digital Video Recording</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI 文件</translation>
    </message>
    <message>
        <source>MJPEG Video Files</source>
        <translation>MJPEG 视频文件</translation>
    </message>
    <message>
        <source>MMF Files</source>
        <translation>MMF 文件</translation>
    </message>
    <message>
        <source>MOD Musics</source>
        <translation>MOD 音乐</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 文件</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>MPEG 音频文件</translation>
    </message>
    <message>
        <source>MPEG Video Files</source>
        <translation>MPEG 视频文件</translation>
    </message>
    <message>
        <source>MPEG-4 Audio Files</source>
        <translation>MPEG-4 音频文件</translation>
    </message>
    <message>
        <source>MPEG4 TS HD Video</source>
        <translation>MPEG4 TS HD 视频</translation>
    </message>
    <message>
        <source>MPEG-4 Video Files</source>
        <translation>MPEG-4 视频文件</translation>
    </message>
    <message>
        <source>Musepack</source>
        <translation>Musepack</translation>
    </message>
    <message>
        <source>Nullsoft Audio/Video Files</source>
        <translation>Nullsoft 音频/视频文件</translation>
    </message>
    <message>
        <source>NUT Files</source>
        <translation>NUT 文件</translation>
    </message>
    <message>
        <source>OGG Files</source>
        <translation>OGG 文件</translation>
    </message>
    <message>
        <source>Opus Files</source>
        <translation>Opus 文件</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime 文件</translation>
    </message>
    <message>
        <source>Raw h261 Files</source>
        <translation>原始 h261 文件</translation>
    </message>
    <message>
        <source>Raw h263 Files</source>
        <translation>原始 h263 文件</translation>
    </message>
    <message>
        <source>Raw h264 Video Files</source>
        <translation>原始 h264 视频文件</translation>
    </message>
    <message>
        <source>Real Audio Files</source>
        <translation>Real Audio 文件</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Real Media 文件</translation>
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
        <translation>WAV 文件</translation>
    </message>
    <message>
        <source>WavPack</source>
        <translation>WavPack</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Windows Media 文件</translation>
    </message>
    <message>
        <source>YUV Video File</source>
        <translation>YUV 视频文件</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Average &amp;Bit Rate (ABR)</source>
        <translation>平均比特率 (ABR)(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Variable Bit Rate (VBR)</source>
        <translation>可变比特率 (VBR)(&amp;V)</translation>
    </message>
    <message>
        <source>B&amp;oth long and short</source>
        <translation>长块和短块(&amp;O)</translation>
    </message>
    <message>
        <source>No &amp;short</source>
        <translation>无短块(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;No long</source>
        <translation>无长块(&amp;N)</translation>
    </message>
    <message>
        <source> kbps</source>
        <translation> kbps</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>比特率(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Enable DTX (Discontinuous Transmission)</source>
        <translation>启用 DTX (不连续传输)(&amp;E)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s rate and channels)</source>
        <translation>自动 (与源文件的采样率和声道相同)</translation>
    </message>
    <message>
        <source>44100 Hz, level 0, Stereo (fastest, larger size)</source>
        <translation>44100 Hz, 级别 0, 立体声 (最快，文件较大)</translation>
    </message>
    <message>
        <source>44100 Hz, level 5, Stereo (CD quality, usual size)</source>
        <translation>44100 Hz, 级别 5, 立体声 (CD 质量，普通大小)</translation>
    </message>
    <message>
        <source>44100 Hz, level 8, Stereo (smallest size, slowest)</source>
        <translation>44100 Hz, 级别 8, 立体声 (文件最小，最慢)</translation>
    </message>
    <message>
        <source>48000 Hz, level 5, Stereo (video sound)</source>
        <translation>48000 Hz, 级别 5, 立体声 (视频伴音)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Compression &amp;Level:</source>
        <translation>压缩级别(&amp;L):</translation>
    </message>
    <message>
        <source>Add &amp;tag</source>
        <translation>添加标签(&amp;T)</translation>
    </message>
    <message>
        <source>T&amp;ransfer tag from source file</source>
        <translation>沿用源文件的标签(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>无(&amp;N)</translation>
    </message>
    <message>
        <source>Edit &amp;tag</source>
        <translation>编辑标签(&amp;T)</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <translation>添加 ID3 标签(&amp;I)</translation>
    </message>
    <message>
        <source>Trans&amp;fer ID3 tag from source file</source>
        <translation>沿用源文件的 ID3 标签(&amp;F)</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>无(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;dit ID3 tag</source>
        <translation>编辑 ID3 标签(&amp;D)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, 单声道 (低质量，文件较小)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, 联合立体声 (质量尚可，文件小)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, 联合立体声 (中等质量，普通大小)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, 联合立体声 (接近 CD 质量，文件大)</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <translation>联合立体声(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>立体声(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>单声道(&amp;M)</translation>
    </message>
    <message>
        <source>Same as &amp;original file</source>
        <extracomment>Channels: as many as the source file has.</extracomment>
        <translation>与原始文件相同(&amp;O)</translation>
    </message>
    <message>
        <source>T&amp;ransfer ID3 tag from source file</source>
        <translation>沿用源文件的 ID3 标签(&amp;R)</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>编辑 ID3 标签(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Variable bit rate, quality:</source>
        <translation>可变比特率，质量(&amp;V):</translation>
    </message>
    <message>
        <source>V0 (best, largest)</source>
        <translation>V0 (最佳，最大)</translation>
    </message>
    <message>
        <source>V2 (transparent)</source>
        <translation>V2 (透明)</translation>
    </message>
    <message>
        <source>V9 (smallest)</source>
        <translation>V9 (最小)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <translation>联合立体声与立体声</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <translation>本程序使用 LAME MP3 编码器。</translation>
    </message>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller size)</source>
        <translation>11025 Hz, 16 kbps, 单声道 (低质量，较小)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, 立体声 (质量尚可，文件小)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, 立体声 (中等质量，普通大小)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, 立体声 (接近 CD 质量，文件大)</translation>
    </message>
    <message>
        <source>&amp;Quality instead of bit rate:</source>
        <translation>以质量代替比特率(&amp;Q):</translation>
    </message>
    <message>
        <source>-1 (smallest)</source>
        <translation>-1 (最小)</translation>
    </message>
    <message>
        <source>3 (default)</source>
        <translation>3 (默认)</translation>
    </message>
    <message>
        <source>10 (best, largest)</source>
        <translation>10 (最佳，最大)</translation>
    </message>
    <message>
        <source>Auto (the source&apos;s channels, 64 kbps per channel)</source>
        <translation>自动 (与源文件声道相同，每声道 64 kbps)</translation>
    </message>
    <message>
        <source>32 kbps, Mono (speech, smallest size)</source>
        <translation>32 kbps, 单声道 (语音，文件最小)</translation>
    </message>
    <message>
        <source>64 kbps, Stereo (good quality, small size)</source>
        <translation>64 kbps, 立体声 (质量好，文件小)</translation>
    </message>
    <message>
        <source>128 kbps, Stereo (transparent music, normal size)</source>
        <translation>128 kbps, 立体声 (音乐听感透明，普通大小)</translation>
    </message>
    <message>
        <source>192 kbps, Stereo (archive quality, large size)</source>
        <translation>192 kbps, 立体声 (存档质量，文件大)</translation>
    </message>
    <message>
        <source>Same as original file</source>
        <extracomment>A value taken from the source: its sample rate, bit rate or channels.</extracomment>
        <translation>与原始文件相同</translation>
    </message>
    <message>
        <source>A custom folder</source>
        <translation>自定义文件夹</translation>
    </message>
    <message>
        <source>Auto rename (add number at end of file name)</source>
        <translation>自动重命名 (在文件名末尾添加编号)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Skip (not convert)</source>
        <translation>跳过 (不转换)</translation>
    </message>
    <message>
        <source>In general, the output sound equals to &quot;(L+R)/2,&quot; which contains left and right channels.

&quot;L channel&quot; means the program outputs left channel of original stereo file. And &quot;R channel&quot; means right channel. It&apos;s very useful when you want to convert a stereo file into two files that contains left and right channels distinguishingly.</source>
        <translation>通常，输出声音为“(L+R)/2”，即包含左右两个声道。

“左声道”表示程序输出原始立体声文件的左声道，“右声道”表示输出右声道。需要将一个立体声文件分别转换为左声道和右声道两个文件时，此功能非常有用。</translation>
    </message>
    <message>
        <source>&amp;L channel</source>
        <translation>左声道(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;R channel</source>
        <translation>右声道(&amp;R)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 位, 单声道 (低质量，文件较小)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 位, 立体声 (质量尚可，文件小)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 位, 立体声 (中等质量，普通大小)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 位, 立体声 (高质量，文件大)</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <translation>位数(&amp;B):</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> 位</translation>
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
        <translation>编码选项</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>采样率(&amp;F):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>声道:</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>%1 - very COOL application!!!</source>
        <translation>%1 - 超酷的应用程序!!!</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>从 %1 下载</translation>
    </message>
</context>
<context>
    <name>SkinArt</name>
    <message>
        <source>batch sound file converter</source>
        <translation>批量音频文件转换器</translation>
    </message>
</context>
<context>
    <name>Sondrel</name>
    <message>
        <source>Failed to initialize the software (0x0002020).</source>
        <translation>软件初始化失败 (0x0002020)。</translation>
    </message>
    <message>
        <source>The SoundFont lacks instruments these songs use; the nearest presets it has play them instead:</source>
        <translation>SoundFont 缺少这些乐曲使用的乐器；将改用其中最接近的预设来演奏:</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>请至少选择一个文件。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>列表中没有文件。</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
    <message>
        <source>Conversion Failure</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Failure. Requires file &quot;ct4mgm.sf2&quot;.</source>
        <translation>失败。需要文件“ct4mgm.sf2”。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Output would pass the 4 GiB limit of WAV files</source>
        <translation>输出将超过 WAV 文件 4 GiB 的上限</translation>
    </message>
    <message>
        <source>Target exists and skipped</source>
        <translation>目标已存在，已跳过</translation>
    </message>
    <message>
        <source>Dear user, WMA file requires Windows Media Format 9 Series Runtime.
Unfortunately, the component isn&apos;t available on your computer.

Do you want to download and install it now?</source>
        <translation>WMA 文件需要 Windows Media Format 9 Series Runtime。
很遗憾，您的计算机上没有此组件。

是否立即下载并安装？</translation>
    </message>
    <message>
        <source>Failed to load the following files.</source>
        <translation>无法加载以下文件。</translation>
    </message>
    <message>
        <source>Dear user, to decode MIDI file, file &quot;ct4mgm.sf2&quot; is required.
Unfortunately, the file isn&apos;t available on your computer.

Do you want to download the file from our website for free now?

Once download completes, please copy the file to folder:
&quot;%1&quot;
And then convert your MIDI file again. Thank you.</source>
        <translation>解码 MIDI 文件需要文件“ct4mgm.sf2”。
很遗憾，您的计算机上没有此文件。

是否立即从我们的网站免费下载此文件？

下载完成后，请将文件复制到以下文件夹:
“%1”
然后再次转换您的 MIDI 文件。谢谢。</translation>
    </message>
    <message>
        <source>The output format %1 is unknown.</source>
        <translation>未知的输出格式 %1。</translation>
    </message>
    <message>
        <source>Sondrel cannot write %1 files yet.</source>
        <translation>Sondrel 尚不能写入 %1 文件。</translation>
    </message>
    <message>
        <source>Target file name is same as original file that can&apos;t be overwritten. Please output files to a custom folder.</source>
        <translation>目标文件名与原始文件相同，而原始文件不能被覆盖。请将文件输出到自定义文件夹。</translation>
    </message>
    <message>
        <source>Output path is longer than 4095 bytes</source>
        <translation>输出路径超过 4095 字节</translation>
    </message>
    <message>
        <source>Failed to create file &quot;%1&quot;</source>
        <translation>无法创建文件“%1”</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>The output name pattern cannot be used: %1.</source>
        <translation>无法使用此输出文件名模式: %1。</translation>
    </message>
    <message>
        <source>%1: not a MIDI song Sondrel can read</source>
        <translation>%1: 不是 Sondrel 能读取的 MIDI 乐曲</translation>
    </message>
    <message>
        <source>%1: %2 has nothing in the SoundFont to play it</source>
        <translation>%1: SoundFont 中没有可演奏 %2 的音色</translation>
    </message>
    <message>
        <source>%1: %2 is played with bank %3 program %4 &quot;%5&quot;</source>
        <translation>%1: %2 改用音色库 %3 音色 %4“%5”演奏</translation>
    </message>
    <message>
        <source>bank %1 program %2 (%3)</source>
        <translation>音色库 %1 音色 %2 (%3)</translation>
    </message>
    <message>
        <source>bank %1 program %2</source>
        <translation>音色库 %1 音色 %2</translation>
    </message>
    <message>
        <source>drum kit %1 (%2)</source>
        <translation>鼓组 %1 (%2)</translation>
    </message>
    <message>
        <source>drum kit %1</source>
        <translation>鼓组 %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>not a SoundFont file</source>
        <translation>不是 SoundFont 文件</translation>
    </message>
</context>
<context>
    <name>SoundSection</name>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>放大 / 减弱声音(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Coefficient:</source>
        <translation>系数(&amp;C):</translation>
    </message>
    <message>
        <source>&lt; 100% - Reduce sound
= 100% - No changes
&gt; 100% - Amplify sound</source>
        <translation>&lt; 100% - 减弱声音
= 100% - 不变
&gt; 100% - 放大声音</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>放大系数无效。有效范围为 10 到 3000。</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3 标签</translation>
    </message>
</context>
</TS>

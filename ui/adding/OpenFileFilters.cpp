#include "ui/adding/OpenFileFilters.h"

#include <QCoreApplication>

#include <algorithm>
#include <sstream>

namespace {

// The first filter, offered before the rest: every pattern of the kinds
// below.
const char* const kAllSoundFiles =
    QT_TRANSLATE_NOOP("OpenFileFilters", "All sound files Sondrel reads");

// The kinds as the dialog shows them: a name in the user's language and,
// in parentheses, the patterns separated by ';'. All Files comes first.
struct FileKind {
  const char* name;
  const char* patterns;
};
const FileKind kDescriptions[] = {
    {QT_TRANSLATE_NOOP("OpenFileFilters", "All Files"), "(*.*)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "3GPP Files"), "(*.3gp)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "3GPP2 Files"), "(*.3g2)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Adobe Flash Files"), "(*.swf)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Advanced Audio Coding"), "(*.aac)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "AIFF Files"), "(*.aiff;*.aif;*.aifc;*.afc)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "AMR Files"), "(*.amr;*.awb)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "AU Files"), "(*.au;*.snd)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "AVI Files"), "(*.avi)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "CD Audio"), "(*.cda)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Creative Voice Files"), "(*.voc)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "CRI ADX Files"), "(*.adx)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Dolby Digital AC-3"), "(*.ac3)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "DTS Files"), "(*.dts)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "DV Video Files"), "(*.dv;*.dif)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "DVD Video Files"), "(*.vob;*.dvd)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Electronic Arts CDATA Files"), "(*.cdata)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Flash Video Files"), "(*.flv)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Free Lossless Audio Codec"), "(*.flac)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "H.264/MPEG4 AVC Video"), "(*.m2ts;*.mts)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Matroska Files"), "(*.mkv;*.mka)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Microsoft Digital Video Recording"), "(*.dvr-ms)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MIDI Files"), "(*.midi;*.mid;*.rmi;*.kar)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MJPEG Video Files"), "(*.mjpg;*.mjpeg)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MMF Files"), "(*.mmf)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MOD Musics"),
     "(*.mod;*.xm;*.it;*.s3m;*.mtm;*.umx;*.mo3)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Monkey's Audio"), "(*.ape;*.mac)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MP3 Files"), "(*.mp3)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG Audio Files"), "(*.mpa;*.mpga;*.m2a)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG Video Files"),
     "(*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG-4 Audio Files"), "(*.m4a;*.m4b;*.mp4)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG4 TS HD Video"), "(*.ts)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG-4 Video Files"), "(*.mp4;*.m4v;*.mpv;*.psp)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Musepack"), "(*.mpc;*.mp+;*.mpp)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Nullsoft Audio/Video Files"), "(*.nsv;*.nsa)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "NUT Files"), "(*.nut)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "OGG Files"), "(*.ogg;*.oga;*.ogm;*.ogv;*.ogx)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Opus Files"), "(*.opus)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "QuickTime Files"), "(*.mov;*.qt)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h261 Files"), "(*.h261)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h263 Files"), "(*.h263)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h264 Video Files"), "(*.h264;*.264)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Real Audio Files"), "(*.ra;*.ram)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Real Media Files"), "(*.rm;*.rmvb)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Speex"), "(*.spx)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "The True Audio"), "(*.tta)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "WAV Files"), "(*.wav)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "WavPack"), "(*.wv)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "Windows Media Files"),
     "(*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)"},
    {QT_TRANSLATE_NOOP("OpenFileFilters", "YUV Video File"), "(*.yuv)"},
};

// "(*.aiff;*.aif)" of a description as "*.aiff *.aif".
std::string DialogPatterns(const std::string& description) {
  const size_t open = description.rfind('(');
  const size_t close = description.rfind(')');
  const std::string list = description.substr(open + 1, close - open - 1);
  std::string patterns;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    const std::string pattern = list.substr(start, end - start);
    if (!patterns.empty()) patterns += ' ';
    patterns += pattern == "*.*" ? "*" : pattern;
    start = end + 1;
  }
  return patterns;
}

std::string Translated(const char* text) {
  return QCoreApplication::translate("OpenFileFilters", text).toStdString();
}

}  // namespace

std::vector<std::string> OpenFileFilters() {
  std::vector<std::string> filters;
  // Every kind's patterns once each, in the order of the kinds.
  std::vector<std::string> allPatterns;
  for (const FileKind& kind : kDescriptions) {
    const std::string patterns = DialogPatterns(kind.patterns);
    filters.push_back(Translated(kind.name) + " " + kind.patterns + " (" + patterns + ")");
    std::istringstream words(patterns);
    for (std::string pattern; words >> pattern;)
      if (pattern != "*" &&
          std::find(allPatterns.begin(), allPatterns.end(), pattern) == allPatterns.end())
        allPatterns.push_back(pattern);
  }
  std::string all = Translated(kAllSoundFiles) + " (";
  for (size_t index = 0; index < allPatterns.size(); ++index)
    all += (index == 0 ? "" : " ") + allPatterns[index];
  filters.insert(filters.begin(), all + ")");
  return filters;
}

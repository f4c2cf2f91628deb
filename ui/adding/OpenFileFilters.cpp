#include "ui/adding/OpenFileFilters.h"

#include <algorithm>
#include <sstream>

namespace {

// The first filter, offered before the rest: every pattern of the kinds
// below.
const char* const kAllSoundFiles = "All sound files Sondrel reads";

// The descriptions as the dialog shows them; each one's patterns are the
// text between its parentheses, separated by ';'. All Files comes first.
const char* const kDescriptions[] = {
    "All Files (*.*)",
    "3GPP Files (*.3gp)",
    "3GPP2 Files (*.3g2)",
    "Adobe Flash Files (*.swf)",
    "Advanced Audio Coding (*.aac)",
    "AIFF Files (*.aiff;*.aif;*.aifc;*.afc)",
    "AMR Files (*.amr;*.awb)",
    "AU Files (*.au;*.snd)",
    "AVI Files (*.avi)",
    "CD Audio (*.cda)",
    "Creative Voice Files (*.voc)",
    "CRI ADX Files (*.adx)",
    "Dolby Digital AC-3 (*.ac3)",
    "DTS Files (*.dts)",
    "DV Video Files (*.dv;*.dif)",
    "DVD Video Files (*.vob;*.dvd)",
    "Electronic Arts CDATA Files (*.cdata)",
    "Flash Video Files (*.flv)",
    "Free Lossless Audio Codec (*.flac)",
    "H.264/MPEG4 AVC Video (*.m2ts;*.mts)",
    "Matroska Files (*.mkv;*.mka)",
    "Microsoft Digital Video Recording (*.dvr-ms)",
    "MIDI Files (*.midi;*.mid;*.rmi;*.kar)",
    "MJPEG Video Files (*.mjpg;*.mjpeg)",
    "MMF Files (*.mmf)",
    "MOD Musics (*.mod;*.xm;*.it;*.s3m;*.mtm;*.umx;*.mo3)",
    "Monkey's Audio (*.ape;*.mac)",
    "MP3 Files (*.mp3)",
    "MPEG Audio Files (*.mpa;*.mpga;*.m2a)",
    "MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)",
    "MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)",
    "MPEG4 TS HD Video (*.ts)",
    "MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)",
    "Musepack (*.mpc;*.mp+;*.mpp)",
    "Nullsoft Audio/Video Files (*.nsv;*.nsa)",
    "NUT Files (*.nut)",
    "OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)",
    "Opus Files (*.opus)",
    "QuickTime Files (*.mov;*.qt)",
    "Raw h261 Files (*.h261)",
    "Raw h263 Files (*.h263)",
    "Raw h264 Video Files (*.h264;*.264)",
    "Real Audio Files (*.ra;*.ram)",
    "Real Media Files (*.rm;*.rmvb)",
    "Speex (*.spx)",
    "The True Audio (*.tta)",
    "WAV Files (*.wav)",
    "WavPack (*.wv)",
    "Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)",
    "YUV Video File (*.yuv)",
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

}  // namespace

std::vector<std::string> OpenFileFilters() {
  std::vector<std::string> filters;
  // Every kind's patterns once each, in the order of the kinds.
  std::vector<std::string> allPatterns;
  for (const char* description : kDescriptions) {
    const std::string patterns = DialogPatterns(description);
    filters.push_back(std::string(description) + " (" + patterns + ")");
    std::istringstream words(patterns);
    for (std::string pattern; words >> pattern;)
      if (pattern != "*" &&
          std::find(allPatterns.begin(), allPatterns.end(), pattern) == allPatterns.end())
        allPatterns.push_back(pattern);
  }
  std::string all = std::string(kAllSoundFiles) + " (";
  for (size_t index = 0; index < allPatterns.size(); ++index)
    all += (index == 0 ? "" : " ") + allPatterns[index];
  filters.insert(filters.begin(), all + ")");
  return filters;
}

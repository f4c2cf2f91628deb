#include "cli/InfoJson.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <ostream>

#include "convert/LoudnessMeter.h"

#include "source/AudioSource.h"
#include "source/SourceKind.h"

namespace {

// A count the probe reports, or null where it reported none (0).
QJsonValue Count(uint32_t value) {
  return value > 0 ? QJsonValue(static_cast<qint64>(value)) : QJsonValue();
}

// The length in seconds, to the millisecond (0.4 for a 400 ms clip), or
// whole seconds where the probe reported no milliseconds; null when it
// reported neither.
QJsonValue Seconds(const SourceFile& entry) {
  if (entry.durationMs > 0) return static_cast<double>(entry.durationMs) / 1000;
  return Count(entry.duration);
}

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonValue Text(const std::string& text) {
  return text.empty() ? QJsonValue() : QJsonValue(Utf8(text));
}

// The exact bytes of a path that is not valid UTF-8, so that a script can
// still name the file; null for a valid one. Decoding replaces each bad
// byte, so a path that does not survive the round trip is not valid UTF-8.
QJsonValue PathBytes(const std::string& path) {
  const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
  if (Utf8(path).toUtf8() == bytes) return QJsonValue();
  return QString::fromLatin1(bytes.toHex());
}

// The names of the MPEG audio channel modes, by mode.
const char* const kChannelModeNames[] = {"stereo", "joint stereo", "dual channel", "mono"};

// An entry with a channel mode (MPEG audio named so): the mode the list
// shows, and the count it implies; other entries: the channel count.
void AddChannels(const SourceFile& entry, QJsonObject& object) {
  QJsonValue channels = Count(entry.channels);
  QJsonValue mode;
  if (entry.HasChannelMode()) {
    const bool known = entry.channelMode < CHANNEL_MODE_UNKNOWN;
    if (known) mode = QString::fromLatin1(kChannelModeNames[entry.channelMode]);
    channels = known ? QJsonValue(entry.channelMode == CHANNEL_MODE_MONO ? 1 : 2) : QJsonValue();
  }
  object[QStringLiteral("channels")] = channels;
  object[QStringLiteral("channel_mode")] = mode;
}

// Every value of a field that may hold several: the first, then the further ones.
QJsonArray AllValues(const std::string& first, const std::vector<std::string>& more) {
  QJsonArray values;
  if (!first.empty()) values.append(Text(first));
  for (const std::string& value : more) values.append(Text(value));
  return values;
}

QJsonObject TagsObject(const TagInfo& tags) {
  return QJsonObject{{QStringLiteral("album_artist"), Text(tags.albumArtist)},
                     {QStringLiteral("disc"), Text(tags.disc)},
                     {QStringLiteral("artists"), AllValues(tags.artist, tags.moreArtists)},
                     {QStringLiteral("genres"), AllValues(tags.genre, tags.moreGenres)},
                     {QStringLiteral("title"), Text(tags.title)},
                     {QStringLiteral("artist"), Text(tags.artist)},
                     {QStringLiteral("album"), Text(tags.album)},
                     {QStringLiteral("year"), Text(tags.year)},
                     {QStringLiteral("genre"), Text(tags.genre)},
                     {QStringLiteral("comment"), Text(tags.comment)},
                     {QStringLiteral("track"), Text(tags.track)},
                     {QStringLiteral("composer"), Text(tags.composer)},
                     {QStringLiteral("copyright"), Text(tags.copyright)}};
}

QJsonObject EntryObject(const SourceFile& entry) {
  QJsonObject object;
  object[QStringLiteral("path")] = Utf8(entry.path);
  object[QStringLiteral("path_bytes_hex")] = PathBytes(entry.path);
  object[QStringLiteral("duration")] = Seconds(entry);
  object[QStringLiteral("sample_rate")] = Count(entry.sampleRate);
  object[QStringLiteral("bit_rate")] = Count(entry.bitRate);
  AddChannels(entry, object);
  // What the file holds, not what its name suggests: an Ogg file named
  // ".mp3" is "ogg".
  const char* kind = SourceKindName(entry.KnownKind());
  object[QStringLiteral("kind")] = kind ? QJsonValue(QString::fromLatin1(kind)) : QJsonValue();
  object[QStringLiteral("kind_code")] = entry.KnownKind();
  return object;
}

// A measured value to the hundredth; null when it is not a number.
QJsonValue Hundredths(bool measured, double value) {
  if (!measured || !std::isfinite(value)) return QJsonValue();
  return std::round(value * 100) / 100;
}

void AddLoudness(const LoudnessValues& values, QJsonObject& object) {
  object[QStringLiteral("loudness_lufs")] = Hundredths(values.measured, values.integrated);
  object[QStringLiteral("loudness_range_lu")] = Hundredths(values.measured, values.range);
  object[QStringLiteral("true_peak_dbtp")] =
      Hundredths(values.measured, PeakDecibels(values.truePeak));
}

}  // namespace

void WriteInfoJson(const std::vector<std::unique_ptr<SourceFile>>& entries,
                   const std::function<TagInfo(const SourceFile&)>& tagsOf, std::ostream& out,
                   const std::vector<LoudnessValues>* loudness) {
  QJsonArray array;
  for (size_t i = 0; i < entries.size(); ++i) {
    const auto& entry = entries[i];
    QJsonObject object = EntryObject(*entry);
    if (tagsOf) object[QStringLiteral("tags")] = TagsObject(tagsOf(*entry));
    if (loudness && i < loudness->size()) AddLoudness((*loudness)[i], object);
    array.append(object);
  }
  const QByteArray text = QJsonDocument(array).toJson(QJsonDocument::Indented);
  out.write(text.constData(), text.size());
}

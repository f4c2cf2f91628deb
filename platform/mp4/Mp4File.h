#pragma once

// Writing an MPEG-4 file with one AAC audio track, through the calls of an
// MPEG-4 container library (create, time scale, add an audio track, profile
// level, ES configuration, write samples with their durations and rendering
// offsets, metadata, close), carried out by libavformat's `ipod` and `mp4`
// muxers.
//
// Calling order: Mp4Create; Mp4SetTimeScale and Mp4SetAudioProfileLevel
// (optional); Mp4AddAudioTrack; Mp4SetTrackESConfiguration; metadata
// setters; Mp4WriteSample per sample; Mp4Close. Metadata may also be set
// between samples: it is written when the file is completed.

#include <cstdint>
#include <memory>
#include <string>

struct Mp4File;

using Mp4TrackId = uint32_t;
inline constexpr Mp4TrackId kMp4InvalidTrackId = 0;

// The object type of MPEG-4 audio (AAC) in an ES descriptor.
inline constexpr uint8_t kMp4Mpeg4AudioType = 0x40;

// Creates (or truncates) `path`. Its extension chooses the layout: ".mp4"
// an MP4 file (brand "isom"), ".m4b" an audio book (brand "M4B "), any other
// an M4A file (brand "M4A "). Null when the file cannot be created.
Mp4File* Mp4Create(const std::string& path);

// The movie's time scale (units per second) of the movie header and of the
// edit lists. False after the first sample.
bool Mp4SetTimeScale(Mp4File* file, uint32_t timeScale);

// Adds the audio track, whose time scale (units of sample durations) is
// `sampleRate`. Each sample carries its own duration. Only one track of
// type kMp4Mpeg4AudioType; kMp4InvalidTrackId otherwise or after the first
// sample.
Mp4TrackId Mp4AddAudioTrack(Mp4File* file, uint32_t sampleRate, uint8_t audioType);

// The audio profile level of the initial object descriptor (0x0F: high
// quality audio). False after the first sample.
bool Mp4SetAudioProfileLevel(Mp4File* file, uint8_t level);

// The track's AudioSpecificConfig; its channel configuration gives the
// track's channel count. False for a config that is not one, or after the
// first sample.
bool Mp4SetTrackESConfiguration(Mp4File* file, Mp4TrackId track, const uint8_t* config,
                                uint32_t size);

// Stores one sample of `size` bytes lasting `duration` units of the track's
// time scale. The first sample's rendering offset is the encoder's priming:
// that many units at the start are decoded but not played (an edit list
// says so), so players and decoders trim them. Later samples' offsets are
// composition offsets. False when the sample cannot be written; the file
// has failed then.
bool Mp4WriteSample(Mp4File* file, Mp4TrackId track, const uint8_t* bytes, uint32_t size,
                    uint64_t duration, int64_t renderingOffset, bool isSyncSample);

// iTunes-style metadata in UTF-8, stored unchanged: ©nam, ©ART, ©alb,
// trkn, disk, aART, ©day, ©gen, ©cmt, ©wrt. An empty text removes the
// item. A track or disc number of 0 writes no trkn or disk; a total of 0
// writes the number alone.
bool Mp4SetMetadataName(Mp4File* file, const std::string& text);
bool Mp4SetMetadataArtist(Mp4File* file, const std::string& text);
bool Mp4SetMetadataAlbum(Mp4File* file, const std::string& text);
bool Mp4SetMetadataTrack(Mp4File* file, uint16_t track, uint16_t totalTracks);
bool Mp4SetMetadataDisk(Mp4File* file, uint16_t disk, uint16_t totalDisks);
bool Mp4SetMetadataAlbumArtist(Mp4File* file, const std::string& text);
bool Mp4SetMetadataYear(Mp4File* file, const std::string& text);
bool Mp4SetMetadataGenre(Mp4File* file, const std::string& text);
bool Mp4SetMetadataComment(Mp4File* file, const std::string& text);
bool Mp4SetMetadataWriter(Mp4File* file, const std::string& text);

// Completes the file (sample tables, metadata), closes it and frees
// `file`. True only when every byte reached the file system; false also
// for a file without a track. Null is harmless (true).
bool Mp4Close(Mp4File* file);

// Frees the file without caring whether it could be completed: for paths
// that remove it anyway.
struct Mp4FileCloser {
  void operator()(Mp4File* file) const { Mp4Close(file); }
};
using Mp4FilePtr = std::unique_ptr<Mp4File, Mp4FileCloser>;

#pragma once

// The AMR encoders: narrow band (8000 Hz, frames of 160 samples) over
// opencore-amrnb and wide band (16000 Hz, frames of 320 samples) over
// vo-amrwbenc. Each init call creates (or truncates) the output file and
// writes the storage format's magic ("#!AMR\n" or "#!AMR-WB\n"); each
// encode call encodes exactly one frame of mono signed 16-bit samples and
// appends it, with its table-of-contents byte, to the file; quit finishes
// the file and releases the encoder.
//
// Every write is checked. After a failed write an encoder writes nothing
// more: its encode calls answer -1 and its quit call reports the failure,
// so the caller can remove the incomplete file.

struct AmrNbEncoder;
struct AmrWbEncoder;

// Samples per frame of each band.
inline constexpr int kAmrNbFrameSamples = 160;
inline constexpr int kAmrWbFrameSamples = 320;

// The highest mode index of each band: 7 (12.2 kbit/s) narrow band, 8
// (23.85 kbit/s) wide band. The lowest is 0 in both.
inline constexpr int kAmrNbMaxMode = 7;
inline constexpr int kAmrWbMaxMode = 8;

// Creates `path` and a narrow-band encoder at `mode` (0..7) with
// discontinuous transmission when `dtx` is not 0. Null, with no file
// created, for a mode out of range; null, with nothing left on disk, when
// the file or the encoder cannot be made.
AmrNbEncoder* amrnbenc_init(const char* path, int dtx, int mode);

// Encodes kAmrNbFrameSamples samples and appends the frame. The bytes
// written (the frame with its table-of-contents byte); -1 when the frame
// could not be written or an earlier write failed.
int amrnbenc_encode(AmrNbEncoder* handle, const short* samples);

// Closes the file and releases the encoder (null is allowed). 0 when every
// byte reached the file system, -1 otherwise.
int amrnbenc_quit(AmrNbEncoder* handle);

// The same for wide band: `mode` 0..8, kAmrWbFrameSamples samples a frame.
AmrWbEncoder* amrwbenc_init(const char* path, int dtx, int mode);
int amrwbenc_encode(AmrWbEncoder* handle, const short* samples);
int amrwbenc_quit(AmrWbEncoder* handle);

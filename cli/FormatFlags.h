#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Arguments.h"

struct ConvertSettings;

// The flags of `convert` that set a value of the output format: --bitrate,
// --rate, --channels, --tag and --quality (the MP3 VBR level or the Vorbis
// quality, with the format's quality mode switched on; --bitrate switches
// it off).
bool IsFormatFlag(const std::string& name);

// Applies the format flags to the output format of `settings`: each sets its
// option and switches the format's automatic mode off, for this run. A
// value that the format's own rules then change (a bit rate rounded to the
// format's list or held within what its rate and channels allow, a rate
// moved to the nearest the encoder takes, the WMA codec format picked from
// the list) is said once on `err`, with the value used. False with a
// message on `err` when a flag does not apply to the format or its value
// cannot be used: a rate MP3 cannot be written at is refused, naming the
// rates it takes.
bool ApplyFormatFlags(const std::vector<Arguments::Flag>& flags, ConvertSettings& settings,
                      std::ostream& err);

#pragma once

#include <string>
#include <vector>

// Every value of the artist and the genre (UTF-8, first value first) stored
// in a finished MP4 (.m4a, .mp4, .m4b) or ASF (.wma) file through TagLib,
// where the muxer that made the file holds only one value per name:
//   MP4  the items "©ART" and "©gen" as string lists (a data atom per value);
//   ASF  repeated "WM/Genre" and "Author" attributes (the content
//        description's author is cleared, so the first artist has one
//        home). TagLib stores an attribute's first value in the extended
//        content description and the others in the metadata object, which
//        comes first in the header: readers that keep one value per name
//        keep the one read last, the first value; TagLib lists it last.
// A list of fewer than two values leaves its name as it is. The file is
// opened without following a link. True when the file was saved; false for
// another format, a file TagLib cannot read, or a failed save.
bool WriteMultiValueTags(const std::string& path, const std::vector<std::string>& artists,
                         const std::vector<std::string>& genres);

// The values of the attribute `name` of the ASF file at `path` in their
// order as written (the one TagLib lists last first). Empty when there are
// none or the file cannot be read.
std::vector<std::string> ReadAsfValues(const std::string& path, const char* name);

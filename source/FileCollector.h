#pragma once

#include <optional>
#include <string>
#include <vector>

// The search of Add Folder and of dropped items: every file of a folder
// and its sub-folders that passes the extension filter, with shortcuts
// followed to their targets.
//
// `filterList` is the settings' extension filter (lower-case extensions
// without dots, empty entries allowed); `filterEnabled` is EnableExtFilter.

// The folder and its sub-folders, depth first, each folder before its
// sub-folders, siblings in name order. A folder reached twice through
// symbolic links is taken once.
std::vector<std::string> CollectFolders(const std::string& folder);

// The files of the folder and of all its sub-folders that pass the filter,
// folder by folder in CollectFolders order, files in name order. The
// hidden temporary files of conversions (IsTemporaryName) are left out.
std::vector<std::string> CollectFiles(const std::string& folder, bool filterEnabled,
                                      const std::vector<std::string>& filterList);

// Where `file` lies below `folder` (the folder searched when it was found),
// lexically, both made absolute and normalised: "" for the folder's own
// files and when `folder` is "", "a/b" for a file in its sub-folder a/b;
// a path that climbs out ("../x") for a file reached through a shortcut
// to elsewhere, which output placement does not repeat.
std::string SubfolderBelow(const std::string& file, const std::string& folder);

// One file through the filter: with the filter off the path as it is;
// with it on, the path when its extension is in the list, else the target
// of a shortcut that passes (chains stop after 8 shortcuts); empty when
// dropped.
std::optional<std::string> FilterPath(const std::string& path, bool filterEnabled,
                                      const std::vector<std::string>& filterList);

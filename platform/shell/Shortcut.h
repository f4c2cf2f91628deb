#pragma once

#include <optional>
#include <string>

// The target of a shortcut file: a Windows ".lnk" file (its relative path
// resolved against the shortcut's folder first, then its local path, both
// with "\" turned into "/"), or a freedesktop ".desktop" file of Type=Link
// with a "file://" URL. Empty when the file is no shortcut or its target
// does not exist. Symbolic links need nothing: the file system follows them.
std::optional<std::string> ResolveShortcut(const std::string& shortcutPath);

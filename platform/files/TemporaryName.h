#pragma once

#include <string>

// The names of the files that conversions write before they become
// outputs: "<folder>/.<base>.<six letters or digits><extension>", hidden,
// beside the target "<folder>/<base><extension>", with the target's
// extension last (writers choose their container by it). The base is
// shortened, at a character boundary, when the longer name would pass the
// file system's name or path limit.

inline constexpr int TEMPORARY_RANDOM_CHARS = 6;

// The temporary name for `target` with the random part `random`; "" when
// the target's own name is too long for its file system, since the output
// could never take it.
std::string TemporaryNameFor(const std::string& target, const std::string& random);

// Whether the file name `name` (without folder) has the form of a
// temporary output's name: the folder search passes over such files.
bool IsTemporaryName(const std::string& name);

// Whether `name` (without folder) is a temporary name that the target
// `target` is given: the files of earlier conversions to that target.
bool IsTemporaryNameOf(const std::string& name, const std::string& target);

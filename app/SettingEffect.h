#pragma once

#include <string>

struct ConvertSettings;

// When the value of an option is used. Many options only count under
// others: an MP3 bit rate only when MP3 output is written with automatic
// parameters off, a preset's title only when the format's tag comes from
// its preset, the output folder only when outputs go to a custom folder.
// Front ends use this to say so when a value the user set would be ignored.

// The assignment that would make the value of option `name` (as `sondrel-cli
// options` prints it: "MP3BitRate", "MP3Tag/Artist") count under
// `settings`, such as "AutoDestMP3EncodingParam=off", or "" when it counts
// already or nothing else decides. With `checkFormat`, an option of another
// output format than the chosen one answers "OutputFormat=mp3" first.
std::string AssignmentThatMakesItCount(const std::string& name, const ConvertSettings& settings,
                                       bool checkFormat);

// Options only the window uses: the folder Add Folder starts in, the page
// the options sheet opens on, showing outputs in the file manager.
bool IsWindowOnlySetting(const std::string& name);

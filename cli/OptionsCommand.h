#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ExitCode.h"

class SettingsRoot;
struct ConvertSettings;

// `sondrel-cli options [NAME=VALUE...]`: without arguments prints every
// persisted option as Name=Value after loading, the tag presets last as
// MP3Tag/Title=...; with arguments validates every pair, applies the same
// corrections as loading, saves the write groups that own the changed
// values, and prints the values as stored. Texts are printed as `info
// --tags` prints them, tabs, line feeds and backslashes as \t, \n and \\,
// and taken back the same way.
// A settings file that exists but cannot be read or parsed is named on
// stderr and never written.
ExitCode RunOptionsCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           SettingsRoot& root, std::ostream& out, std::ostream& err);

// Every persisted option of `settings` as Name=Value lines, in table order.
void PrintOptions(const ConvertSettings& settings, std::ostream& out);

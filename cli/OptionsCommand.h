#pragma once

#include <cstdint>
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
// --tags` prints them: tabs, line feeds and backslashes as \t, \n and \\.
// A settings file that exists but cannot be read or parsed is named on
// stderr and never written.
ExitCode RunOptionsCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           SettingsRoot& root, std::ostream& out, std::ostream& err);

// Parses "NAME=VALUE" (names as `options` prints them) and applies it to
// `settings` with the corrections that loading applies; false with a
// message on `err` for an unknown name or a value of the wrong kind. The
// write group that owns the value is added to `*group` when given.
bool ApplyOptionAssignment(const std::string& pair, ConvertSettings& settings, std::ostream& err,
                           uint32_t* group = nullptr);

// Every persisted option of `settings` as Name=Value lines, in table order.
void PrintOptions(const ConvertSettings& settings, std::ostream& out);

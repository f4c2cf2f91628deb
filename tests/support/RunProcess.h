#pragma once

#include <map>
#include <string>
#include <vector>

// The outcome of running a program to its end.
struct ProcessResult {
  int exitCode = -1;  // -1 when the program could not start or crashed
  std::string out;
  std::string err;
};

// Runs `program` with `args` (no shell), with the current environment plus
// `env`, and waits for it.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {});

// Runs the built sondrel-cli.
ProcessResult RunCliProcess(const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& env = {});

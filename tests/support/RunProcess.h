#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The outcome of running a program to its end.
struct ProcessResult {
  int exitCode = -1;  // -1 when the program could not start, crashed or ran out of time
  std::string out;
  std::string err;      // the program's stderr, or why it did not run to its end
  std::string command;  // the program and its arguments, for messages
};

// How long a child of a test may run before it is killed.
constexpr int kProcessSeconds = 300;

// Runs `program` with `args` (no shell), with the current environment plus
// `env`, in `workingFolder` (empty: the test's own), and waits for it, at
// most `seconds`. A program that is still running then is killed, and the
// running test fails with its command line.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {},
                         int seconds = kProcessSeconds, const std::string& workingFolder = "");

// Runs the built sondrel-cli.
ProcessResult RunCliProcess(const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& env = {},
                            int seconds = kProcessSeconds, const std::string& workingFolder = "");

// Success when the program exited with 0; otherwise a failure that names
// the command, its exit code and its stderr. Fixtures made by a tool are
// checked with it: ASSERT_TRUE(Succeeded(RunProcess("sox", {...}))).
testing::AssertionResult Succeeded(const ProcessResult& result);

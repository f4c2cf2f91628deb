#pragma once

// Exit codes of sondrel-cli, one for each kind of outcome scripts tell apart.
enum ExitCode : int {
  EXIT_OK = 0,
  EXIT_FAILED = 1,  // the command ran and something it had to do failed
  EXIT_USAGE = 2,   // the command line itself was wrong; nothing was done
  EXIT_CANCELLED = 130,  // interrupted (Ctrl+C): the file being converted was removed
};

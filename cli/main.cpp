#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "platform/process/Signals.h"

int main(int argc, char** argv) {
  IgnoreFileSizeSignal();
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCli(args, std::cout, std::cerr);
}

#pragma once

#include <string>
#include <vector>

class Desktop;

// The desktop program's run: the engine started with its add-ons (the
// "Failed to initialize the software (0x0002020)." box when it cannot
// start), the main window shown with the user's settings and the
// files named on the command line added as a drop, the event loop, and the
// engine released at the end. Answers the process's exit code.
int RunSondrel(const std::vector<std::string>& files, Desktop& desktop);

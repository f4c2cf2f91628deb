#pragma once

#include <string>
#include <vector>

// The filters of the Add Files dialog, in the order offered; the first is
// selected when it opens. Each is the description the user reads, followed
// by the same patterns in the form QFileDialog applies: space-separated in
// a last pair of parentheses, for example
//   "AIFF Files (*.aiff;*.aif;*.aifc;*.afc) (*.aiff *.aif *.aifc *.afc)".
// The dialog, told to hide filter details, shows the description alone and
// compares names regardless of letter case. "*.*" becomes "*", so that All
// Files also matches names without a dot. The first filter, "All sound
// files Sondrel reads", holds every pattern of the others but All Files.
std::vector<std::string> OpenFileFilters();

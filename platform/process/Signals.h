#pragma once

// How a front-end process meets the signals that would otherwise end it in
// the middle of writing a file. The command-line front end calls both; a
// window front end calls them the same way.

// Ignores SIGXFSZ, so that a write past the file-size limit (`ulimit -f`)
// fails with EFBIG as on a full disk: the file being written fails like any
// other write error and the batch goes on. Call it first thing.
void IgnoreFileSizeSignal();

// From now on INT, TERM, HUP, QUIT and PIPE (the reader of the program's
// output went away, as in `sondrel-cli convert ... | head -1`) no longer end
// the process: each one sets the flag that CancelSignalReceived reports,
// which the front end treats as its Cancel button, so the file being
// converted is removed and earlier outputs stay. Clears the flag.
void CatchCancelSignals();

// Whether one of those signals arrived since CatchCancelSignals.
bool CancelSignalReceived();

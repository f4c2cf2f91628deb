#include "platform/process/Signals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t cancelReceived = 0;

extern "C" void OnCancelSignal(int) {
  cancelReceived = 1;
}

}  // namespace

void IgnoreFileSizeSignal() {
  struct sigaction action {};
  action.sa_handler = SIG_IGN;
  sigemptyset(&action.sa_mask);
  sigaction(SIGXFSZ, &action, nullptr);
}

void CatchCancelSignals() {
  cancelReceived = 0;
  struct sigaction action {};
  action.sa_handler = OnCancelSignal;
  sigemptyset(&action.sa_mask);
  // Cancel is polled between blocks, so interrupted calls simply resume.
  action.sa_flags = SA_RESTART;
  const int signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
  for (const int signal : signals) sigaction(signal, &action, nullptr);
}

bool CancelSignalReceived() {
  return cancelReceived != 0;
}

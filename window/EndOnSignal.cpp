#include "window/EndOnSignal.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

// The handler only writes a byte; the window's thread reads it and acts.
int SignalSockets[2] = {-1, -1};

void Handle(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(SignalSockets[0], &byte, 1);
  errno = saved;
}

}  // namespace

bool EndOnSignals(QAction* exit) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalSockets) != 0) {
    std::perror("axim7-sim: signals");
    return false;
  }
  ::fcntl(SignalSockets[0], F_SETFL, O_NONBLOCK);
  auto* notifier = new QSocketNotifier(SignalSockets[1], QSocketNotifier::Read, exit);
  QObject::connect(notifier, &QSocketNotifier::activated, exit, [exit] {
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(SignalSockets[1], bytes, sizeof bytes);
    exit->trigger();
  });
  struct sigaction action {};
  action.sa_handler = Handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  bool routed = true;
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    routed = ::sigaction(signal, &action, nullptr) == 0 && routed;
  return routed;
}

#include "QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "Runtime.h"

namespace fw {

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler writes a byte into this pipe; the event loop reads it.
std::atomic<int> signalPipeWriteEnd{-1};
int signalPipeReadEnd = -1;

// NOTE: runs on whichever thread the signal lands on, in the middle of
// anything: only async-signal-safe calls here.
void NoteQuitSignal(int) {
  const int savedErrno = errno;
  const char byte = 0;
  // A full pipe already holds a request to quit.
  [[maybe_unused]] const ssize_t written = write(signalPipeWriteEnd.load(), &byte, 1);
  errno = savedErrno;
}

bool OpenSignalPipe() {
  if (signalPipeReadEnd >= 0) return true;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
    std::fprintf(stderr, "Quit signals end the process at once: no pipe: %s\n", std::strerror(errno));
    std::fflush(stderr);
    return false;
  }
  signalPipeReadEnd = ends[0];
  signalPipeWriteEnd.store(ends[1]);
  return true;
}

void QuitOnNotedSignal() {
  char bytes[16];
  while (read(signalPipeReadEnd, bytes, sizeof bytes) > 0) {
  }
  Quit(0);
}

// A signal that the process was started with ignored (nohup, a background
// job of a shell) stays ignored. Read before the first install changes them.
bool IgnoredAtStart(int signal) {
  static const sigset_t ignored = [] {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kQuitSignals) {
      struct sigaction current {};
      if (sigaction(s, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) sigaddset(&set, s);
    }
    return set;
  }();
  return sigismember(&ignored, signal) == 1;
}

}  // namespace

void InstallQuitSignals(QCoreApplication& app) {
  if (!OpenSignalPipe()) return;
  // One reader per application object; it goes with the object.
  static QPointer<QSocketNotifier> reader;
  if (!reader) {
    reader = new QSocketNotifier(signalPipeReadEnd, QSocketNotifier::Read, &app);
    QObject::connect(reader, &QSocketNotifier::activated, &QuitOnNotedSignal);
  }
  struct sigaction action {};
  action.sa_handler = &NoteQuitSignal;
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int signal : kQuitSignals) {
    if (!IgnoredAtStart(signal)) sigaction(signal, &action, nullptr);
  }
}

}  // namespace fw

#pragma once

class QCoreApplication;

namespace fw {

// SIGTERM, SIGINT and SIGHUP (a desktop session that ends, Ctrl+C, a closed
// terminal) end the application as File > Quit does: the event loop ends with
// status 0, so that the finalisers run. The handler only notes the signal; the
// event loop quits. After one signal the next of its kind ends the process at
// once, as every one did without this handling, so that an application that
// never gets back to its event loop can still be ended. A signal ignored when
// the process started (nohup) stays ignored. RuntimeInit installs it for each
// application object.
void InstallQuitSignals(QCoreApplication& app);

}  // namespace fw

#pragma once

#include <QtGlobal>

class QString;

namespace fw {

// The HTML engine starts late, from a module loaded long after the
// application: Qt warns about that as the module loads and as the engine is
// prepared, and the engine prints a block of start-up information. All are
// expected here, so they are dropped; every other message passes.
bool IsLateStartNotice(QtMsgType type, const char* category, const QString& message);

// Installs a message handler that drops those notices and hands everything
// else to the handler installed before it, and keeps the information block
// off. Called before the module loads.
void SilenceLateStartNotices();

}  // namespace fw

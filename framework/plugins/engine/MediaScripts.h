#pragma once

class QWebEngineProfile;

namespace fw {

// Scripts that every page of the viewer runs from the start, so that the
// player pages it is given play as they stand, and play cheaply.
void InstallMediaScripts(QWebEngineProfile& profile);

}  // namespace fw

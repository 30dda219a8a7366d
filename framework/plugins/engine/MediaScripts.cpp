#include "MediaScripts.h"

#include <QString>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace fw {

namespace {

// Runs `onElement` on every element the parser inserts. An element picks its
// <source> by type a task after insertion, so a change made here is in time.
QString ForEachInsertedElement(const char* onElement) {
  return QStringLiteral(R"JS(
(function () {
  'use strict';
  %1
  new MutationObserver(function (records) {
    records.forEach(function (record) {
      record.addedNodes.forEach(function (node) {
        if (node.nodeType !== Node.ELEMENT_NODE) return;
        onElement(node);
        node.querySelectorAll('*').forEach(onElement);
      });
    });
  }).observe(document, { childList: true, subtree: true });
})();
)JS")
      .arg(QString::fromUtf8(onElement));
}

// The engine knows MP3 only as audio/mpeg and skips a source declared under another spelling.
constexpr const char* kMp3Types = R"JS(
  var MP3_TYPES = ['audio/mpg', 'audio/mp3', 'audio/x-mp3', 'audio/x-mpeg'];
  function onElement(el) {
    if (el.localName !== 'source') return;
    var type = (el.getAttribute('type') || '').trim().toLowerCase();
    if (MP3_TYPES.indexOf(type) >= 0) el.setAttribute('type', 'audio/mpeg');
  })JS";

// The engine autoplays only once it has buffered well ahead, which a live
// stream sent in real time never does: start as soon as it can play.
constexpr const char* kLiveAutoplay = R"JS(
  var armed = new WeakSet();
  function onElement(el) {
    if ((el.localName !== 'audio' && el.localName !== 'video') || !el.hasAttribute('autoplay') || armed.has(el))
      return;
    armed.add(el);
    el.addEventListener('canplay', function () {
      if (el.paused && el.autoplay) el.play().catch(function () {});
    }, { once: true });
  })JS";

QWebEngineScript PageScript(const char* name, const char* onElement) {
  QWebEngineScript script;
  script.setName(QString::fromUtf8(name));
  script.setSourceCode(ForEachInsertedElement(onElement));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setRunsOnSubFrames(true);
  return script;
}

}  // namespace

void InstallMediaScripts(QWebEngineProfile& profile) {
  profile.scripts()->insert(PageScript("mp3-types", kMp3Types));
  profile.scripts()->insert(PageScript("live-autoplay", kLiveAutoplay));
}

}  // namespace fw

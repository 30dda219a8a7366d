#pragma once

#include <functional>

class QString;
class QUrl;
class QVariant;
class QWidget;

namespace fw {

// The HTML engine's side of HTMLViewer. It lives in a module of its own,
// loaded with the first page (see HTMLEngineModule.h), so that a process that
// never shows a page maps nothing of the engine nor of the OpenGL stack it
// starts. Only Qt's own types cross between the two.
class HTMLEngine {
 public:
  enum class EditAction { Undo, Cut, Copy, Paste, SelectAll };

  virtual ~HTMLEngine() = default;

  // The engine's view, to be placed by the viewer.
  virtual QWidget* View() = 0;
  // Shows `html` with `base` as its location.
  virtual void SetHtml(const QString& html, const QUrl& base) = 0;
  // Ends all that the page runs, leaving an empty one, for a view that is hidden.
  virtual void Clear() = 0;
  // Runs `script` in the page; `done`, when given, receives its result.
  virtual void RunJavaScript(const QString& script, std::function<void(const QVariant&)> done) = 0;
  virtual void Trigger(EditAction action) = 0;
};

// The module's one entry point, an extern "C" function of this name and
// type: it prepares the engine on its first call and makes a view as a child
// of `parent`.
using HTMLEngineFactory = HTMLEngine* (*)(QWidget* parent);
inline constexpr char kHTMLEngineFactoryName[] = "tembrel_CreateHTMLEngine";

}  // namespace fw

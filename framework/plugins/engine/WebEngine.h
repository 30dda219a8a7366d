#pragma once

#include <cstdint>
#include <memory>

#include "../HTMLEngine.h"

class QWebEngineProfile;
class QWebEngineView;

namespace fw {

// HTMLEngine on a QWebEngineView with a profile of its own, off the record.
class WebEngine final : public HTMLEngine {
 public:
  explicit WebEngine(QWidget* parent);
  ~WebEngine() override;

  QWidget* View() override;
  void SetHtml(const QString& html, const QUrl& base) override;
  void Clear() override;
  void RunJavaScript(const QString& script, std::function<void(const QVariant&)> done) override;
  void Trigger(EditAction action) override;

 private:
  // NOTE: in this order, so that the view, and the page it owns, go before
  // the profile that the page was made with. The view is a child of the
  // viewer's widget, which outlives the engine.
  std::unique_ptr<QWebEngineProfile> profile_;
  std::unique_ptr<QWebEngineView> view_;
  std::uint64_t documents_ = 0;  // given to the page so far, the empty ones included
};

}  // namespace fw

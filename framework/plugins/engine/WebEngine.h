#pragma once

#include <QPointer>
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
  void RunJavaScript(const QString& script, std::function<void(const QVariant&)> done) override;
  void Trigger(EditAction action) override;

 private:
  std::unique_ptr<QWebEngineProfile> profile_;
  QPointer<QWebEngineView> view_;  // a child of the viewer's widget, which may go first
};

}  // namespace fw

#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <vector>

namespace tembrel::test {

// Takes the place of the desktop's browser for the web schemes while it
// lives, so that what ShowURL hands on is recorded and no browser starts.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  UrlRecorder();
  ~UrlRecorder() override;

  std::vector<QString> opened;

 public slots:
  void Open(const QUrl& url);
};

}  // namespace tembrel::test

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <vector>

#include "framework/ui/ShowURL.h"

namespace {

// Takes the place of the desktop's browser for the web schemes.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  UrlRecorder() {
    for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~UrlRecorder() override {
    for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
  }

  std::vector<QString> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url.toString(QUrl::FullyEncoded)); }
};

TEST(ShowURL, HandsTheExactAddressToTheDesktop) {
  for (const char* url : {"http://www.qax.church/", "http://www.qax.church:8080/live/listen?x=1&y=%20#top",
                          "https://example.org/a/b"}) {
    UrlRecorder recorder;
    fw::ShowURL(url);
    EXPECT_EQ(recorder.opened, std::vector<QString>{QString(url)});
  }
}

}  // namespace

#include "ShowURLTest.moc"

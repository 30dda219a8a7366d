#include "UrlRecorder.h"

#include <QDesktopServices>

namespace tembrel::test {

namespace {

constexpr const char* kWebSchemes[] = {"http", "https"};

}  // namespace

UrlRecorder::UrlRecorder() {
  for (const char* scheme : kWebSchemes) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlRecorder::~UrlRecorder() {
  for (const char* scheme : kWebSchemes) QDesktopServices::unsetUrlHandler(scheme);
}

void UrlRecorder::Open(const QUrl& url) { opened.push_back(url.toString(QUrl::FullyEncoded)); }

}  // namespace tembrel::test

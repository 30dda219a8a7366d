#include "ShowURL.h"

#include <QDesktopServices>
#include <QUrl>

namespace fw {

void ShowURL(std::string_view url) {
  QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

}  // namespace fw

#include "FolderItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QUrl>

#include "../runtime/ClassInfo.h"
#include "../runtime/Exceptions.h"

namespace fw {

namespace {

constexpr PropertyInfo kProperties[] = {
    Field("NativePath", PropertyType::String),
    Field("URLPath", PropertyType::String),
    Field("Exists", PropertyType::Boolean),
};

}  // namespace

const ClassInfo& FolderItem::Description() {
  static const ClassInfo info{.name = "FolderItem", .base = &Object::Description(), .properties = kProperties};
  return info;
}
const ClassInfo& FolderItem::Class() const { return Description(); }

FolderItem::FolderItem(std::string nativePath, bool temporary)
    : nativePath_(std::move(nativePath)), temporary_(temporary) {}

FolderItem::~FolderItem() {
  if (temporary_) QFile::remove(QString::fromStdString(nativePath_));
}

std::string FolderItem::URLPath() const {
  return QUrl::fromLocalFile(QString::fromStdString(nativePath_)).toString(QUrl::FullyEncoded).toStdString();
}

bool FolderItem::Exists() const { return QFile::exists(QString::fromStdString(nativePath_)); }

Ref<FolderItem> GetTemporaryFolderItem() {
  // QTemporaryFile makes a unique name and creates the file owner-only (0600).
  QTemporaryFile file(QDir::tempPath() + "/tembrel-XXXXXX");
  file.setAutoRemove(false);
  if (!file.open()) {
    throw RuntimeException("Cannot create a temporary file: " + file.errorString().toStdString());
  }
  return std::make_shared<FolderItem>(file.fileName().toStdString(), true);
}

}  // namespace fw

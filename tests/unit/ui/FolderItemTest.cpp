#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/FolderItem.h"

namespace {

using namespace fw;

TEST(TemporaryFolderItem, IsAPrivateFileOfItsOwnInTheTemporaryFolder) {
  Ref<FolderItem> a = GetTemporaryFolderItem();
  Ref<FolderItem> b = GetTemporaryFolderItem();
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a->NativePath(), b->NativePath());
  for (const auto& item : {a, b}) {
    QFileInfo info(QString::fromStdString(item->NativePath()));
    SCOPED_TRACE(item->NativePath());
    EXPECT_TRUE(item->Exists());
    EXPECT_TRUE(info.isFile());
    EXPECT_EQ(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_EQ(info.permissions() &
                  (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup |
                   QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
              QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(item->URLPath(), "file://" + item->NativePath());
  }
}

TEST(TemporaryFolderItem, FileGoesWithTheLastReference) {
  Ref<FolderItem> item = GetTemporaryFolderItem();
  const QString path = QString::fromStdString(item->NativePath());
  Ref<FolderItem> other = item;
  item.reset();
  EXPECT_TRUE(QFile::exists(path)) << "another reference remains";
  other.reset();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(FolderItem, PlainItemLeavesItsFileAlone) {
  Ref<FolderItem> temporary = GetTemporaryFolderItem();
  const std::string path = temporary->NativePath();
  std::make_shared<FolderItem>(path).reset();
  EXPECT_TRUE(temporary->Exists());
}

}  // namespace

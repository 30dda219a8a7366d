#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <optional>
#include <vector>

#include "ui/Picture.h"

namespace {

using namespace fw;

// Writes picture resources beside the test executable, where the application's own lie.
class PictureTest : public ::testing::Test {
 protected:
  ~PictureTest() override {
    for (const QString& path : written_) QFile::remove(path);
  }

  void Write(const QString& name, const QByteArray& bytes) {
    QString path = QCoreApplication::applicationDirPath() + '/' + name + ".png";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    written_.push_back(path);
  }

 private:
  std::vector<QString> written_;
};

QByteArray PngOf(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

TEST_F(PictureTest, OpensTheApplicationsPictureByName) {
  const struct {
    const char* what;
    std::optional<QByteArray> bytes;  // nothing: no file at all
    std::optional<QSize> size;        // nothing: nil
  } cases[] = {
      {"a PNG", PngOf(7, 3), QSize(7, 3)},
      {"no such file", std::nullopt, std::nullopt},
      {"an empty file", QByteArray(), std::nullopt},
      {"garbage bytes", QByteArray("\x89PNG\r\n\x1a\n") + " this is not the rest of a PNG", std::nullopt},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QString name = QString("tembrel-picture-test-%1").arg(n++);
    if (c.bytes) Write(name, *c.bytes);
    Ref<Picture> picture = Picture::_OpenFromApp(name.toStdString());
    if (!c.size) {
      EXPECT_EQ(picture, nullptr);
      continue;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), c.size->width());
    EXPECT_EQ(picture->Height(), c.size->height());
  }
}

}  // namespace

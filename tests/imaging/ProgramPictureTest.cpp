#include "imaging/ProgramPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "base/ProgramFolder.h"
#include "support/Pictures.h"

namespace halvena {
namespace {

using test::TRecordedMessages;

// A program folder with the skin "I\B\bk6x4": 4 x 3 pixels of blue.
class ProgramPictureTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("I/B")));
    SetProgramFolder(dir.path().toStdString());
    Write(QStringLiteral("I/B/bk6x4"), test::QtFile(Solid(QSize(4, 3), Qt::blue), "bmp"));
    loader.SetMessages(&messages);
  }
  void TearDown() override { SetProgramFolder(""); }

  static QImage Solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
  }

  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QImage Load(double ratio) { return LoadProgramPicture(loader, "I\\B\\bk6x4", ratio); }

  QTemporaryDir dir;
  TRecordedMessages messages;
  TPMultiImage loader;
};

TEST_F(ProgramPictureTest, FinerCopyIsTakenOnlyOnAFinerScreen) {
  Write(QStringLiteral("I/B/bk6x4@2x"), test::QtFile(Solid(QSize(8, 6), Qt::red), "bmp"));

  const QImage fine = Load(2);
  EXPECT_EQ(fine.size(), QSize(8, 6));
  EXPECT_EQ(fine.devicePixelRatio(), 2);
  EXPECT_EQ(fine.pixel(7, 5), qRgb(255, 0, 0));

  const QImage plain = Load(1);
  EXPECT_EQ(plain.size(), QSize(4, 3));
  EXPECT_EQ(plain.devicePixelRatio(), 1);
  EXPECT_EQ(plain.pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_TRUE(messages.Shown.isEmpty());
  EXPECT_TRUE(loader.Picture().isNull());
}

// A finer copy that is missing, cut short, of another size or no picture at all leaves the
// usual picture, and nobody is bothered with a message about it.
TEST_F(ProgramPictureTest, MissingOrUnsoundFinerCopyFallsBackWithoutAMessage) {
  const QByteArray fine = test::QtFile(Solid(QSize(8, 6), Qt::red), "bmp");
  const struct {
    const char* What;
    QByteArray Bytes;
  } copies[] = {
      {"missing", {}},
      {"cut short", fine.left(fine.size() - 20)},
      {"wrong size", test::QtFile(Solid(QSize(8, 8), Qt::red), "bmp")},
      {"not a picture", QByteArray("BM this is no bitmap")},
  };
  for (const auto& copy : copies) {
    QFile::remove(dir.filePath(QStringLiteral("I/B/bk6x4@2x")));
    if (!copy.Bytes.isEmpty()) Write(QStringLiteral("I/B/bk6x4@2x"), copy.Bytes);
    const QImage picture = Load(2);
    EXPECT_EQ(picture.size(), QSize(4, 3)) << copy.What;
    EXPECT_EQ(picture.devicePixelRatio(), 1) << copy.What;
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 255)) << copy.What;
    EXPECT_TRUE(messages.Shown.isEmpty()) << copy.What;
    EXPECT_EQ(loader.Messages(), &messages) << copy.What;
  }
}

// The usual picture is read and reported as before; without it there is nothing to show.
TEST_F(ProgramPictureTest, UnsoundUsualPictureIsReportedAndGivesNone) {
  Write(QStringLiteral("I/B/bk6x4@2x"), test::QtFile(Solid(QSize(8, 6), Qt::red), "bmp"));
  Write(QStringLiteral("I/B/bk6x4"), QByteArray("BM this is no bitmap"));
  EXPECT_TRUE(Load(2).isNull());
  EXPECT_FALSE(messages.Shown.isEmpty());
}

}  // namespace
}  // namespace halvena

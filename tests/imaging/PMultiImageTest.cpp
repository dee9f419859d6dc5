#include "imaging/PMultiImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "imaging/Decoders.h"

namespace halvena {
namespace {

class TRecordedMessages : public TImageMessages {
 public:
  void ShowError(const QString& text) override { Shown.append("error: " + text); }
  void ShowInformation(const QString& text) override { Shown.append("information: " + text); }
  QStringList Shown;
};

// An 8 x 8 red picture in each of the six formats, under its extension.
std::vector<std::pair<QString, QByteArray>> RedPictures() {
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  test::TPcxLayout pcx{5, 8, 1, 8, 8, 0, {}, QVector<QRgb>(256, qRgb(255, 0, 0))};
  // Two colours, every pixel a literal code, a clear code after every second one.
  const QByteArray gif(
      "GIF89a\x08\x00\x08\x00\x80\x00\x00\xFF\x00\x00\x00\x00\xFF\x2C\x00\x00\x00\x00\x08\x00\x08"
      "\x00\x00\x02\x25\x04\x08\x10\x20\x40\x80\x00\x01\x02\x04\x08\x10\x20\x40\x80\x00\x01\x02"
      "\x04\x08\x10\x20\x40\x80\x00\x01\x02\x04\x08\x10\x20\x40\x80\x00\x01\x02\x05\x00\x3B",
      70);
  return {{"bmp", test::QtFile(red, "bmp")},
          {"gif", gif},
          {"jpg", test::QtFile(red, "jpeg")},
          {"pcx", test::PcxFile(pcx, std::vector<std::uint8_t>(64, 0))},
          {"png", test::QtFile(red, "png")},
          {"tif", test::QtFile(red, "tiff")}};
}

class PMultiImageTest : public testing::Test {
 protected:
  void SetUp() override { loader.SetMessages(&messages); }

  // Writes `bytes` as `name` and loads it; answers the messages shown.
  QStringList Load(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    messages.Shown.clear();
    loader.SetImageName(file.fileName());
    return messages.Shown;
  }

  QTemporaryDir dir;
  TRecordedMessages messages;
  TPMultiImage loader;
};

TEST_F(PMultiImageTest, AllSixFormatsLoadByExtensionAndByContent) {
  for (const auto& [ext, bytes] : RedPictures()) {
    ASSERT_FALSE(bytes.isEmpty()) << qPrintable(ext);
    for (const QString& name : {"pic." + ext, "PIC." + ext.toUpper(), "noext" + ext}) {
      EXPECT_EQ(Load(name, bytes), QStringList()) << qPrintable(name);
      EXPECT_EQ(loader.ImageName(), dir.filePath(name));
      ASSERT_EQ(loader.Picture().size(), QSize(8, 8)) << qPrintable(name);
      EXPECT_EQ(loader.Picture().format(), QImage::Format_RGB32);
      const QRgb pixel = loader.Picture().pixel(4, 4);
      EXPECT_TRUE(qRed(pixel) > 240 && qGreen(pixel) < 16 && qBlue(pixel) < 16) << qPrintable(name);
    }
  }
  loader.SetImageName(QString());
  EXPECT_TRUE(loader.Picture().isNull());
}

TEST_F(PMultiImageTest, ExtensionDecidesEvenWhenTheContentDisagrees) {
  const auto pictures = RedPictures();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const QString wrong = pictures[(i + 1) % pictures.size()].first;
    const QStringList shown = Load("x." + wrong, pictures[i].second);
    ASSERT_EQ(shown.size(), 2) << qPrintable(pictures[i].first);
    EXPECT_TRUE(shown[0].startsWith("error: ")) << qPrintable(shown[0]);
    EXPECT_EQ(shown[1], "information: Reading " + wrong + " file failed");
    EXPECT_TRUE(loader.Picture().isNull());
  }
}

TEST_F(PMultiImageTest, ProbeFailureShowsOnlyTheErrorBox) {
  EXPECT_EQ(Load("notes", "just some text"), QStringList{"error: Unknown image format"});
  EXPECT_EQ(Load("empty", QByteArray()), QStringList{"error: Unknown image format"});
  messages.Shown.clear();
  loader.SetImageName(dir.filePath("missing"));
  EXPECT_EQ(messages.Shown, QStringList{"error: Cannot open the image file"});
  EXPECT_TRUE(loader.Picture().isNull());
}

TEST_F(PMultiImageTest, BrokenFilesReportAndKeepWhatWasDecoded) {
  for (const auto& [ext, bytes] : RedPictures()) {
    // Cut inside the pixel data (a PCX file's palette is at its end), probed by content.
    const qsizetype cut = ext == "pcx" ? 128 + 2 : bytes.size() * 3 / 4;
    const QStringList shown = Load("cut-" + ext, bytes.left(cut));
    ASSERT_EQ(shown.size(), 2) << qPrintable(ext);
    EXPECT_EQ(shown[1], "information: Reading " + ext + " file failed");
    // PCX, BMP and GIF keep the part decoded; PCX without its palette shows grey levels.
    if (ext == "pcx" || ext == "bmp" || ext == "gif") {
      EXPECT_EQ(loader.Picture().size(), QSize(8, 8)) << qPrintable(ext);
    }
  }

  // A PNG whose header claims 30000 x 30000 pixels, a PCX one of 8000 x 8000.
  QByteArray png = RedPictures()[4].second;
  png.replace(16, 8, QByteArray("\0\0\x75\x30\0\0\x75\x30", 8));
  EXPECT_EQ(Load("huge.png", png).value(1), "information: Reading png file failed");
  EXPECT_TRUE(loader.Picture().isNull());
  EXPECT_EQ(Load("huge", test::PcxHeader(test::TPcxLayout{5, 8, 1, 8000, 8000, 0, {}, {}})),
            (QStringList{"error: Image too large", "information: Reading pcx file failed"}));

  // A file larger than any picture may be: refused by its size, before it is read.
  {
    QFile big(dir.filePath("big"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxFileBytes + 1));
  }
  messages.Shown.clear();
  loader.SetImageName(dir.filePath("big"));
  EXPECT_EQ(messages.Shown, QStringList{"error: Image too large"});
  EXPECT_TRUE(loader.Picture().isNull());
}

// Devices that never end and pipes without a writer are no picture files: refused at once,
// without reading or waiting.
TEST_F(PMultiImageTest, OnlyRegularFilesAreRead) {
  ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("endless")));
  ASSERT_TRUE(QFile::link("/dev/urandom", dir.filePath("random")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
  for (const char* name : {"endless", "random", "fifo", "."}) {
    messages.Shown.clear();
    loader.SetImageName(dir.filePath(name));
    EXPECT_EQ(messages.Shown, QStringList{"error: Cannot open the image file"}) << name;
    EXPECT_TRUE(loader.Picture().isNull());
  }
}

// A BMP header whose row size times row count does not fit in 64 bits (width 0x73000003,
// 28 781 bits per pixel, 1 572 865 rows): judged without overflow, and reported.
TEST(Decoders, HostileBmpHeaderIsJudgedWithoutOverflow) {
  QByteArray bmp("BMr", 3);
  bmp += QByteArray(11, '\0');
  bmp += QByteArray("\0\0\0\x20\x03\0\0\x73\x01\0\x18\0\x06\x62\x6d\x70\x03\0\0\0", 20);
  QImage image;
  EXPECT_NE(DecodeImage(TImageFormat::Bmp, bmp, image), TDecodeStatus::Ok);
}

TEST_F(PMultiImageTest, PaletteDepthsDecodeAgainstThePalette) {
  QVector<QRgb> palette(16, qRgb(0, 0, 0));
  palette[5] = qRgb(200, 40, 40);
  palette.append(qRgb(255, 0, 0));  // entry 16: within reach of lColor256 only
  loader.SetPalette(palette);
  const QByteArray png = RedPictures()[4].second;

  loader.SetImageReadRes(lColor16);
  Load("pic", png);
  ASSERT_EQ(loader.Picture().format(), QImage::Format_Indexed8);
  EXPECT_EQ(loader.Picture().colorTable(), palette.mid(0, 16));
  EXPECT_EQ(loader.Picture().pixelIndex(4, 4), 5);

  loader.SetImageReadRes(lColor256);
  Load("pic", png);
  EXPECT_EQ(loader.Picture().colorTable(), palette);
  EXPECT_EQ(loader.Picture().pixelIndex(4, 4), 16);

  loader.SetPalette({});
  Load("pic", png);
  EXPECT_EQ(loader.Picture().format(), QImage::Format_RGB32);
}

}  // namespace
}  // namespace halvena

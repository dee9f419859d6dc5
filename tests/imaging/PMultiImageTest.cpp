#include "imaging/PMultiImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "imaging/Decoders.h"
#include "support/Pictures.h"

namespace halvena {
namespace {

using test::TRecordedMessages;

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

// A picture of noise, so that its compressed data is long enough to be cut anywhere.
QImage Noise(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      image.setPixel(x, y, qRgb((seed >> 8) & 255, (seed >> 16) & 255, x + y));
    }
  }
  return image;
}

QByteArray JpegFile(const QImage& image, bool progressive) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(progressive);
  writer.setQuality(90);
  return writer.write(image) ? bytes : QByteArray();
}

// An 8 x 2 BMP of 8 bits per pixel whose pixels are the run-length stream `runs`.
QByteArray Rle8Bmp(const QByteArray& runs) {
  QByteArray palette;
  for (int i = 0; i < 256; ++i) palette += QByteArray::fromRawData("\x10\x20\x30\0", 4);
  auto le = [](std::uint32_t v, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 255);
    return out;
  };
  const std::uint32_t offset = 14 + 40 + 1024;
  return "BM" + le(offset + runs.size(), 4) + le(0, 4) + le(offset, 4) + le(40, 4) + le(8, 4) +
         le(2, 4) + le(1, 2) + le(8, 2) + le(1, 4) + le(runs.size(), 4) + QByteArray(16, 0) +
         palette + runs;
}

// Every format alike: a decoder that meets an error or the end of the data too early gives the
// error box and the information box of its format, and the part it decoded stays.
TEST_F(PMultiImageTest, DamagedPicturesOfEveryFormatAreReported) {
  const QImage noise = Noise(300, 200);
  const QByteArray jpeg = JpegFile(noise, false);
  const QByteArray progressive = JpegFile(noise, true);
  ASSERT_GT(jpeg.size(), 4000);
  ASSERT_GT(progressive.size(), 4000);
  const QByteArray sound = Rle8Bmp(QByteArray("\x08\x05\x00\x00\x08\x06\x00\x01", 8));
  QByteArray tif = test::QtFile(noise, "tiff");
  ASSERT_FALSE(tif.isEmpty());
  // The first directory's strip byte counts lie past the end of the file.
  const qsizetype directory = static_cast<qsizetype>(static_cast<std::uint8_t>(tif[4]) |
                                                     static_cast<std::uint8_t>(tif[5]) << 8 |
                                                     static_cast<std::uint8_t>(tif[6]) << 16);
  ASSERT_EQ(tif.left(2), "II");
  ASSERT_LT(directory + 2, tif.size());
  for (qsizetype entry = directory + 2;
       entry + 12 <= tif.size() &&
       entry < directory + 2 + 12 * (static_cast<std::uint8_t>(tif[directory]));
       entry += 12) {
    const int tag =
        static_cast<std::uint8_t>(tif[entry]) | static_cast<std::uint8_t>(tif[entry + 1]) << 8;
    if (tag == 279) tif.replace(entry + 8, 4, QByteArray("\xF0\xFF\xFF\x0F", 4));
  }
  QByteArray pcx = RedPictures()[3].second;
  const struct {
    const char* name;
    QByteArray bytes;
    QString format;
    bool keepsPicture;
  } cases[] = {
      {"jpeg, 400 bytes", jpeg.left(400), "jpg", false},
      {"jpeg, half", jpeg.left(jpeg.size() / 2), "jpg", true},
      {"progressive jpeg, a third", progressive.left(progressive.size() / 3), "jpg", true},
      {"bmp, run past the row", Rle8Bmp(QByteArray("\x10\x05\x00\x01", 4)), "bmp", true},
      {"bmp, runs without their end", sound.left(sound.size() - 2), "bmp", true},
      {"bmp, cut inside a run", sound.left(sound.size() - 3), "bmp", true},
      {"tif, corrupt directory", tif, "tif", true},
      {"pcx, colour table cut", pcx.left(pcx.size() - 100), "pcx", true},
  };
  EXPECT_EQ(Load("sound-rle", sound), QStringList());
  EXPECT_EQ(loader.Picture().size(), QSize(8, 2));
  for (const auto& c : cases) {
    const QStringList shown = Load("damaged", c.bytes);
    EXPECT_EQ(shown.size(), 2) << c.name << ": " << qPrintable(shown.join(", "));
    if (shown.size() != 2) continue;
    EXPECT_TRUE(shown[0].startsWith("error: ")) << c.name;
    EXPECT_EQ(shown[1], "information: Reading " + c.format + " file failed") << c.name;
    if (c.keepsPicture) {
      EXPECT_FALSE(loader.Picture().isNull()) << c.name;
    }
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

#include "PMultiImage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "TestFiles.h"

namespace halvena {
namespace {

class TRecordedMessages : public TImageMessages {
 public:
  void ShowError(const QString& text) override { Shown.append("error: " + text); }
  void ShowInformation(const QString& text) override { Shown.append("information: " + text); }
  QStringList Shown;
};

// A 16 x 8 picture: left half red, right half blue, in 8 palette colours.
QImage TwoHalves() {
  QImage image(16, 8, QImage::Format_Indexed8);
  image.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255), 0, 0, 0, 0, 0, 0});
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) image.setPixel(x, y, x < 8 ? 0 : 1);
  }
  return image;
}

QByteArray PcxOf(const QImage& indexed) {
  test::TPcxSpec spec;
  spec.Width = indexed.width();
  spec.Height = indexed.height();
  QVector<QRgb> palette = indexed.colorTable();
  palette.resize(256, 0);
  spec.TrailingPalette = palette;
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < indexed.height(); ++y) {
    for (int x = 0; x < indexed.width(); ++x)
      raw.push_back(static_cast<std::uint8_t>(indexed.pixelIndex(x, y)));
  }
  return test::PcxFile(spec, raw);
}

struct TSample {
  const char* extension;
  QByteArray bytes;
};

std::vector<TSample> AllFormats() {
  const QImage picture = TwoHalves();
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  return {{"bmp", test::QtFile(rgb, "bmp")},  {"gif", test::GifFile(picture)},
          {"jpg", test::QtFile(rgb, "jpeg")}, {"pcx", PcxOf(picture)},
          {"png", test::QtFile(rgb, "png")},  {"tif", test::QtFile(rgb, "tiff")}};
}

class PMultiImageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    loader.SetMessages(&messages);
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  // Loads `path` and answers the messages shown.
  QStringList Load(const QString& path) {
    messages.Shown.clear();
    loader.SetImageName(path);
    return messages.Shown;
  }

  QTemporaryDir dir;
  TRecordedMessages messages;
  TPMultiImage loader;
};

void ExpectTwoHalves(const QImage& picture, const char* what) {
  ASSERT_EQ(picture.size(), QSize(16, 8)) << what;
  const QRgb left = picture.pixel(2, 4);
  const QRgb right = picture.pixel(13, 4);
  EXPECT_GT(qRed(left), 200) << what;
  EXPECT_LT(qBlue(left), 60) << what;
  EXPECT_GT(qBlue(right), 200) << what;
  EXPECT_LT(qRed(right), 60) << what;
}

TEST_F(PMultiImageTest, AllSixFormatsLoadByExtensionAndByContent) {
  for (const TSample& sample : AllFormats()) {
    ASSERT_FALSE(sample.bytes.isEmpty()) << sample.extension;
    const QString upper = QString::fromLatin1(sample.extension).toUpper();
    for (const QString& name :
         {"pic." + QString::fromLatin1(sample.extension), "PIC2." + upper, "noext" + upper}) {
      EXPECT_EQ(Load(Write(name, sample.bytes)), QStringList()) << qPrintable(name);
      EXPECT_EQ(loader.ImageName(), dir.filePath(name));
      ExpectTwoHalves(loader.Picture(), qPrintable(name));
      EXPECT_EQ(loader.Picture().format(), QImage::Format_RGB32);
    }
  }
}

TEST_F(PMultiImageTest, EmptyNameEmptiesThePicture) {
  Load(Write("a.png", AllFormats()[4].bytes));
  ASSERT_FALSE(loader.Picture().isNull());
  EXPECT_EQ(Load(QString()), QStringList());
  EXPECT_TRUE(loader.Picture().isNull());
  EXPECT_TRUE(loader.ImageName().isEmpty());
}

TEST_F(PMultiImageTest, ExtensionDecidesEvenWhenTheContentDisagrees) {
  for (const TSample& sample : AllFormats()) {
    const QString ext = QString::fromLatin1(sample.extension);
    // Each format under the name of the next one.
    const QString wrong = ext == "bmp"   ? "gif"
                          : ext == "gif" ? "jpg"
                          : ext == "jpg" ? "pcx"
                          : ext == "pcx" ? "png"
                          : ext == "png" ? "tif"
                                         : "bmp";
    const QStringList shown = Load(Write("x." + wrong, sample.bytes));
    ASSERT_EQ(shown.size(), 2) << qPrintable(ext);
    EXPECT_TRUE(shown[0].startsWith("error: ")) << qPrintable(shown[0]);
    EXPECT_EQ(shown[1], "information: Reading " + wrong + " file failed");
    EXPECT_TRUE(loader.Picture().isNull()) << qPrintable(ext);
  }
}

TEST_F(PMultiImageTest, ProbeFailureShowsOnlyTheErrorBox) {
  EXPECT_EQ(Load(Write("notes", "just some text, not a picture")),
            QStringList{"error: Unknown image format"});
  EXPECT_TRUE(loader.Picture().isNull());
  EXPECT_EQ(Load(Write("empty", QByteArray())), QStringList{"error: Unknown image format"});
  EXPECT_EQ(Load(dir.filePath("missing")), QStringList{"error: Cannot open the image file"});
}

TEST_F(PMultiImageTest, BrokenFilesReportAndLeaveAnEmptyOrPartialPicture) {
  const std::vector<TSample> samples = AllFormats();
  for (const TSample& sample : samples) {
    const QString ext = QString::fromLatin1(sample.extension);
    // Each file cut in the middle of its data, probed by content.
    const qsizetype cut = ext == "pcx" ? 128 + 8 : sample.bytes.size() / 4;
    const QStringList shown = Load(Write("cut-" + ext, sample.bytes.left(cut)));
    ASSERT_EQ(shown.size(), 2) << qPrintable(ext);
    EXPECT_EQ(shown[1], "information: Reading " + ext + " file failed");
  }

  // A PCX or BMP file that ends early keeps the rows it has. The PCX file has lost its palette
  // too and shows grey levels.
  const QByteArray pcx = samples[3].bytes;
  EXPECT_EQ(
      Load(Write("half.pcx", pcx.left(128 + 4 * 4))),
      (QStringList{"error: Unexpected end of image data", "information: Reading pcx file failed"}));
  ASSERT_EQ(loader.Picture().size(), QSize(16, 8));
  EXPECT_EQ(loader.Picture().pixel(13, 0), qRgb(1, 1, 1));
  EXPECT_EQ(loader.Picture().pixel(13, 7), qRgb(0, 0, 0));

  const QByteArray bmp = samples[0].bytes;
  EXPECT_EQ(
      Load(Write("half.bmp", bmp.left(bmp.size() - 16 * 4 * 4))),
      (QStringList{"error: Unexpected end of image data", "information: Reading bmp file failed"}));
  ASSERT_EQ(loader.Picture().size(), QSize(16, 8));
  EXPECT_EQ(loader.Picture().pixel(13, 7), qRgb(0, 0, 255));  // the bottom row comes first
}

TEST_F(PMultiImageTest, HostileSizesAreRefusedBeforeDecoding) {
  // A PNG whose header claims 30000 x 30000 pixels.
  QByteArray png = AllFormats()[4].bytes;
  const char size[] = {0, 0, 0x75, 0x30, 0, 0, 0x75, 0x30};
  png.replace(16, 8, QByteArray(size, 8));
  const QStringList shown = Load(Write("huge.png", png));
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[1], "information: Reading png file failed");
  EXPECT_TRUE(loader.Picture().isNull());

  test::TPcxSpec spec;
  spec.Width = 8000;
  spec.Height = 8000;
  EXPECT_EQ(Load(Write("huge.pcx", test::PcxHeader(spec))),
            (QStringList{"error: Image too large", "information: Reading pcx file failed"}));
}

TEST_F(PMultiImageTest, PaletteDepthsDecodeAgainstThePalette) {
  QVector<QRgb> palette = {qRgb(0, 0, 0), qRgb(250, 10, 10), qRgb(10, 10, 250)};
  palette.resize(16, qRgb(255, 255, 255));
  palette.append(qRgb(255, 0, 0));  // entry 16: only within reach of lColor256
  loader.SetPalette(palette);
  const QString path = Write("pic", AllFormats()[4].bytes);

  loader.SetImageReadRes(lColor16);
  Load(path);
  ASSERT_EQ(loader.Picture().format(), QImage::Format_Indexed8);
  EXPECT_EQ(loader.Picture().colorTable(), palette.mid(0, 16));
  EXPECT_EQ(loader.Picture().pixelIndex(2, 4), 1);
  EXPECT_EQ(loader.Picture().pixelIndex(13, 4), 2);

  loader.SetImageReadRes(lColor256);
  loader.SetImageDither(true);
  Load(path);
  EXPECT_EQ(loader.Picture().colorTable(), palette);
  EXPECT_EQ(loader.Picture().pixelIndex(2, 4), 16);

  loader.SetPalette({});
  Load(path);
  EXPECT_EQ(loader.Picture().format(), QImage::Format_RGB32);
}

TEST_F(PMultiImageTest, DitheringMixesPaletteColoursOnlyWhenAsked) {
  QImage grey(32, 32, QImage::Format_RGB32);
  grey.fill(qRgb(128, 128, 128));
  const QString path = Write("grey.bmp", test::QtFile(grey, "bmp"));
  loader.SetPalette({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  loader.SetImageReadRes(lColor16);

  const auto distinctIndices = [this] {
    std::set<int> seen;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) seen.insert(loader.Picture().pixelIndex(x, y));
    }
    return seen.size();
  };
  loader.SetImageDither(false);
  Load(path);
  EXPECT_EQ(distinctIndices(), 1u);
  loader.SetImageDither(true);
  Load(path);
  EXPECT_EQ(distinctIndices(), 2u);
}

TEST(ReadResForDepth, FollowsTheDisplayDepth) {
  const struct {
    int bits;
    TImageReadRes res;
  } cases[] = {{1, lColor16},   {4, lColor16},    {7, lColor16},   {8, lColor256},
               {15, lColor256}, {16, lColorTrue}, {32, lColorTrue}};
  for (const auto& c : cases) EXPECT_EQ(ReadResForDepth(c.bits), c.res) << c.bits;
}

}  // namespace
}  // namespace halvena

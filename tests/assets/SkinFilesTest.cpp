// The skins and dialog buttons that the build wrote beside the program, read the way the
// program reads them: found through the path resolver, decoded by the image loader.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <cstdlib>
#include <iterator>

#include "assets/Palettes.h"
#include "assets/SkinLayout.h"
#include "base/ProgramFolder.h"
#include "imaging/PMultiImage.h"
#include "layout/Files.h"
#include "layout/ScreenClass.h"
#include "support/Pictures.h"

namespace halvena::assets {
namespace {

using test::TRecordedMessages;

class SkinFilesTest : public testing::Test {
 protected:
  void SetUp() override { SetProgramFolder(HALVENA_PROGRAM_DIR); }
  void TearDown() override { SetProgramFolder(""); }

  // Loads the program file `windowsPath` as the program does on a display that needs `res`;
  // a null image when the file is missing or the loader reported a failure.
  QImage Load(const std::string& windowsPath, TImageReadRes res) {
    const QString path = QString::fromStdString(ResolveProgramPath(windowsPath));
    if (!QFileInfo::exists(path)) return {};
    TRecordedMessages messages;
    TPMultiImage loader;
    loader.SetMessages(&messages);
    loader.SetImageReadRes(res);
    loader.SetImageDither(res != lColorTrue);
    loader.SetPalette(Palette256Colors());
    loader.SetImageName(path);
    const QImage picture = loader.Picture();
    loader.SetImageName(QString());
    return messages.Shown.isEmpty() ? picture : QImage();
  }
};

TEST_F(SkinFilesTest, EverySkinOfEveryClassLoadsAtItsSize) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const struct {
      const char* stem;
      QSize size;
    } skins[] = {
        {"bk", screenClass.Window},
        {"lpbk", screenClass.Zoom(layout::kGoToPnl).size()},
        {"rpbk", screenClass.Zoom(layout::kSeeAlsoPnl).size()},
        {"bil", TabSize(screenClass)},
        {"bol", TabSize(screenClass)},
        {"bir", TabSize(screenClass)},
        {"bor", TabSize(screenClass)},
    };
    for (const auto& skin : skins) {
      // The names the program asks for, with its backslashes and upper-case folders.
      const std::string name = "I\\B\\" + std::string(skin.stem) + screenClass.Suffix.toStdString();
      for (const TImageReadRes res : {lColorTrue, lColor256}) {
        const QImage picture = Load(name, res);
        EXPECT_EQ(picture.size(), skin.size) << name << " at depth " << res;
      }
    }
  }
}

TEST_F(SkinFilesTest, DialogButtonsLoadAt104By26) {
  for (const char* name : {"I\\butup.bmp", "I\\butdown.bmp", "I\\butdisabled.bmp"}) {
    EXPECT_EQ(Load(name, lColorTrue).size(), QSize(104, 26)) << name;
  }
}

// The finer copies are exactly twice the size of the usual pictures, with the same drawing in
// them: shrunk back, each lies close to its usual picture.
TEST_F(SkinFilesTest, FinerCopiesAreTheSamePicturesAtTwiceTheSize) {
  std::vector<std::string> names(std::begin(layout::kDialogButtonPaths),
                                 std::end(layout::kDialogButtonPaths));
  for (std::uint8_t c = 0; c < layout::kScreenClassCount; ++c) {
    for (const std::string_view stem : layout::kSkinStems)
      names.push_back(layout::SkinPath(stem, c));
  }
  for (const std::string& name : names) {
    const QImage usual = Load(name, lColorTrue);
    const QImage fine = Load(layout::ScaledPath(name, layout::kHiDpiRatio), lColorTrue);
    ASSERT_FALSE(usual.isNull()) << name;
    ASSERT_EQ(fine.size(), usual.size() * 2) << name;
    const QImage shrunk =
        fine.scaled(usual.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Under a level and a half of 255 per channel on average: only edges fall a little
    // differently.
    EXPECT_LT(test::MeanChannelDifference(usual, shrunk), 1.5) << name;
  }
}

// The files carry no extension; the loader must recognise them by their content, and the
// content is a Windows bitmap.
TEST_F(SkinFilesTest, SkinsAreWindowsBitmapsWithoutExtension) {
  const QFileInfo file(QString::fromStdString(ResolveProgramPath("I\\B\\bk6x4")));
  ASSERT_TRUE(file.exists());
  EXPECT_TRUE(file.suffix().isEmpty());
  QFile bytes(file.filePath());
  ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
  EXPECT_EQ(bytes.read(2), QByteArray("BM"));
}

}  // namespace
}  // namespace halvena::assets

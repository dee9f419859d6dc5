// halvena-assets: draws the program's pictures.
//   halvena-assets resources FOLDER   the compiled-in resources and their collection
//                                     halvena_resources.qrc, the scroll-bar pictures also at
//                                     twice the size
//   halvena-assets skins PROGRAMDIR   the skins under I/B/ and the dialog buttons under I/, each
//                                     also at twice the size
//   halvena-assets sheet FOLDER       contact sheets to look at: sheet6x4.png, sheet8x6.png,
//                                     sheet10x7.png and pictures.png
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstring>

#include "assets/ContactSheet.h"
#include "assets/Cursors.h"
#include "assets/DialogButtons.h"
#include "assets/Palettes.h"
#include "assets/PictureFolder.h"
#include "assets/Pictures.h"
#include "assets/Quantize.h"
#include "assets/ResourceSet.h"
#include "assets/ScrollBar.h"
#include "assets/Skins.h"
#include "layout/Files.h"

namespace {

using namespace halvena::assets;
namespace layout = halvena::layout;

// The intro and about pictures as 8-bit bitmaps: "<name>" with colours chosen for the picture,
// "<name>256" with the 256-colour palette of the program, so that nothing shifts on a display
// of 256 colours where that palette is realised.
bool AddPalettedPictures(TResourceSet& set, const QString& name, const QImage& picture) {
  const QString path = QStringLiteral("bitmaps/") + name;
  return set.AddFile(path + QStringLiteral(".dib"),
                     PalettedPicture(picture, PictureColors(picture, 256))) &&
         set.AddFile(path + QStringLiteral("256.dib"),
                     PalettedPicture(picture, Palette256Colors()));
}

bool AddWindowIcon(TResourceSet& set) {
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    if (!set.AddImage(QStringLiteral("icons/MainIcon%1.png").arg(size), WindowIcon(size))) {
      return false;
    }
  }
  return true;
}

// The scroll-bar pictures, each also at the larger ratio under the larger set's name.
bool AddScrollPictures(TResourceSet& set) {
  for (const int ratio : {1, layout::kHiDpiRatio}) {
    const auto path = [ratio](const char* name) {
      return QStringLiteral("pictures/") + QString::fromStdString(layout::ScaledPath(name, ratio)) +
             QStringLiteral(".png");
    };
    if (!set.AddImage(path("ScrollUp"), ScrollUp(ratio)) ||
        !set.AddImage(path("ScrollThumb"), ScrollThumb(ratio)) ||
        !set.AddImage(path("ScrollDown"), ScrollDown(ratio))) {
      return false;
    }
  }
  return true;
}

bool WriteResources(TResourceSet& set) {
  const QImage intro = IntroPicture();
  const QImage about = AboutPicture();
  return set.AddFile(QStringLiteral("bitmaps/PAL16.dib"), Palette16Bitmap()) &&
         set.AddFile(QStringLiteral("bitmaps/PAL256.dib"), Palette256Bitmap()) &&
         set.AddImage(QStringLiteral("cursors/HandCursor.png"), HandCursor()) &&
         set.AddImage(QStringLiteral("cursors/HandNoFingersCursor.png"), HandNoFingersCursor()) &&
         AddScrollPictures(set) && AddPalettedPictures(set, QStringLiteral("Intro"), intro) &&
         set.AddImage(QStringLiteral("pictures/IntroFormImg.png"), intro) &&
         AddPalettedPictures(set, QStringLiteral("About"), about) &&
         set.AddImage(QStringLiteral("pictures/AboutBoxImage.png"), about) && AddWindowIcon(set) &&
         set.WriteCollection(QStringLiteral("halvena_resources"));
}

bool WriteSkins(TPictureFolder& folder) {
  for (const TSkinFile& file : SkinFiles()) {
    if (!folder.AddBmp(file.Name, file.Picture)) return false;
  }
  const TDialogButtonLook looks[] = {TDialogButtonLook::Up, TDialogButtonLook::Down,
                                     TDialogButtonLook::Disabled};
  for (const int ratio : {1, layout::kHiDpiRatio}) {
    for (std::size_t i = 0; i < std::size(looks); ++i) {
      const QString path = QString::fromStdString(
          layout::PortablePath(layout::ScaledPath(layout::kDialogButtonPaths[i], ratio)));
      if (!folder.AddBmp(path, DialogButton(looks[i], ratio))) return false;
    }
  }
  return true;
}

bool WriteSheets(TPictureFolder& folder) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const QString name = QStringLiteral("sheet") + screenClass.Suffix + QStringLiteral(".png");
    if (!folder.AddPng(name, WindowSheet(screenClass))) return false;
  }
  return folder.AddPng(QStringLiteral("pictures.png"), PictureSheet());
}

int Fail(const QString& error) {
  std::fprintf(stderr, "halvena-assets: %s\n", qPrintable(error));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const char* command = argc == 3 ? argv[1] : "";
  const bool resources = std::strcmp(command, "resources") == 0;
  const bool skins = std::strcmp(command, "skins") == 0;
  const bool sheet = std::strcmp(command, "sheet") == 0;
  if (!resources && !skins && !sheet) {
    std::fprintf(stderr,
                 "usage: halvena-assets resources FOLDER\n"
                 "       halvena-assets skins PROGRAMDIR\n"
                 "       halvena-assets sheet FOLDER\n");
    return 2;
  }
  // Text is drawn with the fonts of the machine; no screen is needed for that.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[2]);
  if (resources) {
    TResourceSet set(folder);
    return WriteResources(set) ? 0 : Fail(set.Error());
  }
  TPictureFolder pictures(folder);
  const bool written = skins ? WriteSkins(pictures) : WriteSheets(pictures);
  return written ? 0 : Fail(pictures.Error());
}

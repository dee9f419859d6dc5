// halvena-assets: draws the program's pictures.
//   halvena-assets resources FOLDER   the compiled-in resources and their collection
//                                     halvena_resources.qrc
//   halvena-assets skins PROGRAMDIR   the skins under I/B/ and the dialog buttons under I/
//   halvena-assets sheet FOLDER       contact sheets to look at: sheet6x4.png, sheet8x6.png,
//                                     sheet10x7.png
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstring>

#include "ContactSheet.h"
#include "Cursors.h"
#include "Palettes.h"
#include "PictureFolder.h"
#include "ResourceSet.h"
#include "ScrollBar.h"
#include "Skins.h"

namespace {

using namespace halvena::assets;

bool WriteResources(TResourceSet& set) {
  return set.AddFile(QStringLiteral("bitmaps/PAL16.dib"), Palette16Bitmap()) &&
         set.AddFile(QStringLiteral("bitmaps/PAL256.dib"), Palette256Bitmap()) &&
         set.AddImage(QStringLiteral("cursors/HandCursor.png"), HandCursor()) &&
         set.AddImage(QStringLiteral("cursors/HandNoFingersCursor.png"), HandNoFingersCursor()) &&
         set.AddImage(QStringLiteral("pictures/ScrollUp.png"), ScrollUp()) &&
         set.AddImage(QStringLiteral("pictures/ScrollThumb.png"), ScrollThumb()) &&
         set.AddImage(QStringLiteral("pictures/ScrollDown.png"), ScrollDown()) &&
         set.WriteCollection(QStringLiteral("halvena_resources"));
}

bool WriteSkins(TPictureFolder& folder) {
  for (const TSkinFile& file : SkinFiles()) {
    if (!folder.AddBmp(QStringLiteral("I/B/") + file.Name, file.Picture)) return false;
  }
  return true;
}

bool WriteSheets(TPictureFolder& folder) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const QString name = QStringLiteral("sheet") + screenClass.Suffix + QStringLiteral(".png");
    if (!folder.AddPng(name, WindowSheet(screenClass))) return false;
  }
  return true;
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

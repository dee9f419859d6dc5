// halvena-assets resources FOLDER: writes the compiled-in resources of the program (palette
// bitmaps, cursors, scroll-bar pictures) and their collection halvena_resources.qrc into FOLDER.
#include <QString>
#include <cstdio>
#include <cstring>

#include "Cursors.h"
#include "Palettes.h"
#include "ResourceSet.h"
#include "ScrollBar.h"

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "resources") != 0) {
    std::fprintf(stderr, "usage: halvena-assets resources FOLDER\n");
    return 2;
  }
  TResourceSet set(QString::fromLocal8Bit(argv[2]));
  if (!WriteResources(set)) {
    std::fprintf(stderr, "halvena-assets: %s\n", qPrintable(set.Error()));
    return 1;
  }
  return 0;
}

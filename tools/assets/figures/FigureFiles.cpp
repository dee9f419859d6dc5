#include "assets/figures/FigureFiles.h"

#include <string>

#include "layout/Design.h"
#include "layout/Files.h"

namespace halvena::figures {
namespace {

QString UnderFolder(const QString& folder, std::string_view windowsPath) {
  return folder + QLatin1Char('/') + QString::fromStdString(layout::PortablePath(windowsPath));
}

}  // namespace

QSize FigureSize(int screenClass) {
  const layout::TScreenChoice zoom = layout::DesignZoom(static_cast<std::uint8_t>(screenClass));
  return layout::ZoomBounds(layout::kBodyImage, zoom.M, zoom.D).size();
}

QString FigurePath(const QString& folder, TGender gender, int screenClass, int view, int ratio) {
  return UnderFolder(
      folder, layout::ScaledPath(layout::FigurePath(gender == TGender::Male,
                                                    static_cast<std::uint8_t>(screenClass), view),
                                 ratio));
}

QString QueryFilePath(const QString& folder, TGender gender) {
  return UnderFolder(folder,
                     gender == TGender::Female ? layout::kFemaleQueryPath : layout::kMaleQueryPath);
}

}  // namespace halvena::figures

#include "imaging/ProgramPicture.h"

#include <QFile>
#include <QFileInfo>

#include "base/ProgramFolder.h"
#include "layout/Files.h"

namespace halvena {
namespace {

// Notes that the loader met a fault, instead of showing it.
class TFaultNote : public TImageMessages {
 public:
  void ShowError(const QString&) override { Fault = true; }
  void ShowInformation(const QString&) override { Fault = true; }
  bool Fault = false;
};

QImage Load(TPMultiImage& loader, std::string_view windowsPath) {
  loader.SetImageName(QString());
  const QString path = QFile::decodeName(ResolveProgramPath(windowsPath).c_str());
  if (QFileInfo(path).isFile()) loader.SetImageName(path);
  QImage picture = loader.Picture();
  loader.SetImageName(QString());
  return picture;
}

}  // namespace

QImage LoadProgramPicture(TPMultiImage& loader, std::string_view windowsPath,
                          double devicePixelRatio) {
  const QImage picture = Load(loader, windowsPath);
  if (picture.isNull() || devicePixelRatio <= 1) return picture;
  TFaultNote note;
  TImageMessages* const messages = loader.Messages();
  loader.SetMessages(&note);
  QImage fine = Load(loader, layout::ScaledPath(windowsPath, layout::kHiDpiRatio));
  loader.SetMessages(messages);
  if (note.Fault || fine.size() != picture.size() * layout::kHiDpiRatio) return picture;
  fine.setDevicePixelRatio(layout::kHiDpiRatio);
  return fine;
}

}  // namespace halvena

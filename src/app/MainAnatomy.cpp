// The anatomy handlers of TMainForm: loading the body figure, pointing at a region with its name
// beside the pointer, clicking it to search, turning the figure and switching its gender.
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>

#include "anatomy/QueryFiles.h"
#include "app/Main.h"
#include "base/ProgramFolder.h"
#include "layout/Files.h"
#include "platform/CodePageQt.h"
#include "platform/Display.h"

namespace halvena {
namespace {

constexpr int kViewCount = 16;
// HintPnl sits this far right of and above the pointer, and is this much wider than its text.
constexpr int kHintOffset = 32;
constexpr int kHintPadding = 10;

// Tells the owner when the pointer leaves the watched control.
class TLeaveWatcher : public QObject {
 public:
  TLeaveWatcher(QObject* watched, std::function<void()> onLeave)
      : QObject(watched), FOnLeave(std::move(onLeave)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Leave) FOnLeave();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> FOnLeave;
};

}  // namespace

void TMainForm::ConnectAnatomy() {
  BodyImage->OnMouseMove = [this](TGraphicControl* sender, TShiftState shift, int x, int y) {
    BodyImageMouseMove(sender, shift, x, y);
  };
  new TLeaveWatcher(BodyImage, [this] { BodyImageMouseLeave(); });
  RotateLeftBtn->OnClick = [this](TGraphicControl* sender) { RotateBtnClick(sender); };
  RotateRightBtn->OnClick = [this](TGraphicControl* sender) { RotateBtnClick(sender); };
  GenderBtn->OnClick = [this](TGraphicControl* sender) { GenderBtnClick(sender); };
  // The name never sits under the pointer, so it must never take the pointer from the figure.
  HintPnl->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMainForm::LoadBodyFigure() {
  anImage.SetImageReadRes(ReadResForDepth(DisplayMetrics().BitsPerPixel));
  anImage.SetImageDither(anImage.ImageReadRes() != lColorTrue);
  anImage.SetImageName(QString());
  const std::string figure =
      layout::FigurePath(GenderBtn->ButtonIsDown(), ScreenClass, static_cast<int>(BodyView));
  const QString path = QFile::decodeName(ResolveProgramPath(figure).c_str());
  if (QFileInfo(path).isFile()) anImage.SetImageName(path);
  TPicture picture;
  if (!anImage.Picture().isNull()) picture.SetBitmap(anImage.Picture());
  BodyImage->SetImage(picture);
  anImage.SetImageName(QString());
}

QString TMainForm::LookUpFigureRegion(int x, int y) {
  SearchEdit->clear();
  const TStringList* lines =
      GenderBtn->ButtonIsDown() ? MaleQueryLines.get() : FemaleQueryLines.get();
  if (lines == nullptr) return {};
  const TRegionHit hit = LookUpRegion(lines->Items(), BodyView, x, y);
  if (!hit.Query.empty()) SearchEdit->setText(Cp1252ToQString(hit.Query));
  return Cp1252ToQString(hit.Name);
}

void TMainForm::BodyImageMouseMove(TGraphicControl*, TShiftState, int X, int Y) {
  if (Closing()) return;
  int frameX = 0;
  int frameY = 0;
  QString name;
  if (MapToFigureFrame(X, Y, BodyImage->width(), BodyImage->height(), frameX, frameY)) {
    name = LookUpFigureRegion(frameX, frameY);
  } else {
    SearchEdit->clear();
  }
  HintPnl->SetCaption(name);
  HintPnl->resize(QFontMetrics(font()).horizontalAdvance(name) + kHintPadding, HintPnl->height());
  const QPoint at = MainFormPanel->mapFromGlobal(BodyImage->mapToGlobal(QPoint(X, Y)));
  HintPnl->move(at.x() + kHintOffset, at.y() - kHintOffset);
  HintPnl->setVisible(!name.isEmpty());
}

void TMainForm::BodyImageMouseLeave() {
  HintPnl->hide();
}

void TMainForm::RotateBtnClick(TGraphicControl* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  if (Sender == RotateLeftBtn) {
    BodyView = BodyView + 1 > kViewCount - 1 ? 0 : BodyView + 1;
  } else if (Sender == RotateRightBtn) {
    BodyView = BodyView - 1 < 0 ? kViewCount - 1 : BodyView - 1;
  } else {
    return;
  }
  LoadBodyFigure();
}

void TMainForm::GenderBtnClick(TGraphicControl*) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  GenderBtn->SetButtonIsDown(!GenderBtn->ButtonIsDown());
  LoadBodyFigure();
}

}  // namespace halvena

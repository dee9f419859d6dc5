// The anatomy handlers of TMainForm: loading the body figure, pointing at a region with its name
// beside the pointer, clicking it to search, turning the figure and switching its gender; and
// the glyphs of the three figure buttons.
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "anatomy/QueryFiles.h"
#include "app/Main.h"
#include "imaging/ProgramPicture.h"
#include "layout/Files.h"
#include "navigation/ViewMode.h"
#include "platform/CodePageQt.h"
#include "platform/Display.h"

namespace halvena {
namespace {

constexpr int kViewCount = 16;
// HintPnl sits this far right of and above the pointer, and is this much wider than its text.
constexpr int kHintOffset = 32;
constexpr int kHintPadding = 10;
// The light over a region of the figure: warm, and translucent so that the organ shows through.
const QColor kRegionTint(255, 224, 0, 150);
// What a screen reader calls the figure while the pointer is over no region.
const QString kFigureName = QStringLiteral("Lichaamsfiguur");

// Runs `fn` on every event of `type` that reaches the watched control.
class TEventWatcher : public QObject {
 public:
  TEventWatcher(QObject* watched, QEvent::Type type, std::function<void()> fn)
      : QObject(watched), FType(type), FFn(std::move(fn)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == FType) FFn();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type FType;
  std::function<void()> FFn;
};

enum class TFigureGlyph { TurnLeft, TurnRight, Female, Male };

// A figure button's sign, light with a dark rim on a transparent ground, drawn for a button of
// `size` on a grid of 64 x 64 units, `ratio` device pixels to a logical pixel.
QImage FigureGlyph(TFigureGlyph glyph, QSize size, int ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size.width() / 64.0, size.height() / 64.0);
  QPainterPath sign;
  switch (glyph) {
    case TFigureGlyph::TurnLeft:
    case TFigureGlyph::TurnRight: {
      // Three quarters of a turn about the figure's upright axis, ending in an arrowhead.
      const QRectF orbit(10, 18, 44, 28);
      sign.arcMoveTo(orbit, -60);
      sign.arcTo(orbit, -60, 250);
      const QPointF tip = sign.currentPosition();
      sign.moveTo(tip + QPointF(-2, -14));
      sign.lineTo(tip);
      sign.lineTo(tip + QPointF(14, -4));
      break;
    }
    case TFigureGlyph::Female:
      sign.addEllipse(QPointF(32, 24), 14, 14);
      sign.moveTo(32, 38);
      sign.lineTo(32, 60);
      sign.moveTo(22, 50);
      sign.lineTo(42, 50);
      break;
    case TFigureGlyph::Male:
      sign.addEllipse(QPointF(26, 38), 14, 14);
      sign.moveTo(36, 28);
      sign.lineTo(56, 8);
      sign.moveTo(40, 8);
      sign.lineTo(56, 8);
      sign.lineTo(56, 24);
      break;
  }
  if (glyph == TFigureGlyph::TurnRight) {
    sign = QTransform(-1, 0, 0, 1, 64, 0).map(sign);
  }
  painter.strokePath(sign, QPen(QColor(40, 48, 44), 11, Qt::SolidLine, Qt::RoundCap));
  painter.strokePath(sign, QPen(QColor(224, 235, 228), 6, Qt::SolidLine, Qt::RoundCap));
  return image;
}

// Gives `button` the glyphs `up` and `down` at its size, now and whenever its size changes.
void DrawGlyphsAtEverySize(TBaseBtn* button, TFigureGlyph up, TFigureGlyph down) {
  auto draw = [button, up, down] {
    TPicture picture;
    picture.SetIcon(FigureGlyph(up, button->size(), button->PixelRatio()));
    button->SetGlyphUp(picture);
    picture.SetIcon(FigureGlyph(down, button->size(), button->PixelRatio()));
    button->SetGlyphDown(picture);
  };
  button->SetGlyphCentered(true);
  draw();
  new TEventWatcher(button, QEvent::Resize, draw);
}

}  // namespace

void TMainForm::ConnectAnatomy() {
  BodyImage->OnMouseMove = [this](TGraphicControl* sender, TShiftState shift, int x, int y) {
    BodyImageMouseMove(sender, shift, x, y);
  };
  BodyImage->OnClick = [this](TGraphicControl* sender) { BodyImageClick(sender); };
  new TEventWatcher(BodyImage, QEvent::Leave, [this] { BodyImageMouseLeave(); });
  RotateLeftBtn->OnClick = [this](TGraphicControl* sender) { RotateBtnClick(sender); };
  RotateRightBtn->OnClick = [this](TGraphicControl* sender) { RotateBtnClick(sender); };
  GenderBtn->OnClick = [this](TGraphicControl* sender) { GenderBtnClick(sender); };
  // The name never sits under the pointer, so it must never take the pointer from the figure.
  HintPnl->setAttribute(Qt::WA_TransparentForMouseEvents);
  BodyImage->SetTintColor(kRegionTint);
  BodyImage->setAccessibleName(kFigureName);
  // The gender button shows the figure on screen: up female, down male.
  DrawGlyphsAtEverySize(RotateLeftBtn, TFigureGlyph::TurnLeft, TFigureGlyph::TurnLeft);
  DrawGlyphsAtEverySize(RotateRightBtn, TFigureGlyph::TurnRight, TFigureGlyph::TurnRight);
  DrawGlyphsAtEverySize(GenderBtn, TFigureGlyph::Female, TFigureGlyph::Male);
}

void TMainForm::LoadBodyFigure() {
  anImage.SetImageReadRes(ReadResForDepth(DisplayMetrics().BitsPerPixel));
  anImage.SetImageDither(anImage.ImageReadRes() != lColorTrue);
  const std::string figure =
      layout::FigurePath(GenderBtn->ButtonIsDown(), ScreenClass, static_cast<int>(BodyView));
  const QImage image = LoadProgramPicture(anImage, figure, DisplayMetrics().DevicePixelRatio);
  // The areas of the new view, in place before the picture is shown with them.
  PointAtRegion({});
  ShowEntryRegion();
  TPicture picture;
  if (!image.isNull()) picture.SetBitmap(image);
  BodyImage->SetImage(picture);
}

const TStringList* TMainForm::CurrentQueryLines() const {
  return GenderBtn->ButtonIsDown() ? MaleQueryLines.get() : FemaleQueryLines.get();
}

QRegion TMainForm::FigureArea(std::string_view name) const {
  const TStringList* lines = CurrentQueryLines();
  if (lines == nullptr || name.empty()) return {};
  // Joined pairwise, so that a region of very many rectangles costs no square time.
  std::vector<QRegion> parts;
  for (const TFigureRect& rect : RegionRects(lines->Items(), BodyView, name)) {
    const TFigureRect pixels = FigurePixelsOf(rect, BodyImage->width(), BodyImage->height());
    const QRect area(QPoint(pixels.Left, pixels.Top), QPoint(pixels.Right - 1, pixels.Bottom - 1));
    if (!area.isEmpty()) parts.emplace_back(area);
  }
  for (std::size_t step = 1; step < parts.size(); step *= 2) {
    for (std::size_t i = 0; i + step < parts.size(); i += 2 * step) parts[i] += parts[i + step];
  }
  return parts.empty() ? QRegion() : parts.front();
}

void TMainForm::PointAtRegion(std::string_view name) {
  if (name == FPointedRegion) return;
  FPointedRegion = name;
  FPointedArea = FigureArea(name);
  ShowFigureTint();
  // A screen reader reads the region pointed at as the figure's name.
  const QString shown = Cp1252ToQString(name);
  BodyImage->setAccessibleName(shown.isEmpty() ? kFigureName : shown);
  BodyImage->setAccessibleDescription(shown);
}

void TMainForm::ShowEntryRegion() {
  const bool anatomy = HasMode(ViewMode, TViewMode::vmAnatomy);
  FEntryArea = anatomy ? FigureArea(QStringToCp1252(iDbRecHeaderLbl->text())) : QRegion();
  ShowFigureTint();
}

void TMainForm::ShowFigureTint() {
  BodyImage->SetTint(FPointedArea + FEntryArea);
}

QString TMainForm::LookUpFigureRegion(int x, int y) {
  SearchEdit->clear();
  const TStringList* lines = CurrentQueryLines();
  if (lines == nullptr) {
    PointAtRegion({});
    return {};
  }
  const TRegionHit hit = LookUpRegion(lines->Items(), BodyView, x, y);
  if (!hit.Query.empty()) SearchEdit->setText(Cp1252ToQString(hit.Query));
  PointAtRegion(hit.Name);
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
    PointAtRegion({});
  }
  HintPnl->SetCaption(name);
  HintPnl->resize(QFontMetrics(font()).horizontalAdvance(name) + kHintPadding, HintPnl->height());
  const QPoint at = MainFormPanel->mapFromGlobal(BodyImage->mapToGlobal(QPoint(X, Y)));
  HintPnl->move(at.x() + kHintOffset, at.y() - kHintOffset);
  HintPnl->setVisible(!name.isEmpty());
}

void TMainForm::BodyImageMouseLeave() {
  HintPnl->hide();
  PointAtRegion({});
}

void TMainForm::BodyImageClick(TGraphicControl* Sender) {
  if (Closing() || SearchEdit->text().isEmpty()) return;
  StartQuerySearchBtnClick(Sender);
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

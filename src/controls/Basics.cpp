#include "controls/Basics.h"

#include <QByteArray>
#include <QtEndian>
#include <memory>

#include "platform/Display.h"
#include "platform/Resources.h"

namespace halvena {

namespace {

struct TPaletteState {
  bool Initialised = false;
  std::unique_ptr<TPalette> Palette16;
  std::unique_ptr<TPalette> Palette256;
};

TPaletteState& State() {
  static TPaletteState state;
  return state;
}

// The palettes are built when the module is first used, as at program start.
TPaletteState& InitialisedState() {
  TPaletteState& state = State();
  if (!state.Initialised) LoadPalettes();
  return state;
}

constexpr int kInfoHeaderSize = 40;

// A palette from the colour table of a device-independent bitmap resource: the colour count is
// the header's colours-used field when the header has one and it is non-zero, otherwise 2 to
// the power of the bit count; the entries follow the 40-byte header. None when the resource
// is missing or too short for its table.
std::unique_ptr<TPalette> PaletteFromResource(const char* name) {
  const QByteArray bytes = BitmapResource(QString::fromLatin1(name));
  if (bytes.size() < kInfoHeaderSize) return nullptr;
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  const quint32 headerSize = qFromLittleEndian<quint32>(data);
  const quint16 bitCount = qFromLittleEndian<quint16>(data + 14);
  const quint32 used = qFromLittleEndian<quint32>(data + 32);
  qint64 count = 0;
  if (headerSize >= 36 && used != 0) {
    count = used;
  } else if (bitCount < 31) {
    count = qint64{1} << bitCount;
  }
  if (count <= 0 || kInfoHeaderSize + 4 * count > bytes.size()) return nullptr;
  auto palette = std::make_unique<TPalette>();
  palette->Entries.reserve(static_cast<size_t>(count));
  for (qint64 i = 0; i < count; ++i) {
    const uchar* entry = data + kInfoHeaderSize + 4 * i;
    palette->Entries.push_back(qRgb(entry[2], entry[1], entry[0]));
  }
  return palette;
}

}  // namespace

GGraphicControl::GGraphicControl(QWidget* parent) : TGraphicControl(parent) {}

void GGraphicControl::MouseIn() {
  if (OnMouseIn) OnMouseIn(this);
}

void GGraphicControl::MouseOut() {
  if (OnMouseOut) OnMouseOut(this);
}

void GGraphicControl::enterEvent(QEnterEvent* event) {
  TGraphicControl::enterEvent(event);
  MouseIn();
}

void GGraphicControl::leaveEvent(QEvent* event) {
  TGraphicControl::leaveEvent(event);
  MouseOut();
}

const TPalette* CurrentPalette() {
  const int bits = DisplayMetrics().BitsPerPixel;
  if (bits <= 0) return nullptr;
  if (bits < 8) return Palette16();
  if (bits == 8) return Palette256();
  return nullptr;
}

const TPalette* Palette16() {
  return InitialisedState().Palette16.get();
}

const TPalette* Palette256() {
  return InitialisedState().Palette256.get();
}

void LoadPalettes() {
  TPaletteState& state = State();
  state.Initialised = true;
  state.Palette16 = PaletteFromResource("PAL16");
  state.Palette256 = PaletteFromResource("PAL256");
}

void ReleasePalettes() {
  TPaletteState& state = State();
  state.Initialised = true;
  state.Palette16.reset();
  state.Palette256.reset();
}

void DrawGraphicAt(TCanvas* canvas, int x, int y, const TPicture* picture) {
  if (canvas == nullptr || picture == nullptr || picture->Empty()) return;
  canvas->SetStretchMode(COLORONCOLOR);
  if (picture->Kind() == TGraphicKind::Bitmap) {
    canvas->BitBlt(TRect::Box(x, y, picture->Width(), picture->Height()), picture->Image(),
                   QPoint(0, 0), BlitRasterOp);
  } else {
    canvas->Draw(x, y, *picture);
  }
}

void DrawGraphicStretched(TCanvas* canvas, int left, int top, int width, int height,
                          const TPicture* picture) {
  if (canvas == nullptr || picture == nullptr || picture->Empty()) return;
  canvas->SetStretchMode(COLORONCOLOR);
  const TRect box = TRect::Box(left, top, width, height);
  if (picture->Kind() == TGraphicKind::Bitmap) {
    canvas->StretchBlt(box, picture->Image(), picture->Image().rect(), BlitRasterOp);
  } else {
    canvas->StretchDraw(box, *picture);
  }
}

TPaletteBracket::TPaletteBracket(TCanvas* canvas, const TGraphicControl& control)
    : FCanvas(canvas) {
  if (FCanvas == nullptr || FCanvas->BitsPerPixel() > 8) return;
  if (control.GetPalette() == nullptr) return;
  FPrevious = FCanvas->SelectPalette(CurrentPalette());
  FCanvas->RealizePalette();
  FSelected = true;
}

TPaletteBracket::~TPaletteBracket() {
  if (!FSelected) return;
  FCanvas->SelectPalette(FPrevious);
  FCanvas->RealizePalette();
}

}  // namespace halvena

#include "controls/MsgDlgBox.h"

#include <QKeyEvent>
#include <memory>

#include "imaging/PMultiImage.h"
#include "imaging/ProgramPicture.h"
#include "imaging/ResourceBitmap.h"
#include "layout/Files.h"
#include "platform/Application.h"
#include "platform/Display.h"

namespace halvena {

bool MessageDlgBoxShown = false;

namespace {

const QColor kDialogColor(101, 141, 115);
const QColor kDialogTextColor(224, 235, 228);
constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 150;

TMessageDlgBox*& CurrentDialog() {
  static TMessageDlgBox* dialog = nullptr;
  return dialog;
}

TBaseBtn* NewDialogButton(QWidget* parent, int x, const QString& caption) {
  auto* button = new TBaseBtn(parent);
  button->setGeometry(x, 110, 104, 26);
  button->SetCaption(caption);
  button->SetCaptionXOffset(0.1);
  button->SetCaptionYOffset(0.15);
  button->SetCaptionXRound(8);
  button->SetCaptionYRound(8);
  button->SetFaceWidth(0.9);
  button->SetFaceHeight(0.9);
  button->SetFaceVisible(true);
  button->SetGlyphWidth(1.0);
  button->SetGlyphHeight(1.0);
  button->SetShadowColor(Qt::white);
  button->SetShadowXOffset(0.02);
  button->SetShadowYOffset(0.05);
  button->Pen().SetMode(TPenMode::pmMask);
  button->Font().SetHeight(-11);
  button->Font().SetColor(kDialogTextColor);
  button->SetCursorSlot(crHand);
  return button;
}

// The glyph of one state: the skin file when it loads, else the resource bitmap, else none.
void LoadGlyph(TPMultiImage& loader, std::string_view file, const QString& resource,
               QImage& glyph) {
  glyph = LoadProgramPicture(loader, file, DisplayMetrics().DevicePixelRatio);
  if (glyph.isNull()) {
    const QString name =
        DisplayMetrics().BitsPerPixel == 8 ? resource + QStringLiteral("256") : resource;
    LoadBitmapResource(name, glyph);
  }
}

}  // namespace

TMessageDlgBox::TMessageDlgBox(TPMultiImage& loader)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFixedSize(kDialogWidth, kDialogHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kDialogColor);
  colours.setColor(QPalette::WindowText, kDialogTextColor);
  setPalette(colours);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  setFont(font);
  const TDisplayMetrics display = DisplayMetrics();
  move((display.Width - kDialogWidth) / 2, (display.Height - kDialogHeight) / 2);

  Background = new TBkControl(this);
  Background->setGeometry(0, 0, kDialogWidth, kDialogHeight);
  Background->Background().Brush().SetStyle(TBrushStyle::bsClear);
  Background->Background().SetImageDrawStyle(TImageDrawStyle::idsAlongside);
  Background->Background().Pen().SetColor(kDialogTextColor);

  OkBtn = NewDialogButton(this, 160, QStringLiteral("Ok"));
  OkBtn->OnClick = [this](TGraphicControl*) { done(1); };
  CancelBtn = NewDialogButton(this, 280, QStringLiteral("Cancel"));
  CancelBtn->OnClick = [this](TGraphicControl*) { done(2); };

  MsgLbl = new QLabel(this);
  MsgLbl->setGeometry(20, 20, 360, 70);
  MsgLbl->setWordWrap(true);
  MsgLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MsgLbl->setTextFormat(Qt::PlainText);

  const struct {
    std::string_view File;
    const char* Resource;
    void (TBaseBtn::*Set)(const TPicture&);
  } glyphs[] = {{layout::kDialogButtonPaths[0], "ButUp", &TBaseBtn::SetGlyphUp},
                {layout::kDialogButtonPaths[1], "ButDown", &TBaseBtn::SetGlyphDown},
                {layout::kDialogButtonPaths[2], "ButDisabled", &TBaseBtn::SetGlyphDisabled}};
  for (const auto& glyph : glyphs) {
    QImage image;
    LoadGlyph(loader, glyph.File, QString::fromLatin1(glyph.Resource), image);
    TPicture picture;
    if (!image.isNull()) picture.SetBitmap(image);
    (OkBtn->*glyph.Set)(picture);
    (CancelBtn->*glyph.Set)(picture);
  }
  loader.SetImageName(QString());
  CurrentDialog() = this;
  MessageDlgBoxShown = true;
}

TMessageDlgBox::~TMessageDlgBox() {
  MessageDlgBoxShown = false;
  if (CurrentDialog() == this) CurrentDialog() = nullptr;
}

void TMessageDlgBox::keyPressEvent(QKeyEvent* event) {
  event->ignore();
}

bool ShowMessageDlgBox(TPMultiImage& loader, const QString& text, const QString& okCaption,
                       const QString& cancelCaption) {
  if (MessageDlgBoxShown) {
    CurrentDialog()->show();
    CurrentDialog()->raise();
    CurrentDialog()->activateWindow();
    return false;
  }
  const auto dialog = std::make_unique<TMessageDlgBox>(loader);
  dialog->MsgLbl->setText(text);
  dialog->OkBtn->SetCaption(okCaption);
  dialog->CancelBtn->SetCaption(cancelCaption);
  return dialog->exec() == 1;
}

}  // namespace halvena

#include "app/Intro.h"

#include "imaging/ResourceBitmap.h"
#include "platform/Application.h"
#include "platform/Display.h"
#include "platform/Resources.h"

namespace halvena {

bool IntroActive = false;
TIntroForm* IntroForm = nullptr;

namespace {

constexpr int kIntroSize = 282;

}  // namespace

TIntroForm::TIntroForm()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Halvena"));
  setFixedSize(kIntroSize, kIntroSize);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  const TDisplayMetrics display = DisplayMetrics();
  move((display.Width - kIntroSize) / 2, (display.Height - kIntroSize) / 2);

  BackgroundPnl = new TPanel(this);
  BackgroundPnl->setGeometry(0, 0, kIntroSize, kIntroSize);

  IntroFormImg = new TBkControl(BackgroundPnl);
  IntroFormImg->setGeometry(0, 0, kIntroSize, kIntroSize);
  IntroFormImg->Background().Brush().SetStyle(TBrushStyle::bsClear);
  IntroFormImg->Background().Pen().SetWidth(2);
  IntroFormImg->Background().SetImageDrawStyle(TImageDrawStyle::idsCenter);

  Text = NewLabel(BackgroundPnl, QRect(5, 255, 270, 12),
                  QStringLiteral("Een ogenblik geduld, bezig met laden..."));
  SetDesignFont(Text, 9, dfsNone, Qt::white);

  Gauge = new TGauge(BackgroundPnl);
  Gauge->setGeometry(5, 270, 270, 4);
  Gauge->SetBackColor(QColor(85, 125, 101));
  Gauge->SetForeColor(Qt::white);
  Gauge->SetBorderStyle(TBorderStyle::bsNone);
  Gauge->SetShowText(false);
  Gauge->SetProgress(0);

  const int depth = DisplayMetrics().BitsPerPixel;
  QImage picture;
  if (depth < 24) {
    LoadBitmapResource(depth == 8 ? QStringLiteral("Intro256") : QStringLiteral("Intro"), picture);
  } else {
    picture = PictureResource(QStringLiteral("IntroFormImg"));
  }
  if (!picture.isNull()) IntroFormImg->Background().Image().SetBitmap(picture);
  IntroActive = true;
}

TIntroForm::~TIntroForm() {
  IntroActive = false;
}

void ShowIntro() {
  if (IntroActive && IntroForm != nullptr) {
    IntroForm->show();
    IntroForm->raise();
    return;
  }
  IntroForm = new TIntroForm();
  ProcessMessages();
  IntroForm->show();
}

}  // namespace halvena

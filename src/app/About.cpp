#include "app/About.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>

#include "app/Browser.h"
#include "imaging/ResourceBitmap.h"
#include "output/BrowserStart.h"
#include "platform/Application.h"
#include "platform/Display.h"
#include "platform/Resources.h"

namespace halvena {

bool AboutBoxExists = false;
TAboutBox* AboutBox = nullptr;

namespace {

constexpr int kAboutSize = 329;
constexpr int kPictureSize = 325;

int& Farewell() {
  static int milliseconds = 2000;
  return milliseconds;
}

TBaseBtn* NewLogoButton(QWidget* parent, const QRect& bounds, const QString& hint) {
  auto* button = new TBaseBtn(parent);
  button->setGeometry(bounds);
  button->SetFaceVisible(false);
  button->Pen().SetStyle(TPenStyle::psClear);
  button->SetCursorSlot(crHand);
  button->setToolTip(hint);
  return button;
}

}  // namespace

TAboutBox::TAboutBox()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Halvena"));
  setFixedSize(kAboutSize, kAboutSize);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  setFont(font);
  setCursor(GlobalCursor(crFlatHand));
  const TDisplayMetrics display = DisplayMetrics();
  move((display.Width - kAboutSize) / 2, (display.Height - kAboutSize) / 2);

  BkPanel = new TPanel(this);
  BkPanel->setGeometry(0, 0, kAboutSize, kAboutSize);
  BkPanel->SetColor(Qt::black);

  AboutBoxImage = new TProportionalImage(BkPanel);
  AboutBoxImage->setGeometry(2, 2, kPictureSize, kPictureSize);
  AboutBoxImage->SetEffects(false);
  AboutBoxImage->SetSx(100);
  AboutBoxImage->SetSy(100);

  ZentaSBtn = NewLogoButton(BkPanel, QRect(211, 207, 78, 95),
                            QStringLiteral("Ga naar de website van uitgeverij Zenta"));
  ZentaSBtn->OnClick = [this](TGraphicControl* sender) { ZentaSBtnClick(sender); };
  TarnixSBtn = NewLogoButton(BkPanel, QRect(40, 267, 130, 40),
                             QStringLiteral("Ga naar de website van Tarnix Software"));
  TarnixSBtn->OnClick = [this](TGraphicControl* sender) { TarnixSBtnClick(sender); };

  const int depth = display.BitsPerPixel;
  QImage picture;
  if (depth < 24) {
    LoadBitmapResource(depth == 8 ? QStringLiteral("About256") : QStringLiteral("About"), picture);
  } else {
    picture = PictureResource(QStringLiteral("AboutBoxImage"));
  }
  TPicture image;
  if (!picture.isNull()) image.SetBitmap(picture);
  AboutBoxImage->SetImage(image);
  AboutBoxExists = true;
}

TAboutBox::~TAboutBox() {
  AboutBoxExists = false;
  if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::ZentaSBtnClick(TGraphicControl*) {
  OpenInBrowser(kPublisherAddress);
  close();
  MinimizeApplication();
}

void TAboutBox::TarnixSBtnClick(TGraphicControl*) {
  OpenInBrowser(kMakerAddress);
  close();
  MinimizeApplication();
}

// The window system reports activation late: a click on the info button asks to activate the
// main window on the press and the about window on the click, and the first answer may arrive
// after the second request. So the close waits until the window system has answered every
// request, and happens only when the window is still inactive then.
void TAboutBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isVisible() || isActiveWindow()) return;
  QTimer::singleShot(0, this, [this] {
    QGuiApplication::sync();
    if (isVisible() && !isActiveWindow()) close();
  });
}

void TAboutBox::keyReleaseEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const bool closes = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                      event->key() == Qt::Key_Escape;
  if (plain && closes && !event->isAutoRepeat()) {
    close();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void ShowAboutBox() {
  if (AboutBox == nullptr) AboutBox = new TAboutBox();
  AboutBox->show();
  AboutBox->raise();
  AboutBox->activateWindow();
}

void FreeAboutBox() {
  delete AboutBox;
  AboutBox = nullptr;
}

int FarewellMilliseconds() {
  return Farewell();
}

void SetFarewellMilliseconds(int milliseconds) {
  Farewell() = milliseconds;
}

void ShowFarewell() {
  ShowAboutBox();
  ProcessMessages();
  // The window keeps painting while it stands; closing it early ends the wait.
  const QDeadlineTimer deadline(FarewellMilliseconds());
  while (!deadline.hasExpired() && AboutBox != nullptr && AboutBox->isVisible()) {
    QThread::msleep(10);
    ProcessMessages();
  }
  if (AboutBox != nullptr) AboutBox->close();
}

}  // namespace halvena

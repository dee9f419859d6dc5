#include "app/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QShowEvent>
#include <QTimer>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

#include "anatomy/QueryFiles.h"
#include "app/About.h"
#include "app/Intro.h"
#include "app/TabRegions.h"
#include "base/ProgramFolder.h"
#include "data/LoadNote.h"
#include "imaging/ProgramPicture.h"
#include "layout/Design.h"
#include "layout/Files.h"
#include "layout/ScreenClass.h"
#include "platform/Application.h"
#include "platform/Display.h"
#include "platform/Resources.h"

namespace halvena {

std::uint8_t ScreenClass = 0;

namespace {

// The colour of the window and the keyword field on a display of 256 colours.
const QColor kEightBitColor(0, 128, 0);

bool IsInputEvent(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
      return true;
    default:
      return false;
  }
}

}  // namespace

TMainForm::TMainForm() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  LoadProgramCursors();
  CreateComponents();
  ConnectNavigation();
  ConnectAnatomy();
  ConnectOutput();

  setWindowTitle(QStringLiteral("Halvena 2.0 release 3"));
  CaptionLbl->setText(windowTitle());
  CaptionLblBk->setText(windowTitle());
  setWindowIcon(WindowIcon());

  QDir::setCurrent(QFile::decodeName(ProgramFolder().c_str()));

  const TDisplayMetrics display = DisplayMetrics();
  if (display.BitsPerPixel == 8) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kEightBitColor);
    setPalette(colours);
    colours = SearchEdit->palette();
    colours.setColor(QPalette::Base, kEightBitColor);
    SearchEdit->setPalette(colours);
  }

  anImage.SetImageReadRes(ReadResForDepth(display.BitsPerPixel));
  anImage.SetImageDither(anImage.ImageReadRes() != lColorTrue);
  if (const TPalette* current = CurrentPalette()) {
    anImage.SetPalette(QVector<QRgb>(current->Entries.begin(), current->Entries.end()));
  }

  SetHourglass(true);
  ScreenClass = 0;
  resize(layout::kDesignSize);
  if (StartOptions & soAdaptToScreen) {
    const std::optional<layout::TScreenChoice> choice =
        layout::ChooseScreenClass(display.Width, display.Height);
    if (!choice) {
      FScreenTooSmall = true;
      SetHourglass(false);
      return;
    }
    ScreenClass = choice->ScreenClass;
    if (ScreenClass != 0) {
      ZoomControls(this, choice->M, choice->D);
      QFont font = this->font();
      font.setPixelSize(-layout::ZoomFontHeight(-font.pixelSize(), choice->M, choice->D));
      setFont(font);
      for (GTextControl* list : {iDbRecText, ContentLst, QueryResultsLst, GoToLst, SeeAlsoLst}) {
        list->SetItemHeight(layout::ZoomRowHeight(list->ItemHeight(), ScreenClass));
      }
      resize(layout::WindowSizeOf(ScreenClass));
    }
  }

  MainFormPanel->move(0, 0);
  move((display.Width - width()) / 2, (display.Height - MainFormPanel->height()) / 2);

  ViewMode = TViewMode::vmContents;
  BodyView = 0;
  DragStartX = 0;
  DragStartY = 0;

  LoadSkin("bk", Bk->Background().Image());
  LoadSkin("lpbk", GoToPnlBk->Background().Image());
  LoadSkin("rpbk", SeeAlsoPnlBk->Background().Image());

  const int tabWidth = GoToBtn->width();
  const int tabHeight = GoToBtn->height();
  ModeBtnHotRgn =
      std::make_unique<QRegion>(BuildTabRegion(TTabRegion::ModeBtnHotRgn, tabWidth, tabHeight));
  ModeBtnRgn =
      std::make_unique<QRegion>(BuildTabRegion(TTabRegion::ModeBtnRgn, tabWidth, tabHeight));
  ToolBtnHotRgn =
      std::make_unique<QRegion>(BuildTabRegion(TTabRegion::ToolBtnHotRgn, tabWidth, tabHeight));
  ToolBtnRgn =
      std::make_unique<QRegion>(BuildTabRegion(TTabRegion::ToolBtnRgn, tabWidth, tabHeight));

  SetUpTabButton(ContentBtn, TTabGroup::Left);
  SetUpTabButton(AnatomicBtn, TTabGroup::Left);
  SetUpTabButton(SearchBtn, TTabGroup::Left);
  SetUpTabButton(GoToBtn, TTabGroup::Right);
  SetUpTabButton(SeeAlsoBtn, TTabGroup::Left);
  SetUpTabButton(ToClipBrdBtn, TTabGroup::Right);
  SetUpTabButton(PrintBtn, TTabGroup::Right);
  FTabGlyphs.clear();

  GoToPnlRgn = PanelRegion(GoToPnl->width(), GoToPnl->height());
  GoToPnl->setMask(GoToPnlRgn);
  SeeAlsoPnlRgn = PanelRegion(SeeAlsoPnl->width(), SeeAlsoPnl->height());
  SeeAlsoPnl->setMask(SeeAlsoPnlRgn);

  CurrentRecId = 0;
  RecFile = std::make_unique<TIDbRecFile>();
  TProgressGauge* gauge = IntroActive && IntroForm != nullptr ? IntroForm->Gauge : nullptr;
  const std::string dictionary = ResolveProgramPath(layout::kDictionaryPath);
  const bool loaded = RecFile->LoadFromFile(dictionary, gauge);
  const std::string loadNote = DictionaryLoadNote(dictionary, loaded, *RecFile);
  if (!loadNote.empty()) std::cerr << "halvena: " << loadNote << "\n";

  // A missing or unreadable query file leaves its list empty.
  FemaleQueryLines = std::make_unique<TStringList>();
  FemaleQueryLines->Assign(ReadQueryLines(ResolveProgramPath(layout::kFemaleQueryPath)));
  MaleQueryLines = std::make_unique<TStringList>();
  MaleQueryLines->Assign(ReadQueryLines(ResolveProgramPath(layout::kMaleQueryPath)));

  SetHourglass(false);
}

TMainForm::~TMainForm() {
  for (TBaseBtn* button :
       {ContentBtn, AnatomicBtn, SearchBtn, GoToBtn, SeeAlsoBtn, ToClipBrdBtn, PrintBtn}) {
    button->SetClipRegion(nullptr);
  }
  ModeBtnHotRgn.reset();
  ModeBtnRgn.reset();
  ToolBtnHotRgn.reset();
  ToolBtnRgn.reset();
}

bool TMainForm::ReadSkin(const std::string& stem, TPicture& target) {
  const QImage skin = LoadProgramPicture(anImage, layout::SkinPath(stem, ScreenClass),
                                         DisplayMetrics().DevicePixelRatio);
  const bool loaded = !skin.isNull();
  if (loaded) target.SetBitmap(skin);
  return loaded;
}

void TMainForm::LoadSkin(const std::string& stem, TPicture& target) {
  if (!ReadSkin(stem, target)) target.Clear();
}

QImage TMainForm::TabGlyph(const std::string& stem) {
  const auto [cached, isNew] = FTabGlyphs.try_emplace(stem);
  if (isNew) {
    TPicture glyph;
    if (ReadSkin(stem, glyph)) cached->second = glyph.Image();
  }
  return cached->second;
}

bool TMainForm::LoadTabGlyphs(TBaseBtn* button, TTabGroup group) {
  const bool left = group == TTabGroup::Left;
  TPicture glyph;
  const QImage up = TabGlyph(left ? "bil" : "bir");
  if (up.isNull()) return false;
  glyph.SetBitmap(up);
  button->SetGlyphUp(glyph);
  const QImage down = TabGlyph(left ? "bol" : "bor");
  if (down.isNull()) return false;
  glyph.SetBitmap(down);
  button->SetGlyphDown(glyph);
  return true;
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous() && !Closing()) FormShow();
}

void TMainForm::FormShow() {
  ResetBtnClick(this);
  LoadBodyFigure();
  if (IntroActive) {
    delete IntroForm;
    IntroForm = nullptr;
  }
}

bool TMainForm::LetPendingMessagesRun() {
  ProcessMessages();
  return !Closing();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (FClosing) {
    event->accept();
    return;
  }
  if (PendingMessagesDepth() > 0) {
    // A handler further down the stack let pending messages run and may still be walking the
    // store: it sees Closing() and returns, and the close runs again from the top of the loop.
    FCloseRequested = true;
    qApp->installEventFilter(this);
    event->ignore();
    QTimer::singleShot(0, this, [this] { close(); });
    return;
  }
  // From here on the dictionary and the line lists are gone: input that is still queued for
  // the window is dropped, and the other handlers check FClosing.
  FClosing = true;
  qApp->installEventFilter(this);
  RecFile.reset();
  FemaleQueryLines.reset();
  MaleQueryLines.reset();
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  hide();
  ProcessMessages();
  ShowFarewell();
  event->accept();
  if (OnClosed) OnClosed();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (Closing()) {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && IsInputEvent(event) && (widget == this || isAncestorOf(widget));
  }
  return RouteDragMouse(watched, event);
}

void TMainForm::WMShowInstance() {
  if (Closing() || !isVisible()) return;
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  AppRestore();
}

}  // namespace halvena

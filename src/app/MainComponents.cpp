// The creation of TMainForm's controls at the 640 x 480 design size: every control with its
// place, tag, caption, hint, font, colours and pointer, the looks of the four button families,
// and the zoom of the whole design to a screen-size class.
#include <QLineEdit>
#include <cmath>
#include <limits>

#include "app/Main.h"
#include "app/ScreenClass.h"
#include "platform/Application.h"
#include "platform/Resources.h"

namespace halvena {
namespace {

const QColor kWindowColor(140, 177, 156);
const QColor kWindowTextColor(224, 235, 228);
const QColor kPanelColor(107, 113, 161);
constexpr int kWindowFontHeight = 11;
constexpr int kRowHeight = 16;
constexpr int kScrollWidth = 16;

enum class TButtonFamily { Title, Letter, Tab, Figure };

// Face, caption, shadow and pen of a button family, as fractions of the button's size.
void ApplyButtonLook(TBaseBtn* button, TButtonFamily family) {
  button->SetShadowColor(Qt::white);
  // Figure buttons draw their frame in plain colours; the others mask what lies under them.
  if (family != TButtonFamily::Figure) button->Pen().SetMode(TPenMode::pmMask);
  button->Font().SetHeight(-kWindowFontHeight);
  button->Font().SetColor(kWindowTextColor);
  switch (family) {
    case TButtonFamily::Title:
      button->SetFaceVisible(true);
      button->SetFaceWidth(0.9);
      button->SetFaceHeight(0.9);
      button->SetCaptionYOffset(0.05);
      button->SetCaptionXRound(8);
      button->SetCaptionYRound(8);
      button->SetShadowXOffset(0.02);
      button->SetShadowYOffset(0.05);
      return;
    case TButtonFamily::Letter:
      button->SetFaceWidth(0.85);
      button->SetCaptionXOffset(0.25);
      button->SetShadowXOffset(0.05);
      button->SetShadowYOffset(0.05);
      break;
    case TButtonFamily::Tab:
      button->SetFaceWidth(0.9);
      button->SetShadowXOffset(0);
      button->SetShadowYOffset(0);
      button->SetButtonIsDown(true);
      break;
    case TButtonFamily::Figure:
      button->SetFaceWidth(0.9);
      button->SetCaptionXOffset(0.05);
      button->SetShadowXOffset(0.02);
      button->SetShadowYOffset(0.05);
      break;
  }
  // Letter, tab and figure buttons show only their glyph and caption.
  button->SetFaceVisible(false);
  button->SetFaceHeight(0.75);
  button->SetFaceXOffset(0.05);
  button->SetFaceYOffset(0.05);
  button->SetCaptionYOffset(0.05);
  button->SetCaptionXRound(5);
  button->SetCaptionYRound(5);
  if (family != TButtonFamily::Figure) button->Pen().SetStyle(TPenStyle::psClear);
}

TBaseBtn* NewButton(QWidget* parent, const QRect& bounds, int tag, const QString& caption,
                    const QString& hint, TButtonFamily family) {
  auto* button = new TBaseBtn(parent);
  button->setGeometry(bounds);
  SetTag(button, tag);
  button->SetCaption(caption);
  button->setToolTip(hint);
  ApplyButtonLook(button, family);
  return button;
}

GTextControl* NewList(QWidget* parent, const QRect& bounds, int tag, const QColor& color,
                      bool hotable) {
  auto* list = new GTextControl(parent);
  list->setGeometry(bounds);
  SetTag(list, tag);
  list->SetColor(color);
  list->SetHotable(hotable);
  list->SetItemHeight(kRowHeight);
  list->SetScrollWidth(kScrollWidth);
  list->Font().SetHeight(-kWindowFontHeight);
  list->Font().SetColor(kWindowTextColor);
  list->SetCursorSlot(crHand);
  TPicture picture;
  picture.SetBitmap(PictureResource(QStringLiteral("ScrollUp")));
  list->SetScrollUpImage(picture);
  picture.SetBitmap(PictureResource(QStringLiteral("ScrollThumb")));
  list->SetScrollImage(picture);
  picture.SetBitmap(PictureResource(QStringLiteral("ScrollDown")));
  list->SetScrollDownImage(picture);
  return list;
}

QLabel* NewDesignLabel(QWidget* parent, const QRect& bounds, int tag, const QString& caption,
                       int pixels, unsigned style, const QColor& color,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                       bool wordWrap = false) {
  QLabel* label = NewLabel(parent, bounds, caption, alignment, wordWrap);
  SetTag(label, tag);
  SetDesignFont(label, pixels, style, color);
  label->setCursor(GlobalCursor(crFlatHand));
  return label;
}

TBkControl* NewBackground(QWidget* parent, const QRect& bounds, int tag) {
  auto* background = new TBkControl(parent);
  background->setGeometry(bounds);
  SetTag(background, tag);
  background->Background().Brush().SetStyle(TBrushStyle::bsClear);
  background->Background().SetImageDrawStyle(TImageDrawStyle::idsTopLeft);
  background->SetCursorSlot(crFlatHand);
  return background;
}

}  // namespace

void TMainForm::CreateComponents() {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kWindowColor);
  colours.setColor(QPalette::WindowText, kWindowTextColor);
  colours.setColor(QPalette::Base, kWindowColor);
  colours.setColor(QPalette::Text, kWindowTextColor);
  setPalette(colours);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kWindowFontHeight);
  setFont(font);
  setCursor(GlobalCursor(crFlatHand));
  setMouseTracking(true);

  MainFormPanel = new TPanel(this);
  MainFormPanel->setGeometry(12, 4, kDesignWidth, kDesignHeight);
  MainFormPanel->setCursor(GlobalCursor(crFlatHand));

  Bk = NewBackground(MainFormPanel, QRect(0, 0, kDesignWidth, kDesignHeight), 0);
  Bk->setMouseTracking(true);
  Bk->installEventFilter(this);

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
  LstHeaderBk = NewDesignLabel(MainFormPanel, QRect(43, 71, 200, 20), 0, QStringLiteral("Inhoud"),
                               13, dfsBold, Qt::black, centred);
  LstHeader = NewDesignLabel(MainFormPanel, QRect(42, 70, 200, 20), 0, QStringLiteral("Inhoud"), 13,
                             dfsBold, Qt::white, centred);
  CreateLists();
  ContentLstLbl =
      NewDesignLabel(MainFormPanel, QRect(42, 390, 200, 14), 1100, QStringLiteral("Gevonden onder"),
                     11, dfsBold, kWindowTextColor, centred);

  BodyImage = new TProportionalImage(MainFormPanel);
  BodyImage->setGeometry(137, 98, 74, 215);
  SetTag(BodyImage, 1200);
  BodyImage->SetColor(kWindowColor);
  BodyImage->Background().Brush().SetColor(kWindowColor);
  BodyImage->Background().SetImageDrawStyle(TImageDrawStyle::idsAlongside);
  BodyImage->SetEffects(false);
  // The figure's pictures have the control's size in every class and map the reference frame
  // edge to edge, as the hit test does: drawn at full size, picture and frame coincide.
  BodyImage->SetSx(100);
  BodyImage->SetSy(100);
  BodyImage->SetCursorSlot(crHand);

  QueryResultsLstLbl =
      NewDesignLabel(MainFormPanel, QRect(42, 390, 200, 28), 1200, QStringLiteral("Gevonden onder"),
                     11, dfsBold, kWindowTextColor, centred);
  QueryResultsLstLbl->hide();
  AnatomicExpLbl = NewDesignLabel(
      MainFormPanel, QRect(42, 130, 83, 157), 1200,
      QStringLiteral("Beweeg met de muis over de afbeelding en klik vervolgens als het gewenste "
                     "orgaan of lichaamsdeel oplicht. Het resultaat wordt in onderstaande lijst "
                     "geplaatst."),
      11, dfsItalic, kWindowTextColor, Qt::AlignLeft | Qt::AlignTop, true);
  RotateLeftBtn = NewButton(MainFormPanel, QRect(107, 290, 18, 18), 1200, QString(),
                            QStringLiteral("Naar links draaien"), TButtonFamily::Figure);
  RotateLeftBtn->SetGlyphUpIsGlyphDown(true);
  RotateRightBtn = NewButton(MainFormPanel, QRect(224, 290, 18, 18), 1200, QString(),
                             QStringLiteral("Naar rechts draaien"), TButtonFamily::Figure);
  RotateRightBtn->SetGlyphUpIsGlyphDown(true);
  GenderBtn = NewButton(MainFormPanel, QRect(224, 98, 18, 18), 1200, QString(),
                        QStringLiteral("Wisselen tussen man/vrouw"), TButtonFamily::Figure);

  SearchEditLbl = NewDesignLabel(MainFormPanel, QRect(42, 140, 200, 14), 1300,
                                 QStringLiteral("Trefwoorden:"), 11, dfsBold, kWindowTextColor);
  SearchEdit = new QLineEdit(MainFormPanel);
  SearchEdit->setGeometry(42, 155, 200, 18);
  SetTag(SearchEdit, 1300);
  SearchEdit->setFrame(false);
  SearchEdit->setMaxLength(std::numeric_limits<int>::max());
  SearchEdit->setCursor(Qt::IBeamCursor);
  SearchEditExpLbl = NewDesignLabel(
      MainFormPanel, QRect(42, 175, 200, 70), 1300,
      QStringLiteral("Vul hierboven één of meerdere trefwoorden in en druk op Enter om het "
                     "zoeken te starten. Het resultaat wordt in onderstaande lijst geplaatst."),
      11, dfsItalic, kWindowTextColor, Qt::AlignLeft | Qt::AlignTop, true);

  SearchGauge = new TGauge(MainFormPanel);
  SearchGauge->setGeometry(42, 410, 58, 17);
  SearchGauge->SetBorderStyle(TBorderStyle::bsNone);
  SearchGauge->SetShowText(false);
  SearchGauge->SetCursorSlot(crFlatHand);

  CreateTabButtons();
  CreateLetterButtons();

  iDbRecHeaderLblBk = NewDesignLabel(MainFormPanel, QRect(307, 71, 280, 40), 2000, QString(), 13,
                                     dfsBold, Qt::black, centred, true);
  iDbRecHeaderLbl = NewDesignLabel(MainFormPanel, QRect(306, 70, 280, 40), 2000, QString(), 13,
                                   dfsBold, Qt::white, centred, true);
  iDbRecText = NewList(MainFormPanel, QRect(306, 112, 280, 271), 2000, kWindowColor, false);
  iDbRecText->Font().SetHeight(-13);

  CreatePanels();

  CaptionLblBk =
      NewDesignLabel(MainFormPanel, QRect(85, 4, 197, 16), 0, QString(), 13, dfsBold, Qt::black);
  CaptionLbl = NewDesignLabel(MainFormPanel, QRect(84, 3, 197, 16), 0, QString(), 13, dfsBold,
                              kWindowTextColor);
  CaptionLbl->setMouseTracking(true);
  CaptionLbl->installEventFilter(this);
  CreateTitleButtons();

  HintPnl = new TPanel(MainFormPanel);
  HintPnl->setGeometry(162, 130, 91, 17);
  HintPnl->SetColor(Qt::yellow);
  HintPnl->SetSingleBorder(true);
  SetDesignFont(HintPnl, 11, dfsNone, Qt::black);
  HintPnl->hide();

  // Controls with a window of their own lie above the windowless ones.
  SearchEdit->raise();
  GoToPnl->raise();
  SeeAlsoPnl->raise();
  HintPnl->raise();
}

void TMainForm::CreateLists() {
  ContentLst = NewList(MainFormPanel, QRect(42, 132, 200, 192), 1100, kWindowColor, true);
  QueryResultsLst = NewList(MainFormPanel, QRect(42, 316, 200, 65), 1200, kWindowColor, true);
  QueryResultsLst->hide();
}

void TMainForm::CreateTabButtons() {
  struct TTab {
    TBaseBtn*& Button;
    QRect Bounds;
    int Tag;
    const char* Caption;
    const char* Hint;
    TTabGroup Group;
  };
  const TTab tabs[] = {
      {ContentBtn, QRect(21, 70, 139, 17), 1100, "Inhoud", "Geeft de inhoudsopgave weer",
       TTabGroup::Left},
      {AnatomicBtn, QRect(21, 90, 139, 17), 1200, "Anatomie",
       "Geeft het zoeken via anatomisch model weer", TTabGroup::Left},
      {SearchBtn, QRect(21, 110, 139, 17), 1300, "Zoeken", "Geeft het zoeken op trefwoord weer",
       TTabGroup::Left},
      {GoToBtn, QRect(125, 410, 139, 17), 1900, "Historie", "Geeft eerder gekozen onderwerpen weer",
       TTabGroup::Right},
      {SeeAlsoBtn, QRect(287, 410, 139, 17), 2100, "Verwijzingen",
       "Geeft aanverwante onderwerpen weer", TTabGroup::Left},
      {ToClipBrdBtn, QRect(470, 390, 139, 17), 2200, "Klembord",
       "Huidige onderdeel naar het klembord kopieren", TTabGroup::Right},
      {PrintBtn, QRect(470, 410, 139, 17), 2300, "Afdrukken", "Huidige onderdeel afdrukken",
       TTabGroup::Right},
  };
  for (const TTab& tab : tabs) {
    tab.Button = NewButton(MainFormPanel, tab.Bounds, tab.Tag, QString::fromUtf8(tab.Caption),
                           QString::fromUtf8(tab.Hint), TButtonFamily::Tab);
    tab.Button->SetCaptionXOffset(tab.Group == TTabGroup::Left ? 0.31 : 0.2);
  }
}

void TMainForm::CreateLetterButtons() {
  static constexpr int kLefts[3][9] = {{64, 82, 98, 116, 134, 152, 170, 188, 206},
                                       {74, 92, 108, 126, 144, 162, 180, 198, 0},
                                       {64, 82, 98, 116, 134, 152, 170, 188, 206}};
  static constexpr int kTops[3] = {339, 354, 369};
  static constexpr int kRowStarts[3] = {0, 9, 17};  // "A", "J", "R"
  for (int index = 0; index < 26; ++index) {
    const int row = index < 9 ? 0 : index < 17 ? 1 : 2;
    const int column = index - kRowStarts[row];
    const QString letter(QChar(static_cast<char16_t>(u'A' + index)));
    TBaseBtn* button = NewButton(
        MainFormPanel, QRect(kLefts[row][column], kTops[row], 16, 18), 1100, letter,
        QStringLiteral("Sorteer de inhoudsopgave op de letter ") + letter, TButtonFamily::Letter);
    button->setEnabled(false);
    BaseBtns[index] = button;
  }
}

void TMainForm::CreatePanels() {
  const auto newPanel = [this](const QRect& bounds, int tag, const QString& header,
                               TBkControl*& background, QLabel*& headerLabel, GTextControl*& list) {
    auto* panel = new TPanel(MainFormPanel);
    panel->setGeometry(bounds);
    panel->SetColor(kPanelColor);
    panel->hide();
    background = NewBackground(panel, QRect(0, 0, bounds.width(), bounds.height()), tag);
    headerLabel =
        NewLabel(panel, QRect(14, 9, 129, 16), header, Qt::AlignHCenter | Qt::AlignTop, true);
    SetTag(headerLabel, tag);
    headerLabel->setCursor(GlobalCursor(crFlatHand));
    list = NewList(panel, QRect(14, 26, 129, 73), tag, kPanelColor, true);
    return panel;
  };
  GoToPnl = newPanel(QRect(106, 300, 156, 111), 1900, QStringLiteral("Historie"), GoToPnlBk,
                     GoToPnlHeader, GoToLst);
  SeeAlsoPnl = newPanel(QRect(282, 300, 156, 111), 2100, QStringLiteral("Verwijzingen"),
                        SeeAlsoPnlBk, SeeAlsoPnlHeader, SeeAlsoLst);
}

void TMainForm::CreateTitleButtons() {
  const auto title = [this](const QRect& bounds, int tag, const char* caption, double captionX,
                            const char* hint) {
    TBaseBtn* button = NewButton(MainFormPanel, bounds, tag, QString::fromUtf8(caption),
                                 QString::fromUtf8(hint), TButtonFamily::Title);
    button->SetCaptionXOffset(captionX);
    return button;
  };
  InfoBtn = title(QRect(6, 4, 18, 18), 200, "i", 0.45, "Geeft informatie over Halvena");
  HelpBtn = title(QRect(577, 3, 18, 18), 0, "?", 0.35, "Halvena Online Help");
  MinimizeBtn = title(QRect(597, 3, 18, 18), 300, "-", 0.35, "Halvena minimaliseren");
  QuitBtn = title(QRect(617, 3, 18, 18), 400, "X", 0.3, "Halvena afsluiten");
  MinimizeBtn->OnClick = [this](TGraphicControl* sender) { MinimizeBtnClick(sender); };
  QuitBtn->OnClick = [this](TGraphicControl* sender) { QuitBtnClick(sender); };
}

void TMainForm::ZoomControls(QWidget* parent, int m, int d) {
  for (QObject* child : parent->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control == nullptr || control->isWindow()) continue;
    control->setGeometry(ZoomBounds(control->geometry(), m, d));
    if (auto* graphic = dynamic_cast<TGraphicControl*>(control)) {
      graphic->Font().SetHeight(ZoomFontHeight(graphic->Font().Height(), m, d));
    } else if (control->testAttribute(Qt::WA_SetFont)) {
      QFont font = control->font();
      font.setPixelSize(-ZoomFontHeight(-font.pixelSize(), m, d));
      control->setFont(font);
    }
    ZoomControls(control, m, d);
  }
}

void TMainForm::SetUpTabButton(TBaseBtn* button, TTabGroup group) {
  const QRect bounds = button->geometry();
  const int collapsed = static_cast<int>(std::nearbyint(bounds.width() * 65.0 / 139.0));
  if (group == TTabGroup::Left) {
    button->SetClipRegion(ModeBtnRgn.get());
    button->setGeometry(bounds.x(), bounds.y(), collapsed, bounds.height());
  } else {
    button->SetClipRegion(ToolBtnRgn.get());
    button->setGeometry(bounds.x() + bounds.width() - collapsed, bounds.y(), collapsed,
                        bounds.height());
  }
  LoadTabGlyphs(button, group);
  button->SetCaption(QString());
  button->SetButtonIsDown(false);
}

}  // namespace halvena

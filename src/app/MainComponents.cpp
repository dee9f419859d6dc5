// The creation of TMainForm's controls at the 640 x 480 design size: every control with its
// place, tag, caption, hint, font, colours and pointer, the looks of the four button families,
// and the zoom of the whole design to a screen-size class.
#include <QLineEdit>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "app/Main.h"
#include "layout/Design.h"
#include "layout/Files.h"
#include "layout/ScreenClass.h"
#include "navigation/TitleItems.h"
#include "platform/Application.h"
#include "platform/CodePageQt.h"
#include "platform/Display.h"
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
// Gives `control` its design name and its place at design size.
void Place(QWidget* control, std::string_view name) {
  const std::optional<QRect> bounds = layout::FindDesignRect(name);
  if (!bounds) qFatal("no design place for the control %.*s", int(name.size()), name.data());
  control->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
  control->setGeometry(*bounds);
}

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

TBaseBtn* NewButton(QWidget* parent, std::string_view name, int tag, const QString& caption,
                    const QString& hint, TButtonFamily family) {
  auto* button = new TBaseBtn(parent);
  Place(button, name);
  SetTag(button, tag);
  button->SetCaption(caption);
  button->setToolTip(hint);
  ApplyButtonLook(button, family);
  return button;
}

// A compiled-in picture for the screen: on a screen of more than one device pixel per logical
// pixel its finer copy, when that is there at exactly the larger ratio's size.
QImage ScreenPictureResource(const char* name) {
  const QImage picture = PictureResource(QString::fromLatin1(name));
  if (picture.isNull() || DisplayMetrics().DevicePixelRatio <= 1) return picture;
  QImage fine =
      PictureResource(QString::fromStdString(layout::ScaledPath(name, layout::kHiDpiRatio)));
  if (fine.size() != picture.size() * layout::kHiDpiRatio) return picture;
  fine.setDevicePixelRatio(layout::kHiDpiRatio);
  return fine;
}

GTextControl* NewList(QWidget* parent, std::string_view name, int tag, const QColor& color,
                      bool hotable) {
  auto* list = new GTextControl(parent);
  Place(list, name);
  SetTag(list, tag);
  list->SetColor(color);
  list->SetHotable(hotable);
  list->SetItemHeight(kRowHeight);
  list->SetScrollWidth(kScrollWidth);
  list->Font().SetHeight(-kWindowFontHeight);
  list->Font().SetColor(kWindowTextColor);
  list->SetCursorSlot(crHand);
  // An item is "number|text" or a plain line; its row shows the text after the bar.
  list->OnItemText = [](const std::string& item) { return Cp1252ToQString(ItemText(item)); };
  TPicture picture;
  picture.SetBitmap(ScreenPictureResource("ScrollUp"));
  list->SetScrollUpImage(picture);
  picture.SetBitmap(ScreenPictureResource("ScrollThumb"));
  list->SetScrollImage(picture);
  picture.SetBitmap(ScreenPictureResource("ScrollDown"));
  list->SetScrollDownImage(picture);
  return list;
}

QLabel* NewDesignLabel(QWidget* parent, std::string_view name, int tag, const QString& caption,
                       int pixels, unsigned style, const QColor& color,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                       bool wordWrap = false) {
  QLabel* label = NewLabel(parent, QRect(), caption, alignment, wordWrap);
  Place(label, name);
  SetTag(label, tag);
  SetDesignFont(label, pixels, style, color);
  label->setCursor(GlobalCursor(crFlatHand));
  return label;
}

TBkControl* NewBackground(QWidget* parent, std::string_view name, int tag) {
  auto* background = new TBkControl(parent);
  Place(background, name);
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
  Place(MainFormPanel, "MainFormPanel");
  MainFormPanel->setCursor(GlobalCursor(crFlatHand));

  Bk = NewBackground(MainFormPanel, "Bk", 0);
  Bk->setMouseTracking(true);
  Bk->installEventFilter(this);

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
  LstHeaderBk = NewDesignLabel(MainFormPanel, "LstHeaderBk", 0, QStringLiteral("Inhoud"), 13,
                               dfsBold, Qt::black, centred);
  LstHeader = NewDesignLabel(MainFormPanel, "LstHeader", 0, QStringLiteral("Inhoud"), 13, dfsBold,
                             Qt::white, centred);
  CreateLists();
  ContentLstLbl =
      NewDesignLabel(MainFormPanel, "ContentLstLbl", 1100, QStringLiteral("Gevonden onder"), 11,
                     dfsBold, kWindowTextColor, centred);

  BodyImage = new TProportionalImage(MainFormPanel);
  Place(BodyImage, "BodyImage");
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
      NewDesignLabel(MainFormPanel, "QueryResultsLstLbl", 1200, QStringLiteral("Gevonden onder"),
                     11, dfsBold, kWindowTextColor, centred);
  QueryResultsLstLbl->hide();
  AnatomicExpLbl = NewDesignLabel(
      MainFormPanel, "AnatomicExpLbl", 1200,
      QStringLiteral("Beweeg met de muis over de afbeelding en klik vervolgens als het gewenste "
                     "orgaan of lichaamsdeel oplicht. Het resultaat wordt in onderstaande lijst "
                     "geplaatst."),
      11, dfsItalic, kWindowTextColor, Qt::AlignLeft | Qt::AlignTop, true);
  RotateLeftBtn = NewButton(MainFormPanel, "RotateLeftBtn", 1200, QString(),
                            QStringLiteral("Naar links draaien"), TButtonFamily::Figure);
  RotateLeftBtn->SetGlyphUpIsGlyphDown(true);
  RotateRightBtn = NewButton(MainFormPanel, "RotateRightBtn", 1200, QString(),
                             QStringLiteral("Naar rechts draaien"), TButtonFamily::Figure);
  RotateRightBtn->SetGlyphUpIsGlyphDown(true);
  GenderBtn = NewButton(MainFormPanel, "GenderBtn", 1200, QString(),
                        QStringLiteral("Wisselen tussen man/vrouw"), TButtonFamily::Figure);

  SearchEditLbl = NewDesignLabel(MainFormPanel, "SearchEditLbl", 1300,
                                 QStringLiteral("Trefwoorden:"), 11, dfsBold, kWindowTextColor);
  SearchEdit = new QLineEdit(MainFormPanel);
  Place(SearchEdit, "SearchEdit");
  SetTag(SearchEdit, 1300);
  SearchEdit->setFrame(false);
  SearchEdit->setMaxLength(std::numeric_limits<int>::max());
  SearchEdit->setCursor(Qt::IBeamCursor);
  SearchEditExpLbl = NewDesignLabel(
      MainFormPanel, "SearchEditExpLbl", 1300,
      QStringLiteral("Vul hierboven één of meerdere trefwoorden in en druk op Enter om het "
                     "zoeken te starten. Het resultaat wordt in onderstaande lijst geplaatst."),
      11, dfsItalic, kWindowTextColor, Qt::AlignLeft | Qt::AlignTop, true);

  SearchGauge = new TGauge(MainFormPanel);
  Place(SearchGauge, "SearchGauge");
  SearchGauge->SetBorderStyle(TBorderStyle::bsNone);
  SearchGauge->SetShowText(false);
  SearchGauge->SetCursorSlot(crFlatHand);

  CreateTabButtons();
  CreateLetterButtons();

  iDbRecHeaderLblBk = NewDesignLabel(MainFormPanel, "iDbRecHeaderLblBk", 2000, QString(), 13,
                                     dfsBold, Qt::black, centred, true);
  iDbRecHeaderLbl = NewDesignLabel(MainFormPanel, "iDbRecHeaderLbl", 2000, QString(), 13, dfsBold,
                                   Qt::white, centred, true);
  iDbRecText = NewList(MainFormPanel, "iDbRecText", 2000, kWindowColor, false);
  iDbRecText->setAccessibleName(QStringLiteral("Tekst"));
  iDbRecText->Font().SetHeight(-13);

  CreatePanels();

  CaptionLblBk =
      NewDesignLabel(MainFormPanel, "CaptionLblBk", 0, QString(), 13, dfsBold, Qt::black);
  CaptionLbl =
      NewDesignLabel(MainFormPanel, "CaptionLbl", 0, QString(), 13, dfsBold, kWindowTextColor);
  CaptionLbl->setMouseTracking(true);
  CaptionLbl->installEventFilter(this);
  CreateTitleButtons();

  HintPnl = new TPanel(MainFormPanel);
  Place(HintPnl, "HintPnl");
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
  ContentLst = NewList(MainFormPanel, "ContentLst", 1100, kWindowColor, true);
  ContentLst->setAccessibleName(QStringLiteral("Inhoud"));
  QueryResultsLst = NewList(MainFormPanel, "QueryResultsLst", 1200, kWindowColor, true);
  QueryResultsLst->setAccessibleName(QStringLiteral("Gevonden"));
  QueryResultsLst->hide();
}

void TMainForm::CreateTabButtons() {
  struct TTab {
    TBaseBtn*& Button;
    const char* Name;
    int Tag;
    const char* Caption;
    const char* Hint;
    TTabGroup Group;
  };
  const TTab tabs[] = {
      {ContentBtn, "ContentBtn", 1100, "Inhoud", "Geeft de inhoudsopgave weer", TTabGroup::Left},
      {AnatomicBtn, "AnatomicBtn", 1200, "Anatomie", "Geeft het zoeken via anatomisch model weer",
       TTabGroup::Left},
      {SearchBtn, "SearchBtn", 1300, "Zoeken", "Geeft het zoeken op trefwoord weer",
       TTabGroup::Left},
      {GoToBtn, "GoToBtn", 1900, "Historie", "Geeft eerder gekozen onderwerpen weer",
       TTabGroup::Right},
      {SeeAlsoBtn, "SeeAlsoBtn", 2100, "Verwijzingen", "Geeft aanverwante onderwerpen weer",
       TTabGroup::Left},
      {ToClipBrdBtn, "ToClipBrdBtn", 2200, "Klembord",
       "Huidige onderdeel naar het klembord kopieren", TTabGroup::Right},
      {PrintBtn, "PrintBtn", 2300, "Afdrukken", "Huidige onderdeel afdrukken", TTabGroup::Right},
  };
  for (const TTab& tab : tabs) {
    tab.Button = NewButton(MainFormPanel, tab.Name, tab.Tag, QString::fromUtf8(tab.Caption),
                           QString::fromUtf8(tab.Hint), TButtonFamily::Tab);
    tab.Button->SetCaptionXOffset(tab.Group == TTabGroup::Left ? 0.31 : 0.2);
  }
}

void TMainForm::CreateLetterButtons() {
  for (int index = 0; index < 26; ++index) {
    const QString letter(QChar(static_cast<char16_t>(u'A' + index)));
    const std::string name = "BaseBtn" + std::to_string(index + 2);
    TBaseBtn* button = NewButton(MainFormPanel, name, 1100, letter,
                                 QStringLiteral("Sorteer de inhoudsopgave op de letter ") + letter,
                                 TButtonFamily::Letter);
    button->setEnabled(false);
    BaseBtns[index] = button;
  }
}

void TMainForm::CreatePanels() {
  const auto newPanel = [this](const std::string& name, int tag, const QString& header,
                               TBkControl*& background, QLabel*& headerLabel) {
    auto* panel = new TPanel(MainFormPanel);
    Place(panel, name);
    panel->SetColor(kPanelColor);
    panel->hide();
    background = NewBackground(panel, name + "Bk", tag);
    headerLabel = NewLabel(panel, QRect(), header, Qt::AlignHCenter | Qt::AlignTop, true);
    Place(headerLabel, name + "Header");
    SetTag(headerLabel, tag);
    headerLabel->setCursor(GlobalCursor(crFlatHand));
    return panel;
  };
  GoToPnl = newPanel("GoToPnl", 1900, QStringLiteral("Historie"), GoToPnlBk, GoToPnlHeader);
  GoToLst = NewList(GoToPnl, "GoToLst", 1900, kPanelColor, true);
  GoToLst->setAccessibleName(QStringLiteral("Historie"));
  SeeAlsoPnl =
      newPanel("SeeAlsoPnl", 2100, QStringLiteral("Verwijzingen"), SeeAlsoPnlBk, SeeAlsoPnlHeader);
  SeeAlsoLst = NewList(SeeAlsoPnl, "SeeAlsoLst", 2100, kPanelColor, true);
  SeeAlsoLst->setAccessibleName(QStringLiteral("Verwijzingen"));
}

void TMainForm::CreateTitleButtons() {
  const auto title = [this](const char* name, int tag, const char* caption, double captionX,
                            const char* hint) {
    TBaseBtn* button = NewButton(MainFormPanel, name, tag, QString::fromUtf8(caption),
                                 QString::fromUtf8(hint), TButtonFamily::Title);
    button->SetCaptionXOffset(captionX);
    return button;
  };
  InfoBtn = title("InfoBtn", 200, "i", 0.45, "Geeft informatie over Halvena");
  HelpBtn = title("HelpBtn", 0, "?", 0.35, "Halvena Online Help");
  MinimizeBtn = title("MinimizeBtn", 300, "-", 0.35, "Halvena minimaliseren");
  QuitBtn = title("QuitBtn", 400, "X", 0.3, "Halvena afsluiten");
  MinimizeBtn->OnClick = [this](TGraphicControl* sender) { MinimizeBtnClick(sender); };
  QuitBtn->OnClick = [this](TGraphicControl* sender) { QuitBtnClick(sender); };
}

void TMainForm::ZoomControls(QWidget* parent, int m, int d) {
  for (QObject* child : parent->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control == nullptr || control->isWindow()) continue;
    control->setGeometry(layout::ZoomBounds(control->geometry(), m, d));
    if (auto* graphic = dynamic_cast<TGraphicControl*>(control)) {
      graphic->Font().SetHeight(layout::ZoomFontHeight(graphic->Font().Height(), m, d));
    } else if (control->testAttribute(Qt::WA_SetFont)) {
      QFont font = control->font();
      font.setPixelSize(-layout::ZoomFontHeight(-font.pixelSize(), m, d));
      control->setFont(font);
    }
    ZoomControls(control, m, d);
  }
}

void TMainForm::SetUpTabButton(TBaseBtn* button, TTabGroup group) {
  const QRect bounds = button->geometry();
  const int collapsed =
      static_cast<int>(std::nearbyint(bounds.width() * layout::kTabCollapseFactor));
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

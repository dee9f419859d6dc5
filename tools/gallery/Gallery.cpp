// The gallery: one window with every skinned control in its states, so that a person can look
// at them (under Xvfb: tools/xshot). The sample pictures are drawn here; the scroll bar comes
// from the program's resources, and the tab glyphs and the body figure are the program's own
// skin and figure files beside the gallery.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>

#include "base/ProgramFolder.h"
#include "controls/BaseBtn.h"
#include "controls/Bk.h"
#include "controls/CTxtCtrl.h"
#include "controls/Gauges.h"
#include "controls/MsgDlgBox.h"
#include "controls/ProImg.h"
#include "imaging/PMultiImage.h"
#include "layout/Design.h"
#include "layout/Files.h"
#include "platform/Display.h"
#include "platform/Resources.h"

namespace halvena {
namespace {

const QColor kSkin(101, 141, 115);
const QColor kSkinText(224, 235, 228);

QImage Tile() {
  QImage image(40, 30, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 40, 30);
  gradient.setColorAt(0, QColor(190, 215, 200));
  gradient.setColorAt(1, QColor(120, 160, 135));
  painter.fillRect(image.rect(), gradient);
  painter.setPen(QColor(80, 110, 90));
  painter.drawRect(0, 0, 39, 29);
  painter.drawEllipse(12, 7, 15, 15);
  return image;
}

QImage Glyph(QColor colour) {
  QImage image(18, 18, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(colour);
  painter.setPen(Qt::black);
  painter.drawPolygon(QPolygon({QPoint(3, 2), QPoint(15, 9), QPoint(3, 16)}));
  return image;
}

// A picture file of the program folder, loaded the way the program loads its pictures; a null
// image when the file is not there.
QImage ProgramPicture(const std::string& windowsPath) {
  const std::string path = ResolveProgramPath(windowsPath);
  if (!std::filesystem::exists(path)) return {};
  TPMultiImage loader;
  loader.SetImageName(QString::fromStdString(path));
  QImage picture = loader.Picture();
  loader.SetImageName(QString());
  return picture;
}

QLabel* Heading(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("color: rgb(224, 235, 228); font: bold 12px Arial;"));
  label->move(x, y);
  return label;
}

void FillList(GTextControl* list, int count) {
  list->Items().BeginUpdate();
  for (int i = 1; i <= count; ++i)
    list->Items().Add(std::to_string(i) + "|Term " + std::to_string(i));
  list->Items().EndUpdate();
}

void SetScrollBar(GTextControl* list) {
  TPicture up, thumb, down;
  up.SetBitmap(PictureResource(QStringLiteral("ScrollUp")));
  thumb.SetBitmap(PictureResource(QStringLiteral("ScrollThumb")));
  down.SetBitmap(PictureResource(QStringLiteral("ScrollDown")));
  list->SetScrollUpImage(up);
  list->SetScrollImage(thumb);
  list->SetScrollDownImage(down);
}

// An owner-drawn list in the way of the main window's lists: selected rows dark, hot rows
// light, the title after the "|".
GTextControl* OwnerDrawnList(QWidget* parent) {
  auto* list = new GTextControl(parent);
  list->OnDrawItem = [list](TGraphicControl*, int index, TRect rect, TOwnerDrawState state) {
    TCanvas* canvas = list->Canvas();
    if (canvas == nullptr || index < 0 || index >= list->Items().Count()) return;
    canvas->Brush.SetStyle(TBrushStyle::bsSolid);
    canvas->Brush.SetColor(state & odSelected ? QColor(60, 90, 70)
                           : state & odHot    ? QColor(170, 200, 180)
                                              : QColor(235, 240, 236));
    canvas->FillRect({rect.Left, rect.Top, rect.Right - list->ScrollWidth(), rect.Bottom});
    canvas->Brush.SetStyle(TBrushStyle::bsClear);
    canvas->Font.SetColor(state & odSelected ? Qt::white : Qt::black);
    const std::string& item = list->Items()[index];
    const QString title = QString::fromLatin1(item.substr(item.find('|') + 1));
    canvas->DrawText({rect.Left + 4, rect.Top, rect.Right, rect.Bottom}, title,
                     DT_SINGLELINE | DT_VCENTER);
  };
  return list;
}

void AddLists(QWidget* window) {
  Heading(window, QStringLiteral("Lijsten: met en zonder schuifbalk, geselecteerd en hot"), 10, 8);
  auto* plain = new GTextControl(window);
  plain->setGeometry(10, 30, 150, 130);
  plain->SetColor(QColor(235, 240, 236));
  SetScrollBar(plain);
  FillList(plain, 40);
  plain->SetItemIndex(2);
  TPicture marker;
  QImage dot(4, 8, QImage::Format_RGB32);
  dot.fill(Qt::darkRed);
  marker.SetBitmap(dot);
  plain->SetSelectedImage(marker);

  auto* shortList = new GTextControl(window);
  shortList->setGeometry(170, 30, 150, 130);
  shortList->SetColor(QColor(235, 240, 236));
  SetScrollBar(shortList);
  FillList(shortList, 5);
  shortList->SetSelectedImage(marker);

  auto* drawn = OwnerDrawnList(window);
  drawn->setGeometry(330, 30, 150, 130);
  SetScrollBar(drawn);
  FillList(drawn, 60);
  drawn->SetTopIndex(10);
  drawn->SetItemIndex(11);
  // Point at the fourth row once the window shows, so that it turns hot.
  QTimer::singleShot(300, drawn, [drawn] {
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 56), drawn->mapToGlobal(QPointF(40, 56)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(drawn, &move);
  });
}

TBaseBtn* Button(QWidget* parent, const QString& caption, int x, int y) {
  auto* button = new TBaseBtn(parent);
  button->setGeometry(x, y, 104, 26);
  button->SetCaption(caption);
  button->SetCaptionXOffset(0.1);
  button->SetCaptionYOffset(0.15);
  button->SetCaptionXRound(8);
  button->SetCaptionYRound(8);
  button->SetFaceWidth(0.9);
  button->SetFaceHeight(0.9);
  button->SetShadowColor(Qt::white);
  button->SetShadowXOffset(0.02);
  button->SetShadowYOffset(0.05);
  button->Brush().SetColor(QColor(190, 215, 200));
  button->Font().SetColor(Qt::black);
  return button;
}

void AddButtons(QWidget* window) {
  Heading(window, QStringLiteral("Knoppen: normaal, ingedrukt, hot, uitgeschakeld"), 500, 8);
  const QString captions[] = {QStringLiteral("Normaal"), QStringLiteral("Ingedrukt"),
                              QStringLiteral("Hot"), QStringLiteral("Uit")};
  TPicture up, down, disabled;
  up.SetIcon(Glyph(QColor(250, 210, 60)));
  down.SetIcon(Glyph(QColor(250, 120, 40)));
  disabled.SetIcon(Glyph(QColor(180, 180, 180)));
  // Rows: face only, no face (frames), face and glyph, glyph without face.
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      TBaseBtn* button = Button(window, captions[column], 500 + column * 128, 32 + row * 34);
      if (row == 1 || row == 3) {
        button->SetFaceVisible(false);
        button->Font().SetColor(kSkinText);
      }
      if (row >= 2) {
        button->SetGlyphUp(up);
        button->SetGlyphDown(down);
        button->SetGlyphDisabled(disabled);
        button->SetGlyphXOffset(0.04);
        button->SetGlyphYOffset(0.12);
        button->SetCaptionXOffset(0.3);
      }
      button->SetCaptionPenVisible(row == 3);
      button->SetCaptionPenColor(Qt::black);
      button->SetButtonIsDown(column == 1);
      button->SetButtonIsHot(column == 2);
      if (column == 2) button->Font().SetStyle(fsBold);
      button->setEnabled(column != 3);
    }
  }
}

void AddBackgrounds(QWidget* window) {
  Heading(window,
          QStringLiteral("Achtergronden: naast elkaar, midden, verborgen, uitgerekt, "
                         "linksboven"),
          10, 180);
  const TImageDrawStyle styles[] = {TImageDrawStyle::idsAlongside, TImageDrawStyle::idsCenter,
                                    TImageDrawStyle::idsHide, TImageDrawStyle::idsStretch,
                                    TImageDrawStyle::idsTopLeft};
  int x = 10;
  for (TImageDrawStyle style : styles) {
    auto* bk = new TBkControl(window);
    bk->setGeometry(x, 202, 190, 110);
    bk->Background().Brush().SetStyle(TBrushStyle::bsClear);
    bk->Background().Pen().SetColor(kSkinText);
    bk->Background().Image().SetBitmap(Tile());
    bk->Background().SetImageDrawStyle(style);
    x += 200;
  }
}

void AddImage(QWidget* window) {
  Heading(window, QStringLiteral("Beeld met bijschrift"), 10, 330);
  auto* image = new TProportionalImage(window);
  image->setGeometry(10, 352, 240, 240);
  image->Background().Brush().SetColor(QColor(235, 240, 236));
  TPicture figure;
  figure.SetBitmap(ProgramPicture(layout::FigurePath(false, 2, 1)));
  image->SetImage(figure);
  image->SetText(QStringLiteral("Vrouw, vooraanzicht"));
}

void AddGauges(QWidget* window) {
  Heading(window, QStringLiteral("Voortgangsmeters: tekst, horizontaal, verticaal, taart, naald"),
          280, 330);
  const TGaugeKind kinds[] = {TGaugeKind::gkText, TGaugeKind::gkHorizontalBar,
                              TGaugeKind::gkVerticalBar, TGaugeKind::gkPie, TGaugeKind::gkNeedle};
  int x = 280;
  for (TGaugeKind kind : kinds) {
    auto* gauge = new TGauge(window);
    gauge->setGeometry(x, 352, 120, kind == TGaugeKind::gkText ? 30 : 100);
    gauge->SetColor(kSkin);
    gauge->SetForeColor(QColor(60, 90, 70));
    gauge->SetBackColor(QColor(235, 240, 236));
    gauge->Font().SetStyle(fsBold);
    gauge->SetKind(kind);
    gauge->SetProgress(62);
    x += 135;
  }
  auto* search = new TGauge(window);
  search->setGeometry(QRect(QPoint(280, 470), layout::kSearchGauge.size()));
  search->SetBorderStyle(TBorderStyle::bsNone);
  search->SetShowText(false);
  search->SetForeColor(QColor(60, 90, 70));
  search->SetProgress(40);
  Heading(window, QStringLiteral("zoekmeter, 58 × 17"), 345, 470);
}

// The tab buttons' skin glyphs filling the button, up and down, for the left and the right
// group. The window cuts them to the collapsed or expanded tab shape; only the expanded (down)
// tabs show their caption there.
void AddTabs(QWidget* window) {
  Heading(window, QStringLiteral("Tabknoppen met de skin van het programma (6x4)"), 280, 510);
  const struct {
    const char* stem;
    const char* caption;
    bool down;
    double captionX;
  } tabs[] = {{"bil", "", false, 0},
              {"bol", "Trefwoorden", true, 0.31},
              {"bir", "", false, 0},
              {"bor", "Afdrukken", true, 0.2}};
  int y = 534;
  for (const auto& tab : tabs) {
    const std::string glyph = layout::SkinPath(tab.stem, 0);
    auto* button = new TBaseBtn(window);
    button->setGeometry(QRect(QPoint(280, y), layout::kGoToBtn.size()));
    button->SetCaption(QString::fromUtf8(tab.caption));
    button->SetCaptionXOffset(tab.captionX);
    button->SetFaceVisible(false);
    button->Font().SetColor(kSkinText);
    button->Font().SetStyle(fsBold);
    TPicture up, down;
    up.SetBitmap(ProgramPicture(glyph));
    down.SetBitmap(ProgramPicture(glyph));
    button->SetGlyphUp(up);
    button->SetGlyphDown(down);
    button->SetButtonIsDown(tab.down);
    y += 26;
  }
}

// A button that opens the skinned message dialog with the program's button glyphs; the answer
// shows beside it.
void AddMessageDialog(QWidget* window, TPMultiImage& loader, bool openAtStart) {
  Heading(window, QStringLiteral("Vraagvenster (modaal, met de knopplaatjes uit I\\)"), 500, 510);
  TBaseBtn* open = Button(window, QStringLiteral("Vraag tonen"), 500, 534);
  auto* answer = Heading(window, QString(), 620, 538);
  const auto ask = [&loader, answer] {
    const bool ok = ShowMessageDlgBox(
        loader,
        QStringLiteral("Wilt u dit onderdeel afdrukken? Een lange tekst loopt door over "
                       "meerdere regels binnen het tekstvak van het venster."),
        QStringLiteral("Ok"), QStringLiteral("Cancel"));
    answer->setText(ok ? QStringLiteral("gekozen: Ok") : QStringLiteral("gekozen: Cancel"));
    answer->adjustSize();
  };
  open->OnClick = [ask](TGraphicControl*) { ask(); };
  if (openAtStart) QTimer::singleShot(300, window, ask);
}

}  // namespace
}  // namespace halvena

// "gallery --bits 8" (or 4) shows the controls as a display of that depth would, through the
// program's palettes; "gallery --dialog" opens the message dialog at once.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const qsizetype bits = arguments.indexOf(QStringLiteral("--bits"));
  if (bits > 0 && bits + 1 < arguments.size()) {
    halvena::TDisplayMetrics metrics = halvena::DisplayMetrics();
    metrics.BitsPerPixel = arguments[bits + 1].toInt();
    halvena::SetDisplayOverride(metrics);
  }
  QWidget window;
  window.setWindowTitle(QStringLiteral("Halvena: bedieningselementen"));
  window.setFixedSize(1024, 768);
  window.setAutoFillBackground(true);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, halvena::kSkin);
  window.setPalette(palette);
  halvena::AddLists(&window);
  halvena::AddButtons(&window);
  halvena::AddBackgrounds(&window);
  halvena::AddImage(&window);
  halvena::AddGauges(&window);
  halvena::AddTabs(&window);
  halvena::TPMultiImage loader;
  halvena::AddMessageDialog(&window, loader, arguments.contains(QStringLiteral("--dialog")));
  window.show();
  return app.exec();
}

#include "assets/ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <QStringList>
#include <cmath>

#include "assets/DialogButtons.h"
#include "assets/Palettes.h"
#include "assets/Pictures.h"
#include "assets/Quantize.h"
#include "assets/ScrollBar.h"
#include "assets/Shading.h"
#include "assets/Skins.h"

namespace halvena::assets {
namespace {

using namespace colors;

int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

QFont Arial(int designPixels, double scale, bool bold = false, bool italic = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(designPixels * scale + 0.5));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// Text with a black copy one pixel to the lower right, as the title labels are drawn.
void ShadowedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                  const QColor& color) {
  painter.setPen(Qt::black);
  painter.drawText(rect.translated(1, 1), flags, text);
  painter.setPen(color);
  painter.drawText(rect, flags, text);
}

// A tab button at its design place: collapsed to 65/139 of its width (the right group keeps its
// right edge) or expanded to the full width, cut by its shape, its glyph at its top left and,
// when expanded, its bold caption.
void Tab(QPainter& painter, const TScreenClass& screenClass, const QRect& designRect,
         TTabGroup group, bool expanded, const QString& caption) {
  const QRect full = screenClass.Zoom(designRect);
  int width = RoundEven(full.width() * layout::kTabCollapseFactor);
  if (expanded) width = RoundEven(width * layout::kTabExpandFactor);
  const int left = group == TTabGroup::Left ? full.left() : full.left() + full.width() - width;
  const QRect button(left, full.top(), width, full.height());
  const QImage glyph = TabGlyph(screenClass, group, expanded);
  QRegion shape = TabRegion(group, expanded, full.size()).translated(button.topLeft());
  shape &= QRegion(button);
  painter.save();
  painter.setClipRegion(shape);
  painter.drawImage(button.topLeft(), glyph);
  if (expanded) {
    painter.setFont(Arial(11, screenClass.Factor(), true));
    painter.setPen(kText);
    const double x = group == TTabGroup::Left ? 0.31 : 0.2;
    painter.drawText(button.adjusted(RoundEven(x * width), RoundEven(0.05 * full.height()), 0, 0),
                     Qt::AlignLeft | Qt::AlignTop, caption);
  }
  painter.restore();
}

// Rows of light text over a black copy from the top of `rect`, with the scroll bar at its right.
void List(QPainter& painter, const TScreenClass& screenClass, const QRect& rect,
          const QStringList& rows, int designPixels, int hot) {
  const double scale = screenClass.Factor();
  const int rowHeight = RoundEven(16 * scale);
  const int scrollWidth = 16;
  painter.save();
  painter.setClipRect(rect);
  for (int i = 0; i < rows.size(); ++i) {
    QFont font = Arial(designPixels, scale);
    font.setUnderline(i == hot);
    painter.setFont(font);
    const QRect row(rect.left() + 5, rect.top() + i * rowHeight, rect.width() - 29, rowHeight);
    painter.setPen(Qt::black);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
    painter.setPen(kText);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
  }
  const int x = rect.right() + 1 - scrollWidth;
  painter.drawImage(QPoint(x, rect.top()), ScrollUp());
  painter.drawImage(QPoint(x, rect.top() + scrollWidth + 20), ScrollThumb());
  painter.drawImage(QPoint(x, rect.bottom() + 1 - scrollWidth), ScrollDown());
  painter.restore();
}

void Window(QPainter& painter, const TScreenClass& screenClass) {
  const double scale = screenClass.Factor();
  const auto zoom = [&](const QRect& rect) { return screenClass.Zoom(rect); };
  painter.drawImage(0, 0, WindowSkin(screenClass));

  painter.setFont(Arial(13, scale, true));
  ShadowedText(painter, zoom(layout::kCaptionLbl), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Halvena 2.0 release 3"), kText);
  const QStringList titleButtons = {QStringLiteral("i"), QStringLiteral("?"), QStringLiteral("-"),
                                    QStringLiteral("X")};
  const QList<QRect> titlePlaces = {layout::kInfoBtn, layout::kHelpBtn, layout::kMinimizeBtn,
                                    layout::kQuitBtn};
  painter.setFont(Arial(11, scale, true));
  for (int i = 0; i < titleButtons.size(); ++i) {
    const QRectF face(zoom(titlePlaces[i]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(face.adjusted(0.02 * face.width(), 0.05 * face.height(), 0, 0), 4, 4);
    painter.setBrush(kMist);
    painter.setPen(kNight);
    painter.drawRoundedRect(QRectF(face.topLeft(), QSizeF(face.width() * 0.9, face.height() * 0.9)),
                            4, 4);
    painter.drawText(QRectF(face.topLeft(), QSizeF(face.width() * 0.9, face.height() * 0.9)),
                     Qt::AlignCenter, titleButtons[i]);
  }

  painter.setFont(Arial(13, scale, true));
  ShadowedText(painter, zoom(layout::kLstHeader), Qt::AlignCenter, QStringLiteral("Inhoud"),
               Qt::white);
  List(painter, screenClass, zoom(layout::kContentLst),
       {QStringLiteral("Aambeien"), QStringLiteral("Aangezichtspijn"), QStringLiteral("Aarsfistel"),
        QStringLiteral("Abces"), QStringLiteral("Acne"), QStringLiteral("Adamsappel"),
        QStringLiteral("Ademhaling"), QStringLiteral("Adrenaline"), QStringLiteral("Afasie"),
        QStringLiteral("Allergie"), QStringLiteral("Alvleesklier"), QStringLiteral("Amandelen")},
       11, 3);

  painter.setFont(Arial(11, scale, true));
  for (int letter = 0; letter < 26; ++letter) {
    const QRect place = zoom(layout::LetterButtonRect(letter));
    painter.setPen(letter == 23 || letter == 16 ? QColor(128, 128, 128) : kText);
    painter.drawText(place.translated(RoundEven(0.25 * place.width()), 0),
                     Qt::AlignLeft | Qt::AlignTop, QString(QChar('A' + letter)));
  }
  ShadowedText(painter, zoom(layout::kContentLstLbl), Qt::AlignCenter,
               QStringLiteral("Gevonden onder A: 42"), kText);
  const QRect gauge = zoom(layout::kSearchGauge);
  painter.fillRect(gauge, QColor(85, 125, 101));
  painter.fillRect(QRect(gauge.topLeft(), QSize(gauge.width() * 2 / 3, gauge.height())), kText);

  painter.setFont(Arial(13, scale, true));
  ShadowedText(painter, zoom(layout::kIDbRecHeaderLbl), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Aambeien"), Qt::white);
  List(painter, screenClass, zoom(layout::kIDbRecText),
       {QStringLiteral("Aambeien zijn gezwollen bloedvaten in en rond"),
        QStringLiteral("de anus. Ze ontstaan door langdurige druk,"),
        QStringLiteral("bijvoorbeeld bij persen tijdens de stoelgang,"),
        QStringLiteral("bij zwangerschap of bij langdurig zitten."), QString(),
        QStringLiteral("Klachten zijn jeuk, pijn en soms wat helder"),
        QStringLiteral("rood bloed bij de ontlasting. Zie ook"),
        QStringLiteral("Anus en Obstipatie.")},
       13, -1);

  Tab(painter, screenClass, layout::kContentBtn, TTabGroup::Left, true, QStringLiteral("Inhoud"));
  Tab(painter, screenClass, layout::kAnatomicBtn, TTabGroup::Left, false, QString());
  Tab(painter, screenClass, layout::kSearchBtn, TTabGroup::Left, false, QString());
  Tab(painter, screenClass, layout::kGoToBtn, TTabGroup::Right, false, QString());
  Tab(painter, screenClass, layout::kSeeAlsoBtn, TTabGroup::Left, false, QString());
  Tab(painter, screenClass, layout::kToClipBrdBtn, TTabGroup::Right, true,
      QStringLiteral("Klembord"));
  Tab(painter, screenClass, layout::kPrintBtn, TTabGroup::Right, false, QString());

  // The cross-reference panel, open.
  const QRect panel = zoom(layout::kSeeAlsoPnl);
  painter.save();
  painter.translate(panel.topLeft());
  painter.setClipPath(PanelShape(panel.size()));
  painter.drawImage(0, 0, PanelSkin(screenClass, false));
  painter.setFont(Arial(11, scale, true));
  painter.setPen(kText);
  painter.drawText(zoom(layout::kPnlHeader), Qt::AlignCenter, QStringLiteral("Verwijzingen"));
  List(painter, screenClass, zoom(layout::kPnlLst),
       {QStringLiteral("Anus"), QStringLiteral("Obstipatie"), QStringLiteral("Zwangerschap")}, 11,
       1);
  painter.restore();
}

// `picture` as the 8-bit bitmap made from it with `palette` shows it.
QImage Reduced(const QImage& picture, const QVector<QRgb>& palette) {
  const std::vector<std::uint8_t> indices = DiffuseToPalette(picture, palette);
  QImage image(picture.size(), QImage::Format_Indexed8);
  image.setColorTable(palette);
  for (int y = 0; y < image.height(); ++y) {
    std::copy_n(indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width(), image.width(),
                image.scanLine(y));
  }
  return image;
}

}  // namespace

QImage WindowSheet(const TScreenClass& screenClass) {
  const QSize window = screenClass.Window;
  const QSize tab = TabSize(screenClass);
  const int gap = 12;
  QImage sheet(window.width(), window.height() + 4 * (tab.height() + gap) + gap,
               QImage::Format_RGB32);
  sheet.fill(QColor(60, 60, 60));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Window(painter, screenClass);

  // Each glyph cut by the collapsed and by the expanded shape, on the window colour.
  painter.fillRect(QRect(0, window.height(), window.width(), sheet.height() - window.height()),
                   kWindow);
  int y = window.height() + gap;
  for (const TTabGroup group : {TTabGroup::Left, TTabGroup::Right}) {
    for (const bool down : {false, true}) {
      const QImage glyph = TabGlyph(screenClass, group, down);
      int x = gap;
      for (const bool expanded : {false, true}) {
        const int width =
            expanded ? tab.width() : RoundEven(tab.width() * layout::kTabCollapseFactor);
        QRegion shape = TabRegion(group, expanded, tab) & QRegion(0, 0, width, tab.height());
        painter.save();
        painter.setClipRegion(shape.translated(x, y));
        painter.drawImage(x, y, glyph);
        painter.restore();
        x += tab.width() + gap;
      }
      painter.drawImage(x, y, glyph);
      y += tab.height() + gap;
    }
  }
  return sheet;
}

}  // namespace halvena::assets

namespace halvena::assets {

QImage PictureSheet() {
  const int gap = 12;
  const QImage intro = IntroPicture();
  const QImage about = AboutPicture();
  QImage sheet(3 * about.width() + 4 * gap, intro.height() + about.height() + 120 + 4 * gap,
               QImage::Format_RGB32);
  sheet.fill(kSage);
  QPainter painter(&sheet);
  int y = gap;
  for (const QImage& picture : {intro, about}) {
    int x = gap;
    for (const QImage& shown : {picture, Reduced(picture, PictureColors(picture, 256)),
                                Reduced(picture, Palette256Colors())}) {
      painter.drawImage(x, y, shown);
      x += about.width() + gap;
    }
    y += picture.height() + gap;
  }
  int x = gap;
  for (const int size : {64, 48, 32, 16}) {
    painter.drawImage(x, y, WindowIcon(size));
    x += size + gap;
  }
  painter.setFont(Arial(11, 1));
  const QStringList captions = {QStringLiteral("Ok"), QStringLiteral("Cancel"),
                                QStringLiteral("Cancel")};
  const TDialogButtonLook looks[] = {TDialogButtonLook::Up, TDialogButtonLook::Down,
                                     TDialogButtonLook::Disabled};
  for (int i = 0; i < 3; ++i) {
    // As the button paints it: the pressed picture moves onto the shadow, and so does the
    // caption.
    const QPoint shift = looks[i] == TDialogButtonLook::Down ? QPoint(2, 1) : QPoint();
    const QRect button(x, y, 104, 26);
    painter.save();
    painter.setClipRect(button);
    painter.drawImage(button.topLeft() + shift, DialogButton(looks[i]));
    painter.setPen(looks[i] == TDialogButtonLook::Disabled ? QColor(128, 128, 128) : kText);
    painter.drawText(button.translated(shift).adjusted(10, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     captions[i]);
    painter.restore();
    x += 104 + gap;
  }
  return sheet;
}

}  // namespace halvena::assets

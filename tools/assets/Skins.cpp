#include "assets/Skins.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "assets/Shading.h"
#include "layout/Files.h"
#include "layout/ScreenClass.h"

namespace halvena::assets {
namespace {

using namespace colors;

using layout::kFooterTop;
using layout::kLeftHeaderBottom;
using layout::kLeftWell;
using layout::kRightHeaderBottom;
using layout::kRightToolsTop;
using layout::kRightWell;
using layout::kTitleBottom;

constexpr int kWellRadius = 9;
constexpr int kRimWidth = 5;

QRectF Zoomed(const TScreenClass& screenClass, const QRect& designRect) {
  return QRectF(screenClass.Zoom(designRect));
}

// A band across the top or the bottom of a dark strip: a gradient with a fine groove.
void Strip(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom,
           double scale) {
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.fillRect(rect, fill);
  QPainterPath area;
  area.addRect(rect);
  Grain(painter, area, 5);
  painter.setPen(QPen(QColor(255, 255, 255, 45), scale));
  painter.drawLine(QPointF(rect.left(), rect.top() + scale / 2),
                   QPointF(rect.right(), rect.top() + scale / 2));
}

// A band inside a well between `top` and `bottom` (device rows), clipped to the well's shape,
// with a divider on the side that faces the rest of the well.
void WellBand(QPainter& painter, const QPainterPath& well, double top, double bottom,
              bool dividerBelow, double scale) {
  const QRectF box = well.boundingRect();
  QPainterPath band;
  band.addRect(QRectF(box.left(), top, box.width(), bottom - top));
  band = band.intersected(well);
  painter.save();
  painter.setPen(Qt::NoPen);
  QLinearGradient fill(0, top, 0, bottom);
  fill.setColorAt(0, Mix(kSage, kDeep, 0.35));
  fill.setColorAt(1, Mix(kSage, kDeep, 0.6));
  painter.setBrush(fill);
  painter.drawPath(band);
  Grain(painter, band, 4);
  const double divider = dividerBelow ? bottom : top;
  const double inset = 6 * scale;
  painter.setPen(QPen(QColor(0, 0, 0, 90), scale));
  painter.drawLine(QPointF(box.left() + inset, divider - scale / 2),
                   QPointF(box.right() - inset, divider - scale / 2));
  painter.setPen(QPen(QColor(255, 255, 255, 60), scale));
  painter.drawLine(QPointF(box.left() + inset, divider + scale / 2),
                   QPointF(box.right() - inset, divider + scale / 2));
  painter.restore();
}

void DrawWell(QPainter& painter, const QRectF& rect, double scale) {
  const double radius = kWellRadius * scale;
  Rim(painter, rect, radius, kRimWidth * scale, scale);
  const QPainterPath well = RoundedRect(rect, radius);
  Well(painter, well, Mix(kDeep, kSage, 0.12), Mix(kDeep, kNight, 0.3), scale);
}

// The program's name pressed lightly into the footer, at its right end.
void FooterMark(QPainter& painter, const QRectF& footer, double scale) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(12 * scale + 0.5));
  font.setBold(true);
  font.setItalic(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5 * scale);
  painter.setFont(font);
  const QRectF text = footer.adjusted(0, 0, -22 * scale, 0);
  const QString mark = QStringLiteral("Halvena");
  painter.setPen(QColor(0, 0, 0, 70));
  painter.drawText(text.translated(0, -scale), Qt::AlignRight | Qt::AlignVCenter, mark);
  painter.setPen(QColor(255, 255, 255, 70));
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, mark);
}

// A picture of `size` pixels drawn `ratio` times as fine: painters on it draw in its logical
// pixels.
QImage NewPicture(QSize size, int ratio) {
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  return image;
}

}  // namespace

QImage WindowSkin(const TScreenClass& screenClass, int ratio) {
  const double scale = screenClass.Factor();
  const QSize size = screenClass.Window;
  QImage image = NewPicture(size, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF all(QPointF(0, 0), QSizeF(size));

  QLinearGradient ground(all.topLeft(), all.bottomLeft());
  ground.setColorAt(0, Mix(kWindow, kMist, 0.3));
  ground.setColorAt(0.45, kWindow);
  ground.setColorAt(1, Mix(kWindow, kSage, 0.5));
  painter.fillRect(all, ground);
  QRadialGradient sheen(QPointF(size.width() * 0.3, size.height() * 0.15), size.width() * 0.6);
  sheen.setColorAt(0, QColor(255, 255, 255, 45));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(all, sheen);
  QPainterPath whole;
  whole.addRect(all);
  Grain(painter, whole, 7);

  const double titleBottom = screenClass.Zoom(kTitleBottom);
  Strip(painter, QRectF(0, 0, size.width(), titleBottom), Mix(kDeep, kSage, 0.3), kNight, scale);
  painter.setPen(QPen(QColor(255, 255, 255, 90), scale));
  painter.drawLine(QPointF(0, titleBottom + scale / 2),
                   QPointF(size.width(), titleBottom + scale / 2));

  const double footerTop = screenClass.Zoom(kFooterTop);
  const QRectF footer(0, footerTop, size.width(), size.height() - footerTop);
  Strip(painter, footer, Mix(kWindow, kSage, 0.6), Mix(kSage, kDeep, 0.5), scale);
  FooterMark(painter, footer, scale);

  const QRectF left = Zoomed(screenClass, kLeftWell);
  const QRectF right = Zoomed(screenClass, kRightWell);
  DrawWell(painter, left, scale);
  DrawWell(painter, right, scale);
  const double radius = kWellRadius * scale;
  WellBand(painter, RoundedRect(left, radius), left.top(), screenClass.Zoom(kLeftHeaderBottom),
           true, scale);
  WellBand(painter, RoundedRect(right, radius), right.top(), screenClass.Zoom(kRightHeaderBottom),
           true, scale);
  WellBand(painter, RoundedRect(right, radius), screenClass.Zoom(kRightToolsTop), right.bottom(),
           false, scale);

  // The window has no border of its own: a dark edge with a light line inside frames it.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(kNight);
  painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
  painter.setPen(QColor(255, 255, 255, 50));
  painter.drawRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -2, -2));
  return image;
}

QImage PanelSkin(const TScreenClass& screenClass, bool left, int ratio) {
  const double scale = screenClass.Factor();
  const QRect panel = screenClass.Zoom(left ? layout::kGoToPnl : layout::kSeeAlsoPnl);
  const QSize size = panel.size();
  QImage image = NewPicture(size, ratio);
  image.fill(kPanel);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QPainterPath shape = PanelShape(size);
  const QRectF box = shape.boundingRect();
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, Mix(kPanel, Qt::white, 0.1));
  fill.setColorAt(0.06, Mix(kPanel, Qt::black, 0.24));
  fill.setColorAt(1, Mix(kPanel, Qt::black, 0.3));
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawPath(shape);
  // The light falls from the side of the panel that faces the middle of the window.
  QRadialGradient sheen(left ? box.topLeft() : box.topRight(), box.width() * 0.9);
  sheen.setColorAt(0, QColor(255, 255, 255, 16));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setBrush(sheen);
  painter.drawPath(shape);
  Grain(painter, shape, 3);

  // Edges inside the shape, which the window shape cuts without smoothing.
  const auto inset = [&](double by) {
    const QRectF rect = box.adjusted(by, by, -by, -by);
    QPainterPath path;
    path.addRoundedRect(rect, size.width() / 8.0 - by, size.height() / 8.0 - by);
    return path;
  };
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Mix(kPanel, Qt::black, 0.45), 1.2 * scale));
  painter.drawPath(inset(0.6 * scale));
  painter.setPen(QPen(QColor(255, 255, 255, 110), scale));
  painter.drawPath(inset(2 * scale));

  const QRect list = screenClass.Zoom(layout::kPnlLst);
  const double margin = 2 * scale;
  Well(painter, RoundedRect(QRectF(list).adjusted(-margin, -margin, margin, margin), 4 * scale),
       Mix(kPanel, Qt::black, 0.3), Mix(kPanel, Qt::black, 0.24), scale);
  return image;
}

QImage TabGlyph(const TScreenClass& screenClass, TTabGroup group, bool down, int ratio) {
  const QSize size = TabSize(screenClass);
  const double w = size.width();
  const double h = size.height();
  QImage image = NewPicture(size, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient body(0, 0, 0, h);
  if (down) {
    body.setColorAt(0, Mix(kSage, kMist, 0.2));
    body.setColorAt(0.1, Mix(kDeep, kSage, 0.15));
    body.setColorAt(0.6, Mix(kDeep, kNight, 0.3));
    body.setColorAt(1, kNight);
  } else {
    body.setColorAt(0, Qt::white);
    body.setColorAt(0.12, kMist);
    body.setColorAt(0.6, Mix(kPale, kWindow, 0.3));
    body.setColorAt(1, Mix(kSage, kDeep, 0.3));
  }
  painter.fillRect(QRectF(0, 0, w, h), body);
  const double scale = screenClass.Factor();
  painter.setPen(QPen(QColor(0, 0, 0, down ? 110 : 70), scale));
  painter.drawLine(QPointF(0, h - scale / 2), QPointF(w, h - scale / 2));

  // The jewel in the knob: the knob is the same for both shapes of a left-group tab; a
  // right-group tab has it at the end of its collapsed shape while up and at the end of its
  // expanded shape while down.
  const double knob = 8.5 / layout::kTabWidth * w;
  const double x =
      group == TTabGroup::Left ? knob : (down ? w : layout::kTabCollapseFactor * w) - knob;
  const QPointF centre(x, 7.5 / 17 * h);
  const double radius = 3.4 / 17 * h;
  if (down) {
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0, QColor(230, 255, 236, 200));
    glow.setColorAt(1, QColor(150, 230, 180, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
  }
  QRadialGradient jewel(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.2);
  if (down) {
    jewel.setColorAt(0, Qt::white);
    jewel.setColorAt(0.45, QColor(186, 246, 206));
    jewel.setColorAt(1, QColor(62, 160, 104));
  } else {
    jewel.setColorAt(0, Mix(kSage, kMist, 0.5));
    jewel.setColorAt(0.5, kDeep);
    jewel.setColorAt(1, kNight);
  }
  painter.setBrush(jewel);
  painter.setPen(QPen(QColor(0, 0, 0, down ? 90 : 60), 0.8 * scale));
  painter.drawEllipse(centre, radius, radius);
  return image;
}

std::vector<TSkinFile> SkinFiles() {
  std::vector<TSkinFile> files;
  for (const int ratio : {1, layout::kHiDpiRatio}) {
    for (std::uint8_t c = 0; c < layout::kScreenClassCount; ++c) {
      const TScreenClass& screenClass = ScreenClasses()[c];
      const auto name = [c, ratio](std::string_view stem) {
        return QString::fromStdString(
            layout::PortablePath(layout::ScaledPath(layout::SkinPath(stem, c), ratio)));
      };
      files.push_back({name("bk"), WindowSkin(screenClass, ratio)});
      files.push_back({name("lpbk"), PanelSkin(screenClass, true, ratio)});
      files.push_back({name("rpbk"), PanelSkin(screenClass, false, ratio)});
      files.push_back({name("bil"), TabGlyph(screenClass, TTabGroup::Left, false, ratio)});
      files.push_back({name("bol"), TabGlyph(screenClass, TTabGroup::Left, true, ratio)});
      files.push_back({name("bir"), TabGlyph(screenClass, TTabGroup::Right, false, ratio)});
      files.push_back({name("bor"), TabGlyph(screenClass, TTabGroup::Right, true, ratio)});
    }
  }
  return files;
}

}  // namespace halvena::assets

#include "app/FormControls.h"

#include <QPainter>
#include <QVariant>

namespace halvena {

TPanel::TPanel(QWidget* parent) : QWidget(parent) {}

void TPanel::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

void TPanel::SetSingleBorder(bool single) {
  if (FSingleBorder == single) return;
  FSingleBorder = single;
  update();
}

void TPanel::SetCaption(const QString& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor fill = FColor.isValid() ? FColor : window()->palette().color(QPalette::Window);
  painter.fillRect(rect(), fill);
  if (FSingleBorder) {
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (!FCaption.isEmpty()) {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, FCaption);
  }
}

void SetDesignFont(QWidget* widget, int pixels, unsigned style, const QColor& color) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold((style & dfsBold) != 0);
  font.setItalic((style & dfsItalic) != 0);
  widget->setFont(font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  widget->setPalette(palette);
}

QLabel* NewLabel(QWidget* parent, const QRect& bounds, const QString& caption,
                 Qt::Alignment alignment, bool wordWrap) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(bounds);
  label->setAlignment(alignment);
  label->setWordWrap(wordWrap);
  label->setTextFormat(Qt::PlainText);
  label->setContentsMargins(0, 0, 0, 0);
  label->setIndent(0);
  label->setMargin(0);
  return label;
}

void SetTag(QWidget* widget, int tag) {
  widget->setProperty("Tag", tag);
}

int Tag(const QWidget* widget) {
  return widget->property("Tag").toInt();
}

}  // namespace halvena

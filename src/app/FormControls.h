// The framework's plain controls as the program's windows use them: TPanel, a filled area with
// an optional border and a centred caption, and helpers that set up labels and edit fields
// with the design's fonts, colours, pointers and tags. User-interface thread only.
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

namespace halvena {

class TPanel : public QWidget {
 public:
  // `parent`, when given, owns the panel. No border, the parent's colour until one is set.
  explicit TPanel(QWidget* parent = nullptr);

  // The fill; invalid (the default) takes the colour of the window the panel is in.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);
  // A one-pixel black frame inside the panel's edge; default false.
  bool SingleBorder() const { return FSingleBorder; }
  void SetSingleBorder(bool single);
  // Text centred in the panel in the panel's font and font colour.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor FColor;
  bool FSingleBorder = false;
  QString FCaption;
};

// Font styles of the design's fonts.
enum TDesignFontStyle : unsigned { dfsNone = 0, dfsBold = 1, dfsItalic = 2 };

// Gives `widget` its own font: Arial with a character height of `pixels`, the style and the
// text colour.
void SetDesignFont(QWidget* widget, int pixels, unsigned style, const QColor& color);

// A transparent label at `bounds` with `caption`; left aligned on one line unless told
// otherwise. The parent owns it.
QLabel* NewLabel(QWidget* parent, const QRect& bounds, const QString& caption,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false);

// The design's tag of a control, a number kept with it.
void SetTag(QWidget* widget, int tag);
int Tag(const QWidget* widget);

}  // namespace halvena

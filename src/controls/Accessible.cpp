#include "controls/Accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <vector>

#include "controls/BaseBtn.h"
#include "controls/CTxtCtrl.h"
#include "controls/ProImg.h"

namespace halvena {
namespace {

class TButtonAccessible : public QAccessibleWidget {
 public:
  explicit TButtonAccessible(TBaseBtn* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
      return QAccessibleWidget::text(t);
    }
    const QString caption = Button()->Caption();
    return caption.isEmpty() ? widget()->toolTip() : caption;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->Pressed() || Button()->ButtonIsDown();
    return state;
  }

  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }

  // A press is a click in the middle of the button, through the same events as the mouse's.
  void doAction(const QString& name) override {
    if (name != pressAction()) {
      QAccessibleWidget::doAction(name);
      return;
    }
    if (!widget()->isEnabled()) return;
    const QPointF centre = QRectF(widget()->rect()).center();
    const QPointF global = widget()->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget(), &release);
  }

 private:
  TBaseBtn* Button() const { return static_cast<TBaseBtn*>(widget()); }
};

// One row of a list, by its index: it shows whatever item stands there now, and is no longer
// valid once the list has fewer items or is gone.
class TListRowAccessible : public QAccessibleInterface {
 public:
  TListRowAccessible(GCustomTextControl* list, int index) : FList(list), FIndex(index) {}

  bool isValid() const override { return !FList.isNull() && FIndex < List()->Items().Count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return FList.isNull() ? nullptr : FList->window()->windowHandle();
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FList.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return List()->ItemCaption(FIndex);
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const TRect row = List()->ItemRect(FIndex);
    return QRect(FList->mapToGlobal(QPoint(row.Left, row.Top)), QSize(row.Width(), row.Height()));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.selectable = true;
    state.selected = FIndex == List()->ItemIndex();
    state.hotTracked = FIndex == List()->HotIndex();
    const TRect row = List()->ItemRect(FIndex);
    state.offscreen = row.Bottom <= 0 || row.Top >= FList->height();
    state.invisible = !FList->isVisible();
    return state;
  }

 private:
  GCustomTextControl* List() const { return static_cast<GCustomTextControl*>(FList.data()); }

  QPointer<QWidget> FList;
  int FIndex;
};

class TListAccessible : public QAccessibleWidget {
 public:
  explicit TListAccessible(GCustomTextControl* list) : QAccessibleWidget(list, QAccessible::List) {}
  ~TListAccessible() override {
    for (const QAccessible::Id id : FRows) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }
  TListAccessible(const TListAccessible&) = delete;
  TListAccessible& operator=(const TListAccessible&) = delete;

  int childCount() const override { return List()->Items().Count(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    if (at >= FRows.size()) FRows.resize(at + 1, 0);
    if (FRows[at] == 0) {
      FRows[at] = QAccessible::registerAccessibleInterface(new TListRowAccessible(List(), index));
    }
    return QAccessible::accessibleInterface(FRows[at]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < FRows.size(); ++i) {
      if (FRows[i] != 0 && QAccessible::accessibleInterface(FRows[i]) == child) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    return child(List()->ItemAtPoint(List()->mapFromGlobal(QPoint(x, y))));
  }

 private:
  GCustomTextControl* List() const { return static_cast<GCustomTextControl*>(widget()); }

  // The rows handed out so far, by index; 0 where none was asked for yet.
  mutable std::vector<QAccessible::Id> FRows;
};

QAccessibleInterface* SkinnedControlInterface(const QString&, QObject* object) {
  if (auto* button = dynamic_cast<TBaseBtn*>(object)) return new TButtonAccessible(button);
  if (auto* list = dynamic_cast<GCustomTextControl*>(object)) return new TListAccessible(list);
  if (auto* image = dynamic_cast<TProportionalImage*>(object)) {
    return new QAccessibleWidget(image, QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(&SkinnedControlInterface);
    return true;
  }();
}

}  // namespace halvena

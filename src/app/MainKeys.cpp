// TMainForm's keyboard: the key commands of the window and the keyword field, each run through
// the handler that the button or the list row of the same action runs.
#include <QKeyEvent>

#include "app/KeyCommands.h"
#include "app/Main.h"

namespace halvena {

void TMainForm::ConnectKeys() {
  HelpBtn->setToolTip(HelpBtn->toolTip() + QStringLiteral("\n\nSneltoetsen:\n") +
                      QString::fromUtf8(ShortcutList()));
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key(), event->modifiers(), SearchEdit->hasFocus())) {
    QWidget::keyPressEvent(event);
  }
}

bool TMainForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift, bool InField) {
  if (Closing()) return false;
  TKeyContext context;
  context.FieldFocused = InField;
  context.FieldHasSelection = SearchEdit->hasSelectedText();
  context.ContentsMode = HasMode(ViewMode, TViewMode::vmContents);
  context.PopUpOpen = !GoToPnl->isHidden() || !SeeAlsoPnl->isHidden();
  const TKeyAction action = KeyActionOf(Key, Shift, context);
  switch (action.Command) {
    case TKeyCommand::kcNone:
      return false;
    case TKeyCommand::kcListStep:
      ModeListStep(action.Step);
      break;
    case TKeyCommand::kcHistoryBack:
      HistoryBack();
      break;
    case TKeyCommand::kcSearch:
      if (!HasMode(ViewMode, TViewMode::vmSearch)) SearchBtnClick(SearchBtn);
      if (!Closing()) SearchEdit->setFocus(Qt::ShortcutFocusReason);
      break;
    case TKeyCommand::kcCopyEntry:
      ToClipBrdBtnClick(ToClipBrdBtn);
      break;
    case TKeyCommand::kcPrint:
      PrintBtnClick(PrintBtn);
      break;
    case TKeyCommand::kcClosePopUp:
      GoToPnl->hide();
      SeeAlsoPnl->hide();
      break;
    case TKeyCommand::kcHelp:
      HelpBtnClick(HelpBtn);
      break;
    case TKeyCommand::kcLetter: {
      // A letter without titles has its button disabled, and a key does no more than a click.
      TBaseBtn* button = BaseBtns[static_cast<std::size_t>(action.Letter - 'A')];
      if (button->isEnabled() && !button->isHidden()) BaseBtnNClick(button);
      break;
    }
  }
  return true;
}

void TMainForm::ModeListStep(TListStep Step) {
  if (Closing()) return;
  const bool contents = HasMode(ViewMode, TViewMode::vmContents);
  GTextControl* list = contents ? ContentLst : QueryResultsLst;
  const int count = list->Items().Count();
  if (list->isHidden() || count == 0) return;
  const int rows = list->ItemHeight() > 0 ? list->height() / list->ItemHeight() : 1;
  const TListPlace from{list->ItemIndex(), list->TopIndex()};
  const TListPlace to = StepSelection(Step, from, count, rows);
  list->SetTopIndex(to.Top);
  if (to.Index == from.Index) return;
  list->SetItemIndex(to.Index);
  if (contents) {
    ContentLstMouseUp(list, TMouseButton::mbLeft, Qt::NoModifier, 0, 0);
  } else {
    QueryResultsLstMouseUp(list, TMouseButton::mbLeft, Qt::NoModifier, 0, 0);
  }
}

void TMainForm::HistoryBack() {
  if (Closing()) return;
  const int index = GoToLst->ItemIndex();
  if (index < 1 || index >= GoToLst->Items().Count()) return;
  GoToLst->SetItemIndex(index - 1);
  // The history's own title is shown, not recorded a second time.
  GoToLst->setEnabled(false);
  GoToLstSelect(GoToLst);
  GoToLst->setEnabled(true);
}

}  // namespace halvena

#include "app/KeyCommands.h"

namespace halvena {
namespace {

TKeyAction Step(TListStep step) {
  return {TKeyCommand::kcListStep, step, '\0'};
}

TKeyAction Command(TKeyCommand command) {
  return {command, TListStep::lsDown, '\0'};
}

// The keys a press takes without modifiers (Shift only for letters).
TKeyAction PlainKey(int key, bool shift, const TKeyContext& context) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    if (!context.ContentsMode || context.FieldFocused) return {};
    return {TKeyCommand::kcLetter, TListStep::lsDown, static_cast<char>('A' + (key - Qt::Key_A))};
  }
  if (shift) return {};
  switch (key) {
    case Qt::Key_Up:
      return Step(TListStep::lsUp);
    case Qt::Key_Down:
      return Step(TListStep::lsDown);
    case Qt::Key_PageUp:
      return Step(TListStep::lsPageUp);
    case Qt::Key_PageDown:
      return Step(TListStep::lsPageDown);
    case Qt::Key_Home:
      return context.FieldFocused ? TKeyAction{} : Step(TListStep::lsFirst);
    case Qt::Key_End:
      return context.FieldFocused ? TKeyAction{} : Step(TListStep::lsLast);
    case Qt::Key_Escape:
      return context.PopUpOpen ? Command(TKeyCommand::kcClosePopUp) : TKeyAction{};
    case Qt::Key_F1:
      return Command(TKeyCommand::kcHelp);
    default:
      return {};
  }
}

}  // namespace

TKeyAction KeyActionOf(int key, Qt::KeyboardModifiers modifiers, const TKeyContext& context) {
  const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
  if (held == Qt::NoModifier || held == Qt::ShiftModifier) {
    return PlainKey(key, held == Qt::ShiftModifier, context);
  }
  if (held == Qt::AltModifier) {
    return key == Qt::Key_Left ? Command(TKeyCommand::kcHistoryBack) : TKeyAction{};
  }
  if (held != Qt::ControlModifier) return {};
  switch (key) {
    case Qt::Key_F:
      return Command(TKeyCommand::kcSearch);
    case Qt::Key_C:
      return context.FieldFocused && context.FieldHasSelection ? TKeyAction{}
                                                               : Command(TKeyCommand::kcCopyEntry);
    case Qt::Key_P:
      return Command(TKeyCommand::kcPrint);
    default:
      return {};
  }
}

std::string ShortcutList() {
  return "Pijl omhoog, omlaag: vorige, volgende onderwerp in de lijst\n"
         "Page Up, Page Down: een bladzijde terug, verder in de lijst\n"
         "Home, End: eerste, laatste onderwerp in de lijst\n"
         "Alt+Pijl links: terug in de historie\n"
         "Ctrl+F: zoeken op trefwoord\n"
         "Ctrl+C: onderdeel naar het klembord\n"
         "Ctrl+P: onderdeel afdrukken\n"
         "Esc: lijst sluiten\n"
         "F1: Halvena Online Help\n"
         "A tot Z: letter van de inhoudsopgave";
}

}  // namespace halvena

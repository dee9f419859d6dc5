#include "app/KeyCommands.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

using enum TKeyCommand;

struct TKeyCase {
  const char* Name;
  int Key;
  Qt::KeyboardModifiers Modifiers;
  TKeyContext Context;
  TKeyCommand Command;
};

constexpr TKeyContext kWindow{};                             // focus elsewhere, search mode
constexpr TKeyContext kContents{false, false, true, false};  // contents mode
constexpr TKeyContext kField{true, false, false, false};     // the keyword field focused
constexpr TKeyContext kFieldSelection{true, true, false, false};
constexpr TKeyContext kPopUp{false, false, true, true};

TEST(KeyCommands, EachKeyInItsContext) {
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const TKeyCase cases[] = {
      {"Up", Qt::Key_Up, none, kWindow, kcListStep},
      {"Up in the field", Qt::Key_Up, none, kField, kcListStep},
      {"Page Down on the keypad", Qt::Key_PageDown, Qt::KeypadModifier, kField, kcListStep},
      {"Home", Qt::Key_Home, none, kContents, kcListStep},
      {"Home in the field moves its cursor", Qt::Key_Home, none, kField, kcNone},
      {"End in the field", Qt::Key_End, none, kField, kcNone},
      {"Shift+Down selects in the field", Qt::Key_Down, Qt::ShiftModifier, kField, kcNone},
      {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier, kWindow, kcNone},
      {"Alt+Left", Qt::Key_Left, Qt::AltModifier, kField, kcHistoryBack},
      {"Left", Qt::Key_Left, none, kWindow, kcNone},
      {"Ctrl+F", Qt::Key_F, Qt::ControlModifier, kContents, kcSearch},
      {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, kContents, kcCopyEntry},
      {"Ctrl+C in the empty field", Qt::Key_C, Qt::ControlModifier, kField, kcCopyEntry},
      {"Ctrl+C on a selection", Qt::Key_C, Qt::ControlModifier, kFieldSelection, kcNone},
      {"Ctrl+Shift+C", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, kWindow, kcNone},
      {"Ctrl+P", Qt::Key_P, Qt::ControlModifier, kField, kcPrint},
      {"Escape with a pop-up", Qt::Key_Escape, none, kPopUp, kcClosePopUp},
      {"Escape without", Qt::Key_Escape, none, kContents, kcNone},
      {"F1", Qt::Key_F1, none, kField, kcHelp},
      {"Shift+F1", Qt::Key_F1, Qt::ShiftModifier, kWindow, kcNone},
      {"Letter in contents mode", Qt::Key_H, none, kContents, kcLetter},
      {"Shifted letter", Qt::Key_Z, Qt::ShiftModifier, kPopUp, kcLetter},
      {"Letter in the field", Qt::Key_H, none, kField, kcNone},
      {"Letter in search mode", Qt::Key_H, none, kWindow, kcNone},
      {"Ctrl+letter", Qt::Key_H, Qt::ControlModifier, kContents, kcNone},
      {"Alt+letter", Qt::Key_H, Qt::AltModifier, kContents, kcNone},
      {"Enter stays the field's", Qt::Key_Return, none, kField, kcNone},
  };
  for (const TKeyCase& c : cases) {
    EXPECT_EQ(KeyActionOf(c.Key, c.Modifiers, c.Context).Command, c.Command) << c.Name;
  }
}

TEST(KeyCommands, StepsAndLetters) {
  const auto step = [](int key) { return KeyActionOf(key, Qt::NoModifier, kContents).Step; };
  EXPECT_EQ(step(Qt::Key_Up), TListStep::lsUp);
  EXPECT_EQ(step(Qt::Key_Down), TListStep::lsDown);
  EXPECT_EQ(step(Qt::Key_PageUp), TListStep::lsPageUp);
  EXPECT_EQ(step(Qt::Key_PageDown), TListStep::lsPageDown);
  EXPECT_EQ(step(Qt::Key_Home), TListStep::lsFirst);
  EXPECT_EQ(step(Qt::Key_End), TListStep::lsLast);
  EXPECT_EQ(KeyActionOf(Qt::Key_A, Qt::NoModifier, kContents).Letter, 'A');
  EXPECT_EQ(KeyActionOf(Qt::Key_Z, Qt::ShiftModifier, kContents).Letter, 'Z');
}

}  // namespace
}  // namespace halvena

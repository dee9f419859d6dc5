// The 640 x 480 design of the main window: the place of every control by its name, the frames
// the window skin is drawn around, and the pop-up panels' inner controls. The window builds its
// controls from here, the asset generator draws the skins to the same places, and the tests
// check both against it. Plain values; safe from any thread.
#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace halvena::layout {

inline constexpr QSize kDesignSize(640, 480);

// Controls on the window.
inline constexpr QRect kMainFormPanel(12, 4, 640, 480);
// Controls on MainFormPanel.
inline constexpr QRect kBk(0, 0, 640, 480);
inline constexpr QRect kLstHeaderBk(43, 71, 200, 20);
inline constexpr QRect kLstHeader(42, 70, 200, 20);
inline constexpr QRect kContentLst(42, 132, 200, 192);
inline constexpr QRect kContentLstLbl(42, 390, 200, 14);
inline constexpr QRect kBodyImage(137, 98, 74, 215);
inline constexpr QRect kQueryResultsLstLbl(42, 390, 200, 28);
inline constexpr QRect kQueryResultsLst(42, 316, 200, 65);
inline constexpr QRect kAnatomicExpLbl(42, 130, 83, 157);
inline constexpr QRect kRotateLeftBtn(107, 290, 18, 18);
inline constexpr QRect kRotateRightBtn(224, 290, 18, 18);
inline constexpr QRect kGenderBtn(224, 98, 18, 18);
inline constexpr QRect kSearchEditLbl(42, 140, 200, 14);
inline constexpr QRect kSearchEdit(42, 155, 200, 18);
inline constexpr QRect kSearchEditExpLbl(42, 175, 200, 70);
inline constexpr QRect kSearchGauge(42, 410, 58, 17);
inline constexpr QRect kContentBtn(21, 70, 139, 17);
inline constexpr QRect kAnatomicBtn(21, 90, 139, 17);
inline constexpr QRect kSearchBtn(21, 110, 139, 17);
inline constexpr QRect kGoToBtn(125, 410, 139, 17);
inline constexpr QRect kSeeAlsoBtn(287, 410, 139, 17);
inline constexpr QRect kToClipBrdBtn(470, 390, 139, 17);
inline constexpr QRect kPrintBtn(470, 410, 139, 17);
inline constexpr QRect kIDbRecHeaderLblBk(307, 71, 280, 40);
inline constexpr QRect kIDbRecHeaderLbl(306, 70, 280, 40);
inline constexpr QRect kIDbRecText(306, 112, 280, 271);
inline constexpr QRect kGoToPnl(106, 300, 156, 111);
inline constexpr QRect kSeeAlsoPnl(282, 300, 156, 111);
inline constexpr QRect kCaptionLblBk(85, 4, 197, 16);
inline constexpr QRect kCaptionLbl(84, 3, 197, 16);
inline constexpr QRect kInfoBtn(6, 4, 18, 18);
inline constexpr QRect kHelpBtn(577, 3, 18, 18);
inline constexpr QRect kMinimizeBtn(597, 3, 18, 18);
inline constexpr QRect kQuitBtn(617, 3, 18, 18);
inline constexpr QRect kHintPnl(162, 130, 91, 17);
// Inside each pop-up panel (GoToPnl, SeeAlsoPnl), relative to the panel.
inline constexpr QRect kPnlBk(0, 0, 156, 111);
inline constexpr QRect kPnlHeader(14, 9, 129, 16);
inline constexpr QRect kPnlLst(14, 26, 129, 73);

// The letter buttons "A" to "Z" (BaseBtn2 to BaseBtn27): three rows of 16 x 18 buttons, "A" to
// "I", "J" to "Q" and "R" to "Z".
inline constexpr int kLetterWidth = 16;
inline constexpr int kLetterHeight = 18;
inline constexpr std::array<int, 3> kLetterRowTops = {339, 354, 369};
inline constexpr std::array<int, 9> kLetterLefts = {64, 82, 98, 116, 134, 152, 170, 188, 206};
inline constexpr std::array<int, 8> kLetterMiddleLefts = {74, 92, 108, 126, 144, 162, 180, 198};
// The place of the letter button of letter `index` (0 for "A" to 25 for "Z").
constexpr QRect LetterButtonRect(int index) {
  const int row = index < 9 ? 0 : index < 17 ? 1 : 2;
  const int column = index - (row == 0 ? 0 : row == 1 ? 9 : 17);
  const int left = row == 1 ? kLetterMiddleLefts[static_cast<std::size_t>(column)]
                            : kLetterLefts[static_cast<std::size_t>(column)];
  return QRect(left, kLetterRowTops[static_cast<std::size_t>(row)], kLetterWidth, kLetterHeight);
}

// The full and the collapsed width of a tab button at design size: a tab is collapsed until the
// pointer is over it.
inline constexpr int kTabWidth = 139;
inline constexpr int kTabCollapsedWidth = 65;
inline constexpr double kTabCollapseFactor = static_cast<double>(kTabCollapsedWidth) / kTabWidth;
inline constexpr double kTabExpandFactor = static_cast<double>(kTabWidth) / kTabCollapsedWidth;

// The frames of the window skin: the wells behind the finding controls (left) and the entry
// (right), the bands at their tops, the tool band at the bottom of the entry well, the title
// strip and the footer.
inline constexpr QRect kLeftWell(34, 62, 216, 370);
inline constexpr QRect kRightWell(298, 62, 300, 370);
inline constexpr int kLeftHeaderBottom = 128;
inline constexpr int kRightHeaderBottom = 110;
inline constexpr int kRightToolsTop = 386;
inline constexpr int kTitleBottom = 26;
inline constexpr int kFooterTop = 446;

// One control of the design: its name, the name of the control it sits on ("" for the window
// itself, whose client area holds MainFormPanel) and its place there.
struct TDesignControl {
  std::string_view Name;
  std::string_view Parent;
  QRect Bounds;
};

// Every control of the window with a place of its own, the 26 letter buttons included.
std::span<const TDesignControl> DesignControls();
// The design place of the control called `name`, or none.
std::optional<QRect> FindDesignRect(std::string_view name);

}  // namespace halvena::layout

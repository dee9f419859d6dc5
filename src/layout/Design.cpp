#include "layout/Design.h"

#include <vector>

namespace halvena::layout {
namespace {

constexpr std::string_view kLetterButtonNames[26] = {
    "BaseBtn2",  "BaseBtn3",  "BaseBtn4",  "BaseBtn5",  "BaseBtn6",  "BaseBtn7",  "BaseBtn8",
    "BaseBtn9",  "BaseBtn10", "BaseBtn11", "BaseBtn12", "BaseBtn13", "BaseBtn14", "BaseBtn15",
    "BaseBtn16", "BaseBtn17", "BaseBtn18", "BaseBtn19", "BaseBtn20", "BaseBtn21", "BaseBtn22",
    "BaseBtn23", "BaseBtn24", "BaseBtn25", "BaseBtn26", "BaseBtn27"};

std::vector<TDesignControl> BuildControls() {
  std::vector<TDesignControl> controls = {
      {"MainFormPanel", "", kMainFormPanel},
      {"Bk", "MainFormPanel", kBk},
      {"LstHeaderBk", "MainFormPanel", kLstHeaderBk},
      {"LstHeader", "MainFormPanel", kLstHeader},
      {"ContentLst", "MainFormPanel", kContentLst},
      {"ContentLstLbl", "MainFormPanel", kContentLstLbl},
      {"BodyImage", "MainFormPanel", kBodyImage},
      {"QueryResultsLstLbl", "MainFormPanel", kQueryResultsLstLbl},
      {"QueryResultsLst", "MainFormPanel", kQueryResultsLst},
      {"AnatomicExpLbl", "MainFormPanel", kAnatomicExpLbl},
      {"RotateLeftBtn", "MainFormPanel", kRotateLeftBtn},
      {"RotateRightBtn", "MainFormPanel", kRotateRightBtn},
      {"GenderBtn", "MainFormPanel", kGenderBtn},
      {"SearchEditLbl", "MainFormPanel", kSearchEditLbl},
      {"SearchEdit", "MainFormPanel", kSearchEdit},
      {"SearchEditExpLbl", "MainFormPanel", kSearchEditExpLbl},
      {"SearchGauge", "MainFormPanel", kSearchGauge},
      {"ContentBtn", "MainFormPanel", kContentBtn},
      {"AnatomicBtn", "MainFormPanel", kAnatomicBtn},
      {"SearchBtn", "MainFormPanel", kSearchBtn},
      {"GoToBtn", "MainFormPanel", kGoToBtn},
      {"SeeAlsoBtn", "MainFormPanel", kSeeAlsoBtn},
      {"ToClipBrdBtn", "MainFormPanel", kToClipBrdBtn},
      {"PrintBtn", "MainFormPanel", kPrintBtn},
      {"iDbRecHeaderLblBk", "MainFormPanel", kIDbRecHeaderLblBk},
      {"iDbRecHeaderLbl", "MainFormPanel", kIDbRecHeaderLbl},
      {"iDbRecText", "MainFormPanel", kIDbRecText},
      {"GoToPnl", "MainFormPanel", kGoToPnl},
      {"GoToPnlBk", "GoToPnl", kPnlBk},
      {"GoToPnlHeader", "GoToPnl", kPnlHeader},
      {"GoToLst", "GoToPnl", kPnlLst},
      {"SeeAlsoPnl", "MainFormPanel", kSeeAlsoPnl},
      {"SeeAlsoPnlBk", "SeeAlsoPnl", kPnlBk},
      {"SeeAlsoPnlHeader", "SeeAlsoPnl", kPnlHeader},
      {"SeeAlsoLst", "SeeAlsoPnl", kPnlLst},
      {"CaptionLblBk", "MainFormPanel", kCaptionLblBk},
      {"CaptionLbl", "MainFormPanel", kCaptionLbl},
      {"InfoBtn", "MainFormPanel", kInfoBtn},
      {"HelpBtn", "MainFormPanel", kHelpBtn},
      {"MinimizeBtn", "MainFormPanel", kMinimizeBtn},
      {"QuitBtn", "MainFormPanel", kQuitBtn},
      {"HintPnl", "MainFormPanel", kHintPnl},
  };
  for (int index = 0; index < 26; ++index) {
    controls.push_back({kLetterButtonNames[index], "MainFormPanel", LetterButtonRect(index)});
  }
  return controls;
}

}  // namespace

std::span<const TDesignControl> DesignControls() {
  static const std::vector<TDesignControl> controls = BuildControls();
  return controls;
}

std::optional<QRect> FindDesignRect(std::string_view name) {
  for (const TDesignControl& control : DesignControls()) {
    if (control.Name == name) return control.Bounds;
  }
  return std::nullopt;
}

}  // namespace halvena::layout

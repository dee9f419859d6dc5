// Which of the main window's mode-dependent controls are on screen, decided from the view mode
// and the state of its lists, and the caption of the list header. A plain function; safe from
// any thread.
#pragma once

#include "navigation/ViewMode.h"

namespace halvena {

// What the decision looks at.
struct TStatusInput {
  TViewMode Mode = TViewMode::vmContents;
  bool EntryHasLines = false;       // the entry text has lines
  bool ContentHasItems = false;     // the contents list has items
  bool ResultsHaveItems = false;    // the result list has items
  bool CrossRefsHaveItems = false;  // the cross-reference list has items
  bool EntryAvailable = false;      // a store exists with a visible record and a current number
  bool PrintersInstalled = false;
};

// What is shown. Each field names the controls it stands for.
struct TStatusView {
  bool Entry;  // iDbRecHeaderLblBk, iDbRecHeaderLbl, iDbRecText
  bool ContentBtn;
  bool ContentLst;
  bool ContentGroup;  // ContentLstLbl and the 26 letter buttons
  bool AnatomicBtn;
  bool AnatomyGroup;   // AnatomicExpLbl, BodyImage
  bool FigureButtons;  // GenderBtn, RotateLeftBtn, RotateRightBtn: with the figure
  bool SearchBtn;
  bool SearchGroup;  // SearchEditLbl, SearchEdit, SearchEditExpLbl
  bool ResultsLst;   // QueryResultsLst
  bool ResultsLbl;   // QueryResultsLstLbl
  bool SeeAlsoBtn;
  bool ToClipBrdBtn;
  bool PrintBtn;
  const char* Header;  // "Inhoud", "Anatomie" or "Zoeken"
};

TStatusView StatusOf(const TStatusInput& input);

}  // namespace halvena

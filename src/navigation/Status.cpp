#include "navigation/Status.h"

namespace halvena {

TStatusView StatusOf(const TStatusInput& input) {
  const bool contents = HasMode(input.Mode, TViewMode::vmContents);
  const bool anatomy = HasMode(input.Mode, TViewMode::vmAnatomy);
  const bool search = HasMode(input.Mode, TViewMode::vmSearch);
  TStatusView view{};
  view.Entry = input.EntryHasLines;
  view.ContentBtn = !contents;
  view.ContentLst = contents && input.ContentHasItems;
  view.ContentGroup = contents;
  view.AnatomicBtn = !anatomy;
  view.AnatomyGroup = anatomy;
  view.FigureButtons = view.AnatomyGroup;
  view.SearchBtn = !search;
  view.SearchGroup = search;
  view.ResultsLst = (anatomy || search) && input.ResultsHaveItems;
  view.ResultsLbl = anatomy || search;
  view.SeeAlsoBtn = input.CrossRefsHaveItems;
  view.ToClipBrdBtn = input.EntryAvailable;
  view.PrintBtn = input.EntryAvailable && input.PrintersInstalled;
  view.Header = contents ? "Inhoud" : anatomy ? "Anatomie" : "Zoeken";
  return view;
}

}  // namespace halvena

// The reader's handlers of TMainForm: the three view modes and what is on screen in each, the
// contents list with its letters, the keyword search with its result list, the entry display
// with its cross-references, and the history. The decisions are plain functions of
// src/navigation; these handlers read the controls, call them and write the controls.
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>
#include <vector>

#include "app/Main.h"
#include "navigation/EntryText.h"
#include "navigation/History.h"
#include "navigation/Status.h"
#include "navigation/TitleItems.h"
#include "navigation/TypedSearch.h"
#include "platform/Application.h"
#include "platform/CodePageQt.h"
#include "platform/Printers.h"

namespace halvena {
namespace {

// A tab widens from 65 to 139 parts of its form width and narrows back.
constexpr double kTabWiden = 2.1384615384615384616;    // 139 / 65
constexpr double kTabNarrow = 0.46762589928057553956;  // 65 / 139
// The share of the entry text's width that a display line may take.
constexpr double kWrapShare = 0.9;
// Where the text of a row starts, from its left edge.
constexpr int kRowTextIndent = 5;
// The contents list and the result list are filled through these modes of FillTitleList.
constexpr int kByLetter = 1;
constexpr int kAllTitles = 2;

// The hourglass for the lifetime of the object; the default pointer again at its end, also
// when a handler stops early.
class THourglass {
 public:
  THourglass() { SetHourglass(true); }
  ~THourglass() { SetHourglass(false); }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
};

// Hands the keyword field's key presses and focus to the window's handlers; the events go on
// to the field unchanged, but for the keys the window takes.
class TSearchEditEvents : public QObject {
 public:
  TSearchEditEvents(TMainForm* form, QLineEdit* edit) : QObject(edit), FForm(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (FForm->FormKeyDown(key->key(), key->modifiers(), true)) return true;
      FForm->SearchEditKeyDown(watched, key->key(), key->modifiers());
    } else if (event->type() == QEvent::FocusIn) {
      // After the focus event and the click that may have brought it, which would place the
      // text cursor and undo the selection.
      QTimer::singleShot(0, watched, [form = FForm, watched] { form->SearchEditEnter(watched); });
    }
    return false;
  }

 private:
  TMainForm* FForm;
};

// The lines of a string list, as the plain functions take them.
std::vector<std::string> LinesOf(const TStringList& list) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

// The item of `list` at `index`, or null when the index is out of range.
const std::string* ItemAt(const GTextControl* list, int index) {
  if (index < 0 || index >= list->Items().Count()) return nullptr;
  return &list->Items()[index];
}

bool HasItems(const GTextControl* list) {
  return list->Items().Count() > 0;
}

// Replaces the items of `list` by `items` inside its update bracket, so that it repaints once.
void AssignItems(GTextControl* list, const std::vector<std::string>& items) {
  list->Items().BeginUpdate();
  list->Items().Clear();
  list->Items().Assign(items);
  list->Items().EndUpdate();
}

void ClearItems(GTextControl* list) {
  list->Items().BeginUpdate();
  list->Items().Clear();
  list->Items().EndUpdate();
}

// A record copy from the store by visible number.
TIDbRec VisibleRec(TIDbRecFile& store, std::int32_t visNo) {
  TIDbRec rec;
  store.GetVisibleRec(visNo, rec);
  return rec;
}

}  // namespace

void TMainForm::ConnectNavigation() {
  // The gauge is on screen only while a filter runs.
  SearchGauge->hide();

  ContentBtn->OnClick = [this](TGraphicControl* sender) { ContentBtnClick(sender); };
  AnatomicBtn->OnClick = [this](TGraphicControl* sender) { AnatomicBtnClick(sender); };
  SearchBtn->OnClick = [this](TGraphicControl* sender) { SearchBtnClick(sender); };
  SeeAlsoBtn->OnClick = [this](TGraphicControl* sender) { SeeAlsoBtnClick(sender); };
  GoToBtn->OnClick = [this](TGraphicControl* sender) { GoToBtnClick(sender); };
  for (TBaseBtn* tab :
       {ContentBtn, AnatomicBtn, SearchBtn, SeeAlsoBtn, GoToBtn, ToClipBrdBtn, PrintBtn}) {
    tab->OnMouseIn = [this](GGraphicControl* sender) { SBtnMouseIn(sender); };
    tab->OnMouseOut = [this](GGraphicControl* sender) { SBtnMouseOut(sender); };
  }
  for (TBaseBtn* button : BaseBtns) {
    button->OnClick = [this](TGraphicControl* sender) { BaseBtnNClick(sender); };
  }
  std::vector<TBaseBtn*> small(BaseBtns.begin(), BaseBtns.end());
  small.insert(small.end(), {QuitBtn, HelpBtn, MinimizeBtn, InfoBtn});
  for (TBaseBtn* button : small) {
    button->OnMouseIn = [this](GGraphicControl* sender) { BtnMouseIn(sender); };
    button->OnMouseOut = [this](GGraphicControl* sender) { BtnMouseOut(sender); };
  }

  ContentLst->OnMouseUp = [this](TGraphicControl* sender, TMouseButton button, TShiftState shift,
                                 int x, int y) { ContentLstMouseUp(sender, button, shift, x, y); };
  QueryResultsLst->OnMouseUp = [this](TGraphicControl* sender, TMouseButton button,
                                      TShiftState shift, int x, int y) {
    QueryResultsLstMouseUp(sender, button, shift, x, y);
  };
  SeeAlsoLst->OnMouseUp = [this](TGraphicControl* sender, TMouseButton button, TShiftState shift,
                                 int x, int y) { SeeAlsoLstMouseUp(sender, button, shift, x, y); };
  GoToLst->OnMouseUp = [this](TGraphicControl* sender, TMouseButton button, TShiftState shift,
                              int x, int y) { GoToLstMouseUp(sender, button, shift, x, y); };

  ContentLst->OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                                  TOwnerDrawState state) {
    ContentLstDrawItem(control, index, rect, state);
  };
  QueryResultsLst->OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                                       TOwnerDrawState state) {
    QueryResultsLstDrawItem(control, index, rect, state);
  };
  SeeAlsoLst->OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                                  TOwnerDrawState state) {
    SeeAlsoLstDrawItem(control, index, rect, state);
  };
  GoToLst->OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                               TOwnerDrawState state) {
    GoToLstDrawItem(control, index, rect, state);
  };
  iDbRecText->OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                                  TOwnerDrawState state) {
    iDbRecTextDrawItem(control, index, rect, state);
  };

  SearchEdit->installEventFilter(new TSearchEditEvents(this, SearchEdit));
}

// View modes.

void TMainForm::ContentBtnClick(QObject* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  SearchEdit->clear();
  ViewMode = TViewMode::vmContents;
  ResetBtnClick(Sender);
}

void TMainForm::AnatomicBtnClick(QObject* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  SearchEdit->clear();
  const int top = BodyImage->y() + BodyImage->height() + 5;
  QueryResultsLst->setGeometry(QueryResultsLst->x(), top, QueryResultsLst->width(),
                               QueryResultsLstLbl->y() - top - 5);
  ViewMode = TViewMode::vmAnatomy;
  ResetBtnClick(Sender);
  if (Closing()) return;
  UpdateStatus(Sender);
}

void TMainForm::SearchBtnClick(QObject* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  SearchEdit->clear();
  const int top = SearchEditExpLbl->y() + SearchEditExpLbl->height() + 5;
  QueryResultsLst->setGeometry(QueryResultsLst->x(), top, QueryResultsLst->width(),
                               QueryResultsLstLbl->y() - top - 5);
  ViewMode = TViewMode::vmSearch;
  ResetBtnClick(Sender);
}

void TMainForm::ResetBtnClick(QObject* Sender) {
  if (Closing()) return;
  if (RecFile) {
    RecFile->ShowAll();
    if (HasMode(ViewMode, TViewMode::vmContents)) {
      StartSearchBtnClick(Sender);
    } else {
      StartQuerySearchBtnClick(Sender);
    }
    return;
  }
  if (!ClearRecDisplay()) return;
  CurrentRecId = 0;
  UpdateStatus(Sender);
}

void TMainForm::UpdateStatus(QObject*) {
  if (Closing()) return;
  TStatusInput input;
  input.Mode = ViewMode;
  input.EntryHasLines = HasItems(iDbRecText);
  input.ContentHasItems = HasItems(ContentLst);
  input.ResultsHaveItems = HasItems(QueryResultsLst);
  input.CrossRefsHaveItems = HasItems(SeeAlsoLst);
  input.EntryAvailable = RecFile && RecFile->VisCount > 0 && RecFile->LastVisNo > 0;
  // Asking for the printers costs time; only an entry that could be printed needs the answer.
  input.PrintersInstalled = input.EntryAvailable && PrintersInstalled();
  const TStatusView view = StatusOf(input);

  iDbRecHeaderLblBk->setVisible(view.Entry);
  iDbRecHeaderLbl->setVisible(view.Entry);
  iDbRecText->setVisible(view.Entry);
  ContentBtn->setVisible(view.ContentBtn);
  ContentLst->setVisible(view.ContentLst);
  ContentLstLbl->setVisible(view.ContentGroup);
  for (TBaseBtn* button : BaseBtns) button->setVisible(view.ContentGroup);
  AnatomicBtn->setVisible(view.AnatomicBtn);
  AnatomicExpLbl->setVisible(view.AnatomyGroup);
  BodyImage->setVisible(view.AnatomyGroup);
  GenderBtn->setVisible(view.FigureButtons);
  RotateLeftBtn->setVisible(view.FigureButtons);
  RotateRightBtn->setVisible(view.FigureButtons);
  SearchBtn->setVisible(view.SearchBtn);
  SearchEditLbl->setVisible(view.SearchGroup);
  SearchEdit->setVisible(view.SearchGroup);
  SearchEditExpLbl->setVisible(view.SearchGroup);
  QueryResultsLst->setVisible(view.ResultsLst);
  QueryResultsLstLbl->setVisible(view.ResultsLbl);
  SeeAlsoBtn->setVisible(view.SeeAlsoBtn);
  ToClipBrdBtn->setVisible(view.ToClipBrdBtn);
  PrintBtn->setVisible(view.PrintBtn);

  const QString header = QString::fromLatin1(view.Header);
  LstHeaderBk->setText(header);
  LstHeader->setText(header);
  ShowEntryRegion();
}

void TMainForm::BtnMouseIn(QObject* Sender) {
  auto* button = dynamic_cast<TBaseBtn*>(Sender);
  if (button == nullptr || !button->isEnabled()) return;
  button->Font().SetStyle(button->Font().Style() | fsBold);
}

void TMainForm::BtnMouseOut(QObject* Sender) {
  auto* button = dynamic_cast<TBaseBtn*>(Sender);
  if (button == nullptr || !button->isEnabled()) return;
  button->Font().SetStyle(button->Font().Style() & ~unsigned{fsBold});
}

void TMainForm::SBtnMouseIn(QObject* Sender) {
  auto* button = dynamic_cast<TBaseBtn*>(Sender);
  if (button == nullptr || !button->isEnabled() || button->ButtonIsDown()) return;
  const QRect bounds = button->geometry();
  const int wide = RoundEven(bounds.width() * kTabWiden);
  const auto caption = [button](const char* text) {
    button->SetCaption(QString::fromLatin1(text));
  };
  if (button == ContentBtn || button == AnatomicBtn || button == SearchBtn ||
      button == SeeAlsoBtn) {
    button->SetClipRegion(ModeBtnHotRgn.get());
    button->setGeometry(bounds.x(), bounds.y(), wide, bounds.height());
    caption(button == ContentBtn    ? "Inhoud"
            : button == AnatomicBtn ? "Anatomie"
            : button == SearchBtn   ? "Zoeken"
                                    : "Verwijzingen");
  } else if (button == GoToBtn || button == ToClipBrdBtn || button == PrintBtn) {
    button->SetClipRegion(ToolBtnHotRgn.get());
    button->setGeometry(bounds.x() + bounds.width() - wide, bounds.y(), wide, bounds.height());
    caption(button == GoToBtn ? "Historie" : button == ToClipBrdBtn ? "Klembord" : "Afdrukken");
  }
  button->SetButtonIsDown(true);
}

void TMainForm::SBtnMouseOut(QObject* Sender) {
  auto* button = dynamic_cast<TBaseBtn*>(Sender);
  if (button == nullptr || !button->isEnabled() || !button->ButtonIsDown()) return;
  const QRect bounds = button->geometry();
  const int narrow = RoundEven(bounds.width() * kTabNarrow);
  if (button == ContentBtn || button == AnatomicBtn || button == SearchBtn ||
      button == SeeAlsoBtn) {
    button->SetClipRegion(ModeBtnRgn.get());
    button->setGeometry(bounds.x(), bounds.y(), narrow, bounds.height());
  } else if (button == GoToBtn || button == ToClipBrdBtn || button == PrintBtn) {
    button->SetClipRegion(ToolBtnRgn.get());
    button->setGeometry(bounds.x() + bounds.width() - narrow, bounds.y(), narrow, bounds.height());
  }
  button->SetCaption(QString());
  button->SetButtonIsDown(false);
}

void TMainForm::SearchEditEnter(QObject*) {
  if (Closing()) return;
  SearchEdit->selectAll();
}

// Contents list.

void TMainForm::StartSearchBtnClick(QObject* Sender) {
  if (Closing()) return;
  {
    THourglass hourglass;
    if (!ClearRecDisplay()) return;
    CurrentRecId = 0;
    ClearItems(ContentLst);
    if (!LetPendingMessagesRun()) return;
    for (TBaseBtn* button : BaseBtns) button->setEnabled(false);
    if (RecFile) {
      char scope[] = "A";
      std::string text = ModeQueryText(QStringToCp1252(SearchEdit->text()));
      SearchEdit->setText(Cp1252ToQString(text));
      TIDbQuery query;
      query.Scope = scope;
      query.ScopeLen = 1;
      query.Query = text.empty() ? nullptr : text.data();
      query.QueryLen = text.size();
      RecFile->Filter(query, SearchGauge);
      if (RecFile->VisCount <= 0) {
        DisplayRec(VisibleRec(*RecFile, 1));
        if (Closing()) return;
      } else {
        // One pass over the store answers every letter.
        const TLetterSet letters = RecFile->LettersWithTitles();
        TBaseBtn* first = nullptr;
        for (std::size_t i = 0; i < BaseBtns.size(); ++i) {
          const bool has = letters.Has(static_cast<char>('A' + i));
          BaseBtns[i]->setEnabled(has);
          if (has && first == nullptr) first = BaseBtns[i];
        }
        if (first != nullptr) BaseBtnNClick(first);
        if (Closing()) return;
      }
    }
  }
  UpdateStatus(Sender);
}

void TMainForm::BaseBtnNClick(QObject* Sender) {
  if (Closing()) return;
  auto* button = dynamic_cast<TBaseBtn*>(Sender);
  if (button == nullptr) return;
  const QString caption = button->Caption();
  const char letter = caption.isEmpty() ? '\0' : caption.front().toLatin1();
  if (const std::string* first = ItemAt(ContentLst, 0)) {
    const std::string_view title = ItemText(*first);
    if (!title.empty() && title.front() == letter) return;
  }
  TStringList& items = ContentLst->Items();
  items.BeginUpdate();
  items.Clear();
  std::vector<std::string> titles;
  if (RecFile) RecFile->FillTitleList(kByLetter, letter, titles);
  items.Assign(titles);
  if (items.Count() > 0) {
    ContentLst->SetItemIndex(0);
    ContentLstSelect(Sender);
  }
  ContentLstLbl->setText(Cp1252ToQString(ContentCountText(letter, items.Count())));
  items.EndUpdate();
  if (!LetPendingMessagesRun()) return;
  UpdateStatus(Sender);
}

void TMainForm::ContentLstSelect(QObject* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  if (!RecFile || RecFile->VisCount <= 0) return;
  const std::string* item = ItemAt(ContentLst, ContentLst->ItemIndex());
  if (item == nullptr || item->find('|') == std::string::npos) return;
  const std::int32_t number = ItemNumber(*item);
  if (number == 0) return;
  DisplayRec(VisibleRec(*RecFile, number));
  if (Closing()) return;
  if (Sender != ContentLst) ContentLst->SetTopIndex(ContentLst->ItemIndex());
  UpdateStatus(Sender);
}

void TMainForm::ContentLstMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
  if (ContentLst->ItemIndex() >= 0) ContentLstSelect(ContentLst);
}

void TMainForm::DrawRowBackdrop(GTextControl* list, TBkControl* background, int Index,
                                const TRect& Rect) {
  TCanvas* canvas = list->Canvas();
  const TPicture& picture = background->Background().Image();
  if (canvas == nullptr || picture.Kind() != TGraphicKind::Bitmap || picture.Empty()) return;
  const QPoint source = background->mapFromGlobal(list->mapToGlobal(QPoint(Rect.Left, Rect.Top)));
  const TPalette* palette = CurrentPalette();
  const bool realise = canvas->BitsPerPixel() <= 8 && palette != nullptr;
  const TPalette* previous = nullptr;
  if (realise) {
    previous = canvas->SelectPalette(palette);
    canvas->RealizePalette();
  }
  TRect dest = Rect;
  // The last row also repaints the empty area below it, so that no stale row stays there.
  if (list->Items().Count() == Index + 1) dest.Bottom += list->height();
  canvas->BitBlt(dest, picture.Image(), source, TRop::SRCCOPY);
  if (realise) canvas->SelectPalette(previous);
}

void TMainForm::DrawListItem(GTextControl* list, TBkControl* background, int Index, TRect Rect,
                             TOwnerDrawState State) {
  TCanvas* canvas = list->Canvas();
  if (canvas == nullptr) return;
  DrawRowBackdrop(list, background, Index, Rect);
  canvas->Brush.SetColor(list->Color());
  canvas->Brush.SetStyle(TBrushStyle::bsClear);
  canvas->Pen.SetColor(list->Color());
  canvas->Font.Assign(list->Font());
  if (State & odSelected) {
    canvas->Font.SetSize(canvas->Font.Size() + 1);
  } else if (State & odHot) {
    canvas->Font.SetStyle(canvas->Font.Style() | fsUnderline);
  }
  const std::string* item = ItemAt(list, Index);
  if (item == nullptr) return;
  const QString text = Cp1252ToQString(ItemText(*item));
  const TRect clip{Rect.Left, Rect.Top, Rect.Right - RoundEven(3.0 * list->ScrollWidth() / 2),
                   Rect.Bottom};
  const int y = Rect.Top + (Rect.Height() - canvas->TextHeight(text)) / 2;
  canvas->TextRect(clip, Rect.Left + kRowTextIndent, y, text);
}

void TMainForm::ContentLstDrawItem(TGraphicControl*, int Index, TRect Rect, TOwnerDrawState State) {
  DrawListItem(ContentLst, Bk, Index, Rect, State);
}

void TMainForm::QueryResultsLstDrawItem(TGraphicControl*, int Index, TRect Rect,
                                        TOwnerDrawState State) {
  DrawListItem(QueryResultsLst, Bk, Index, Rect, State);
}

void TMainForm::SeeAlsoLstDrawItem(TGraphicControl*, int Index, TRect Rect, TOwnerDrawState State) {
  DrawListItem(SeeAlsoLst, SeeAlsoPnlBk, Index, Rect, State);
}

void TMainForm::GoToLstDrawItem(TGraphicControl*, int Index, TRect Rect, TOwnerDrawState State) {
  DrawListItem(GoToLst, GoToPnlBk, Index, Rect, State);
}

// Keyword search.

void TMainForm::SearchEditKeyDown(QObject*, int Key, Qt::KeyboardModifiers Shift) {
  if (Closing() || !RecFile) return;
  // Enter on the keypad is Enter too.
  const bool enter = Key == Qt::Key_Return || Key == Qt::Key_Enter;
  if (enter && (Shift & ~Qt::KeypadModifier) == Qt::NoModifier)
    StartQuerySearchBtnClick(SearchEdit);
}

void TMainForm::StartQuerySearchBtnClick(QObject* Sender) {
  if (Closing()) return;
  {
    THourglass hourglass;
    if (!ClearRecDisplay()) return;
    CurrentRecId = 0;
    QueryResultsLstLbl->clear();
    ClearItems(QueryResultsLst);
    if (!LetPendingMessagesRun()) return;
    if (RecFile) {
      std::vector<std::string> items;
      int chosen = 0;
      if (Sender == SearchEdit) {
        TTypedSearchResult result =
            RunTypedSearch(*RecFile, QStringToCp1252(SearchEdit->text()), SearchGauge);
        items = std::move(result.Items);
        chosen = result.Chosen;
      } else {
        std::string text = ModeQueryText(QStringToCp1252(SearchEdit->text()));
        SearchEdit->setText(Cp1252ToQString(text));
        TIDbQuery query;
        query.Query = text.empty() ? nullptr : text.data();
        query.QueryLen = text.size();
        RecFile->Filter(query, SearchGauge);
        if (RecFile->VisCount >= 1) RecFile->FillTitleList(kAllTitles, ' ', items);
      }
      if (RecFile->VisCount < 1) {
        DisplayRec(VisibleRec(*RecFile, 1));
        if (Closing()) return;
      } else {
        AssignItems(QueryResultsLst, items);
        if (HasItems(QueryResultsLst)) {
          QueryResultsLst->SetItemIndex(chosen);
          QueryResultsLst->SetTopIndex(SecondFromTop(chosen));
          QueryResultsLstSelect(Sender);
          if (Closing()) return;
        }
      }
      const bool anatomy = HasMode(ViewMode, TViewMode::vmAnatomy);
      QueryResultsLstLbl->setText(Cp1252ToQString(ResultCountText(
          anatomy, QStringToCp1252(HintPnl->Caption()), QueryResultsLst->Items().Count())));
    }
  }
  UpdateStatus(Sender);
}

void TMainForm::QueryResultsLstSelect(QObject* Sender) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  if (!RecFile || RecFile->VisCount <= 0) return;
  const std::string* item = ItemAt(QueryResultsLst, QueryResultsLst->ItemIndex());
  if (item == nullptr || item->find('|') == std::string::npos) return;
  const std::int32_t number = ItemNumber(*item);
  if (number == 0) return;
  DisplayRec(VisibleRec(*RecFile, number));
  if (Closing()) return;
  UpdateStatus(Sender);
}

void TMainForm::QueryResultsLstMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
  if (QueryResultsLst->ItemIndex() >= 0) QueryResultsLstSelect(QueryResultsLst);
}

// Entry display.

bool TMainForm::ClearRecDisplay() {
  if (Closing()) return false;
  SeeAlsoPnl->hide();
  SeeAlsoLst->Clear();
  GoToPnl->hide();
  iDbRecHeaderLblBk->clear();
  iDbRecHeaderLbl->clear();
  ClearItems(iDbRecText);
  return LetPendingMessagesRun();
}

double TMainForm::WrapWidth() const {
  return kWrapShare * iDbRecText->width();
}

void TMainForm::DisplayRec(const TIDbRec& rec) {
  if (Closing()) return;
  if (rec.Key == nullptr) {
    if (!ClearRecDisplay()) return;
    CurrentRecId = 0;
    UpdateStatus(this);
    return;
  }
  if (static_cast<std::int32_t>(rec.Id) == CurrentRecId) return;
  THourglass hourglass;
  TStringList& lines = iDbRecText->Items();
  lines.BeginUpdate();
  SeeAlsoPnl->hide();
  SeeAlsoLst->Clear();
  GoToPnl->hide();
  iDbRecHeaderLblBk->clear();
  iDbRecHeaderLbl->clear();
  lines.Clear();
  if (rec.Text != nullptr) {
    const std::string_view body(rec.Text, rec.TextLen);
    SeeAlsoLst->Items().Assign(CrossRefList(body));
    SeeAlsoLst->SetItemIndex(-1);
    const QFontMetrics metrics(iDbRecText->Font().ToQFont());
    const TTextWidth width = [&metrics](std::string_view text) {
      return metrics.horizontalAdvance(Cp1252ToQString(text));
    };
    std::vector<std::string> laidOut = LayOutLines(body, width, WrapWidth());
    PadLines(laidOut, iDbRecText->ItemHeight(), iDbRecText->height());
    lines.Assign(laidOut);
  }
  const std::string title(RecTitle(rec));
  const QString shownTitle = Cp1252ToQString(title);
  iDbRecHeaderLblBk->setText(shownTitle);
  iDbRecHeaderLbl->setText(shownTitle);
  RecordTitle(title);
  CurrentRecId = static_cast<std::int32_t>(rec.Id);
  lines.EndUpdate();
}

void TMainForm::RecordTitle(const std::string& title) {
  if (!GoToLst->isEnabled()) return;
  std::vector<std::string> history = LinesOf(GoToLst->Items());
  if (!RecordHistory(history, title)) return;
  AssignItems(GoToLst, history);
  GoToLst->SetItemIndex(GoToLst->Items().Count() - 1);
}

void TMainForm::iDbRecTextDrawItem(TGraphicControl*, int Index, TRect Rect, TOwnerDrawState) {
  TCanvas* canvas = iDbRecText->Canvas();
  if (canvas == nullptr) return;
  DrawRowBackdrop(iDbRecText, Bk, Index, Rect);
  const std::string* line = ItemAt(iDbRecText, Index);
  const QString text = line != nullptr ? Cp1252ToQString(ItemText(*line)) : QString();
  const TRect clip{Rect.Left, Rect.Top, Rect.Right - RoundEven(3.0 * iDbRecText->ScrollWidth() / 2),
                   Rect.Bottom};
  // The black copy first, then the text in the list's own colour at the same place.
  for (const bool shadow : {true, false}) {
    canvas->Brush.SetColor(iDbRecText->Color());
    canvas->Pen.SetColor(Qt::black);
    canvas->Font.Assign(iDbRecText->Font());
    if (shadow) canvas->Font.SetColor(Qt::black);
    canvas->Brush.SetStyle(TBrushStyle::bsClear);
    if (line == nullptr) return;
    const int y = Rect.Top + (Rect.Height() - canvas->TextHeight(text)) / 2;
    canvas->TextRect(clip, Rect.Left + kRowTextIndent, y, text);
  }
}

void TMainForm::SeeAlsoBtnClick(QObject*) {
  if (Closing()) return;
  GoToPnl->hide();
  if (HasItems(SeeAlsoLst) && SeeAlsoPnl->isHidden()) {
    SeeAlsoPnl->show();
  } else {
    SeeAlsoPnl->hide();
  }
}

void TMainForm::SeeAlsoLstMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
  if (SeeAlsoLst->ItemIndex() >= 0) SeeAlsoLstSelect(SeeAlsoLst);
}

void TMainForm::SeeAlsoLstSelect(QObject* Sender) {
  FollowTitle(SeeAlsoLst, Sender);
}

void TMainForm::FollowTitle(GTextControl* list, QObject* Sender) {
  if (Closing()) return;
  if (!RecFile) {
    if (!ClearRecDisplay()) return;
    CurrentRecId = 0;
    UpdateStatus(Sender);
    return;
  }
  SeeAlsoPnl->hide();
  GoToPnl->hide();
  ViewMode = TViewMode::vmContents;
  RecFile->ShowAll();
  SearchEdit->clear();
  const std::string* selected = ItemAt(list, list->ItemIndex());
  if (selected == nullptr) {
    StartSearchBtnClick(Sender);
    return;
  }
  // The entry shown on the way (the first of a newly opened letter) is not recorded; a caller
  // that turned the recording off (a step back through the history) keeps it off.
  const std::string wanted = UpperAscii(*selected);
  const bool recording = GoToLst->isEnabled();
  GoToLst->setEnabled(false);
  const std::string* first = ItemAt(ContentLst, 0);
  const char letter = LetterToOpen(first != nullptr ? *first : std::string(), wanted);
  if (letter != '\0') BaseBtnNClick(BaseBtns[static_cast<std::size_t>(letter - 'A')]);
  GoToLst->setEnabled(recording);
  if (Closing()) return;
  if (!HasItems(ContentLst)) return;
  const int found = FindTitle(LinesOf(ContentLst->Items()), wanted);
  if (found >= 0) ContentLst->SetItemIndex(found);
  ContentLstSelect(Sender);
}

// History.

void TMainForm::GoToBtnClick(QObject*) {
  if (Closing()) return;
  SeeAlsoPnl->hide();
  if (HasItems(GoToLst) && GoToPnl->isHidden()) {
    GoToLst->SetTopIndex(SecondFromTop(GoToLst->ItemIndex()));
    GoToPnl->show();
  } else {
    GoToPnl->hide();
  }
}

void TMainForm::GoToLstMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
  if (GoToLst->ItemIndex() >= 0) GoToLstSelect(GoToLst);
}

void TMainForm::GoToLstSelect(QObject* Sender) {
  FollowTitle(GoToLst, Sender);
}

}  // namespace halvena

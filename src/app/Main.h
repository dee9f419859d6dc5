// TMainForm: the program's one main window, a borderless skinned window designed for 640 × 480
// and zoomed to the screen-size class of the display, with every control of the design, the
// state the handlers share, its skins and window shapes, the dictionary and the two anatomy
// line lists. User-interface thread only.
//
// The window's handlers are members of this class, in one source file per concern: construction
// and close (Main.cpp), the controls (MainComponents.cpp), the chrome (MainChrome.cpp), and the
// reader's handlers of navigation, anatomy, output and the keyboard (MainNavigation.cpp,
// MainAnatomy.cpp, MainOutput.cpp, MainKeys.cpp). A handler reads its controls, calls a plain
// function of src/navigation, src/anatomy or src/output, and writes its controls.
//
// Closing while work runs: handlers that let pending messages run (the refreshes, the loader's
// gauge) can meet a close request in the middle. The close then waits until the event loop is
// back at the top, and LetPendingMessagesRun answers false: the handler stops at once, so the
// store is never released under a loop that still walks it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/FormControls.h"
#include "base/StringList.h"
#include "controls/BaseBtn.h"
#include "controls/Bk.h"
#include "controls/CTxtCtrl.h"
#include "controls/Gauges.h"
#include "controls/ProImg.h"
#include "data/IDbRecs.h"
#include "imaging/PMultiImage.h"
#include "navigation/ListSteps.h"
#include "navigation/ViewMode.h"

namespace halvena {

// The screen-size class of the main window: 0, 1 or 2 (skins "6x4", "8x6", "10x7").
extern std::uint8_t ScreenClass;

// The start options, fixed for the program: adapt the main window to the screen size, and show
// the intro window during start-up.
constexpr std::uint8_t soAdaptToScreen = 1;
constexpr std::uint8_t soShowIntro = 2;
constexpr std::uint8_t StartOptions = 7;

// The two groups of tab buttons: the left group widens to the right, the right group to the
// left.
enum class TTabGroup { Left, Right };

class TMainForm : public QWidget {
 public:
  // Builds the window (the create handler): decides the screen-size class and zooms the design,
  // centres the window, loads the skins, shapes the tab buttons and pop-up panels, loads the
  // dictionary (with the intro window's gauge while there is one) and the anatomy query files.
  // On a screen too small for the design it stops at once: ScreenTooSmall() tells, and the
  // program ends with exit code 1. The window is not shown.
  TMainForm();
  // The destruction: releases the tab-button shapes.
  ~TMainForm() override;
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  bool ScreenTooSmall() const { return FScreenTooSmall; }

  // True from the moment a close is asked for: every handler that finds it set returns at once.
  bool Closing() const { return FClosing || FCloseRequested; }
  // Lets pending messages run so that emptied controls repaint during a long operation. False
  // when the window started closing meanwhile: the caller stops at once and uses the store no
  // more.
  bool LetPendingMessagesRun();

  // Loads the skin image "I\B\" + stem + the class suffix into `target`; a missing or unreadable
  // file leaves `target` empty.
  void LoadSkin(const std::string& stem, TPicture& target);
  // Loads the up glyph ("bil" or "bir") and then the down glyph ("bol" or "bor") of a tab
  // button of `group`; true when both were loaded. Without an up glyph the down glyph is not
  // tried.
  bool LoadTabGlyphs(TBaseBtn* button, TTabGroup group);

  // The handler of the message a later start sends: brings the window to the front, restored
  // when it was minimised. Does nothing once the window is closing.
  void WMShowInstance();

  // Window chrome: the drag handlers of the window, `Bk` and `CaptionLbl`; (X, Y) are in the
  // sender's coordinates and `Shift` holds the mouse buttons down during the event.
  void FormMouseDown(QObject* Sender, TMouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void FormMouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y);
  void FormMouseUp(QObject* Sender, TMouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void MinimizeBtnClick(TGraphicControl* Sender);
  void QuitBtnClick(TGraphicControl* Sender);
  // Minimises the program with its task-bar entry.
  void AppMinimize();
  // Restores the program and brings the window to the front.
  void AppRestore();

  // Navigation: view modes, contents list, keyword search, entry display and history
  // (MainNavigation.cpp). Every handler returns at once when the window is closing; the ones
  // that let pending messages run stop there when a close arrived meanwhile.

  // Enter contents, anatomy or search mode: pop-ups hidden, keyword field emptied, the mode's
  // list refilled from scratch.
  void ContentBtnClick(QObject* Sender);
  void AnatomicBtnClick(QObject* Sender);
  void SearchBtnClick(QObject* Sender);
  // Refills the current mode's list with every record visible: the contents refresh in
  // contents mode, the query search of the keyword field otherwise. Without a store it clears
  // the entry display.
  void ResetBtnClick(QObject* Sender);
  // Shows exactly the controls that the mode and the lists call for, the header caption, and
  // the entry's region on the figure.
  void UpdateStatus(QObject* Sender);
  // Hover of the title and letter buttons: an enabled one turns bold.
  void BtnMouseIn(QObject* Sender);
  void BtnMouseOut(QObject* Sender);
  // Hover of the seven tab buttons: an enabled one widens with its caption and its expanded
  // shape (the left group to the right, the right group to the left), and collapses again.
  void SBtnMouseIn(QObject* Sender);
  void SBtnMouseOut(QObject* Sender);
  // The keyword field took the focus: all its text is selected.
  void SearchEditEnter(QObject* Sender);

  // The contents refresh: every letter with titles enabled, the first of them opened.
  void StartSearchBtnClick(QObject* Sender);
  // Opens the letter of the letter button `Sender` unless it is already shown, and shows its
  // first entry.
  void BaseBtnNClick(QObject* Sender);
  // Shows the entry of the selected contents item; scrolled to the top unless the click came
  // from the list itself.
  void ContentLstSelect(QObject* Sender);
  void ContentLstMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  // The owner drawing of one row of the four lists: the skin behind it, then the item's title,
  // one point larger when selected, underlined when hot.
  void ContentLstDrawItem(TGraphicControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void QueryResultsLstDrawItem(TGraphicControl* Control, int Index, TRect Rect,
                               TOwnerDrawState State);
  void SeeAlsoLstDrawItem(TGraphicControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void GoToLstDrawItem(TGraphicControl* Control, int Index, TRect Rect, TOwnerDrawState State);

  // Enter without Shift, Ctrl or Alt in the keyword field searches for the typed text.
  void SearchEditKeyDown(QObject* Sender, int Key, Qt::KeyboardModifiers Shift);
  // The query search: with `Sender` the keyword field, the typed text as one whole-word phrase
  // and the best matching title shown; otherwise the field's text as a query (figure, mode
  // switch) and the first result shown.
  void StartQuerySearchBtnClick(QObject* Sender);
  void QueryResultsLstSelect(QObject* Sender);
  void QueryResultsLstMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);

  // Shows `rec` (a copy from the store): its cross-references, its lines and its title, and
  // records the title in the history. Nothing happens when it is already on screen; a record
  // without key clears the display.
  void DisplayRec(const TIDbRec& rec);
  // Empties the entry display and its pop-ups and lets pending messages run. False when the
  // window started closing meanwhile.
  bool ClearRecDisplay();
  // The width a display line may take: 0.9 of the entry text's width.
  double WrapWidth() const;
  // The entry text: each line drawn over a black copy of itself.
  void iDbRecTextDrawItem(TGraphicControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  // Opens or closes the cross-reference pop-up; the history pop-up closes.
  void SeeAlsoBtnClick(QObject* Sender);
  void SeeAlsoLstMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  // Follows the selected cross-reference in contents mode; only its entry is recorded.
  void SeeAlsoLstSelect(QObject* Sender);

  // Opens the history pop-up with the selected title second from the top, or closes it.
  void GoToBtnClick(QObject* Sender);
  void GoToLstMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  // Shows the selected history title again, as a cross-reference is followed.
  void GoToLstSelect(QObject* Sender);

  // Anatomy: the body figure, pointing, turning and gender (MainAnatomy.cpp).

  // Loads the picture of the current gender (GenderBtn down: male), screen-size class and
  // BodyView into BodyImage, decoded at the display's depth; a missing or undecodable picture
  // leaves the figure blank.
  void LoadBodyFigure();
  // The region under point (x, y) of the figure's reference frame in the current gender and
  // view: answers its name, empty for none, puts its query into SearchEdit or empties it, and
  // tints the region's area on the figure.
  QString LookUpFigureRegion(int x, int y);
  // The pointer at (X, Y) in BodyImage: the region's name in HintPnl beside the pointer, shown
  // only when there is one, and its area tinted.
  void BodyImageMouseMove(TGraphicControl* Sender, TShiftState Shift, int X, int Y);
  // The pointer left BodyImage: HintPnl hides and keeps its text; the pointed area loses its
  // tint.
  void BodyImageMouseLeave();
  // In anatomy mode the area of the region named like the entry on screen is tinted on the
  // figure, in the current gender and view; otherwise it is not.
  void ShowEntryRegion();
  // Runs the query search for the region last pointed at, when SearchEdit holds its query.
  void BodyImageClick(TGraphicControl* Sender);
  // RotateLeftBtn turns the figure one view on (15 wraps to 0), RotateRightBtn one view back
  // (0 wraps to 15); any other sender only closes the pop-up panels.
  void RotateBtnClick(TGraphicControl* Sender);
  // Switches between the female and the male figure, keeping the view.
  void GenderBtnClick(TGraphicControl* Sender);

  // Keyboard (MainKeys.cpp). A key pressed in the window, or in the keyword field when
  // `InField`, runs the command KeyActionOf gives it through the handler its button or list
  // runs; true when the key was taken, false when it goes on as usual.
  bool FormKeyDown(int Key, Qt::KeyboardModifiers Shift, bool InField);
  // Moves the selection of the current mode's list by `Step` and shows its entry as a click on
  // the row does; nothing while the list is hidden or empty.
  void ModeListStep(TListStep Step);
  // Shows the history title before the selected one and selects it, without recording it
  // again; nothing at the oldest title.
  void HistoryBack();

  // Output: printing, the clipboard, online help and the about window (MainOutput.cpp). Each
  // acts on the entry on screen, the record of visible number RecFile->LastVisNo, and does
  // nothing while the window closes.

  // Prints the entry on screen after the printer set-up dialog; nothing without an entry, a
  // printer, or when the dialog is cancelled. A job that fails is aborted.
  void PrintBtnClick(TGraphicControl* Sender);
  // Replaces the clipboard's contents by the entry on screen as plain text.
  void ToClipBrdBtnClick(TGraphicControl* Sender);
  // Opens the online help page in the browser and minimises the program.
  void HelpBtnClick(TGraphicControl* Sender);
  // Shows the about window.
  void InfoBtnClick(TGraphicControl* Sender);

  // Runs after the close query let the window close; the program entry ends the message loop
  // with it.
  std::function<void()> OnClosed;

  // The image loader behind LoadSkin and LoadTabGlyphs.
  TPMultiImage anImage;

  // Components, all owned by the window through their parents. BaseBtns[0] is `BaseBtn2`
  // ("A"), BaseBtns[25] is `BaseBtn27` ("Z").
  TPanel* MainFormPanel;
  TBkControl* Bk;
  QLabel* LstHeaderBk;
  QLabel* LstHeader;
  GTextControl* ContentLst;
  QLabel* ContentLstLbl;
  TProportionalImage* BodyImage;
  QLabel* QueryResultsLstLbl;
  GTextControl* QueryResultsLst;
  QLabel* AnatomicExpLbl;
  TBaseBtn* RotateLeftBtn;
  TBaseBtn* RotateRightBtn;
  TBaseBtn* GenderBtn;
  QLabel* SearchEditLbl;
  QLineEdit* SearchEdit;
  QLabel* SearchEditExpLbl;
  TGauge* SearchGauge;
  TBaseBtn* ContentBtn;
  TBaseBtn* AnatomicBtn;
  TBaseBtn* SearchBtn;
  TBaseBtn* GoToBtn;
  TBaseBtn* SeeAlsoBtn;
  TBaseBtn* ToClipBrdBtn;
  TBaseBtn* PrintBtn;
  std::array<TBaseBtn*, 26> BaseBtns;
  QLabel* iDbRecHeaderLblBk;
  QLabel* iDbRecHeaderLbl;
  GTextControl* iDbRecText;
  TPanel* GoToPnl;
  TBkControl* GoToPnlBk;
  QLabel* GoToPnlHeader;
  GTextControl* GoToLst;
  TPanel* SeeAlsoPnl;
  TBkControl* SeeAlsoPnlBk;
  QLabel* SeeAlsoPnlHeader;
  GTextControl* SeeAlsoLst;
  QLabel* CaptionLblBk;
  QLabel* CaptionLbl;
  TBaseBtn* InfoBtn;
  TBaseBtn* HelpBtn;
  TBaseBtn* MinimizeBtn;
  TBaseBtn* QuitBtn;
  TPanel* HintPnl;

  // State that the handlers read and write.
  std::unique_ptr<TIDbRecFile> RecFile;           // null once the close query released it
  std::int32_t CurrentRecId = 0;                  // Id of the entry on screen, 0 for none
  TViewMode ViewMode = TViewMode::vmContents;     // the way of finding an entry on screen
  std::int32_t BodyView = 0;                      // view of the body figure, 0 to 15
  std::unique_ptr<TStringList> FemaleQueryLines;  // lines of d\qf.dat
  std::unique_ptr<TStringList> MaleQueryLines;    // lines of d\qm.dat
  // The tab-button shapes; the buttons hold pointers to them.
  std::unique_ptr<QRegion> ModeBtnHotRgn;
  std::unique_ptr<QRegion> ModeBtnRgn;
  std::unique_ptr<QRegion> ToolBtnHotRgn;
  std::unique_ptr<QRegion> ToolBtnRgn;
  // The shapes given to the pop-up panels.
  QRegion GoToPnlRgn;
  QRegion SeeAlsoPnlRgn;
  // Screen position of the mouse last seen during a window drag; 0, 0 when none started.
  std::int32_t DragStartX = 0;
  std::int32_t DragStartY = 0;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Keys that reach the window: FormKeyDown, otherwise passed on.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateComponents();
  // Binds the navigation handlers to the controls' events (MainNavigation.cpp).
  void ConnectNavigation();
  // Follows the selected title of `list` (cross-references or history) in contents mode.
  void FollowTitle(GTextControl* list, QObject* Sender);
  // Records `title` in the history while recording is on.
  void RecordTitle(const std::string& title);
  // The backdrop of one row of `list`, copied from `background` behind it.
  void DrawRowBackdrop(GTextControl* list, TBkControl* background, int Index, const TRect& Rect);
  void DrawListItem(GTextControl* list, TBkControl* background, int Index, TRect Rect,
                    TOwnerDrawState State);
  // Hands the figure's and the figure buttons' events to the anatomy handlers, and gives the
  // figure buttons their glyphs, redrawn at every size the buttons take.
  void ConnectAnatomy();
  // The lines of the query file of the gender shown; null once released.
  const TStringList* CurrentQueryLines() const;
  // The pixels of BodyImage that region `name` covers in the current gender and view: the union
  // of its rectangles, each mapped as the pointer is. Empty for an empty name.
  QRegion FigureArea(std::string_view name) const;
  // The pointer is over region `name` (empty for none): its area becomes the pointed area.
  void PointAtRegion(std::string_view name);
  // Tints the pointed area and the entry's area on the figure.
  void ShowFigureTint();
  // Hands the output buttons' clicks to their handlers.
  void ConnectOutput();
  // Adds the shortcuts to the help button's hint.
  void ConnectKeys();
  // Whether RecFile has a visible entry at LastVisNo.
  bool EntryOnScreen() const;
  void CreateTitleButtons();
  void CreateTabButtons();
  void CreateLetterButtons();
  void CreateLists();
  void CreatePanels();
  void ZoomControls(QWidget* parent, int m, int d);
  void SetUpTabButton(TBaseBtn* button, TTabGroup group);
  // The tab glyphs read while the tab buttons are set up, by stem; emptied afterwards.
  std::map<std::string, QImage> FTabGlyphs;
  // Reads the skin image of `stem` into `target`; false, leaving `target` alone, when there is
  // no picture.
  bool ReadSkin(const std::string& stem, TPicture& target);
  // The tab glyph of `stem` as a button keeps it, read once while the buttons are set up and
  // then handed on, so that the buttons share one picture; null when there is none.
  QImage TabGlyph(const std::string& stem);
  void FormShow();
  // Shows the pointer of `slot` over the controls the window is dragged by.
  void ShowDragPointer(int slot);
  // Hands the mouse events of `Bk` and `CaptionLbl` to the drag handlers.
  bool RouteDragMouse(QObject* watched, QEvent* event);

  // The region under the pointer and its area on the figure, and the area of the entry's region.
  std::string FPointedRegion;
  QRegion FPointedArea;
  QRegion FEntryArea;

  bool FScreenTooSmall = false;
  // Set by the close query; from then on no handler runs.
  bool FClosing = false;
  // A close arrived while pending messages were being handled; it runs from the top of the
  // event loop.
  bool FCloseRequested = false;
};

}  // namespace halvena

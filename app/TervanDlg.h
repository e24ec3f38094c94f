// The main window: the lab bench. It owns the experiment state, the back
// buffer with its bitmaps and the digit display for the life of the window;
// each subsystem's folder defines its own group of members.
#pragma once

#include "model/ExperimentState.h"
#include "model/ManometerGeometry.h"
#include "platform/Framework.h"
#include "platform/Output.h"
#include "res/ResourceIds.h"
#include "view/DigitDisplay.h"

class CTervanDlg : public CDialog, public ExperimentState {
  public:
    enum { IDD = IDD_TERVAN_DIALOG };
    // The command of the About item added to the system menu.
    static constexpr UINT kAboutCommand = 16;
    // The three window timers and their periods: the valve turns a frame,
    // the water drifts towards the room, the gas follows the water.
    static constexpr UINT kValveTimer = 1;
    static constexpr UINT kValveTimerMs = 30;
    static constexpr UINT kDriftTimer = 2;
    static constexpr UINT kDriftTimerMs = 3000;
    static constexpr UINT kGasTimer = 3;
    static constexpr UINT kGasTimerMs = 50;
    // A held step button moves the branch again after a pause, then at a
    // steady pace until let go.
    static constexpr UINT kStepTimer = 4;
    static constexpr UINT kStepDelayMs = 400;
    static constexpr UINT kStepRepeatMs = 100;

    explicit CTervanDlg(CWnd* pParent = nullptr);

    // --- app/: shell (TervanDlg.cpp) ----------------------------------------
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnInf();

    // --- app/: start-up steps (StartUpSteps.cpp) ----------------------------
    void SeedAndPlaceRightBranch();
    void ResetValveAndBottle();
    void SetRoomAndWater();
    void SetGasAndPressure();
    void SetNotebookStart();

    // --- app/: procedure buttons (Actions.cpp) and the mouse (Mouse.cpp) ----
    void OnAnotaValorsInicials();
    void OnTancaBotella();
    void OnAnotaNivellInicial();
    void OnSubmergirBotella();
    void OnAnotacio();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    // Runs the level dialog; true with the typed text and its number when
    // the student confirmed a usable level (a useless one is explained).
    bool AskLevel(CString& typed, double& cm);
    // Tells a screen reader of noted row `row` (0 the initial level).
    void AnnounceRow(int row);
    // Empties the page label and clears the notebook's place.
    void PutNotebookAway();

    // --- app/: keys (Keys.cpp), step buttons (StepButtons.cpp) and what the
    // bench tells a screen reader (BenchParts.cpp) --------------------------
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnHelp();
    void OnStepUp();
    void OnStepDown();
    // A click at the valve's centre through the mouse's handlers.
    void ClickValve();
    // A drag of the right branch by `dy` rows through the mouse's handlers;
    // false when a spill warning ended it.
    bool DragBranchBy(int dy);
    // What the mouse's handlers ask of the step buttons first: a press on
    // one is theirs (true), anywhere else hides them; a release of one is
    // theirs, and a tap on the right branch shows them.
    bool PointerPressed(CPoint point);
    void PointerMoved(UINT nFlags, CPoint point);
    bool PointerReleased();
    void ShowStepButtons(int y);
    void HideStepButtons();
    void DeclareStepButtons();
    void StepBranch(int dy);
    void StepTick();
    // Declares the bench's parts as the window shows them now.
    void DescribeBench();
    ClientPart DescribeRightBranch();
    void DescribeNotebook();
    CString DescribeNotebookCover(int page);

    // --- app/: clock (Clock.cpp), heating and cooling (Heating.cpp) ---------
    void OnTimer(UINT nIDEvent);
    void ValveTick();
    void DriftTick();
    void GasTick();
    void RampWaterTemp(double step, int count);
    void OnEscalfarAigua();
    void OnRefredarAigua();
    // One heating or cooling click with a chosen step; false when refused.
    bool HeatWater(double step);
    bool CoolWater(double step);

    // --- app/: the notebook's page buttons (PageButtons.cpp) ----------------
    void OnPageFirst();
    void OnPagePrev();
    void OnPageNext();

    // --- app/: what the student is told (Messages.cpp) ----------------------
    void ShowWarning(const char* text);
    // A spill the manometer found: the drag ends and the warning shows.
    void WarnOfSpill(Spill spill);
    // Shows a drawing failure's code; the caller then carries on.
    void ReportError(const char* code);

    // --- app/: the notebook's way out (SaveNotebook.cpp) and the ending
    // (Ending.cpp) ----------------------------------------------------------
    // The window menu's notebook items, after the About item.
    void AppendNotebookItems(CMenu* pSysMenu);
    // Runs the window menu's notebook command `nID`; false for any other.
    bool OnNotebookCommand(UINT nID);
    void OnDesaDades();
    void OnDesaQuadern();
    void OnImprimeixQuadern();
    void OnGuiaOperacio();
    // Saves the rows as a table where the student says; true once written.
    bool SaveNotebookCsv();
    // The pages worth handing in, each drawn on a picture of its own; false
    // when one cannot be drawn.
    bool DrawPagesToHandIn(std::vector<Surface>& pages);
    // Saves, tells the student of a failure and a screen reader of a
    // success; true once written.
    bool SaveAndTell(const SaveRequest& request);
    void TellSaveFailed(const std::string& file);
    // Whether the practical may end now: at once without rows, otherwise
    // as the student answers the question.
    bool MayEnd();
    void OnOK() override;
    void OnCancel() override;

    // --- view/: canvas and frame of every drawing routine (Canvas.cpp) ------
    void SetUpCanvas();
    // Selects the back buffer into its surface; reports `code` on failure.
    void SelectBackBuffer(const char* code);
    // Copies a member bitmap, whole, into the back buffer at (x, y).
    void CopyMemberBitmap(CBitmap& bitmap, int x, int y, const char* code);
    // Copies all 600 x 400 pixels of the back buffer to the client at (21, 21).
    void CopyBackBufferToWindow();

    // --- view/: bench scene (BenchScene.cpp), manometer (Manometer.cpp) -----
    void DrawBench();
    void DrawThermometer();
    void DrawWaterBath();
    // The valve's picture m_nValveFrame at its place, without a copy.
    void DrawValve();
    // The water temperature on the thermometer's digits, without a copy.
    void DrawWaterDigits();
    void DrawManometer();
    void DrawSideGauge();

    // --- view/: the two blocking animations (Animations.cpp) ----------------
    void RaiseBottle();
    void FillWaterBath();

    // --- notebook/ (Notebook.cpp) -------------------------------------------
    void DrawNotebook();
    // Fills the notebook's place with the bench colour, without a copy.
    void ClearNotebookPlace();

    // Canvas members, in this order of declaration.
    CDC m_dcBack;
    CDC m_dcImage;
    CBitmap m_bmpBack;
    CBitmap m_bmpBottle;
    CBitmap m_bmpStopper;
    CBitmap m_bmpTubeH;
    CBitmap m_bmpThermometer;
    CBitmap m_bmpTubeV;
    CBitmap m_bmpGaugeTube;
    CBitmap m_bmpGauge;
    CBitmap m_bmpFunnel;
    CBitmap m_bmpLeftBranch;

    CDigitDisplay m_display;
    HICON m_hIcon;

  private:
    // A drawing failure's message box is open now: the timers keep running
    // behind it, and a failure that repeats on every tick must not stack
    // boxes.
    bool m_bErrorBoxOpen = false;
    // The step buttons: shown beside the row tapped, and which one is held.
    bool m_bStepButtons = false;
    int m_nStepY = 0;
    int m_nStepHeld = 0;
    // The press the pointer made last, and whether it has moved since.
    CPoint m_ptPress;
    bool m_bPointerMoved = false;
    // A key or a step button is driving the mouse's handlers.
    bool m_bSyntheticPointer = false;
    int m_nWarningsShown = 0;

    DECLARE_MESSAGE_MAP()
};

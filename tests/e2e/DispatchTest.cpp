// How the backend delivers messages: blocking work holds input, paints and
// ticks until it is over; timers go on behind a modal dialog; the mouse
// arrives in client coordinates and stays with the window that captured it.
#include "E2eFixture.h"
#include "ProbeDlg.h"

class DispatchTest : public E2eTest {};

TEST_F(DispatchTest, BlockingWorkShowsItsFramesAndHoldsInputPaintsAndTicks)
{
    CProbeDlg probe;
    std::vector<unsigned> shown;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        ASSERT_TRUE(WaitUntil([&] { return !probe.log.empty(); })); // the first paint
        probe.log.clear();
        backend->onClientPainted = [&](CWnd&) {
            const unsigned p = ClientPixel(window, 25, 25);
            if (shown.empty() || shown.back() != p)
                shown.push_back(p);
        };
        // During the work: a click on another button and an expose.
        QTimer::singleShot(10, &window, [&] {
            EXPECT_TRUE(backend->IsHeld());
            Click(window, IDC_INF);
            backend->PostPaint(probe);
        });
        Click(window, IDC_ANOTA_VALORS_INICIALS);
        EXPECT_EQ(probe.log,
                  (std::vector<std::string>{"hold", "held", "other", "paint", "tick 5"}));
        backend->onClientPainted = nullptr;
        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(probe.DoModal(), IDCANCEL);
    std::vector<unsigned> frames;
    for (COLORREF c : CProbeDlg::kFrames)
        frames.push_back(PixelFromColor(c));
    // Every frame reached the screen, in order.
    std::vector<unsigned> seen;
    for (unsigned p : shown)
        if (std::find(frames.begin(), frames.end(), p) != frames.end())
            seen.push_back(p);
    EXPECT_EQ(seen, frames);
}

TEST_F(DispatchTest, TimersTickWhileAModalDialogIsOpen)
{
    CProbeDlg probe;
    AfxGetApp()->m_pMainWnd = &probe;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        probe.SetTimer(7, 5);
        Click(window, IDC_PAGE_FIRST);
        EXPECT_GE(probe.ticksDuringModal, 3);
        Key(window, Qt::Key_Escape);
    });
    OnNextModal([&](CDialog&, DialogWindow& level) {
        // The owner takes no input while the level dialog is up.
        EXPECT_EQ(QGuiApplication::modalWindow(), level.windowHandle());
        const int before = probe.ticks;
        EXPECT_TRUE(WaitUntil([&] { return probe.ticks >= before + 3; }));
        Click(level, IDOK);
    });
    probe.DoModal();
}

TEST_F(DispatchTest, MouseMessagesCarryClientCoordinatesAndTheCaptureHoldsTheMouse)
{
    CProbeDlg probe;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        ClientArea& client = window.Client();
        probe.log.clear();
        QTest::mousePress(&client, Qt::LeftButton, {}, QPoint(100, 120));
        EXPECT_EQ(QWidget::mouseGrabber(), &client);
        QTest::mouseMove(&client, QPoint(110, 130));
        // Released beyond the window's right edge: still this window's.
        QTest::mouseRelease(&client, Qt::LeftButton, {}, QPoint(900, 130));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        std::vector<std::string> mouse;
        for (const std::string& line : probe.log)
            if (line != "paint")
                mouse.push_back(line);
        EXPECT_EQ(mouse,
                  (std::vector<std::string>{"down 100,120 1", "move 110,130 1", "up 900,130 0"}));
        Key(window, Qt::Key_Escape);
    });
    probe.DoModal();
}

// Drives real windows on the Qt backend. A modal dialog runs its own loop,
// so what a test does inside one is queued beforehand: the script given to
// OnNextModal runs once that dialog is on the screen.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/WinApp.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtBackend.h"

// How a failed test shows Qt's sizes and rectangles.
inline void PrintTo(const QSize& s, std::ostream* out)
{
    *out << s.width() << " x " << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "{" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << "}";
}

// Where the template puts a control, in client pixels.
inline QRect TemplateRect(const DialogTemplate& t, const ControlTemplate& c)
{
    const Box b = ControlRect(t, c);
    return QRect(b.x, b.y, b.w, b.h);
}

class E2eTest : public ::testing::Test {
  protected:
    using Script = std::function<void(CDialog&, DialogWindow&)>;

    void SetUp() override
    {
        backend = std::make_unique<QtBackend>();
        SetBackend(backend.get());
        backend->onModalShown = [this](CDialog& dlg, DialogWindow& window) {
            if (scripts.empty())
                return; // the test drives this one itself
            Script script = std::move(scripts.front());
            scripts.pop_front();
            QTimer::singleShot(0, &window, [script, &dlg, &window] { script(dlg, window); });
        };
    }

    void TearDown() override
    {
        EXPECT_TRUE(scripts.empty()) << scripts.size() << " dialog(s) expected but never shown";
        if (CWinApp* app = AfxGetApp())
            app->m_pMainWnd = nullptr;
        SetBackend(nullptr);
        backend.reset();
    }

    void OnNextModal(Script script) { scripts.push_back(std::move(script)); }

    // Lets the event loop run until `done` holds; false if it never does.
    static bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > timeoutMs)
                return false;
            QEventLoop loop;
            QTimer::singleShot(2, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }

    static QWidget* FocusOf(DialogWindow& window)
    {
        return window.focusWidget() ? window.focusWidget() : &window;
    }
    static void Key(DialogWindow& window, Qt::Key key) { QTest::keyClick(FocusOf(window), key); }
    static void Click(DialogWindow& window, int id)
    {
        QWidget* button = window.Control(id);
        ASSERT_NE(button, nullptr) << "no control " << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The pixel of the window's client area, as 0xRRGGBB.
    static unsigned ClientPixel(DialogWindow& window, int x, int y)
    {
        return window.Client().Pixels().At(x, y) & 0xFFFFFFu;
    }

    std::unique_ptr<QtBackend> backend;
    std::deque<Script> scripts;
};

// A main window on the headless backend, with the random draws under the
// test's control.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "app/TervanDlg.h"
#include "platform/ApplicationResources.h"
#include "platform/Faults.h"
#include "platform/headless/HeadlessBackend.h"

class TervanFixture : public ::testing::Test {
  protected:
    void SetUp() override
    {
        backend.onScriptFailure = [](const std::string& what) { ADD_FAILURE() << what; };
        Faults::Reset();
    }

    void TearDown() override
    {
        if (dlg && dlg->IsWindow())
            backend.Close(*dlg);
        dlg.reset();
        Random::SetSource({});
        Faults::Reset();
    }

    // Draws come from `values` in order, then `fallback` for ever after.
    void ScriptDraws(std::vector<int> values, int fallback = 0)
    {
        auto queue = std::make_shared<std::deque<int>>(values.begin(), values.end());
        draws = 0;
        Random::SetSource([this, queue, fallback] {
            ++draws;
            if (queue->empty())
                return fallback;
            const int r = queue->front();
            queue->pop_front();
            return r;
        });
    }

    // Opens the main window (its initialisation draws the start values).
    void Start()
    {
        dlg = std::make_unique<CTervanDlg>();
        backend.Open(*dlg);
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : backend.MessageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    HeadlessBackend backend;
    std::unique_ptr<CTervanDlg> dlg;
    int draws = 0;
};

// A main window already open, every draw 0 (so its start values are the
// lowest ones), and its back buffer at hand.
class StartedFixture : public TervanFixture {
  protected:
    void SetUp() override
    {
        TervanFixture::SetUp();
        ScriptDraws({}, 0);
        Start();
        back = dlg->m_bmpBack.GetSurface();
    }
    Surface* back = nullptr;
};

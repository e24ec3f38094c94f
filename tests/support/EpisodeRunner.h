// Plays one episode of user events against a fresh main window on its own
// headless backend, answering every dialog that opens, and checks the state's
// invariants at every copy to the window and after every event. With drawing
// failures, some creations, selections and releases fail on the way; their
// boxes stay open while the clock runs, as a real one does. Everything
// random comes from seeds stored in the episode, so a played episode can be
// replayed, and shortened by leaving events out.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/TervanDlg.h"
#include "platform/Faults.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/FaultCases.h"
#include "support/LevelCorpus.h"
#include "support/StateInvariants.h"
#include "support/UserEvents.h"

struct Episode {
    std::uint32_t startSeed = 0; // the window's start-up draws
    std::vector<UserEvent> events;
};

// How far episodes got, to show that the sequences reach every step.
struct EpisodeStats {
    long dialogs[3] = {}; // About, warnings, levels
    long submerged = 0;   // episodes that got the bottle into the bath
    long rows = 0;        // rows noted after the initial level
    long full = 0;        // episodes that filled all fourteen rows
    long hotWater = 0;    // episodes whose water went past 60 degrees
    long boxes = 0;       // drawing failures reported
};

struct EpisodeResult {
    int played = 0;
    int failedAt = -1; // index of the event after which a check failed
    std::string what;

    bool Failed() const { return failedAt >= 0; }
    // The name of the failed check, before its colon.
    std::string Kind() const { return what.substr(0, what.find(':')); }
};

class EpisodeRunner {
  public:
    explicit EpisodeRunner(bool failures = false) : m_failures(failures) {}

    // Plays the episode's events; when `generator` is given, new events are
    // drawn from it and appended until `length` events have been played.
    EpisodeResult Play(Episode& episode, std::size_t length, std::mt19937* generator,
                       bool trace = false)
    {
        HeadlessBackend backend;
        Faults::Reset();
        m_handler.seed(episode.startSeed);
        Random::SetSource([this] { return static_cast<int>(m_handler() % 32768u); });
        m_failure.clear();
        m_confirmed.clear();
        m_hottest = -100;
        StateInvariants invariants(!m_failures);
        auto dlg = std::make_unique<CTervanDlg>();
        UserEventGenerator inputs(m_handler);

        backend.onScriptFailure = [this](const std::string& what) { Fail("script: " + what); };
        backend.defaultModal = [this, &backend](CDialog& d) { return Answer(backend, d); };
        backend.onSleep = [&](UINT) {
            // Now and then the user clicks or drags while a handler holds
            // the thread; the input is handled once it lets go.
            if (backend.ModalDepth() == 0 && m_handler() % 40 == 0) {
                inputs.NextInput(backend, *dlg).SendTo(backend, *dlg);
                m_inputQueued = true;
            }
        };
        backend.onMessageBox = [&](const HeadlessBackend::Box& box) { Boxed(backend, box); };
        backend.onClientUpdated = [&](CWnd& wnd) {
            if (&wnd == dlg.get())
                Fail(invariants.AtCopy(*dlg));
        };
        backend.Open(*dlg);

        EpisodeResult result;
        for (std::size_t i = 0; i < length; ++i) {
            if (i == episode.events.size()) {
                if (!generator)
                    break;
                UserEvent next = UserEventGenerator(*generator, m_failures).Next(backend, *dlg);
                if (i == 0)
                    next.kind = UserEvent::Paint; // the window shows itself first
                episode.events.push_back(next);
            }
            const UserEvent event = episode.events[i];
            current = static_cast<int>(i);
            if (trace)
                std::fprintf(stderr, "event %zu: %s\n", i, event.Describe().c_str());
            m_handler.seed(event.sub);
            m_confirmed.clear();
            m_inputQueued = false;
            event.SendTo(backend, *dlg);
            Fail(invariants.AfterEvent(*dlg, backend, m_confirmed));
            if (!m_failures && !backend.MessageBoxes().empty())
                Fail("box: a message box '" + backend.MessageBoxes().front().text +
                     "' with no drawing failure injected");
            stats.boxes += static_cast<long>(backend.MessageBoxes().size());
            backend.ClearMessageBoxes();
            m_hottest = std::max(m_hottest, dlg->m_dWaterTemp);
            result.played = static_cast<int>(i) + 1;
            if (!m_failure.empty()) {
                result.failedAt = static_cast<int>(i);
                result.what = m_failure;
                break;
            }
        }
        stats.submerged += dlg->m_bSubmerged;
        stats.rows += dlg->m_nCount > 1 ? dlg->m_nCount - 1 : 0;
        stats.full += dlg->m_nCount == ExperimentState::kMaxRows;
        stats.hotWater += m_hottest > 60;
        backend.Close(*dlg);
        dlg.reset();
        Random::SetSource({});
        Faults::Reset();
        return result;
    }

    EpisodeStats stats;
    int current = -1; // the event being played, for a note if the program dies

  private:
    void Fail(const std::string& what)
    {
        if (m_failure.empty() && !what.empty())
            m_failure = what;
    }

    // A drawing failure's box: one of the program's codes, captioned with
    // its name; while it is open the timers may run on behind it.
    void Boxed(HeadlessBackend& backend, const HeadlessBackend::Box& box)
    {
        static const std::set<std::string> codes = [] {
            std::set<std::string> all;
            for (const RoutineFaults& routine : AllRoutineFaults())
                for (const FaultCase& c : routine.cases)
                    all.insert(c.boxes.begin(), c.boxes.end());
            return all;
        }();
        if (!codes.count(box.text) || box.caption != "Tervan" || box.type != MB_OK)
            Fail("box: '" + box.text + "' captioned '" + box.caption + "'");
        if (!m_inputQueued && backend.ModalDepth() <= 2 && m_handler() % 3 == 0)
            backend.Advance(static_cast<std::int64_t>(m_handler() % 300));
    }

    // Answers whatever dialog opens: a level from the corpus or a random
    // text, OK or cancel, sometimes after letting the clock run behind it.
    int Answer(HeadlessBackend& backend, CDialog& d)
    {
        const UINT id = d.GetTemplateId();
        ++stats.dialogs[id == 100 ? 0 : id == 170 ? 1 : 2];
        LevelText level;
        if (id == 173) {
            const auto& corpus = LevelCorpus();
            level = m_handler() % 4 == 0 ? RandomLevelText(m_handler)
                                         : corpus[m_handler() % corpus.size()];
            backend.SetControlText(d, IDC_LEVEL, CString(level.text));
        } else if (id != 100 && id != 170) {
            Fail("dialog: template " + std::to_string(id) + " opened");
        }
        // Input queued by blocking work waits for the handler, not for this
        // dialog: a modal loop must not hand it to the disabled main window.
        if (!m_inputQueued && backend.ModalDepth() <= 2 && m_handler() % 4 == 0)
            backend.Advance(static_cast<std::int64_t>(m_handler() % 400));
        const int command = m_handler() % 5 == 0 ? IDCANCEL : IDOK;
        if (id == 173 && command == IDOK)
            m_confirmed.push_back(level);
        return command;
    }

    bool m_failures;
    std::mt19937 m_handler;
    std::string m_failure;
    std::vector<LevelText> m_confirmed;
    bool m_inputQueued = false;
    double m_hottest = -100;
};

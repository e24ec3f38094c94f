// The level a student types, on any text: the parser against a reading of
// its rule written apart from it, then a main window on the headless backend
// driven by the input (procedure buttons, the valve, heating and cooling,
// the clock, the notebook's pages) whose level dialogs are answered with
// texts from the input. A text confirmed with OK becomes a row holding the
// reference's number, or, holding none, the warning that explains it and no
// row; the state's invariants hold after every step and at every copy. When
// the input runs out inside a dialog, the dialog is escaped.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/TervanDlg.h"
#include "fuzz/Check.h"
#include "model/LevelParser.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resources.h"
#include "support/BenchPoints.h"
#include "support/LevelCorpus.h"
#include "support/StateInvariants.h"

namespace {

const char* const kLevelNotANumber =
    "El nivell ha de ser un nombre llegit al regle, per exemple 12,5. No s'ha anotat res.";

enum class Reading { None, Number, Unsure };

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

// The rule read afresh: after blanks, a sign, digits with at most one point
// or comma among them (one digit at least), and an exponent when digits
// follow its 'e'; a finite number of at most a million centimetres. Numbers
// that underflow a double are left Unsure.
Reading ReferenceLevel(const std::string& s, double& value)
{
    std::size_t i = s.find_first_not_of(" \t\n\r\v\f");
    if (i == std::string::npos)
        return Reading::None;
    std::string number;
    if (s[i] == '+' || s[i] == '-')
        number += s[i++];
    bool digits = false;
    for (; i < s.size() && Digit(s[i]); ++i, digits = true)
        number += s[i];
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        number += '.';
        for (++i; i < s.size() && Digit(s[i]); ++i, digits = true)
            number += s[i];
    }
    if (!digits)
        return Reading::None;
    if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool sign = s[j] == '+' || s[j] == '-';
        if (j + sign < s.size() && Digit(s[j + sign]))
            for (number += s.substr(i, 1 + sign), j += sign; j < s.size() && Digit(s[j]); ++j)
                number += s[j];
    }
    errno = 0;
    value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE)
        return std::isinf(value) ? Reading::None : Reading::Unsure;
    return std::fabs(value) <= 1e6 ? Reading::Number : Reading::None;
}

void CheckParser(const std::string& text)
{
    double expected = 0.0;
    const Reading reading = ReferenceLevel(text, expected);
    double cm = -12345.0;
    const bool parsed = ParseLevel(CString(text), cm);
    if (reading == Reading::Unsure) {
        FUZZ_CHECK(!parsed || (std::isfinite(cm) && std::fabs(cm) <= 1e6));
        return;
    }
    FUZZ_CHECK(parsed == (reading == Reading::Number));
    FUZZ_CHECK(!parsed || (cm == expected && std::signbit(cm) == std::signbit(expected)));
    FUZZ_CHECK(!parsed || cm == LevelOrZero(CString(text)));
}

// One main window, stepped through by the input.
class Session {
  public:
    explicit Session(FuzzedDataProvider& in) : m_in(in)
    {
        const unsigned seed = in.ConsumeIntegral<unsigned>();
        m_draws = seed;
        Random::SetSource([this] {
            m_draws = m_draws * 1103515245u + 12345u;
            return static_cast<int>((m_draws >> 16) % 32768u);
        });
        m_backend.onScriptFailure = [](const std::string& what) {
            std::fprintf(stderr, "script: %s\n", what.c_str());
            FUZZ_CHECK(false);
        };
        m_backend.defaultModal = [this](CDialog& d) { return Answer(d); };
        m_backend.onClientUpdated = [this](CWnd& wnd) {
            if (&wnd == &m_dlg)
                Expect(m_invariants.AtCopy(m_dlg));
        };
        m_backend.Open(m_dlg);
    }
    ~Session()
    {
        m_backend.Close(m_dlg);
        Random::SetSource({});
    }

    void Run()
    {
        while (m_in.remaining_bytes() > 0) {
            m_confirmed.clear();
            m_warnings.clear();
            Step(m_in.ConsumeIntegralInRange(0, 7));
            Expect(m_invariants.AfterEvent(m_dlg, m_backend, m_confirmed));
        }
    }

  private:
    void Step(int kind)
    {
        switch (kind) {
        case 0: // the next button of the procedure
            for (int id : {IDC_ANOTA_VALORS_INICIALS, IDC_TANCA_BOTELLA, IDC_ANOTA_NIVELL_INICIAL,
                           IDC_SUBMERGIR_BOTELLA})
                if (m_backend.IsControlEnabled(m_dlg, id)) {
                    ClickNoting(id);
                    return;
                }
            return;
        case 1: // the valve, given time to turn
            m_backend.Mouse(m_dlg, WM_LBUTTONDOWN, Client::kValveX, Client::kValveY);
            m_backend.Mouse(m_dlg, WM_LBUTTONUP, Client::kValveX, Client::kValveY);
            m_backend.Advance(200);
            return;
        case 2:
            ClickNoting(IDC_ANOTACIO);
            return;
        case 3:
            m_backend.Click(m_dlg, m_in.ConsumeBool() ? IDC_ESCALFAR_AIGUA : IDC_REFREDAR_AIGUA);
            return;
        case 4:
            m_backend.Advance(m_in.ConsumeIntegralInRange(0, 5000));
            return;
        case 5:
            m_backend.Click(m_dlg, IDC_PAGE_FIRST + m_in.ConsumeIntegralInRange(0, 2));
            return;
        case 6:
            m_backend.Paint(m_dlg);
            return;
        default: // "Inf": the About box
            m_backend.Click(m_dlg, IDC_INF);
            return;
        }
    }

    // A click that may note a level: a text the dialog confirmed without a
    // number must be explained, and adds no row.
    void ClickNoting(int id)
    {
        const int rows = m_dlg.m_nCount;
        m_backend.Click(m_dlg, id);
        const auto useless = std::count_if(m_confirmed.begin(), m_confirmed.end(),
                                           [](const LevelText& t) { return !t.Usable(); });
        const auto explained = std::count(m_warnings.begin(), m_warnings.end(), kLevelNotANumber);
        const bool allKnown = std::all_of(m_confirmed.begin(), m_confirmed.end(),
                                          [](const LevelText& t) { return t.known; });
        if (allKnown)
            FUZZ_CHECK(explained == useless);
        if (useless > 0 && allKnown)
            FUZZ_CHECK(m_dlg.m_nCount == rows);
    }

    int Answer(CDialog& d)
    {
        const UINT id = d.GetTemplateId();
        if (id == IDD_WARNING)
            m_warnings.push_back(m_backend.ControlText(d, IDC_WARNING_TEXT));
        if (id != IDD_LEVEL)
            return IDOK;
        if (m_in.remaining_bytes() == 0)
            return IDCANCEL; // as Escape would
        const std::string text = m_in.ConsumeRandomLengthString(4096);
        CheckParser(text);
        m_backend.SetControlText(d, IDC_LEVEL, CString(text));
        m_backend.Advance(m_in.ConsumeIntegralInRange(0, 400)); // the student takes a moment
        const bool ok = m_in.ConsumeBool();
        if (ok) {
            double value = 0.0;
            const Reading reading = ReferenceLevel(text, value);
            LevelText confirmed{text};
            confirmed.known = reading != Reading::Unsure;
            if (reading == Reading::Number)
                confirmed.expected = value;
            m_confirmed.push_back(confirmed);
        }
        return ok ? IDOK : IDCANCEL;
    }

    static void Expect(const std::string& found)
    {
        if (found.empty())
            return;
        std::fprintf(stderr, "%s\n", found.c_str());
        FUZZ_CHECK(found.empty());
    }

    FuzzedDataProvider& m_in;
    unsigned m_draws = 0;
    HeadlessBackend m_backend;
    CTervanDlg m_dlg;
    StateInvariants m_invariants;
    std::vector<LevelText> m_confirmed;
    std::vector<std::string> m_warnings;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetApplicationResources(&TervanResources());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    CheckParser(in.ConsumeRandomLengthString(4096));
    Session session(in);
    session.Run();
    return 0;
}

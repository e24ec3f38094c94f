// What must hold of the experiment state whatever the user does: checked at
// every copy to the window (in the middle of handlers too) and after every
// event. Each check returns an empty string or "name: what was found"; the
// name before the colon tells failures of one kind apart.
#pragma once

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/TervanDlg.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/LevelCorpus.h"

class StateInvariants {
  public:
    // Without `checkPressure` the pressure rule is left out: after an injected
    // failure the manometer's pen may stay selected, so its copies can no
    // longer be told from the others.
    explicit StateInvariants(bool checkPressure = true) : m_checkPressure(checkPressure) {}

    // Holds at every moment the window shows.
    std::string AtCopy(CTervanDlg& d) const
    {
        std::ostringstream out;
        if (d.m_nCount < 0 || d.m_nCount > ExperimentState::kMaxRows)
            out << "count: m_nCount " << d.m_nCount << " outside 0..14";
        else if (d.m_nCount < m_noted)
            out << "rows: m_nCount fell from " << m_noted << " to " << d.m_nCount;
        for (int i = 0; i < m_noted && out.tellp() == 0; ++i)
            if (!Same(d.m_dTemp[i], m_temp[i]) || !Same(d.m_dLevel[i], m_level[i]))
                out << "rows: row " << i << " changed from (" << m_temp[i] << ", " << m_level[i]
                    << ") to (" << d.m_dTemp[i] << ", " << d.m_dLevel[i] << ")";
        if (out.tellp() == 0 && (d.m_nTubeY < -300 || d.m_nTubeY > 320))
            out << "tube: m_nTubeY " << d.m_nTubeY << " outside -300..320";
        if (out.tellp() == 0 && d.m_bSubmerged && !d.m_bBottleClosed)
            out << "bottle: submerged but not closed";
        if (out.tellp() == 0 && d.m_bBottleClosed && d.m_nBottleY != 200)
            out << "bottle: closed at y " << d.m_nBottleY;
        if (out.tellp() == 0 && (d.m_nValveFrame < 137 || d.m_nValveFrame > 142))
            out << "valve: frame " << d.m_nValveFrame << " outside 137..142";
        if (out.tellp() == 0 && !d.m_bValveMoving && d.m_nValveFrame != IDB_VALVE_OPEN &&
            d.m_nValveFrame != IDB_VALVE_CLOSED)
            out << "valve: at rest on frame " << d.m_nValveFrame;
        if (out.tellp() == 0)
            out << NonFinite(d);
        if (out.tellp() == 0 && m_checkPressure && CopiedByManometer(d) &&
            (d.m_nValveFrame == IDB_VALVE_OPEN || !d.m_bBottleClosed) && d.m_dPressureDiff != 0.0)
            out << "pressure: manometer drawn with difference " << d.m_dPressureDiff
                << " while the valve shows " << d.m_nValveFrame
                << (d.m_bBottleClosed ? "" : " and the bottle is open");
        return out.str();
    }

    // Holds once an event has been handled. `confirmed` are the level texts
    // answered with OK during the event, in order.
    std::string AfterEvent(CTervanDlg& d, HeadlessBackend& backend,
                           const std::vector<LevelText>& confirmed)
    {
        std::string found = AtCopy(d);
        if (found.empty())
            found = NewRows(d, confirmed);
        if (found.empty())
            found = Temperatures(d);
        if (found.empty())
            found = Buttons(d, backend);
        if (found.empty())
            found = Timers(d, backend);
        return found;
    }

  private:
    static bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

    // The manometer's copy is the only one made with its 1-px mark pen in
    // the back buffer.
    static bool CopiedByManometer(const CTervanDlg& d)
    {
        const PenAttributes& pen = d.m_dcBack.GetPenAttributes();
        return pen.width == 1 && pen.style == PS_SOLID && pen.color == RGB(128, 64, 64);
    }

    static std::string NonFinite(const CTervanDlg& d)
    {
        const std::pair<const char*, double> members[] = {
            {"m_dRoomTemp", d.m_dRoomTemp},         {"m_dWaterTemp", d.m_dWaterTemp},
            {"m_dGasTemp", d.m_dGasTemp},           {"m_dAtmPressure", d.m_dAtmPressure},
            {"m_dGasPressure", d.m_dGasPressure},   {"m_dGasConstant", d.m_dGasConstant},
            {"m_dPressureDiff", d.m_dPressureDiff},
        };
        for (const auto& [name, value] : members)
            if (!std::isfinite(value))
                return std::string("finite: ") + name + " is " + std::to_string(value);
        for (int i = 0; i < ExperimentState::kMaxRows; ++i)
            if (!std::isfinite(d.m_dTemp[i]) || !std::isfinite(d.m_dLevel[i]))
                return "finite: row " + std::to_string(i) + " holds a non-finite number";
        return {};
    }

    // Rows added during the event come from the usable confirmed texts, in
    // order; a text without a number adds none.
    std::string NewRows(CTervanDlg& d, const std::vector<LevelText>& confirmed)
    {
        std::ostringstream out;
        const int added = d.m_nCount - m_noted;
        bool allKnown = true;
        int usable = 0;
        for (const LevelText& t : confirmed) {
            allKnown = allKnown && t.known;
            usable += t.Usable() || !t.known;
        }
        if (added > usable) {
            out << "rows: " << added << " rows noted from " << usable << " usable texts";
        } else if (allKnown) {
            int row = m_noted;
            for (const LevelText& t : confirmed) {
                if (!t.Usable())
                    continue;
                if (row >= d.m_nCount) {
                    out << "rows: the level '" << Shown(t.text) << "' was confirmed but not noted";
                    break;
                }
                if (d.m_dLevel[row] != t.expected) {
                    out << "rows: '" << Shown(t.text) << "' noted as " << d.m_dLevel[row]
                        << " instead of " << t.expected;
                    break;
                }
                if (row == 0 && d.m_strInitialLevel.str() != t.text + " cm") {
                    out << "rows: the initial level reads '" << Shown(d.m_strInitialLevel.str())
                        << "'";
                    break;
                }
                ++row;
            }
        }
        for (int i = m_noted; i < d.m_nCount; ++i) {
            m_temp[i] = d.m_dTemp[i];
            m_level[i] = d.m_dLevel[i];
        }
        m_noted = d.m_nCount;
        return out.str();
    }

    // Heating and cooling stop at -15 and 80 degrees; drift and gas follow.
    static std::string Temperatures(const CTervanDlg& d)
    {
        const double eps = 1e-9;
        for (double t : {d.m_dWaterTemp, d.m_dGasTemp})
            if (t < -15 - eps || t > 80 + eps)
                return "temperature: " + std::to_string(t) + " outside -15..80";
        return {};
    }

    // Each step of the procedure enables exactly the buttons of the next.
    static std::string Buttons(CTervanDlg& d, HeadlessBackend& backend)
    {
        std::vector<int> expected;
        if (!d.m_bInitialNoted)
            expected = {IDC_ANOTA_VALORS_INICIALS};
        else if (!d.m_bBottleClosed)
            expected = {IDC_TANCA_BOTELLA};
        else if (d.m_strInitialLevel.IsEmpty())
            expected = {IDC_ANOTA_NIVELL_INICIAL};
        else if (!d.m_bSubmerged)
            expected = {IDC_SUBMERGIR_BOTELLA};
        else
            expected = {IDC_ESCALFAR_AIGUA, IDC_REFREDAR_AIGUA, IDC_ANOTACIO};
        std::vector<int> enabled;
        for (int id :
             {IDC_TANCA_BOTELLA, IDC_ESCALFAR_AIGUA, IDC_SUBMERGIR_BOTELLA, IDC_REFREDAR_AIGUA,
              IDC_ANOTA_VALORS_INICIALS, IDC_ANOTA_NIVELL_INICIAL, IDC_ANOTACIO})
            if (backend.IsControlEnabled(d, id))
                enabled.push_back(id);
        if (enabled != expected) {
            std::ostringstream out;
            out << "buttons: enabled";
            for (int id : enabled)
                out << ' ' << id;
            out << ", the procedure step enables";
            for (int id : expected)
                out << ' ' << id;
            return out.str();
        }
        return {};
    }

    // The drift timer always runs, the gas timer from the closing of the
    // bottle on, the valve timer exactly while the valve turns.
    static std::string Timers(CTervanDlg& w, HeadlessBackend& backend)
    {
        const CTervanDlg& d = w;
        if (!backend.IsTimerRunning(w, CTervanDlg::kDriftTimer))
            return "timers: the drift timer stopped";
        if (backend.IsTimerRunning(w, CTervanDlg::kGasTimer) != d.m_bBottleClosed)
            return "timers: gas timer running " +
                   std::to_string(backend.IsTimerRunning(w, CTervanDlg::kGasTimer));
        if (backend.IsTimerRunning(w, CTervanDlg::kValveTimer) != d.m_bValveMoving)
            return "timers: valve timer running " +
                   std::to_string(backend.IsTimerRunning(w, CTervanDlg::kValveTimer));
        return {};
    }

    static std::string Shown(const std::string& text)
    {
        std::string s = text.size() > 24 ? text.substr(0, 24) + "..." : text;
        for (char& c : s)
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                c = '?';
        return s;
    }

    bool m_checkPressure;
    int m_noted = 0;
    double m_temp[ExperimentState::kMaxRows] = {};
    double m_level[ExperimentState::kMaxRows] = {};
};

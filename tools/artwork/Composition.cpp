// The bench as the program lays the pictures out, for the README: every
// picture copied opaquely at its place, in the program's drawing order.
#include "Artwork.h"
#include "Palette.h"

#include <QPainter>

#include "model/ExperimentState.h"
#include "view/BenchLayout.h"

namespace artwork {

namespace {

void Put(QPainter& p, const std::map<int, QImage>& pictures, int id, int x, int y)
{
    const auto it = pictures.find(id);
    if (it != pictures.end()) {
        p.drawImage(x, y, it->second);
    }
}

} // namespace

QImage ComposeBench(const std::map<int, QImage>& pictures, bool withNotebook)
{
    QImage bench = NewPicture(600, 400);
    QPainter p(&bench);
    auto put = [&](const Bench::Place& place) { Put(p, pictures, place.id, place.x, place.y); };
    // The bench scene with the bottle raised onto its stopper, valve closed.
    put(Bench::kStopper);
    Put(p, pictures, IDB_BOTTLE, Bench::kBottleX, ExperimentState::kBottleRaisedY);
    put(Bench::kTubeH);
    put(Bench::kColumnTop);
    put(Bench::kColumnBottom);
    put(Bench::kFunnel);
    Put(p, pictures, IDB_VALVE_CLOSED, Bench::kValveX, Bench::kValveY);
    // The thermometer hangs from a brown bar; its cells read 21.3.
    p.fillRect(QRect(0, 60, 10, 34), QColor(128, 64, 64));
    put(Bench::kThermometer);
    Put(p, pictures, IDB_DIGIT_BLANK, 25, 43);
    Put(p, pictures, IDB_DIGIT_0 + 2, 62, 43);
    Put(p, pictures, IDB_DIGIT_0 + 1, 99, 43);
    Put(p, pictures, IDB_DIGIT_POINT, 99 + 32, 43 + 44);
    Put(p, pictures, IDB_DIGIT_0 + 3, 136, 43);
    // The manometer's glass: left branch, movable right branch and its mouth.
    const int tubeY = 120;
    put(Bench::kLeftBranch);
    Put(p, pictures, IDB_TUBE_V, Bench::kRightBranchX, tubeY);
    Put(p, pictures, IDB_TUBE_V, Bench::kRightBranchX, tubeY + 150);
    Put(p, pictures, IDB_FUNNEL, Bench::kRightMouthX, tubeY - 5);
    if (withNotebook) {
        put(Bench::kNotebookPage);
    } else {
        put(Bench::kGauge);
        Put(p, pictures, IDB_GAUGE_TUBE, Bench::kGaugeTubeX, 72);
    }
    p.end();
    return bench;
}

} // namespace artwork

// The bench as the program lays the pictures out, for the README: every
// picture copied opaquely at its place, in the program's drawing order.
#include "Artwork.h"
#include "Palette.h"

#include <QPainter>

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
    // The bench scene with the bottle raised onto its stopper, valve closed.
    Put(p, pictures, 134, 104, 132);
    Put(p, pictures, 135, 70, 200);
    Put(p, pictures, 136, 147, 132);
    Put(p, pictures, 144, 252, 60);
    Put(p, pictures, 144, 252, 210);
    Put(p, pictures, 143, 243, 55);
    Put(p, pictures, 142, 234, 114);
    // The thermometer hangs from a brown bar; its cells read 21.3.
    p.fillRect(QRect(0, 60, 10, 34), QColor(128, 64, 64));
    Put(p, pictures, 145, 10, 10);
    Put(p, pictures, 156, 25, 43);
    Put(p, pictures, 148, 62, 43);
    Put(p, pictures, 147, 99, 43);
    Put(p, pictures, 157, 99 + 32, 43 + 44);
    Put(p, pictures, 149, 136, 43);
    // The manometer's glass: left branch, movable right branch and its mouth.
    Put(p, pictures, 166, 250, 164);
    Put(p, pictures, 144, 350, 120);
    Put(p, pictures, 144, 350, 270);
    Put(p, pictures, 143, 341, 115);
    if (withNotebook) {
        Put(p, pictures, 171, 387, 50);
    } else {
        Put(p, pictures, 163, 420, 50);
        Put(p, pictures, 165, 550, 72);
    }
    p.end();
    return bench;
}

} // namespace artwork

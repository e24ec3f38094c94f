// tervan-artwork: draws every bitmap and icon of the program.
//
//   tervan-artwork <res folder> [docs folder]
//
// writes <res>/bitmaps/<ID>.bmp, <res>/icons/tervan.ico and
// <res>/icons/tervan-<size>.png at 16, 32, 48, 64, 128 and 256 pixels; with a
// docs folder it also writes the two bench compositions for the README. Running it twice gives
// byte-identical files.
#include "Artwork.h"
#include "ImageFiles.h"
#include "Palette.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <map>
#include <vector>

#include "res/ResourceIds.h"

namespace {

using namespace artwork;

struct Bitmap {
    int id;
    QImage image;
    int bits;
    std::vector<QRgb> keep; // colours an 8-bit palette must hold exactly
};

std::vector<Bitmap> DrawAll()
{
    const QRgb bench = kBench.rgb();
    std::vector<Bitmap> all;
    all.push_back({IDB_STOPPER, DrawStopper(), 24, {}});
    all.push_back({IDB_BOTTLE, DrawBottle(), 24, {}});
    all.push_back({IDB_TUBE_H, DrawTubeH(), 8, {bench}});
    for (int frame = 0; frame <= IDB_VALVE_CLOSED - IDB_VALVE_OPEN; ++frame) {
        all.push_back({IDB_VALVE_OPEN + frame, DrawValve(frame), 24, {}});
    }
    all.push_back({IDB_FUNNEL, DrawFunnel(), 24, {}});
    all.push_back({IDB_TUBE_V, DrawTubeV(), 24, {}});
    all.push_back({IDB_THERMOMETER, DrawThermometer(), 8, {bench, kThermometerWindow.rgb()}});
    for (int digit = 0; digit <= 9; ++digit) {
        all.push_back({IDB_DIGIT_0 + digit, DrawDigitCell(DigitSegments(digit)), 24, {}});
    }
    all.push_back({IDB_DIGIT_BLANK, DrawDigitCell(0), 24, {}});
    all.push_back({IDB_DIGIT_POINT, DrawLitPoint(), 24, {}});
    all.push_back({IDB_DIGIT_MINUS, DrawDigitCell(64), 24, {}});                   // minus: g
    all.push_back({IDB_DIGIT_E, DrawDigitCell(1 | 8 | 16 | 32 | 64), 24, {}});     // E: a d e f g
    all.push_back({IDB_DIGIT_R, DrawDigitCell(1 | 2 | 4 | 16 | 32 | 64), 24, {}}); // R: a b c e f g
    all.push_back({IDB_GAUGE, DrawGauge(), 24, {}});
    all.push_back({IDB_GAUGE_TUBE, DrawGaugeTube(), 24, {}});
    all.push_back({IDB_LEFT_BRANCH, DrawLeftBranch(), 24, {}});
    all.push_back({IDB_TITLE, DrawTitle(), 24, {}});
    all.push_back({IDB_STOP_SIGN, DrawStopSign(), 24, {}});
    all.push_back({IDB_NOTEBOOK_PAGE,
                   DrawNotebookPage(),
                   8,
                   {kNotebookSurround.rgb(), qRgb(255, 255, 255), kNotebookRule.rgb()}});
    all.push_back({IDB_BANNER, DrawBanner(), 8, {}});
    return all;
}

// The program's own 16 and 32 pixel icons, and the larger sizes the
// desktop's menus and software centres show.
bool WriteIcons(const QDir& icons)
{
    const QImage big = DrawIcon(32);
    const QImage small = DrawIcon(16);
    if (!WriteIconPng(icons.filePath("tervan-32.png"), big) ||
        !WriteIconPng(icons.filePath("tervan-16.png"), small) ||
        !WriteFile(icons.filePath("tervan.ico"), EncodeIco4({big, small}, IconPalette()))) {
        return false;
    }
    for (int size : {48, 64, 128, 256}) {
        const QString name = QString("tervan-%1.png").arg(size);
        if (!DrawIcon(size).save(icons.filePath(name), "PNG")) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <res folder> [docs folder]\n", argv[0]);
        return 2;
    }
    const QByteArray resPath(argv[1]);
    const QByteArray docsPath(argc == 3 ? argv[2] : "");

    // The generator never opens a window; the offscreen platform still gives
    // QPainter its fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QDir res(QString::fromLocal8Bit(resPath));
    if (!res.mkpath("bitmaps") || !res.mkpath("icons")) {
        std::fprintf(stderr, "tervan-artwork: cannot create folders under %s\n", resPath.data());
        return 1;
    }
    const QDir bitmaps(res.filePath("bitmaps"));
    std::map<int, QImage> asStored;
    for (const Bitmap& b : DrawAll()) {
        const QByteArray bytes = b.bits == 8 ? EncodeBmp8(b.image, b.keep) : EncodeBmp24(b.image);
        const QString path = bitmaps.filePath(QString::number(b.id) + ".bmp");
        if (!WriteFile(path, bytes)) {
            std::fprintf(stderr, "tervan-artwork: cannot write %s\n", qPrintable(path));
            return 1;
        }
        asStored[b.id] = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    }
    if (!WriteIcons(QDir(res.filePath("icons")))) {
        std::fprintf(stderr, "tervan-artwork: cannot write the icons\n");
        return 1;
    }
    if (!docsPath.isEmpty()) {
        QDir docs(QString::fromLocal8Bit(docsPath));
        if (!docs.mkpath(".") ||
            !ComposeBench(asStored, false).save(docs.filePath("bench-artwork.png"), "PNG") ||
            !ComposeBench(asStored, true)
                 .save(docs.filePath("bench-notebook-artwork.png"), "PNG")) {
            std::fprintf(stderr, "tervan-artwork: cannot write the bench pictures\n");
            return 1;
        }
    }
    return 0;
}

#include "Quantize.h"

#include <algorithm>
#include <map>

namespace artwork {

namespace {

struct Entry {
    QRgb colour;
    long count;
};

int Channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// One box of the median cut: a run of colours in `entries`.
struct Box {
    std::size_t begin;
    std::size_t end;
};

int LongestAxis(const std::vector<Entry>& entries, const Box& box, int* range)
{
    int best = 0;
    *range = -1;
    for (int axis = 0; axis < 3; ++axis) {
        int lo = 255, hi = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            lo = std::min(lo, Channel(entries[i].colour, axis));
            hi = std::max(hi, Channel(entries[i].colour, axis));
        }
        if (hi - lo > *range) {
            *range = hi - lo;
            best = axis;
        }
    }
    return best;
}

std::vector<QRgb> MedianCut(std::vector<Entry> entries, std::size_t wanted)
{
    std::vector<Box> boxes{{0, entries.size()}};
    while (boxes.size() < wanted) {
        // Split the box whose colours spread widest; ties go to the first.
        int bestRange = 0;
        std::size_t bestBox = boxes.size();
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            int range = 0;
            LongestAxis(entries, boxes[b], &range);
            if (boxes[b].end - boxes[b].begin > 1 && range > bestRange) {
                bestRange = range;
                bestBox = b;
            }
        }
        if (bestBox == boxes.size()) {
            break;
        }
        Box& box = boxes[bestBox];
        int range = 0;
        const int axis = LongestAxis(entries, box, &range);
        std::stable_sort(entries.begin() + long(box.begin), entries.begin() + long(box.end),
                         [axis](const Entry& a, const Entry& b) {
                             return Channel(a.colour, axis) < Channel(b.colour, axis);
                         });
        long total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            total += entries[i].count;
        }
        long seen = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += entries[i].count;
            cut = i + 1;
            if (2 * seen >= total) {
                break;
            }
        }
        const Box upper{cut, box.end};
        box.end = cut;
        boxes.push_back(upper);
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            const double w = double(entries[i].count);
            r += qRed(entries[i].colour) * w;
            g += qGreen(entries[i].colour) * w;
            b += qBlue(entries[i].colour) * w;
            n += w;
        }
        palette.push_back(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)));
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<QRgb>& palette, QRgb c)
{
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(c) - qRed(palette[i]);
        const long dg = qGreen(c) - qGreen(palette[i]);
        const long db = qBlue(c) - qBlue(palette[i]);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return std::uint8_t(best);
}

} // namespace

IndexedPicture Quantize(const QImage& image, const std::vector<QRgb>& keep)
{
    std::map<QRgb, long> histogram;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++histogram[image.pixel(x, y) | 0xFF000000u];
        }
    }
    IndexedPicture out;
    std::vector<Entry> rest;
    for (QRgb k : keep) {
        const QRgb opaque = k | 0xFF000000u;
        if (histogram.count(opaque) != 0 &&
            std::find(out.palette.begin(), out.palette.end(), opaque) == out.palette.end()) {
            out.palette.push_back(opaque);
        }
    }
    for (const auto& [colour, count] : histogram) {
        if (std::find(out.palette.begin(), out.palette.end(), colour) == out.palette.end()) {
            rest.push_back({colour, count});
        }
    }
    const std::size_t room = 256 - out.palette.size();
    if (rest.size() <= room) {
        for (const Entry& e : rest) {
            out.palette.push_back(e.colour);
        }
    } else {
        for (QRgb c : MedianCut(rest, room)) {
            out.palette.push_back(c);
        }
    }
    std::map<QRgb, std::uint8_t> lookup;
    for (const auto& entry : histogram) {
        lookup[entry.first] = Nearest(out.palette, entry.first);
    }
    out.rows.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.rows.push_back(lookup[image.pixel(x, y) | 0xFF000000u]);
        }
    }
    return out;
}

} // namespace artwork

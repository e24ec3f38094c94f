// Texts a student might type into the level dialog, good and bad, each with
// the level it must note: a number, or nothing at all (no row is noted).
#pragma once

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

struct LevelText {
    std::string text;
    // The level noted for it; NaN when the text holds no usable number.
    double expected = std::numeric_limits<double>::quiet_NaN();
    // False for texts whose fate is not pinned down (numbers at the edge of
    // what a double holds, random bytes): then only "finite if noted" holds.
    bool known = true;

    bool Usable() const { return !std::isnan(expected); }
};

inline const std::vector<LevelText>& LevelCorpus()
{
    static const std::vector<LevelText> corpus = [] {
        const double none = std::numeric_limits<double>::quiet_NaN();
        std::vector<LevelText> c = {
            {"", none},
            {"   ", none},
            {"12,5", 12.5},
            {"12.5", 12.5},
            {"-3", -3.0},
            {"+7", 7.0},
            {"1e2", 100.0},
            {"1E-2", 0.01},
            {"1e999", none},
            {"-1e999", none},
            {"1e308", none}, // finite, but no ruler reads it
            {"nan", none},
            {"NaN", none},
            {"inf", none},
            {"-inf", none},
            {"infinity", none},
            {"0x1A", 0.0}, // the leading 0: no hexadecimal is read
            {"12,5,3", 12.5},
            {"\xd9\xa1\xd9\xa2", none}, // Arabic-Indic digits one and two
            {"\xd9\xa3", none},
            {".5", 0.5},
            {",5", 0.5},
            {"5.", 5.0},
            {".", none},
            {"-", none},
            {"+-1", none},
            {"1e", 1.0},
            {"1e+", 1.0},
            {"  -0", 0.0},
            {"21 cm", 21.0},
            {"1 2", 1.0},
            {"abc", none},
            {"\t 21,5", 21.5},
            {"\r\n5", 5.0},
            {std::string{'\x01'} + "21", none},
            {"21\x07", 21.0},
            {"\x7f", none},
            {"\xff\xfe", none},
            {"\xc3\x28", none},
            {"12\xff", 12.0},
            {"\xe2\x82", none},
            {std::string{'7', '\0', '5'}, 7.0},
            {"1e-310", none, false},
            {"4.9e-324", none, false},
            {std::string(10000, 'x'), none},
            {std::string(10000, ' '), none},
            {"7" + std::string(9999, 'x'), 7.0},
            {std::string(10000, '1'), none},
            {"0." + std::string(9997, '0') + "1", none, false},
            {"3." + std::string(9998, '3'), 3.0 + 1.0 / 3.0, false},
        };
        return c;
    }();
    return corpus;
}

// A random text of up to 24 pieces: digits, signs, separators, exponents,
// blanks, letters and stray bytes.
inline LevelText RandomLevelText(std::mt19937& rng)
{
    static const char* const pieces[] = {"0",  "1", "5",        "9",  "-",   "+", ".",    ",",
                                         "e",  "E", " ",        "\t", "x",   "a", "\x80", "\xff",
                                         "\0", "n", "\xd9\xa1", "%",  "1e9", "cm"};
    const int count = static_cast<int>(rng() % 25);
    std::string text;
    for (int i = 0; i < count; ++i) {
        const std::string piece = pieces[rng() % (sizeof pieces / sizeof pieces[0])];
        text += piece.empty() ? std::string(1, '\0') : piece;
    }
    return {text, std::numeric_limits<double>::quiet_NaN(), false};
}

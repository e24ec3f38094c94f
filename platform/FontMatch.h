// Where the text renderer finds the file of a face. On the desktop fontconfig
// picks among the installed fonts (FontMatch.cpp); the browser build has no
// fontconfig and looks the same requests up in a table of the font files it
// embeds, the very ones fontconfig picked when it was built (platform/web/).
#pragma once

#include <cstddef>
#include <string>

struct FaceFile {
    std::string path;                    // the file to open, unless `data` is set
    const unsigned char* data = nullptr; // the face's bytes, when they are in memory
    std::size_t size = 0;
    int index = 0; // the face's index within its file
    bool bold = false;
    bool italic = false;
};

// The face that draws `family` (the default sans face when empty) at
// `weight` (1 to 1000), upright or italic; false when there is none.
bool MatchFaceFile(const std::string& family, int weight, bool italic, FaceFile* out);

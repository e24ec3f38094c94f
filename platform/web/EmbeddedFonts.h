// The font files the browser build carries, and which one each face, weight
// and slant the program asks for gets: picked at build time by the desktop's
// own matcher (tools/webfonts), generated into the build.
#pragma once

#include <cstddef>

struct EmbeddedFontFile {
    const char* name; // the file's name on the machine that built the page
    const unsigned char* data;
    std::size_t size;
};

struct EmbeddedFontRequest {
    const char* face;   // as the program asks for it
    const char* family; // the family the desktop substitutes
    int weight;         // as asked; 0 is the normal weight
    bool italic;
    std::size_t file; // into EmbeddedFontFiles
    int index;        // the face within its file
    bool boldFace;    // the file's face is bold
    bool italicFace;  // the file's face is italic
};

const EmbeddedFontFile* EmbeddedFontFiles(std::size_t& count);
// The first request is also the one a face missing from the table gets.
const EmbeddedFontRequest* EmbeddedFontRequests(std::size_t& count);

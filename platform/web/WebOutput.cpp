// Saving, printing and documents in the browser: the bytes become a
// download under the suggested name (the browser decides where it goes);
// the pictures become a printout that the page's print style sheet shows
// instead of the bench, each enlarged by a whole factor so that every
// pixel prints as a sharp block; a document beside the page opens in a new
// tab.
#include <vector>

#include "platform/web/PageBridge.h"
#include "platform/web/WebBackend.h"

namespace {
// An A4 sheet inside margins of 10 mm, at 300 device pixels to an inch,
// with room below each picture for its caption.
constexpr int kPrintDpi = 300;
constexpr int kSheetW = 2244, kSheetH = 3271;
constexpr int kCaptionH = 150;

std::vector<unsigned char> Rgba(const Surface& s)
{
    std::vector<unsigned char> rgba;
    rgba.reserve(s.pixels.size() * 4);
    for (Pixel p : s.pixels) {
        rgba.push_back(static_cast<unsigned char>(p >> 16));
        rgba.push_back(static_cast<unsigned char>(p >> 8));
        rgba.push_back(static_cast<unsigned char>(p));
        rgba.push_back(255);
    }
    return rgba;
}
} // namespace

SaveOutcome WebBackend::SaveFile(CWnd&, const SaveRequest& request)
{
    // The browser asks where, or puts it among the downloads: either way
    // the bytes have left the program, and it cannot know more.
    tervan_save_file(request.suggestedName.c_str(),
                     reinterpret_cast<const unsigned char*>(request.bytes.data()),
                     static_cast<int>(request.bytes.size()), request.mimeType.c_str());
    return {SaveResult::Saved, request.suggestedName};
}

PrintResult WebBackend::PrintPictures(CWnd&, const PrintRequest& request)
{
    tervan_print_begin(request.title.c_str());
    for (std::size_t i = 0; i < request.pictures.size(); ++i) {
        const Surface& picture = request.pictures[i];
        const int factor =
            WholeFactorToFit(picture.width, picture.height, kSheetW, kSheetH - kCaptionH);
        const std::vector<unsigned char> rgba = Rgba(picture);
        tervan_print_sheet(rgba.data(), picture.width, picture.height, factor, kPrintDpi,
                           i < request.captions.size() ? request.captions[i].c_str() : "");
    }
    tervan_print_end();
    return PrintResult::Printed;
}

bool WebBackend::OpenDocument(CWnd&, const std::string& fileName)
{
    return tervan_open_document(fileName.c_str()) != 0;
}

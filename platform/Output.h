// What leaves the program: bytes saved to a file under a name the user
// confirms, pictures printed one to a sheet, and a document of the
// program's own opened for reading. Each is a service of the backend: the
// desktop's file dialog, print dialog and web browser, the browser's
// download, print and a page beside the program's; the tests' backend
// records them and answers as the test says.
#pragma once

#include <string>
#include <vector>

#include "platform/Surface.h"

class CWnd;

enum class SaveResult { Saved, Cancelled, Failed };

struct SaveRequest {
    std::string suggestedName; // a file name without folder: "tervan-2026-12-08.csv"
    std::string title;         // the file dialog's caption
    std::string filter;        // the file dialog's type: "Dades (*.csv)"
    std::string mimeType;      // what a download says the bytes are: "text/csv"
    std::string bytes;
};

struct SaveOutcome {
    SaveResult result = SaveResult::Cancelled;
    std::string where; // the file chosen (its path, or a download's name)
};

enum class PrintResult { Printed, Cancelled, Failed };

struct PrintRequest {
    std::string title;                 // the print job's name
    std::vector<Surface> pictures;     // one a sheet, at the screen's pixels
    std::vector<std::string> captions; // printed under each picture
};

// Saves `request.bytes` through the backend of `owner`'s window: the user
// confirms or changes the name and place (where the platform asks), and the
// outcome says whether the file was written.
SaveOutcome AfxSaveFile(CWnd* owner, const SaveRequest& request);

// Prints each picture on a sheet of its own, enlarged by the largest whole
// factor that fits the sheet, so that it stays sharp, with its caption.
PrintResult AfxPrintPictures(CWnd* owner, const PrintRequest& request);

// Opens a document shipped with the program (by its file name, as it is
// installed beside the program or with its documentation) for the user to
// read; false when there is none to open.
bool AfxOpenDocument(CWnd* owner, const char* fileName);

// The largest whole factor by which a picture of `w` x `h` fits `areaW` x
// `areaH`, at least 1.
int WholeFactorToFit(int w, int h, int areaW, int areaH);

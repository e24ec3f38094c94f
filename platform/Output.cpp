#include "platform/Output.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Wnd.h"

SaveOutcome AfxSaveFile(CWnd* owner, const SaveRequest& request)
{
    IBackend* backend = GetBackend();
    if (!backend || !owner)
        return {SaveResult::Failed, request.suggestedName};
    return backend->SaveFile(*owner, request);
}

PrintResult AfxPrintPictures(CWnd* owner, const PrintRequest& request)
{
    IBackend* backend = GetBackend();
    if (!backend || !owner)
        return PrintResult::Failed;
    return backend->PrintPictures(*owner, request);
}

bool AfxOpenDocument(CWnd* owner, const char* fileName)
{
    IBackend* backend = GetBackend();
    return backend && owner && fileName && backend->OpenDocument(*owner, fileName);
}

int WholeFactorToFit(int w, int h, int areaW, int areaH)
{
    if (w <= 0 || h <= 0)
        return 1;
    return std::max(1, std::min(areaW / w, areaH / h));
}

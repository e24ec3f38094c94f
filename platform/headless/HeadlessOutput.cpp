// Saving, printing and documents on the tests' backend: each request is
// kept, and answered as the test says; a save given a path really writes
// the file, so that a path that cannot be written fails as it would for a
// user.
#include <cstdio>

#include "platform/headless/HeadlessBackend.h"

namespace {
bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}
} // namespace

SaveOutcome HeadlessBackend::SaveFile(CWnd&, const SaveRequest& request)
{
    m_saves.push_back(request);
    SaveAnswer answer;
    if (onSave) {
        // The file dialog is modal: the windows' timers tick behind it.
        ++m_modalDepth;
        answer = onSave(request);
        --m_modalDepth;
    }
    SaveOutcome outcome{answer.result, answer.path.empty() ? request.suggestedName : answer.path};
    if (answer.result == SaveResult::Saved && !answer.path.empty() &&
        !WriteFile(answer.path, request.bytes))
        outcome.result = SaveResult::Failed;
    return outcome;
}

PrintResult HeadlessBackend::PrintPictures(CWnd&, const PrintRequest& request)
{
    m_prints.push_back(request);
    if (!onPrint)
        return PrintResult::Printed;
    ++m_modalDepth;
    const PrintResult result = onPrint(request);
    --m_modalDepth;
    return result;
}

bool HeadlessBackend::OpenDocument(CWnd&, const std::string& fileName)
{
    m_documents.push_back(fileName);
    return !documentMissing;
}

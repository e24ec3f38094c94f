// The notebook's way out, from the window menu: the rows as a table for a
// spreadsheet, the pages as one picture, the pages on paper, and the
// operating guide. Whatever fails, the student is told and the practical
// goes on with every row kept.
#include "app/TervanDlg.h"
#include "model/NotebookCsv.h"
#include "model/NotebookPages.h"
#include "notebook/PagePictures.h"
#include "platform/Output.h"
#include "platform/PngWriter.h"

namespace {
// The guide, as it is installed beside the program or with its
// documentation, and published beside the browser's page.
const char* const kGuideFile = "tervan-guia.html";

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// Today's file name with `extension`: the practical's date.
std::string TodaysFile(const char* extension)
{
    const CTime now = CTime::GetCurrentTime();
    return PracticalFileName(now.GetYear(), now.GetMonth(), now.GetDay(), extension);
}

// Today as the notebook's cover writes it, "8 - XII - 2026".
CString CoverDate()
{
    const CTime now = CTime::GetCurrentTime();
    CString date;
    date.Format("%d - %s - %4d", now.GetDay(), RomanMonth(now.GetMonth()), now.GetYear());
    return date;
}
} // namespace

void CTervanDlg::AppendNotebookItems(CMenu* pSysMenu)
{
    const struct {
        UINT command;
        UINT text;
    } items[] = {{IDM_SAVE_CSV, IDS_SAVE_CSV},
                 {IDM_SAVE_PNG, IDS_SAVE_PNG},
                 {IDM_PRINT, IDS_PRINT},
                 {IDM_GUIDE, IDS_GUIDE}};
    for (const auto& item : items) {
        const CString text = Loaded(item.text);
        if (!text.IsEmpty())
            pSysMenu->AppendMenu(MF_STRING, item.command, text);
    }
}

bool CTervanDlg::OnNotebookCommand(UINT nID)
{
    switch (nID & 0xFFF0) {
    case IDM_SAVE_CSV:
        OnDesaDades();
        return true;
    case IDM_SAVE_PNG:
        OnDesaQuadern();
        return true;
    case IDM_PRINT:
        OnImprimeixQuadern();
        return true;
    case IDM_GUIDE:
        OnGuiaOperacio();
        return true;
    default:
        return false;
    }
}

void CTervanDlg::OnDesaDades()
{
    SaveNotebookCsv();
}

bool CTervanDlg::SaveNotebookCsv()
{
    const NotebookCsvTexts texts{Loaded(IDS_CSV_HEADER).str(), Loaded(IDS_CSV_SLOPE).str(),
                                 Loaded(IDS_CSV_INTERCEPT).str()};
    return SaveAndTell({TodaysFile(".csv"), Loaded(IDS_SAVE_CSV_TITLE).str(),
                        Loaded(IDS_CSV_FILTER).str(), "text/csv", NotebookCsv(*this, texts)});
}

void CTervanDlg::OnDesaQuadern()
{
    SaveRequest request{TodaysFile(".png"), Loaded(IDS_SAVE_PNG_TITLE).str(),
                        Loaded(IDS_PNG_FILTER).str(), "image/png", std::string()};
    std::vector<Surface> pages;
    if (!DrawPagesToHandIn(pages)) {
        TellSaveFailed(request.suggestedName);
        return;
    }
    request.bytes = EncodePng(Notebook::SideBySide(pages));
    SaveAndTell(request);
}

void CTervanDlg::OnImprimeixQuadern()
{
    PrintRequest request;
    const CString date = CoverDate();
    CString text;
    text.Format(Loaded(IDS_PRINT_TITLE), date.GetString());
    request.title = text.str();
    if (!DrawPagesToHandIn(request.pictures)) {
        MessageBox(Loaded(IDS_PRINT_FAILED));
        return;
    }
    const int sheets = static_cast<int>(request.pictures.size());
    for (int i = 0; i < sheets; ++i) {
        text.Format(Loaded(IDS_PRINT_CAPTION), date.GetString(), i + 1, sheets);
        request.captions.push_back(text.str());
    }
    if (AfxPrintPictures(this, request) == PrintResult::Failed)
        MessageBox(Loaded(IDS_PRINT_FAILED));
}

void CTervanDlg::OnGuiaOperacio()
{
    if (!AfxOpenDocument(this, kGuideFile))
        MessageBox(Loaded(IDS_GUIDE_MISSING));
}

bool CTervanDlg::DrawPagesToHandIn(std::vector<Surface>& pages)
{
    for (int page : Notebook::PagesToHandIn(m_nCount)) {
        Surface picture;
        if (!Notebook::DrawPagePicture(*this, page, picture))
            return false;
        pages.push_back(std::move(picture));
    }
    return true;
}

bool CTervanDlg::SaveAndTell(const SaveRequest& request)
{
    const SaveOutcome outcome = AfxSaveFile(this, request);
    if (outcome.result == SaveResult::Failed) {
        TellSaveFailed(outcome.where);
    } else if (outcome.result == SaveResult::Saved) {
        CString news;
        news.Format(Loaded(IDS_SAVED), outcome.where.c_str());
        Announce(news);
    }
    return outcome.result == SaveResult::Saved;
}

void CTervanDlg::TellSaveFailed(const std::string& file)
{
    CString text;
    text.Format(Loaded(IDS_SAVE_FAILED), file.c_str());
    MessageBox(text);
}

// The notebook's way out from the window menu: its items, the table saved,
// the pages saved and printed, the guide, and every failure told in
// Catalan with the practical going on and no row lost.
#include <cstdio>
#include <filesystem>

#include "notebook/PagePictures.h"
#include "support/CsvReader.h"
#include "support/Pixels.h"
#include "support/PngReader.h"
#include "support/TervanFixture.h"

namespace {
class SaveNotebookTest : public StartedFixture {
  protected:
    void Rows(int count)
    {
        dlg->m_strInitialLevel = "12,5 cm";
        dlg->m_nCount = count;
        for (int i = 0; i < count; ++i) {
            dlg->m_dTemp[i] = 19.3 + 2.7 * i;
            dlg->m_dLevel[i] = 12.5 + 0.9 * i;
        }
    }
    void Command(UINT id) { backend.Send(*dlg, WM_SYSCOMMAND, id); }
    // A regular file, so that a path below it cannot be written, whoever runs
    // the tests.
    std::string PathUnderAFile()
    {
        const std::string file = ArtefactPath("a-regular-file");
        if (std::FILE* f = std::fopen(file.c_str(), "w"))
            std::fclose(f);
        return file + "/tervan.csv";
    }
};

TEST_F(SaveNotebookTest, TheWindowMenuOffersTheNotebookAfterTheAboutItem)
{
    const auto menu = backend.SystemMenu(*dlg);
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[1].text, "Acerca de Tervan");
    const struct {
        UINT id;
        const char* text;
    } expected[] = {{IDM_SAVE_CSV, "Desa les dades (CSV)…"},
                    {IDM_SAVE_PNG, "Desa el quadern (PNG)…"},
                    {IDM_PRINT, "Imprimeix el quadern…"},
                    {IDM_GUIDE, "Guia d'operació"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menu[2 + i].id, expected[i].id);
        EXPECT_EQ(menu[2 + i].text, expected[i].text);
        // The About box answers every command that masks to 16.
        EXPECT_NE(menu[2 + i].id & 0xFFF0u, CTervanDlg::kAboutCommand);
        EXPECT_EQ(menu[2 + i].id & 0xFFF0u, menu[2 + i].id);
    }
    // A notebook command opens no About box: no modal dialog is scripted.
    Command(IDM_GUIDE);
    EXPECT_EQ(backend.OpenedDocuments(), std::vector<std::string>{"tervan-guia.html"});
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(SaveNotebookTest, TheTableIsOfferedUnderTheDateAndTheSaveIsSpoken)
{
    Rows(3);
    Command(IDM_SAVE_CSV | 0x0003); // the low bits are the window system's
    ASSERT_EQ(backend.Saves().size(), 1u);
    const SaveRequest& saved = backend.Saves()[0];
    EXPECT_EQ(saved.suggestedName, "tervan-2026-12-07.csv"); // the test clock's day
    EXPECT_EQ(saved.mimeType, "text/csv");
    EXPECT_EQ(saved.title, "Desa les dades del quadern");
    EXPECT_EQ(saved.filter, "Dades separades per punt i coma (*.csv)");
    const CsvTable table = ReadCsv(saved.bytes);
    ASSERT_EQ(table.lines.size(), 1u + 3u + 1u + 2u);
    EXPECT_EQ(table.lines[0][0], "Núm.");
    EXPECT_EQ(table.lines[2], (std::vector<std::string>{"2", "22,0", "13,4", "759,00"}));
    EXPECT_EQ(table.lines[5][0], "Pendent a (ºC/mmHg)");
    EXPECT_EQ(table.lines[6][0], "Ordenada a l'origen b (ºC)");
    ASSERT_FALSE(backend.Announcements().empty());
    EXPECT_EQ(backend.Announcements().back(), "S'ha desat el fitxer «tervan-2026-12-07.csv».");
    EXPECT_TRUE(backend.MessageBoxes().empty());

    // With no row the table is its header alone; the item stays offered.
    Rows(0);
    Command(IDM_SAVE_CSV);
    ASSERT_EQ(backend.Saves().size(), 2u);
    EXPECT_EQ(backend.Saves()[1].bytes, "\xEF\xBB\xBFNúm.;T (ºC);h (cm);P (mmHg)\r\n");
}

TEST_F(SaveNotebookTest, AFailedSaveIsToldAndTheRowsStay)
{
    Rows(5);
    const std::string path = PathUnderAFile();
    backend.onSave = [&](const SaveRequest&) {
        return HeadlessBackend::SaveAnswer{SaveResult::Saved, path};
    };
    const std::size_t spoken = backend.Announcements().size();
    Command(IDM_SAVE_CSV);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], "No s'ha pogut desar el fitxer «" + path +
                                 "». Comproveu que la carpeta existeix i que s'hi pot escriure, "
                                 "i torneu-ho a provar. Les dades del quadern continuen a la "
                                 "pràctica.");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, "Tervan");
    EXPECT_EQ(backend.Announcements().size(), spoken);
    EXPECT_EQ(dlg->m_nCount, 5);
    EXPECT_TRUE(dlg->IsWindow());

    // A failure the backend reports (a full disk, say) is told the same way.
    backend.ClearMessageBoxes();
    backend.onSave = [](const SaveRequest& r) {
        return HeadlessBackend::SaveAnswer{SaveResult::Failed, "/media/usb/" + r.suggestedName};
    };
    Command(IDM_SAVE_PNG);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(
        BoxTexts()[0].find("No s'ha pogut desar el fitxer «/media/usb/tervan-2026-12-07.png»"), 0u);

    // A file dialog closed without saving changes nothing and says nothing.
    backend.ClearMessageBoxes();
    backend.onSave = [](const SaveRequest&) {
        return HeadlessBackend::SaveAnswer{SaveResult::Cancelled, ""};
    };
    Command(IDM_SAVE_CSV);
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_EQ(backend.Announcements().size(), spoken);
    EXPECT_EQ(dlg->m_nCount, 5);
}

TEST_F(SaveNotebookTest, AWrittenFileHoldsTheBytes)
{
    Rows(4);
    const std::string path = ArtefactPath("saved-notebook.csv");
    std::filesystem::remove(path);
    backend.onSave = [&](const SaveRequest&) {
        return HeadlessBackend::SaveAnswer{SaveResult::Saved, path};
    };
    Command(IDM_SAVE_CSV);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string bytes(4096, '\0');
    bytes.resize(std::fread(&bytes[0], 1, bytes.size(), f));
    std::fclose(f);
    EXPECT_EQ(bytes, backend.Saves()[0].bytes);
    EXPECT_EQ(backend.Announcements().back(), "S'ha desat el fitxer «" + path + "».");
}

TEST_F(SaveNotebookTest, ThePagesSaveSideBySideAndPrintOneASheet)
{
    Rows(6);
    Command(IDM_SAVE_PNG);
    ASSERT_EQ(backend.Saves().size(), 1u);
    EXPECT_EQ(backend.Saves()[0].suggestedName, "tervan-2026-12-07.png");
    EXPECT_EQ(backend.Saves()[0].mimeType, "image/png");
    std::vector<Surface> pages(3);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Notebook::DrawPagePicture(*dlg, i + 1, pages[i]));
    if (CanReadPng()) {
        Surface saved;
        ASSERT_TRUE(ReadPng(backend.Saves()[0].bytes, saved));
        EXPECT_TRUE(saved.pixels == Notebook::SideBySide(pages).pixels);
        EXPECT_EQ(saved.width, 3 * 212);
    }

    Command(IDM_PRINT);
    ASSERT_EQ(backend.Prints().size(), 1u);
    const PrintRequest& print = backend.Prints()[0];
    EXPECT_EQ(print.title, "Tervan, quadern del 7 - XII - 2026");
    ASSERT_EQ(print.pictures.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(print.pictures[i].pixels == pages[i].pixels) << i;
    EXPECT_EQ(print.captions, (std::vector<std::string>{
                                  "Tervan · Pràctica Ombrina · 7 - XII - 2026 · full 1 de 3",
                                  "Tervan · Pràctica Ombrina · 7 - XII - 2026 · full 2 de 3",
                                  "Tervan · Pràctica Ombrina · 7 - XII - 2026 · full 3 de 3"}));
    EXPECT_TRUE(backend.MessageBoxes().empty());

    backend.onPrint = [](const PrintRequest&) { return PrintResult::Failed; };
    Command(IDM_PRINT);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{
                  "No s'ha pogut imprimir el quadern. Comproveu la impressora i "
                  "torneu-ho a provar. Les dades del quadern continuen a la pràctica."});
    backend.ClearMessageBoxes();
    backend.onPrint = [](const PrintRequest&) { return PrintResult::Cancelled; };
    Command(IDM_PRINT);
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_EQ(dlg->m_nCount, 6);
}

TEST_F(SaveNotebookTest, AMissingGuideIsTold)
{
    backend.documentMissing = true;
    Command(IDM_GUIDE);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"No s'ha trobat la guia d'operació (tervan-guia.html)."});
}
} // namespace

// The notebook's way out through the real window: the window menu opened by
// the keyboard, Qt's file dialog writing the table (or failing, or closed
// without saving), Qt's print dialog printing each page to a PDF sheet
// that reads back as the page's picture, the guide handed to the desktop's
// browser, and the question before ending.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchStudent.h"
#include "UrlCatcher.h"
#include "model/NotebookCsv.h"
#include "model/NotebookPages.h"
#include "notebook/PagePictures.h"

namespace {
QString Utf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Loaded(UINT id)
{
    CString s;
    s.LoadString(id);
    return s.str();
}

std::string TodaysFile(const char* extension)
{
    const CTime now = CTime::GetCurrentTime();
    return PracticalFileName(now.GetYear(), now.GetMonth(), now.GetDay(), extension);
}

// Rows as a student notes them: the initial level and `count - 1` more.
void NoteRows(CTervanDlg& dlg, int count)
{
    dlg.m_bInitialNoted = true;
    dlg.m_strInitialLevel = "12,5 cm";
    dlg.m_nCount = count;
    for (int i = 0; i < count; ++i) {
        dlg.m_dTemp[i] = 17.4 + 2.6 * i;
        dlg.m_dLevel[i] = 12.5 + 0.8 * i;
    }
}

std::string FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(no file)";
    return file.readAll().toStdString();
}

// Sheet `sheet` of a PDF, rendered at `dpi` by poppler.
QImage RenderedSheet(const QString& pdf, int sheet, int dpi, const QString& stem)
{
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                       QString::number(sheet), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
}

// How many of the picture's pixels the sheet shows otherwise. The picture's
// right and bottom edges are where the bench's green last shows; each
// pixel is read at the centre of its block, for the whole factor that
// reads best.
int PictureMismatch(const QImage& sheet, const Surface& picture, int* factor)
{
    const QRgb bench = 0xFF000000u | (picture.At(picture.width - 1, picture.height - 1));
    int right = -1, bottom = -1;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (sheet.pixel(x, y) == bench) {
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    int best = picture.width * picture.height;
    for (int k = 1; k * picture.width <= right + 1 && k * picture.height <= bottom + 1; ++k) {
        const int left = right + 1 - k * picture.width, top = bottom + 1 - k * picture.height;
        int mismatches = 0;
        for (int j = 0; j < picture.height; ++j)
            for (int i = 0; i < picture.width; ++i) {
                const QRgb shown = sheet.pixel(left + k * i + k / 2, top + k * j + k / 2);
                if ((shown & 0xFFFFFFu) != (picture.At(i, j) & 0xFFFFFFu))
                    ++mismatches;
            }
        if (mismatches < best) {
            best = mismatches;
            *factor = k;
        }
    }
    return best;
}
} // namespace

class NotebookOutputTest : public BenchStudent {
  protected:
    void TearDown() override
    {
        for (QTimer* poll : polls)
            delete poll;
        BenchStudent::TearDown();
    }

    // Acts once on the first widget of type T that comes up as a popup or
    // a modal window; each such window runs its own loop, so the act is
    // queued before the window is opened.
    template <class T> void WhenUp(std::function<void(T&)> act)
    {
        auto* poll = new QTimer;
        polls.push_back(poll);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            QWidget* w = QApplication::activePopupWidget();
            if (!w)
                w = QApplication::activeModalWidget();
            auto* t = qobject_cast<T*>(w);
            if (!t || !t->isVisible())
                return;
            poll->stop();
            act(*t);
        });
        poll->start(5);
    }

    // Chooses item `index` (0 the About item) of the window menu, opened
    // by the Menu key or by Shift+F10; keeps the items it showed.
    void ChooseFromMenu(DialogWindow& window, int index, bool shiftF10)
    {
        WhenUp<QMenu>([this, index](QMenu& menu) {
            menuItems.clear();
            for (QAction* a : menu.actions())
                if (!a->isSeparator())
                    menuItems.push_back(a->text().toStdString());
            firstActive = menu.activeAction() ? menu.activeAction()->text().toStdString() : "";
            for (int i = 0; i < index; ++i)
                QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        if (shiftF10) {
            QTest::keyClick(FocusOf(window), Qt::Key_F10, Qt::ShiftModifier);
        } else {
            // What the window system sends for the Menu key: a context menu
            // event from the keyboard, to the widget with the focus.
            QWidget* focus = FocusOf(window);
            const QPoint at(focus->width() / 2, focus->height() / 2);
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
            QApplication::sendEvent(focus, &menuKey);
        }
    }

    void AnswerFileDialog(const QString& path)
    {
        WhenUp<QFileDialog>([this, path](QFileDialog& dialog) {
            dialogTitle = dialog.windowTitle().toStdString();
            proposed = dialog.selectedFiles().value(0).toStdString();
            if (path.isEmpty()) {
                dialog.reject();
                return;
            }
            dialog.selectFile(path);
            static_cast<QDialog&>(dialog).accept(); // as "Save" does
        });
    }

    void CatchMessageBox()
    {
        WhenUp<QMessageBox>([this](QMessageBox& box) {
            boxTexts.push_back(box.text().toStdString());
            box.accept();
        });
    }

    std::vector<QTimer*> polls;
    std::vector<std::string> menuItems, boxTexts;
    std::string firstActive, dialogTitle, proposed;
    QTemporaryDir folder;
};

TEST_F(NotebookOutputTest, TheMenuKeyOpensTheMenuAndTheTableIsSavedThroughTheFileDialog)
{
    const QString path = folder.filePath(QStringLiteral("dades.csv"));
    std::string expected;
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        NoteRows(dlg, 9);
        expected = NotebookCsv(
            dlg, {Loaded(IDS_CSV_HEADER), Loaded(IDS_CSV_SLOPE), Loaded(IDS_CSV_INTERCEPT)});
        AnswerFileDialog(path);
        ChooseFromMenu(window, 1, false);
        EXPECT_EQ(dlg.m_nCount, 9);
    });
    EXPECT_EQ(menuItems, (std::vector<std::string>{"Acerca de Tervan", "Desa les dades (CSV)…",
                                                   "Desa el quadern (PNG)…",
                                                   "Imprimeix el quadern…", "Guia d'operació"}));
    EXPECT_EQ(firstActive, "Acerca de Tervan"); // opened by a key, an item is chosen at once
    EXPECT_EQ(dialogTitle, "Desa les dades del quadern");
    EXPECT_EQ(QFileInfo(Utf8(proposed)).fileName().toStdString(), TodaysFile(".csv"));
    EXPECT_EQ(FileBytes(path), expected);
    EXPECT_TRUE(boxTexts.empty());
}

TEST_F(NotebookOutputTest, AFailedOrCancelledSaveKeepsThePractical)
{
    QFile regular(folder.filePath(QStringLiteral("a-file")));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    regular.close();
    const QString under = regular.fileName() + QStringLiteral("/dades.csv");
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        NoteRows(dlg, 5);
        AnswerFileDialog(under);
        CatchMessageBox();
        ChooseFromMenu(window, 1, true);
        EXPECT_TRUE(WaitUntil([&] { return !boxTexts.empty(); }));
        EXPECT_EQ(dlg.m_nCount, 5);

        // The dialog closed without a file: nothing happens, nothing is said.
        AnswerFileDialog(QString());
        CatchMessageBox();
        ChooseFromMenu(window, 2, true);
        EXPECT_EQ(proposed.substr(proposed.rfind('/') + 1), TodaysFile(".png"));
        EXPECT_EQ(dlg.m_nCount, 5);
    });
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0],
              "No s'ha pogut desar el fitxer «" + under.toStdString() +
                  "». Comproveu que la carpeta existeix i que s'hi pot escriure, i "
                  "torneu-ho a provar. Les dades del quadern continuen a la pràctica.");
    EXPECT_FALSE(QFileInfo::exists(under));
}

TEST_F(NotebookOutputTest, EachPagePrintsOnASheetOfItsOwnAsItsPicture)
{
    const QString pdf = folder.filePath(QStringLiteral("quadern.pdf"));
    std::vector<Surface> pages;
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        NoteRows(dlg, 7);
        for (int page : Notebook::PagesToHandIn(7)) {
            pages.emplace_back();
            ASSERT_TRUE(Notebook::DrawPagePicture(dlg, page, pages.back()));
        }
        WhenUp<QPrintDialog>([&](QPrintDialog& dialog) {
            // The printer that writes a PDF file, as a user picks it.
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_NE(printers, nullptr);
            ASSERT_NE(file, nullptr);
            printers->setCurrentIndex(printers->count() - 1);
            file->setText(pdf);
            dialog.accept();
        });
        ChooseFromMenu(window, 3, false);
    });
    ASSERT_EQ(pages.size(), 3u);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           3\n"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    CString date;
    const CTime now = CTime::GetCurrentTime();
    date.Format("%d - %s - %4d", now.GetDay(), RomanMonth(now.GetMonth()), now.GetYear());
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const QString caption = QStringLiteral("Tervan · Pràctica Ombrina · %1 · full %2 de 3")
                                    .arg(Utf8(date.str()))
                                    .arg(sheet);
        EXPECT_TRUE(words.contains(caption)) << caption.toStdString();
        int factor = 0;
        const QImage rendered =
            RenderedSheet(pdf, sheet, 300, folder.filePath(QStringLiteral("sheet")));
        EXPECT_EQ(PictureMismatch(rendered, pages[static_cast<std::size_t>(sheet - 1)], &factor), 0)
            << "sheet " << sheet;
        EXPECT_GE(factor, 8) << "each pixel a block of whole device pixels";
        if (sheet == 2) {
            QDir().mkpath(QStringLiteral("artefacts"));
            rendered.save(QStringLiteral("artefacts/printed-sheet.png"));
            QFile::remove(QStringLiteral("artefacts/printed-notebook.pdf"));
            QFile::copy(pdf, QStringLiteral("artefacts/printed-notebook.pdf"));
        }
    }
}

TEST_F(NotebookOutputTest, TheGuideGoesToTheDesktopsBrowser)
{
    UrlCatcher browser(QStringLiteral("file"));
    const QString guide =
        QCoreApplication::applicationDirPath() + QStringLiteral("/tervan-guia.html");
    QFile::remove(guide);
    QString expected;
    RunProgram([&](CTervanDlg&, DialogWindow& window) {
        CatchMessageBox();
        ChooseFromMenu(window, 4, false);
        EXPECT_TRUE(WaitUntil([&] { return !boxTexts.empty(); }));
        QFile file(guide);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<!doctype html><title>Guia</title>");
        file.close();
        expected = QFileInfo(guide).canonicalFilePath();
        ChooseFromMenu(window, 4, true);
    });
    QFile::remove(guide);
    EXPECT_EQ(boxTexts,
              std::vector<std::string>{"No s'ha trobat la guia d'operació (tervan-guia.html)."});
    ASSERT_EQ(browser.urls.size(), 1u);
    EXPECT_EQ(browser.urls[0], QUrl::fromLocalFile(expected));
}

TEST_F(NotebookOutputTest, EndingWithRowsAsksAndSavesBeforeTheEnd)
{
    const QString path = folder.filePath(QStringLiteral("abans.csv"));
    CTervanDlg main;
    std::vector<std::string> seen;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        NoteRows(main, 4);
        // Escape asks; Escape in the question stays.
        OnNextModal([&](CDialog& q, DialogWindow& question) {
            seen.push_back("asked " + std::to_string(q.GetTemplateId()));
            EXPECT_EQ(question.focusWidget(), question.Control(IDCANCEL));
            Key(question, Qt::Key_Escape);
        });
        Key(window, Qt::Key_Escape);
        EXPECT_EQ(main.m_nCount, 4);
        // The close button asks; "Desa…" with the file dialog closed stays.
        OnNextModal([&](CDialog&, DialogWindow& question) { Click(question, IDC_KEEP_SAVE); });
        AnswerFileDialog(QString());
        window.close();
        EXPECT_TRUE(WaitUntil([&] { return !proposed.empty(); }));
        EXPECT_TRUE(main.IsWindow());
        // "Sortir": "Desa…" writes the table, and then the practical ends.
        OnNextModal([&](CDialog&, DialogWindow& question) { Click(question, IDC_KEEP_SAVE); });
        AnswerFileDialog(path);
        Click(window, IDOK);
    });
    EXPECT_EQ(main.DoModal(), IDOK);
    EXPECT_EQ(seen, std::vector<std::string>{"asked 174"});
    EXPECT_NE(FileBytes(path).find("\r\n4;"), std::string::npos);
}

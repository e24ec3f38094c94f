// Saving, printing and documents on the desktop: Qt's file dialog and a
// file written whole or not at all, Qt's print dialog with each picture
// enlarged by a whole factor to stay sharp, and the desktop's web browser
// for a document shipped with the program.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "platform/ApplicationResources.h"
#include "platform/PngWriter.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"

namespace {
// Fine enough for any printer to show each screen pixel as a crisp block,
// and light enough for the file a printout makes.
constexpr int kPrintDpi = 300;
// The caption's height below each picture, in lines of its font.
constexpr int kCaptionLines = 3;

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

SaveOutcome QtBackend::SaveFile(CWnd& owner, const SaveRequest& request)
{
    ReleaseCapture();
    QFileDialog dialog(WindowOf(owner), Utf8(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Utf8(request.filter));
    const QString suffix = QFileInfo(Utf8(request.suggestedName)).suffix();
    dialog.setDefaultSuffix(suffix);
    // The folder saved to last, else the user's documents.
    if (m_lastSaveFolder.isEmpty())
        m_lastSaveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(m_lastSaveFolder);
    dialog.selectFile(Utf8(request.suggestedName));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {SaveResult::Cancelled, request.suggestedName};
    const QString path = dialog.selectedFiles().first();
    SaveOutcome outcome{SaveResult::Failed, path.toStdString()};
    // Written whole under a temporary name, then put in place: a failure
    // leaves no half file and an older file as it was.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(request.bytes.data(), static_cast<qint64>(request.bytes.size())) ==
            static_cast<qint64>(request.bytes.size()) &&
        file.commit()) {
        outcome.result = SaveResult::Saved;
        m_lastSaveFolder = QFileInfo(path).absolutePath();
    }
    return outcome;
}

PrintResult QtBackend::PrintPictures(CWnd& owner, const PrintRequest& request)
{
    ReleaseCapture();
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintDpi);
    printer.setDocName(Utf8(request.title));
    QPrintDialog dialog(&printer, WindowOf(owner));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    // The pictures as they are, never through a lossy compression that
    // would blur the blocks' edges.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    QFont font = painter.font();
    font.setPointSize(10);
    painter.setFont(font);
    const int captionH = kCaptionLines * painter.fontMetrics().height();
    const QRect sheet = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, sheet.width(), sheet.height());
    for (std::size_t i = 0; i < request.pictures.size(); ++i) {
        if (i > 0 && !printer.newPage())
            return PrintResult::Failed;
        const Surface& picture = request.pictures[i];
        const int k =
            WholeFactorToFit(picture.width, picture.height, area.width(), area.height() - captionH);
        const QImage image = QtLook::OpaqueImageOf(ScaledByWholeFactor(picture, k));
        // Centred across, at the top; whole device pixels, so that each
        // screen pixel prints as a block of its own.
        const QPoint at((area.width() - image.width()) / 2, 0);
        painter.drawImage(at, image);
        if (i < request.captions.size())
            painter.drawText(QRect(0, image.height(), area.width(), captionH),
                             Qt::AlignHCenter | Qt::AlignVCenter, Utf8(request.captions[i]));
    }
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

bool QtBackend::OpenDocument(CWnd&, const std::string& fileName)
{
    // Beside the program as built, or with its documentation as installed.
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = Utf8(fileName);
    const QString entry = QString::fromUtf8(GetApplicationResources().desktopEntry);
    for (const QString& path : {dir + "/" + name, dir + "/../share/doc/" + entry + "/" + name}) {
        const QFileInfo info(path);
        if (info.isFile())
            return QDesktopServices::openUrl(QUrl::fromLocalFile(info.canonicalFilePath()));
    }
    return false;
}

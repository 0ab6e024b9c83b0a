#include "model/RundownDocument.h"

#include "files/DocumentFile.h"
#include "files/EasyPrefs.h"
#include "files/TextFile.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/TextMeasurer.h"

#include <QFileInfo>
#include <QtDebug>

#include <algorithm>

namespace {
const QString kTitlePrefix = QStringLiteral("Kestrel Rundown: ");
const QStringList kDocumentFilters{QStringLiteral("Rundown documents (*.rdk)"), QStringLiteral("All files (*)")};

// Text beyond this length cannot change a row's height any more (heights stop at 32,000 pixels), and
// measuring a pathological megabyte-long cell would stall the window.
constexpr qsizetype kMaxMeasuredChars = 1 << 16;
} // namespace

// ---- Writing -------------------------------------------------------------------------------------

bool RundownDocument::savetable(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    // Linux keeps no type and creator codes; the extension carries the document type.
    const QByteArray bytes = DocumentFile::encode(m_rundown, windowWidth, windowHeight);
    // Written beside the file and put in its place only once complete, so a failed save leaves the
    // previous document whole.
    QString reason;
    TextFile::WriteStep failed = TextFile::WriteStep::Create;
    if (!TextFile::write(path, bytes, &reason, &failed)) {
        const QString stage = failed == TextFile::WriteStep::Create  ? QStringLiteral("Creating Text File")
                              : failed == TextFile::WriteStep::Write ? QStringLiteral("Starting WriteOut")
                                                                     : QStringLiteral("Closing Text File");
        qWarning().noquote() << QStringLiteral("Kestrel Rundown Error: savtebale ") + stage;
        while (reason.endsWith(u'.'))
            reason.chop(1);
        reportError(QStringLiteral("The rundown could not be saved to \"%1\".").arg(info.fileName()),
                    reason + QStringLiteral(". Any earlier version of the file is unchanged."));
        return false;
    }
    m_prefs.SetPrefFolderItem(QStringLiteral("Recent File"), info.absoluteFilePath());
    setTitle(kTitlePrefix + info.fileName());
    saveflag = true;
    return true;
}

// ---- Reading -------------------------------------------------------------------------------------

bool RundownDocument::opentable(const QString& path) {
    const QFileInfo info(path);
    // The whole file is read and checked before the window changes, so an unreadable one leaves it as
    // it was (for a fresh window: a new, empty rundown) and says why.
    DocumentFile::Contents contents;
    QString error;
    if (!DocumentFile::readFile(path, m_rundown.Cols(), &contents, &error)) {
        reportError(QStringLiteral("The rundown \"%1\" could not be opened.").arg(info.fileName()), error);
        return false;
    }

    nowopening = true;
    currentfilename = info.absoluteFilePath();
    m_rundown.LockDrawing(true);
    m_rundown.setRows(0);
    setTitle(kTitlePrefix + info.fileName());

    windowWidth = contents.windowWidth;
    windowHeight = contents.windowHeight;
    Q_EMIT windowSizeChanged(windowWidth, windowHeight);

    DocumentFile::fillGrid(m_rundown, contents,
                           {m_globals.mystyle, m_globals.breakstyle, m_globals.skipstyle});
    contents = DocumentFile::Contents(); // the grid has its copies; drop the file's text early
    Q_EMIT columnWidthsRead();

    additup(1, m_globals.mtimecol, m_globals.msumcol, m_globals.mbackcol);

    const int marker = m_rundown.Cols() - 1;
    for (int y = 1; y <= m_rundown.Rows(); ++y) {
        // A skipped row stays grey in every cell, trackers included, as skipping left it.
        if (!RowKinds::isSkipped(m_rundown, y, marker)) {
            setcellstate(RundownColumns::S, y, m_rundown.CellText(RundownColumns::S, y), false);
            setcellstate(RundownColumns::V, y, m_rundown.CellText(RundownColumns::V, y), false);
        }
        for (int x : {m_globals.mtimecol, m_globals.msumcol, m_globals.mbackcol})
            m_rundown.setCellIndents(x, y, -1, 3, 3);
    }

    saveflag = false;
    resizerows();
    m_rundown.LockDrawing(false);
    // One pixel wider makes the window lay itself out again; the column widths stay as read because
    // nowopening is still set.
    windowWidth = std::min(windowWidth + 1, DocumentFile::kMaxWindowSize);
    Q_EMIT windowSizeChanged(windowWidth, windowHeight);
    nowopening = false;
    return true;
}

// ---- Lifecycle -----------------------------------------------------------------------------------

bool RundownDocument::save() {
    if (currentfilename.isEmpty())
        return Saveas();
    return savetable(currentfilename);
}

QString RundownDocument::suggestedSaveName() const {
    const QDate today = m_clock.now().date();
    return QStringLiteral("%1-%2-%3").arg(today.month()).arg(today.day()).arg(today.year());
}

bool RundownDocument::Saveas() {
    if (!m_dialogs)
        return false;
    const QString path = m_dialogs->chooseSaveFile(QStringLiteral("Save As"), kDocumentFilters, suggestedSaveName());
    if (path.isEmpty())
        return false;
    // The window keeps naming its old file when the new one could not be written, so that title and
    // "Save" stay in step.
    const QString previous = currentfilename;
    currentfilename = QFileInfo(path).absoluteFilePath();
    if (savetable(path))
        return true;
    currentfilename = previous;
    return false;
}

bool RundownDocument::Event_CancelClose() {
    if (saveflag)
        return false;
    const Dialogs::Button answer =
        m_dialogs ? m_dialogs->ask(QStringLiteral("Do you want to save changes to this document before closing?"),
                                   QStringLiteral("If you don't save, your changes will be lost. "),
                                   QStringLiteral("Save"), QStringLiteral("Don't Save"), QStringLiteral("Cancel"))
                  : Dialogs::Button::Cancel;
    switch (answer) {
    case Dialogs::Button::Action:
        save(); // sets saveflag only when the write succeeded
        break;
    case Dialogs::Button::Alternate:
        saveflag = true;
        break;
    case Dialogs::Button::Cancel:
        saveflag = false;
        break;
    }
    m_globals.oktoquit = saveflag;
    return !saveflag;
}

// ---- Row heights ---------------------------------------------------------------------------------

int RundownDocument::findtallestcellheight(int row) const {
    const int defaultHeight = m_rundown.DefaultRowHeight();
    if (!m_measurer)
        return defaultHeight;
    const int cols = m_rundown.Cols();
    qint64 tallest = 0;
    for (int i = 1; i <= cols - 1; ++i) {
        const int span = m_rundown.CellColSpan(i, row);
        qint64 w = 0;
        for (int k = i; k <= std::min(cols, i + span - 1); ++k)
            w += m_rundown.ColumnWidth(k);
        if (w > 2) {
            QString text = m_rundown.CellText(i, row);
            if (text.size() > kMaxMeasuredChars)
                text.truncate(kMaxMeasuredChars);
            const int h = m_measurer->textHeight(text, int(std::min<qint64>(w, StyleGrid::kMaxColumnWidth)));
            tallest = std::max<qint64>(tallest, h);
        }
    }
    tallest += 5;
    return tallest < defaultHeight ? defaultHeight : int(std::min<qint64>(tallest, StyleGrid::kMaxColumnWidth));
}

void RundownDocument::resizerows() {
    {
        StyleGridDrawingLock lock(m_rundown);
        for (int r = 1; r <= m_rundown.Rows(); ++r)
            m_rundown.setRowHeight(r, findtallestcellheight(r));
    }
    m_rundown.Refresh();
}

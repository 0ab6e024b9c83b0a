#include "ui/Printing.h"

#include "grid/StyleGrid.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "ui/PainterPrintSurface.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

bool QtPrintDialogs::pageSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::print(QPrinter& printer) {
    QPrintDialog dialog(&printer, nullptr);
    return dialog.exec() == QDialog::Accepted;
}

namespace Printing {

namespace {
// Anything larger than a 200-inch sheet is a typo, not a page.
constexpr double kMaxPoints = 14400;

QString number(double v) { return QString::number(v, 'g', 8); }

// A finite number of points in [0, kMaxPoints], or -1.
double points(QStringView text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) && v >= 0 && v <= kMaxPoints ? v : -1;
}

bool pageSizeFromKey(QStringView key, QPageSize* out) {
    for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
        const auto pid = QPageSize::PageSizeId(id);
        if (pid == QPageSize::Custom)
            continue;
        if (key.compare(QPageSize::key(pid), Qt::CaseInsensitive) == 0 ||
            key.compare(QPageSize::name(pid), Qt::CaseInsensitive) == 0) {
            *out = QPageSize(pid);
            return true;
        }
    }
    return false;
}

QString fileDisplayName(const QString& path) { return path.isEmpty() ? QString() : QFileInfo(path).fileName(); }
} // namespace

QString pageLayoutText(const QPageLayout& layout) {
    QStringList parts;
    const QPageSize size = layout.pageSize();
    if (size.isValid() && size.id() != QPageSize::Custom) {
        parts << QStringLiteral("page=") + QPageSize::key(size.id());
    } else {
        const QSizeF s = size.size(QPageSize::Point);
        parts << QStringLiteral("size=%1x%2").arg(number(s.width()), number(s.height()));
    }
    parts << QStringLiteral("orientation=") +
                 (layout.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                                 : QStringLiteral("portrait"));
    const QMarginsF m = layout.margins(QPageLayout::Point);
    parts << QStringLiteral("margins=%1,%2,%3,%4")
                 .arg(number(m.left()), number(m.top()), number(m.right()), number(m.bottom()));
    return parts.join(u';');
}

QPageLayout pageLayoutFromText(const QString& text, const QPageLayout& base) {
    QPageSize size = base.pageSize();
    QPageLayout::Orientation orientation = base.orientation();
    QMarginsF margins = base.margins(QPageLayout::Point);
    bool marginsGiven = false;

    // Items separated by ';' or line ends; a name and its value around the first '='.
    const QStringList items = text.split(QRegularExpression(QStringLiteral("[;\\r\\n]")), Qt::SkipEmptyParts);
    for (const QString& item : items) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = item.left(eq).trimmed().toLower();
        const QString value = item.mid(eq + 1).trimmed();
        if (key == u"page") {
            pageSizeFromKey(value, &size);
        } else if (key == u"size") {
            const QStringList wh = value.split(u'x', Qt::KeepEmptyParts, Qt::CaseInsensitive);
            if (wh.size() == 2) {
                const double w = points(wh[0]), h = points(wh[1]);
                if (w > 0 && h > 0) {
                    const QPageSize custom(QSizeF(w, h), QPageSize::Point, QString(), QPageSize::ExactMatch);
                    if (custom.isValid())
                        size = custom;
                }
            }
        } else if (key == u"orientation") {
            if (value.compare(u"landscape", Qt::CaseInsensitive) == 0)
                orientation = QPageLayout::Landscape;
            else if (value.compare(u"portrait", Qt::CaseInsensitive) == 0)
                orientation = QPageLayout::Portrait;
        } else if (key == u"margins") {
            const QStringList m = value.split(u',');
            if (m.size() == 4) {
                const double l = points(m[0]), t = points(m[1]), r = points(m[2]), b = points(m[3]);
                if (l >= 0 && t >= 0 && r >= 0 && b >= 0) {
                    margins = QMarginsF(l, t, r, b);
                    marginsGiven = true;
                }
            }
        }
    }

    if (!size.isValid())
        size = base.pageSize().isValid() ? base.pageSize() : QPageSize(QPageSize::A4);
    QPageLayout layout(size, orientation, QMarginsF(), QPageLayout::Point, QMarginsF());
    // Margins that leave no page are refused: the base's then, else none.
    const QRectF full = layout.fullRect(QPageLayout::Point);
    auto fits = [&](const QMarginsF& m) {
        return m.left() + m.right() < full.width() && m.top() + m.bottom() < full.height();
    };
    if (fits(margins))
        layout.setMargins(margins);
    else if (marginsGiven && fits(base.margins(QPageLayout::Point)))
        layout.setMargins(base.margins(QPageLayout::Point));
    return layout;
}

QPageLayout defaultPageLayout() {
    QPrinter printer(QPrinter::HighResolution);
    return printer.pageLayout();
}

QSize printableSize(const QPageLayout& layout) {
    const QRectF r = layout.paintRect(QPageLayout::Point);
    return QSize(int(std::floor(r.width())), int(std::floor(r.height())));
}

PrintJob jobFor(const QString& documentPath, const QString& totalTime, const QPageLayout& layout, int fontSize,
                const QDateTime& now) {
    PrintJob job;
    const QSize size = printableSize(layout);
    job.width = size.width();
    job.height = size.height();
    job.fontSize = fontSize;
    job.documentName = fileDisplayName(documentPath);
    job.shortTime = QLocale::system().toString(now.time(), QLocale::ShortFormat);
    job.totalTime = totalTime;
    return job;
}

PrintJob jobFor(const RundownDocument& doc, const QPageLayout& layout, int fontSize, const QDateTime& now) {
    return jobFor(doc.currentfilename, doc.TotalTime(), layout, fontSize, now);
}

PrintOutcome printOn(QPagedPaintDevice& device, const StyleGrid& grid, const PrintJob& job) {
    PrintOutcome out;
    const PrintLayout layout(grid, job);
    if (!layout.check(&out.error))
        return out;
    QPainter painter;
    if (!painter.begin(&device)) {
        out.error = QStringLiteral("The printer could not be started.");
        return out;
    }
    PainterPrintSurface surface(painter, device);
    out = layout.print(surface);
    if (!painter.end() || !surface.ok()) {
        out.ok = false;
        out.error = QStringLiteral("The printer could not finish the pages.");
    }
    return out;
}

PrintOutcome printToPdf(const StyleGrid& grid, const PrintJob& job, const QPageLayout& layout,
                        const QString& pdfPath) {
    PrintOutcome out;
    // A job that cannot print leaves any existing file alone.
    if (!PrintLayout(grid, job).check(&out.error))
        return out;
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        out.error = QStringLiteral("Cannot write %1: %2").arg(pdfPath, file.errorString());
        return out;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Kestrel Rundown"));
        writer.setTitle(job.documentName.isEmpty() ? QStringLiteral("Rundown") : job.documentName);
        out = printOn(writer, grid, job);
    }
    if (!out.ok) {
        file.cancelWriting();
        return out;
    }
    if (!file.commit()) {
        out.ok = false;
        out.error = QStringLiteral("Cannot write %1: %2").arg(pdfPath, file.errorString());
    }
    return out;
}

PrintOutcome printToPdf(const RundownDocument& doc, const QString& pdfPath, const QString& pageSetupText,
                        int fontSize, const QDateTime& now) {
    const QPageLayout base = defaultPageLayout();
    const QPageLayout layout = pageSetupText.isEmpty() ? base : pageLayoutFromText(pageSetupText, base);
    return printToPdf(doc.rundown(), jobFor(doc, layout, fontSize, now), layout, pdfPath);
}

void printsetup(Globals& globals, PrintDialogs& dialogs) {
    // A fresh printer: the stored setup is not applied first.
    QPrinter printer(QPrinter::HighResolution);
    if (dialogs.pageSetup(printer))
        globals.mypsettings = pageLayoutText(printer.pageLayout());
}

PrintOutcome printme(const RundownDocument& doc, Globals& globals, PrintDialogs& printDialogs, const Clock& clock,
                     Dialogs* dialogs) {
    QPrinter printer(QPrinter::HighResolution);
    if (!globals.mypsettings.isEmpty())
        printer.setPageLayout(pageLayoutFromText(globals.mypsettings, printer.pageLayout()));
    else if (printDialogs.pageSetup(printer))
        globals.mypsettings = pageLayoutText(printer.pageLayout());
    // Confirmed or not, on to the print dialog.

    PrintOutcome out;
    if (!printDialogs.print(printer)) {
        out.ok = true; // cancelled: nothing printed, nothing said
        return out;
    }
    // The page is read after the print dialog, which may have changed the paper.
    const PrintJob job = jobFor(doc, printer.pageLayout(), globals.printfontsize, clock.now());
    if (doc.rundown().Rows() == 0) {
        // No page content at all: no blank sheet either.
        out.ok = PrintLayout(doc.rundown(), job).check(&out.error);
    } else {
        out = printOn(printer, doc.rundown(), job);
    }
    if (!out.ok && dialogs)
        dialogs->inform(QStringLiteral("The rundown could not be printed."), out.error);
    return out;
}

} // namespace Printing

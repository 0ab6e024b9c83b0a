#pragma once

#include "output/PrintLayout.h"

#include <QDateTime>
#include <QPageLayout>
#include <QString>

class Clock;
class Dialogs;
class Globals;
class QPagedPaintDevice;
class QPrinter;
class QWidget;
class RundownDocument;
class StyleGrid;

// The page-setup and print dialogs of printsetup and printme. The window answers with Qt's dialogs;
// tests answer in advance.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The page-setup dialog for the printer; true when the user confirmed.
    virtual bool pageSetup(QPrinter& printer) = 0;
    // The print dialog for the printer; true when the user chose to print.
    virtual bool print(QPrinter& printer) = 0;
};

class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* pageSetupParent = nullptr) : m_parent(pageSetupParent) {}
    bool pageSetup(QPrinter& printer) override;
    bool print(QPrinter& printer) override; // shown with no parent window

private:
    QWidget* m_parent;
};

// Printing a rundown: page setup kept as text in Globals::mypsettings, the print job on a printer, and
// the same job into a PDF file for the command-line tool and tests.
namespace Printing {

// The page-setup text: "page=Letter;orientation=portrait;margins=18,18,18,18" (sizes and margins in
// points; "size=WxH" for a page without a standard name).
QString pageLayoutText(const QPageLayout& layout);
// Reads a page-setup text over `base`: unknown keys and bad values are ignored, keeping base's.
QPageLayout pageLayoutFromText(const QString& text, const QPageLayout& base);
// The page a fresh printer offers.
QPageLayout defaultPageLayout();
// The printable width and height in 1/72 inch, cut to whole units.
QSize printableSize(const QPageLayout& layout);

// The job's values from a document: its file's display name, the short time of `now`, the total shown.
PrintJob jobFor(const RundownDocument& doc, const QPageLayout& layout, int fontSize, const QDateTime& now);
PrintJob jobFor(const QString& documentPath, const QString& totalTime, const QPageLayout& layout, int fontSize,
                const QDateTime& now);

// Prints the grid on a paged device that no painter is active on yet.
PrintOutcome printOn(QPagedPaintDevice& device, const StyleGrid& grid, const PrintJob& job);

// Prints into a PDF file, written whole or not at all. An empty page-setup text means the default page.
PrintOutcome printToPdf(const StyleGrid& grid, const PrintJob& job, const QPageLayout& layout,
                        const QString& pdfPath);
PrintOutcome printToPdf(const RundownDocument& doc, const QString& pdfPath, const QString& pageSetupText,
                        int fontSize, const QDateTime& now);

// "Page Setup...": a fresh printer's page-setup dialog; a confirmed setup replaces mypsettings.
void printsetup(Globals& globals, PrintDialogs& dialogs);
// "Print...": the stored page setup (or the page-setup dialog when none is stored), the print dialog,
// then the pages. Cancelling prints nothing and says nothing. A job that cannot be printed (a page too
// short for one line) is told through `dialogs` when given; the outcome carries the reason.
PrintOutcome printme(const RundownDocument& doc, Globals& globals, PrintDialogs& printDialogs, const Clock& clock,
                     Dialogs* dialogs = nullptr);

} // namespace Printing

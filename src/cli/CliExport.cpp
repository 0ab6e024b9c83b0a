#include "cli/CliCommands.h"

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "output/StyleGridExcelExporter.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "ui/FontTextMeasurer.h"

#include <memory>

namespace {
constexpr auto kPrefsFileName = "KestrelRundownprefs";

// Row heights are measured with the cell font, which is known only once the window has loaded its
// settings; until then nothing is measured.
class CellFontMeasurer : public TextMeasurer {
public:
    void setFont(const QFont& font) { m_measurer = std::make_unique<FontTextMeasurer>(font); }
    int textHeight(const QString& text, int wrapWidth) const override {
        return m_measurer ? m_measurer->textHeight(text, wrapWidth) : 0;
    }

private:
    std::unique_ptr<FontTextMeasurer> m_measurer;
};
} // namespace

// export FILE OUT: what "Export to Excel" writes for FILE, read as Open reads it. The settings are
// read, never created or written.
int Cli::exportWorkbook(const QStringList& args, Streams io) {
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty() || args[0].startsWith(u'-') ||
        args[1].startsWith(u'-')) {
        io.err << usage();
        return 2;
    }
    const QString file = args[0];
    const QString out = args[1];

    EasyPrefs prefs;
    prefs.readPrefFile(QString::fromLatin1(kPrefsFileName));
    SilentDialogs dialogs;
    SystemClock clock;
    Globals globals;
    globals.prefsFolder = prefs.folder();
    globals.dialogs = &dialogs;
    CellFontMeasurer measurer;
    RundownDocument doc(globals, prefs, clock, &dialogs, &measurer);
    doc.Event_Open();
    measurer.setFont(QFont(globals.myfontname));
    if (!doc.opentable(file)) {
        io.err << "kestrel-rundown-cli: " << doc.lastError().replace(u'\n', u' ') << '\n';
        return 1;
    }

    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(clock.now());
    QString error;
    if (!exporter.Export(doc.rundown(), out, &error)) {
        io.err << "kestrel-rundown-cli: the workbook could not be written: " << error.replace(u'\n', u' ') << '\n';
        return 1;
    }
    return 0;
}

#include "cli/CliCommands.h"

#include "output/StyleGridExcelExporter.h"
#include "ui/FontTextMeasurer.h"

#include <memory>

namespace {
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

    CellFontMeasurer measurer;
    HeadlessRundown rundown(&measurer);
    measurer.setFont(QFont(rundown.globals.myfontname));
    if (!rundown.open(file, io))
        return 1;

    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(rundown.clock.now());
    QString error;
    if (!exporter.Export(rundown.doc.rundown(), out, &error)) {
        io.err << "kestrel-rundown-cli: the workbook could not be written: " << error.replace(u'\n', u' ') << '\n';
        return 1;
    }
    return 0;
}

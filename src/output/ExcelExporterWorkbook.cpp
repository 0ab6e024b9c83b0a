#include "output/ExcelExporterWorkbook.h"

#include "output/ExcelXmlElement.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {
const QString kSpreadsheetNs = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
const QString kOfficeNs = QStringLiteral("urn:schemas-microsoft-com:office:office");
const QString kExcelNs = QStringLiteral("urn:schemas-microsoft-com:office:excel");
const QString kHtmlNs = QStringLiteral("http://www.w3.org/TR/REC-html40");
} // namespace

ExcelExporterWorkbook::ExcelExporterWorkbook()
    : CreatedDate(QDateTime::currentDateTime()), m_DefaultStyle(std::make_shared<ExcelExporterStyle>(-1)) {
    m_DefaultStyle->VerticalAlignment = QStringLiteral("Bottom");
    m_DefaultStyle->FontName = QStringLiteral("Verdana");
}

ExcelExporterWorkbook::ExcelExporterWorkbook(const QString& author, const QString& lastAuthor, const QString& company,
                                             const QDateTime& created)
    : ExcelExporterWorkbook() {
    Author = author;
    LastAuthor = lastAuthor;
    Company = company;
    CreatedDate = created;
}

ExcelExporterWorkbook::~ExcelExporterWorkbook() = default;

ExcelExporterSheet& ExcelExporterWorkbook::Sheet(int index) {
    index = std::max(index, 1);
    while (int(m_Sheets.size()) < index)
        m_Sheets.push_back(std::make_unique<ExcelExporterSheet>());
    return *m_Sheets[size_t(index - 1)];
}

QString ExcelExporterWorkbook::createdText(const QDateTime& t) {
    const QDate d = t.date();
    const QTime h = t.time();
    return QStringLiteral("%1-%2-%3T%4:%5:%6Z")
        .arg(d.year())
        .arg(d.month(), 2, 10, QChar(u'0'))
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(h.hour(), 2, 10, QChar(u'0'))
        .arg(h.minute(), 2, 10, QChar(u'0'))
        .arg(h.second(), 2, 10, QChar(u'0'));
}

std::unique_ptr<ExcelXmlElement> ExcelExporterWorkbook::buildTree() {
    if (!CreatedDate.isValid())
        CreatedDate = QDateTime::currentDateTime();

    auto workbook = std::make_unique<ExcelXmlElement>(QStringLiteral("Workbook"));
    workbook->setAttribute(QStringLiteral("xmlns"), kSpreadsheetNs);
    workbook->setAttribute(QStringLiteral("xmlns:o"), kOfficeNs);
    workbook->setAttribute(QStringLiteral("xmlns:x"), kExcelNs);
    workbook->setAttribute(QStringLiteral("xmlns:html"), kHtmlNs);
    workbook->setAttribute(QStringLiteral("xmlns:ss"), kSpreadsheetNs);

    ExcelXmlElement& properties =
        workbook->appendAttributeChild(QStringLiteral("DocumentProperties"), QStringLiteral("xmlns"), kOfficeNs);
    properties.appendTextChild(QStringLiteral("Author"), Author);
    properties.appendTextChild(QStringLiteral("LastAuthor"), LastAuthor);
    properties.appendTextChild(QStringLiteral("Created"), createdText(CreatedDate));
    properties.appendTextChild(QStringLiteral("Company"), Company);
    properties.appendTextChild(QStringLiteral("Version"), QStringLiteral("11.0"));

    workbook->appendAttributeChild(QStringLiteral("OfficeDocumentSettings"), QStringLiteral("xmlns"), kOfficeNs)
        .appendTextChild(QStringLiteral("AllowPNG"), QString());

    ExcelXmlElement& excel =
        workbook->appendAttributeChild(QStringLiteral("ExcelWorkbook"), QStringLiteral("xmlns"), kExcelNs);
    excel.appendTextChild(QStringLiteral("WindowHeight"), QStringLiteral("17700"));
    excel.appendTextChild(QStringLiteral("WindowWidth"), QStringLiteral("21600"));
    excel.appendTextChild(QStringLiteral("WindowTopX"), QStringLiteral("-20"));
    excel.appendTextChild(QStringLiteral("WindowTopY"), QStringLiteral("-20"));
    excel.appendTextChild(QStringLiteral("Date1904"), QString());
    excel.appendTextChild(QStringLiteral("AcceptLabelsInFormulas"), QString());
    excel.appendTextChild(QStringLiteral("ProtectStructure"), QStringLiteral("False"));
    excel.appendTextChild(QStringLiteral("ProtectWindows"), QStringLiteral("False"));

    ExcelXmlElement& styles = workbook->appendChild(QStringLiteral("Styles"));
    ExcelExporterStyle::Registry registry;
    registry.add(QStringLiteral("Default"), m_DefaultStyle);

    for (const auto& sheet : m_Sheets)
        sheet->GenerateXml(*workbook, *m_DefaultStyle, registry);

    // Styles are found by ID, so their order in the file means nothing to Excel. LibreOffice (7.4)
    // though carries a fill, border or number format over into the styles that follow one and give
    // none: a skipped row after a break row would come out dark. Plain styles go first, each group
    // in registration order; IDs stay in order of first use.
    registry.styles().front()->GenerateXml(styles, *m_DefaultStyle);
    for (bool decorated : {false, true})
        for (size_t i = 1; i < registry.styles().size(); ++i)
            if (registry.styles()[i]->decoratesCell() == decorated)
                registry.styles()[i]->GenerateXml(styles, *m_DefaultStyle);
    return workbook;
}

bool ExcelExporterWorkbook::Save(QIODevice& device, QString* error) {
    const std::unique_ptr<ExcelXmlElement> tree = buildTree();
    QXmlStreamWriter writer(&device);
    writer.setAutoFormatting(false);
    writer.setAutoFormattingIndent(1);
    writer.writeStartDocument();
    // Tells Windows and spreadsheet programs that this XML file is a workbook.
    writer.writeProcessingInstruction(QStringLiteral("mso-application"), QStringLiteral("progid=\"Excel.Sheet\""));
    tree->write(writer);
    writer.writeEndDocument();
    if (writer.hasError()) {
        if (error)
            *error = device.errorString().isEmpty() ? QStringLiteral("The workbook could not be written.")
                                                    : device.errorString();
        return false;
    }
    return true;
}

bool ExcelExporterWorkbook::Save(const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QString why;
    if (!Save(file, &why)) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

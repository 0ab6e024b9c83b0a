#include "support/TestSupport.h"

#include <QDomElement>
#include <QFile>

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QList<QDomElement> elementsByTag(const QDomElement& root, const QString& tag) {
    QList<QDomElement> out;
    const QDomNodeList l = root.elementsByTagName(tag);
    for (int i = 0; i < l.size(); ++i)
        out << l.at(i).toElement();
    return out;
}

Dialogs::Button ScriptedDialogs::ask(const QString& message, const QString&, const QString&, const QString&,
                                     const QString&) {
    asked.append(message);
    return answers.isEmpty() ? Button::Cancel : answers.takeFirst();
}

void ScriptedDialogs::inform(const QString& message, const QString& explanation) {
    informed.append(explanation.isEmpty() ? message : message + u'\n' + explanation);
}

QString ScriptedDialogs::chooseOpenFile(const QString&, const QStringList&) {
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

QString ScriptedDialogs::chooseSaveFile(const QString&, const QStringList&, const QString& suggestedName) {
    suggested.append(suggestedName);
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

DocFixture::DocFixture() {
    globals.prefsFolder = dir.path();
    globals.dialogs = &dialogs;
    prefs = std::make_unique<EasyPrefs>(dir.path());
    doc = std::make_unique<RundownDocument>(globals, *prefs, clock, &dialogs, &measurer);
    doc->Event_Open();
}

void addRowsAsRead(RundownDocument& doc, const QStringList& rows) {
    StyleGrid& g = doc.rundown();
    const Globals& globals = doc.globals();
    g.LockDrawing(true);
    for (const QString& line : rows) {
        const QStringList f = line.split(u'|');
        g.AppendRow(f.value(0));
        const int y = g.Rows();
        for (int x = 2; x <= g.Cols(); ++x) {
            g.setCellText(x, y, f.value(x - 1));
            g.setCellStyle(x, y, globals.mystyle);
        }
        doc.setcellstate(3, y, g.CellText(3, y), false);
        doc.setcellstate(4, y, g.CellText(4, y), false);
        if (RowKinds::isBreak(g, y)) {
            g.setCellStyle(1, y, globals.breakstyle);
            g.setCellStyle(2, y, globals.breakstyle);
            g.setCellColSpan(2, y, 10);
        }
        if (RowKinds::isSkipped(g, y))
            for (int x = 1; x <= g.Cols(); ++x)
                g.setCellStyle(x, y, globals.skipstyle);
    }
    g.LockDrawing(false);
}

void DocFixture::addRows(const QStringList& rows) { addRowsAsRead(*doc, rows); }

void DocFixture::addTimedRows(const QStringList& times) {
    QStringList rows;
    for (const QString& t : times)
        rows.append(QStringLiteral("||||||||%1").arg(t));
    addRows(rows);
    doc->additup(1);
}

QStringList DocFixture::column(int x) const {
    QStringList out;
    const StyleGrid& g = doc->rundown();
    for (int y = 1; y <= g.Rows(); ++y)
        out.append(g.CellText(x, y));
    return out;
}

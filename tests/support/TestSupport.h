#pragma once

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/TextMeasurer.h"

#include <QList>
#include <QTemporaryDir>

#include <memory>

// A file's bytes, or "<unreadable>"; and writing bytes to a file or stopping the test run.
QByteArray readAll(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// Every element named tag below root, in document order.
class QDomElement;
QList<QDomElement> elementsByTag(const QDomElement& root, const QString& tag);

// Dialogs answered in advance: each ask() takes the next queued button (Cancel when none is left),
// each chooser the next queued path (empty when none). Everything asked is recorded.
class ScriptedDialogs : public Dialogs {
public:
    QList<Button> answers;
    QStringList openPaths;
    QStringList savePaths;
    QStringList asked;     // messages of ask()
    QStringList informed;  // messages of inform(), with the explanation after a newline
    QStringList suggested; // suggested names given to chooseSaveFile

    void setNextAnswer(Button b) { answers.append(b); }
    Button ask(const QString& message, const QString&, const QString&, const QString&, const QString&) override;
    void inform(const QString& message, const QString& explanation) override;
    QString chooseOpenFile(const QString&, const QStringList&) override;
    QString chooseSaveFile(const QString&, const QStringList&, const QString& suggestedName) override;
};

// Appends rows given as "col1|col2|...|col12" (missing fields empty) to a document, styled as the
// document reader styles them, without recomputing.
void addRowsAsRead(RundownDocument& doc, const QStringList& rows);

// A rundown window's document opened as a window opens, with its own temporary preferences folder,
// a fixed clock, scripted dialogs and deterministic text measuring.
struct DocFixture {
    QTemporaryDir dir;
    FixedClock clock;
    ScriptedDialogs dialogs;
    FixedTextMeasurer measurer;
    Globals globals;
    std::unique_ptr<EasyPrefs> prefs;
    std::unique_ptr<RundownDocument> doc;

    DocFixture();
    StyleGrid& grid() { return doc->rundown(); }
    // Appends rows given as "col1|col2|...|col12" (missing fields empty), styled as read from a file,
    // without recomputing.
    void addRows(const QStringList& rows);
    // Appends rows with the given Time texts (other cells empty) and recomputes from row 1.
    void addTimedRows(const QStringList& times);
    // The texts of one column, rows 1..Rows.
    QStringList column(int x) const;
};

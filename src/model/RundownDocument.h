#pragma once

#include "grid/StyleGrid.h"
#include "model/Globals.h"
#include "model/RowKinds.h"

#include <QObject>
#include <QString>
#include <QVector>

class Clock;
class Dialogs;
class EasyPrefs;
class TextMeasurer;

// One item of the toolbar's Insert menu: its text and its tag (a number as text).
struct InsertMenuItem {
    QString text;
    QString tag;
    bool operator==(const InsertMenuItem&) const = default;
};

// The non-visual half of a rundown window: the grid `rundown`, the window's fields and its methods
// under their domain names. What the window shows (total, over/under, skip label, title, menus) is
// exposed as properties with change signals; Window1 owns one document and delegates to it.
class RundownDocument : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString TotalTime READ TotalTime NOTIFY TotalTimeChanged)
    Q_PROPERTY(QString overunder READ overunder NOTIFY overunderChanged)
    Q_PROPERTY(bool canSkip READ canSkip NOTIFY skipLabelChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)

public:
    // The seams outlive the document. dialogs and measurer may be null (headless use without them).
    RundownDocument(Globals& globals, EasyPrefs& prefs, const Clock& clock, Dialogs* dialogs = nullptr,
                    const TextMeasurer* measurer = nullptr, QObject* parent = nullptr);
    ~RundownDocument() override;

    StyleGrid& rundown() { return m_rundown; }
    const StyleGrid& rundown() const { return m_rundown; }
    Globals& globals() { return m_globals; }
    EasyPrefs& prefs() { return m_prefs; }

    // ---- The window's fields ----
    qint32 currentx = 0;
    qint32 currenty = 0;
    qint32 timeedit = 0;
    QString currentfilename; // absolute path; empty for a rundown never saved
    bool autopage = true;
    bool saveflag = false;
    bool nowopening = false;
    bool rundownok = false;
    StyleGridStylePtr blackstyle;
    // The window's content size, as stored in the document (kept in step with the window).
    int windowWidth = 640;
    int windowHeight = 423;

    // Window opening, headless part, in order: grid set-up, column globals, default inserts, preferences,
    // styles, lists, idle current cell, autopage on, saveflag off, Insert menu.
    void Event_Open();

    // ---- Grid model (set-up, styles, rows, trackers) ----
    void rundown_ControlCreated();
    void buildstyles();
    void loadprefs();
    void initrow(int y);
    void setcellstate(int x, int y, const QString& state, bool settext);
    StyleGridStylePtr styleForState(const QString& state) const;
    // The next letter of the column's tracker cycle, or the text itself when it is not in the cycle.
    static QString nextTrackerState(int column, const QString& text);

    // ---- Timing ----
    void additup(int first, int timecol, int sumcol, int backcol);
    void additup(int first); // with the column globals
    QString findstarttime(int row, int sumcol) const;
    void timeoverunder();

    // ---- Skip ----
    void doskip();
    void setskip(bool canskip);

    // ---- Current cell ----
    void rundown_SelectionChanged();

    // ---- Row operations ----
    void myaddrow();
    void myadd();
    void mydeleterow();
    void shiftup();
    void shiftdown();
    void myinsert(int kind);
    void initinters();
    void buildinters();
    // Moves a row as a drag and drop does; the moved row becomes current. Renumbers and recomputes.
    void DragRow(int from, int to);

    // ---- Page numbering ----
    void doautopage(int unused = 1);
    void switchautopage(bool on);
    void MenuAutoPage();

    // ---- Files ----
    bool savetable(const QString& path);
    bool opentable(const QString& path);
    bool save();
    bool Saveas();
    bool Event_CancelClose(); // true keeps the window open
    QString suggestedSaveName() const;

    // ---- Row heights ----
    int findtallestcellheight(int row) const;
    void resizerows();

    // ---- Writers pop-up ----
    void buildwriterpop();

    // ---- What the window shows ----
    QString TotalTime() const { return m_totalTime; }
    QString overunder() const { return m_overunder; }
    bool canSkip() const { return m_canSkip; }
    QString skipCaption() const;
    QString title() const { return m_title; }
    QString autoPageMenuText() const;
    const QVector<InsertMenuItem>& insertMenu() const { return m_insertMenu; }
    const QStringList& writerpop() const { return m_writerpop; }
    // The last error told to the user by a file operation (also sent through dialogs).
    QString lastError() const { return m_lastError; }

Q_SIGNALS:
    void TotalTimeChanged(const QString& text);
    void overunderChanged(const QString& text);
    void skipLabelChanged(bool canSkip);
    void titleChanged(const QString& title);
    void insertMenuChanged();
    void writerpopChanged();
    void autopageChanged(bool on);
    void windowSizeChanged(int width, int height);
    void columnWidthsRead();

protected:
    void setTotalTime(const QString& text);
    void setOverunder(const QString& text);
    void setTitle(const QString& text);
    void reportError(const QString& message, const QString& explanation = QString());

private:
    Globals& m_globals;
    EasyPrefs& m_prefs;
    const Clock& m_clock;
    Dialogs* m_dialogs;
    const TextMeasurer* m_measurer;
    StyleGrid m_rundown;

    QString m_totalTime;
    QString m_overunder;
    bool m_canSkip = true;
    QString m_title = QStringLiteral("Kestrel Rundown");
    QVector<InsertMenuItem> m_insertMenu;
    QStringList m_writerpop;
    QString m_lastError;
};

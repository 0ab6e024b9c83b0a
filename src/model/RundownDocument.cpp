#include "model/RundownDocument.h"

#include "files/EasyPrefs.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "timing/Timing.h"

namespace {
struct ColumnSetup {
    const char* header;
    int width;
    int minWidth; // -1: not set
    int alignment;
};
// PG, Slug, S, V, Writer, Video, Audio, Graphics, Time, TRT, marker, Back.
constexpr ColumnSetup kColumns[RundownColumns::Count] = {
    {"PG", 50, 50, GridAlign::Center},      {"Slug", 145, 45, GridAlign::Left},
    {"S", 20, 10, GridAlign::Center},       {"V", 20, 10, GridAlign::Center},
    {"Writer", 65, 30, GridAlign::Center},  {"Video", 65, 30, GridAlign::Center},
    {"Audio", 65, 30, GridAlign::Center},   {"Graphics", 60, 30, GridAlign::Center},
    {"Time", 60, 45, GridAlign::Right},     {"TRT", 60, 45, GridAlign::Right},
    {"", 3, -1, GridAlign::Right},          {"Back", 60, 45, GridAlign::Right},
};

// Tracker letters and the back colours of their styles, in the order of Globals::mycolors.
constexpr char kTrackerLetters[6] = {'n', 'a', 'p', 'd', 'w', 'e'};
constexpr GridColor kTrackerColors[6] = {gridRgb(255, 0, 0),     gridRgb(0, 255, 0), gridRgb(255, 255, 255),
                                         gridRgb(0, 255, 0),     gridRgb(255, 255, 0), gridRgb(0, 0, 255)};
} // namespace

RundownDocument::RundownDocument(Globals& globals, EasyPrefs& prefs, const Clock& clock, Dialogs* dialogs,
                                 const TextMeasurer* measurer, QObject* parent)
    : QObject(parent), m_globals(globals), m_prefs(prefs), m_clock(clock), m_dialogs(dialogs),
      m_measurer(measurer), m_rundown(RundownColumns::Count) {
    connect(&m_rundown, &StyleGrid::selectionChanged, this, &RundownDocument::rundown_SelectionChanged);
    connect(&m_globals, &Globals::writerslistChanged, this, &RundownDocument::buildwriterpop);
    connect(&m_globals, &Globals::interChanged, this, &RundownDocument::buildinters);
}

RundownDocument::~RundownDocument() = default;

void RundownDocument::Event_Open() {
    rundown_ControlCreated();
    m_globals.mtimecol = RundownColumns::Time;
    m_globals.msumcol = RundownColumns::TRT;
    m_globals.mbackcol = RundownColumns::Back;
    initinters();
    loadprefs();
    buildstyles();
    m_globals.loadlists();
    currentx = 0;
    currenty = 0;
    timeedit = 0;
    autopage = true;
    saveflag = false;
    buildinters();
    buildwriterpop();
}

// ---- Grid model ----------------------------------------------------------------------------------

void RundownDocument::rundown_ControlCreated() {
    for (int x = 1; x <= RundownColumns::Count; ++x)
        m_rundown.setColumnHeader(x, QString::fromLatin1(kColumns[x - 1].header));
    for (int x = 1; x <= RundownColumns::Count; ++x) {
        m_rundown.setColumnWidth(x, kColumns[x - 1].width);
        if (kColumns[x - 1].minWidth >= 0)
            m_rundown.setColumnMinWidth(x, kColumns[x - 1].minWidth);
    }
    for (int x = 1; x <= RundownColumns::Count; ++x)
        m_rundown.setColumnAlignment(x, kColumns[x - 1].alignment);
    m_rundown.SelectionColor = gridRgb(255, 255, 0);
    rundownok = true;
    for (int x = 1; x <= m_rundown.Cols(); ++x) {
        m_rundown.CopyDefaultCell(x);
        m_rundown.Column(x).defaultCell.leftIndent = 5;
        m_rundown.Column(x).defaultCell.rightIndent = 10;
    }
}

void RundownDocument::buildstyles() {
    const StyleGridStylePtr& base = m_rundown.GetDefaultStyle();
    m_globals.skipstyle = base->copy();
    m_globals.skipstyle->Mutate();
    m_globals.skipstyle->TextColor = gridRgb(170, 170, 170);

    m_globals.breakstyle = base->copy();
    m_globals.breakstyle->Mutate();
    m_globals.breakstyle->TextColor = gridRgb(100, 100, 100);
    m_globals.breakstyle->setBackColor(gridRgb(100, 100, 100));

    blackstyle = base->copy();
    blackstyle->Mutate();
    blackstyle->TextColor = gridRgb(0, 0, 0);
    blackstyle->setBackColor(gridRgb(0, 0, 0));

    for (int i = 0; i < 6; ++i) {
        m_globals.mycolors[size_t(i)] = base->copy();
        m_globals.mycolors[size_t(i)]->Mutate();
        m_globals.mycolors[size_t(i)]->setBackColor(kTrackerColors[i]);
    }

    m_globals.mystyle = base->copy();
    m_globals.mystyle->TextColor = gridRgb(0, 0, 0);
    m_globals.mystyle->setBackColor(gridRgb(255, 255, 255));
    m_globals.mystyle->FontName = m_globals.myfontname;
    m_globals.mystyle->Mutate();
}

void RundownDocument::loadprefs() {
    m_globals.printfontsize = m_prefs.GetPrefNumber(QStringLiteral("PrintFontsize"), 10);
    m_globals.myfontname = m_prefs.GetPrefString(QStringLiteral("FontName"), QStringLiteral("Lucida Grande"));
    m_rundown.StartupMacFont = m_globals.myfontname;
    m_globals.showseconds = m_prefs.GetPrefNumber(QStringLiteral("ShowSeconds"), 3600);
    autopage = m_prefs.GetPrefBoolean(QStringLiteral("AutoPage"), true);
}

void RundownDocument::initrow(int y) {
    setcellstate(RundownColumns::S, y, QStringLiteral("n"), true);
    setcellstate(RundownColumns::V, y, QStringLiteral("n"), true);
    for (int x : {RundownColumns::Time, RundownColumns::TRT, RundownColumns::Back})
        m_rundown.setCellIndents(x, y, -1, 10, 3);
}

StyleGridStylePtr RundownDocument::styleForState(const QString& state) const {
    if (state.size() == 1) {
        const char16_t c = state.at(0).toLower().unicode();
        for (int i = 0; i < 6; ++i)
            if (c == char16_t(kTrackerLetters[i]))
                return m_globals.mycolors[size_t(i)];
    }
    return m_globals.mystyle;
}

void RundownDocument::setcellstate(int x, int y, const QString& state, bool settext) {
    if (settext)
        m_rundown.setCellText(x, y, state);
    m_rundown.setCellStyle(x, y, styleForState(state));
}

QString RundownDocument::nextTrackerState(int column, const QString& text) {
    static const QStringList scriptCycle{QString(), "n", "w", "e", "a", "p"};
    static const QStringList videoCycle{QString(), "n", "d"};
    const QStringList& cycle = column == RundownColumns::S ? scriptCycle : videoCycle;
    for (qsizetype i = 0; i < cycle.size(); ++i)
        if (cycle[i].compare(text, Qt::CaseInsensitive) == 0)
            return cycle[(i + 1) % cycle.size()];
    return text;
}

// ---- Timing --------------------------------------------------------------------------------------

void RundownDocument::additup(int first, int timecol, int sumcol, int backcol) {
    StyleGridDrawingLock lock(m_rundown);
    timeedit = 0;
    setTotalTime(Timing::additup(m_rundown, first, timecol, sumcol, backcol, m_globals.showseconds));
}

void RundownDocument::additup(int first) {
    additup(first, m_globals.mtimecol, m_globals.msumcol, m_globals.mbackcol);
}

QString RundownDocument::findstarttime(int row, int sumcol) const { return Timing::findstarttime(m_rundown, row, sumcol); }

void RundownDocument::timeoverunder() {
    const int row = m_rundown.Selection().FirstSelectedRow();
    if (row <= 0)
        return;
    const QString back = m_rundown.CellText(m_globals.mbackcol, row);
    if (back.isEmpty()) {
        setOverunder(QString());
    } else {
        const QTime now = m_clock.now().time();
        setOverunder(Timing::overUnder(back, now.minute() * 60 + now.second()));
    }
    m_rundown.MoveSelectionDown();
}

// ---- Skip ----------------------------------------------------------------------------------------

void RundownDocument::doskip() {
    const int row = m_rundown.Selection().FirstSelectedRow();
    if (row <= 0)
        return;
    const int marker = m_rundown.Cols() - 1;
    const bool skipping = !RowKinds::isSkipped(m_rundown, row, marker);
    {
        StyleGridDrawingLock lock(m_rundown);
        m_rundown.setCellText(marker, row, skipping ? RowKinds::kSkip : QString());
        const StyleGridStylePtr style = skipping ? m_globals.skipstyle : m_globals.mystyle;
        for (int x = 1; x <= m_rundown.Cols(); ++x)
            m_rundown.setCellStyle(x, row, style);
        additup(row);
    }
    m_rundown.Refresh();
    setskip(!skipping);
}

void RundownDocument::setskip(bool canskip) {
    if (m_canSkip == canskip)
        return;
    m_canSkip = canskip;
    Q_EMIT skipLabelChanged(canskip);
}

QString RundownDocument::skipCaption() const {
    return m_canSkip ? QStringLiteral("Skip") : QStringLiteral("UnSkip");
}

// ---- Current cell --------------------------------------------------------------------------------

void RundownDocument::rundown_SelectionChanged() {
    const int c = m_rundown.Selection().FirstSelectedColumn();
    const int r = m_rundown.Selection().FirstSelectedRow();
    if (c == RundownColumns::V || c == RundownColumns::S) {
        const QString text = m_rundown.CellText(c, r);
        const QString next = nextTrackerState(c, text);
        if (next != text)
            setcellstate(c, r, next, true);
        m_rundown.Selection().Set(currentx, currenty);
    } else {
        currentx = c;
        currenty = r;
    }
    if (timeedit > 0)
        additup(timeedit);
    setskip(!RowKinds::isSkipped(m_rundown, r, m_rundown.Cols() - 1));
}

// ---- What the window shows -----------------------------------------------------------------------

void RundownDocument::setTotalTime(const QString& text) {
    if (m_totalTime == text)
        return;
    m_totalTime = text;
    Q_EMIT TotalTimeChanged(text);
}

void RundownDocument::setOverunder(const QString& text) {
    if (m_overunder == text)
        return;
    m_overunder = text;
    Q_EMIT overunderChanged(text);
}

void RundownDocument::setTitle(const QString& text) {
    if (m_title == text)
        return;
    m_title = text;
    Q_EMIT titleChanged(text);
}

void RundownDocument::reportError(const QString& message, const QString& explanation) {
    m_lastError = explanation.isEmpty() ? message : message + u' ' + explanation;
    if (m_dialogs)
        m_dialogs->inform(message, explanation);
}

QString RundownDocument::autoPageMenuText() const {
    return autopage ? QStringLiteral("Turn Autopage Off") : QStringLiteral("Turn Autopage On");
}

void RundownDocument::buildwriterpop() {
    QStringList items{QString()};
    for (const QString& w : m_globals.writerslist)
        if (!w.isEmpty())
            items.append(w);
    if (items == m_writerpop)
        return;
    m_writerpop = items;
    Q_EMIT writerpopChanged();
}

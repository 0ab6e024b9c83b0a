#pragma once

#include <QMainWindow>

#include <memory>

class Clock;
class Dialogs;
class EasyPrefs;
class Globals;
class QLabel;
class RundownDocument;
class StyleGridView;
class TextMeasurer;

// One rundown window: it owns its RundownDocument, shows the grid `rundown` through a StyleGridView and
// the labels `total_lbl`, `TotalTime` and `overunder` at the top right, bound to the document.
class Window1 : public QMainWindow {
    Q_OBJECT
public:
    // The outside world a window works with; each null member gets the real one (the system clock,
    // message boxes and file choosers on this window, font metrics).
    struct Seams {
        const Clock* clock = nullptr;
        Dialogs* dialogs = nullptr;
        const TextMeasurer* measurer = nullptr;
    };

    // Opens the window as the program does: the document's Event_Open runs before this returns.
    Window1(Globals& globals, EasyPrefs& prefs, QWidget* parent = nullptr);
    Window1(Globals& globals, EasyPrefs& prefs, const Seams& seams, QWidget* parent = nullptr);
    ~Window1() override;

    RundownDocument& document() { return *m_doc; }
    StyleGridView* rundownView() const { return m_view; }
    QLabel* total_lbl() const { return m_totalLbl; }
    QLabel* TotalTime() const { return m_totalTime; }
    QLabel* overunder() const { return m_overunder; }

    // Reads a document into this window (the document's opentable).
    bool opentable(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Dialogs> m_ownDialogs;
    std::unique_ptr<TextMeasurer> m_ownMeasurer;
    std::unique_ptr<RundownDocument> m_doc;
    StyleGridView* m_view = nullptr;
    QLabel* m_totalLbl = nullptr;
    QLabel* m_totalTime = nullptr;
    QLabel* m_overunder = nullptr;
};

#pragma once

#include <QString>
#include <QStringList>

// Message boxes and file choosers. The window answers with real dialogs; tests answer in advance.
class Dialogs {
public:
    enum class Button { Action, Alternate, Cancel };
    virtual ~Dialogs() = default;

    // A modal question with up to three buttons (an empty caption leaves that button out).
    virtual Button ask(const QString& message, const QString& explanation, const QString& action,
                       const QString& alternate, const QString& cancel) = 0;
    // A message with an OK button.
    virtual void inform(const QString& message, const QString& explanation = QString()) = 0;
    // A file to open, or empty when cancelled.
    virtual QString chooseOpenFile(const QString& title, const QStringList& nameFilters) = 0;
    // A file to save to, or empty when cancelled.
    virtual QString chooseSaveFile(const QString& title, const QStringList& nameFilters,
                                   const QString& suggestedName) = 0;
};

// Answers nothing: every question is cancelled and messages go nowhere. For headless tools.
class SilentDialogs : public Dialogs {
public:
    Button ask(const QString&, const QString&, const QString&, const QString&, const QString&) override {
        return Button::Cancel;
    }
    void inform(const QString&, const QString&) override {}
    QString chooseOpenFile(const QString&, const QStringList&) override { return QString(); }
    QString chooseSaveFile(const QString&, const QStringList&, const QString&) override { return QString(); }
};

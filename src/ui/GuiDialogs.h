#pragma once

#include "seams/Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real message boxes and file choosers. With a parent window they are window-modal sheets of it;
// without one (at start-up, before any window) they are application-modal.
class GuiDialogs : public Dialogs {
public:
    explicit GuiDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    Button ask(const QString& message, const QString& explanation, const QString& action,
               const QString& alternate, const QString& cancel) override;
    void inform(const QString& message, const QString& explanation = QString()) override;
    QString chooseOpenFile(const QString& title, const QStringList& nameFilters) override;
    QString chooseSaveFile(const QString& title, const QStringList& nameFilters,
                           const QString& suggestedName) override;

    // The suffix a save dialog adds to a name typed without one: the first pattern's extension
    // ("Rundown (*.rdk)" gives "rdk"), empty when the filter has none or only "*".
    static QString defaultSuffix(const QStringList& nameFilters);

private:
    QPointer<QWidget> m_parent;
};

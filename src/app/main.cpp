#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "ui/GuiDialogs.h"
#include "ui/Window1.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel Rundown"));
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));

    // State shared by every rundown window; it outlives them all (they are deleted below).
    GuiDialogs appDialogs; // no window yet: application-modal boxes
    Globals globals;
    globals.dialogs = &appDialogs;
    EasyPrefs prefs;
    // Holding Alt (Option on a Mac keyboard) while the program starts offers to reset the preferences.
    const bool resetRequested =
        QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::MetaModifier);
    prefs.InitPrefFile(EasyPrefs::kFileName, &appDialogs, resetRequested);
    globals.prefsFolder = prefs.folder();

    QList<QPointer<Window1>> windows;
    auto newWindow = [&] {
        auto* w = new Window1(globals, prefs);
        w->setAttribute(Qt::WA_DeleteOnClose);
        windows.append(w);
        w->show();
        return w;
    };

    // Documents named on the command line each open in their own window, and then no empty one is
    // opened. A document that cannot be read leaves no empty window behind it (opentable has told why).
    const QStringList args = app.arguments().mid(1);
    for (const QString& arg : args) {
        Window1* w = newWindow();
        if (!w->opentable(QFileInfo(arg).absoluteFilePath())) {
            windows.removeOne(w);
            delete w;
        }
    }
    if (windows.isEmpty())
        newWindow();

    const int rc = app.exec();

    for (const QPointer<Window1>& w : std::as_const(windows))
        delete w.data();
    QString error;
    if (!prefs.WritePrefsFile(&error))
        qWarning("Kestrel Rundown: the preferences could not be written: %s", qPrintable(error));
    return rc;
}

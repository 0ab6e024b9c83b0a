#pragma once

#include "grid/StyleGridStyle.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class Dialogs;

// State shared by all rundown windows: settings, insert lines, the writers list, the shared cell styles,
// the timing column numbers and the quit flag. The application owns one; tests build their own.
class Globals : public QObject {
    Q_OBJECT
public:
    explicit Globals(QObject* parent = nullptr);

    // Settings (loaded by each window's loadprefs).
    qint32 printfontsize = 10;
    QString myfontname = QStringLiteral("Lucida Grande");
    qint32 showseconds = 3600;

    // The eleven insert slots and the writers list (entry 0 always empty).
    std::array<QString, 11> inter;
    QStringList writerslist{QString()};

    // Shared styles, built anew by each window's buildstyles.
    StyleGridStylePtr mystyle;
    StyleGridStylePtr skipstyle;
    StyleGridStylePtr breakstyle;
    std::array<StyleGridStylePtr, 6> mycolors;

    // Timing columns, set when a window opens.
    int mtimecol = 9;
    int msumcol = 10;
    int mbackcol = 12;

    bool oktoquit = true;
    QString mypsettings; // the confirmed page setup, serialised; empty until one is confirmed

    // The folder of the preference and list files.
    QString prefsFolder;
    Dialogs* dialogs = nullptr;

    // Reads both list files into inter and writerslist, then tells every window to rebuild its pop-up.
    void loadlists();
    // Writes both list files; a file that cannot be written is told through dialogs. False on failure.
    bool savelists();

Q_SIGNALS:
    void writerslistChanged(); // every window runs buildwriterpop
    void interChanged();       // every window runs buildinters (after the inserts editor's OK)
};

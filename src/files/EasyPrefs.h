#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// The preference store: name and value lines kept in memory for the whole run, in the order first
// read or added; names compare without regard to letter case and the first match wins. Set operations
// change memory only; WritePrefsFile writes the whole file.
class EasyPrefs {
public:
    // The program's preferences file, in the user's configuration directory.
    static inline const QString kFileName = QStringLiteral("KestrelRundownprefs");

    // folder: where the file lives; empty means the user's configuration directory.
    explicit EasyPrefs(QString folder = QString());

    // Locates the file in the folder, offers the reset when resetRequested (the modifier key held at
    // start-up) through dialogs, loads the file or creates it empty. Failures are told through dialogs.
    void InitPrefFile(const QString& name, Dialogs* dialogs = nullptr, bool resetRequested = false);

    QString GetPrefString(const QString& name, const QString& defaultValue) const;
    qint32 GetPrefNumber(const QString& name, qint32 defaultValue) const;
    bool GetPrefBoolean(const QString& name, bool defaultValue) const;
    void SetPrefString(const QString& name, const QString& value);
    void SetPrefNumber(const QString& name, qint32 value);
    void SetPrefBoolean(const QString& name, bool value);
    void SetPrefFolderItem(const QString& name, const QString& absolutePath); // empty path deletes
    void DeletePref(const QString& name);
    // Writes the lists to the file, replacing it; false with a reason when it could not be written.
    bool WritePrefsFile(QString* error = nullptr);

    // Locates the file and loads it when it exists, without offering a reset or creating it (for tools
    // that only read the settings). False with a reason when it exists but cannot be read.
    bool readPrefFile(const QString& name, QString* error = nullptr);
    // Adds the name and value pairs of a file's bytes to the lists (a missing last value is empty).
    void readPrefText(const QByteArray& bytes);
    // The bytes WritePrefsFile writes.
    QByteArray prefText() const;

    QString folder() const { return m_folder; }
    QString prefFile() const { return m_prefFile; }
    const QStringList& prefNames() const { return m_names; }
    const QStringList& prefItems() const { return m_items; }

private:
    qsizetype find(const QString& name) const;
    bool loadExisting(QString* error);

    QString m_folder;
    QString m_prefFile;
    QStringList m_names;
    QStringList m_items;
};

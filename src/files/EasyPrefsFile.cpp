#include "files/EasyPrefs.h"

#include "files/TextFile.h"
#include "seams/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void EasyPrefs::InitPrefFile(const QString& name, Dialogs* dialogs, bool resetRequested) {
    m_prefFile = QDir(m_folder).filePath(name);

    if (resetRequested && dialogs) {
        const Dialogs::Button answer = dialogs->ask(
            QStringLiteral("Reset preferences to default?"),
            QStringLiteral("By holding down the option key during startup you have chosen to delete the prefernces "
                           "and start from the application defaults. Do you really want to delete the application "
                           "settings?"),
            QStringLiteral("Yes"), QString(), QStringLiteral("No"));
        if (answer == Dialogs::Button::Action && QFileInfo::exists(m_prefFile) && !QFile::remove(m_prefFile))
            dialogs->inform(QStringLiteral("Failed to delete preferences. Please check permissions for ") +
                            QFileInfo(m_prefFile).absoluteFilePath());
    }

    QString error;
    bool ok;
    if (QFileInfo::exists(m_prefFile)) {
        ok = loadExisting(&error);
    } else {
        // A fresh configuration directory may not exist yet.
        ok = QDir().mkpath(m_folder) && TextFile::write(m_prefFile, QByteArray(), &error);
        if (!ok && error.isEmpty())
            error = QStringLiteral("The folder %1 cannot be made.").arg(m_folder);
    }
    if (!ok && dialogs)
        dialogs->inform(QStringLiteral("Cannot init prefs file"), m_prefFile + QStringLiteral(": ") + error);
}

bool EasyPrefs::readPrefFile(const QString& name, QString* error) {
    m_prefFile = QDir(m_folder).filePath(name);
    if (!QFileInfo::exists(m_prefFile))
        return true;
    return loadExisting(error);
}

bool EasyPrefs::loadExisting(QString* error) {
    QByteArray bytes;
    if (!TextFile::read(m_prefFile, TextFile::kMaxSettingsBytes, &bytes, error))
        return false;
    readPrefText(bytes);
    return true;
}

void EasyPrefs::readPrefText(const QByteArray& bytes) {
    const QString text = TextFile::decode(bytes);
    const QList<QStringView> lines = TextFile::lines(text);
    for (qsizetype k = 0; k < lines.size(); k += 2) {
        m_names.append(lines[k].toString());
        m_items.append(k + 1 < lines.size() ? lines[k + 1].toString() : QString());
    }
}

QByteArray EasyPrefs::prefText() const {
    QString out;
    for (qsizetype k = 0; k < m_names.size(); ++k) {
        // A line end inside a name or value would shift every pair after it.
        TextFile::appendOneLine(out, m_names[k], true);
        out += u'\r';
        TextFile::appendOneLine(out, m_items.value(k), true);
        out += u'\r';
    }
    return TextFile::encode(out);
}

bool EasyPrefs::WritePrefsFile(QString* error) {
    if (m_prefFile.isEmpty()) {
        if (error)
            *error = QStringLiteral("The preferences file has not been set up.");
        return false;
    }
    QDir().mkpath(QFileInfo(m_prefFile).absolutePath());
    return TextFile::write(m_prefFile, prefText(), error);
}

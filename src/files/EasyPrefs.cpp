#include "files/EasyPrefs.h"

#include "timing/TimeText.h"

#include <QStandardPaths>

EasyPrefs::EasyPrefs(QString folder) : m_folder(std::move(folder)) {
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

qsizetype EasyPrefs::find(const QString& name) const {
    for (qsizetype k = 0; k < m_names.size(); ++k)
        if (m_names[k].compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

QString EasyPrefs::GetPrefString(const QString& name, const QString& defaultValue) const {
    const qsizetype k = find(name);
    return k >= 0 ? m_items[k] : defaultValue;
}

qint32 EasyPrefs::GetPrefNumber(const QString& name, qint32 defaultValue) const {
    return TimeText::leadingNumber(GetPrefString(name, QString::number(defaultValue)));
}

bool EasyPrefs::GetPrefBoolean(const QString& name, bool defaultValue) const {
    return GetPrefString(name, defaultValue ? QStringLiteral("true") : QStringLiteral("false"))
               .compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void EasyPrefs::SetPrefString(const QString& name, const QString& value) {
    const qsizetype k = find(name);
    if (k >= 0) {
        m_items[k] = value;
        return;
    }
    m_names.append(name);
    m_items.append(value);
}

void EasyPrefs::SetPrefNumber(const QString& name, qint32 value) { SetPrefString(name, QString::number(value)); }

void EasyPrefs::SetPrefBoolean(const QString& name, bool value) {
    SetPrefString(name, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void EasyPrefs::SetPrefFolderItem(const QString& name, const QString& absolutePath) {
    if (absolutePath.isEmpty())
        DeletePref(name);
    else
        SetPrefString(name, absolutePath);
}

void EasyPrefs::DeletePref(const QString& name) {
    const qsizetype k = find(name);
    if (k < 0)
        return;
    m_names.removeAt(k);
    m_items.removeAt(k);
}

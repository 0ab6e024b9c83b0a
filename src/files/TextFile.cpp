#include "files/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

bool read(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error) {
    const QFileInfo info(path);
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!info.exists())
        return fail(QStringLiteral("The file does not exist."));
    if (info.isDir())
        return fail(QStringLiteral("It is a folder, not a file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Checked while reading too: a device or pipe reports no size.
    if (file.size() > maxBytes)
        return fail(QStringLiteral("It is too large (more than %1 MB).").arg(maxBytes >> 20));
    QByteArray data = file.read(maxBytes + 1);
    if (data.size() > maxBytes)
        return fail(QStringLiteral("It is too large (more than %1 MB).").arg(maxBytes >> 20));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    *bytes = std::move(data);
    return true;
}

QString decode(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    while (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    return QString::fromUtf8(view);
}

QByteArray encode(QStringView text) {
    while (text.startsWith(QChar(0xFEFF)))
        text = text.sliced(1);
    return text.toUtf8();
}

QList<QStringView> lines(QStringView text) {
    QList<QStringView> out;
    const qsizetype n = text.size();
    const QChar* d = text.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        out.append(text.sliced(start));
    return out;
}

void appendOneLine(QString& out, QStringView text, bool keepTabs) {
    const qsizetype from = out.size();
    out.append(text);
    QChar* d = out.data() + from;
    for (qsizetype i = 0, n = text.size(); i < n; ++i)
        if (d[i] == u'\r' || d[i] == u'\n' || (d[i] == u'\t' && !keepTabs))
            d[i] = u' ';
}

QString oneLine(QStringView text, bool keepTabs) {
    QString out;
    appendOneLine(out, text, keepTabs);
    return out;
}

bool write(const QString& path, const QByteArray& bytes, QString* error, WriteStep* failedStep) {
    auto fail = [&](const QSaveFile& file, WriteStep step) {
        if (error)
            *error = file.errorString();
        if (failedStep)
            *failedStep = step;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, WriteStep::Create);
    if (file.write(bytes) != bytes.size()) {
        fail(file, WriteStep::Write);
        file.cancelWriting(); // the destructor then drops the temporary file
        return false;
    }
    if (!file.commit())
        return fail(file, WriteStep::Commit);
    return true;
}

} // namespace TextFile

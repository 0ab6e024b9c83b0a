#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// The plain text files the program reads and writes (documents, preferences, lists): UTF-8 without a
// byte-order mark, CR at the end of every line written, CR, LF or CR LF accepted on reading.
namespace TextFile {

// Settings files hold a few lines; anything much bigger is not one of ours.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

// Reads a whole regular file of at most maxBytes. False with a reason for a missing file, a folder,
// an unreadable file or one that is too large.
bool read(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error);

// UTF-8 to text: invalid sequences become U+FFFD, byte-order marks at the start are dropped.
QString decode(const QByteArray& bytes);
// Text to UTF-8 without a byte-order mark: a U+FEFF at the start of the text (a first value that began
// with one) is dropped too, as the reader would drop it.
QByteArray encode(QStringView text);

// The lines of a text, split at CR, LF or CR LF. A line end at the very end starts no further line,
// so an empty text has no lines and "a\r" has one.
QList<QStringView> lines(QStringView text);

// Appends the text with CR and LF (and TAB unless keepTabs) turned into spaces: none of our files can
// hold them inside a field, and one that slipped through would split a line or a row on reading.
void appendOneLine(QString& out, QStringView text, bool keepTabs = false);
QString oneLine(QStringView text, bool keepTabs = false);

// The step of a write that failed.
enum class WriteStep { Create, Write, Commit };

// Writes the bytes through QSaveFile, so a failure leaves the previous file as it was.
bool write(const QString& path, const QByteArray& bytes, QString* error, WriteStep* failedStep = nullptr);

} // namespace TextFile

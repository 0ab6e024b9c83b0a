// The list readers: the same bytes as an inserts file and as a writers file. Both read, write back to
// the same lists, and the inserts editor's load and store agree with each other.
#include "FuzzSupport.h"

#include "files/ListFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);

    ListFiles::Inserts inter;
    ListFiles::parseInserts(bytes, inter);
    ListFiles::Inserts back;
    ListFiles::parseInserts(ListFiles::encodeInserts(inter), back);
    FUZZ_CHECK(back == inter);
    for (const QString& slot : inter) {
        const QStringList row = ListFiles::insertEditorRow(slot);
        FUZZ_CHECK(row.size() == ListFiles::kInsertEditorColumns);
        const QString stored = ListFiles::insertLineFromEditorRow(row);
        FUZZ_CHECK(ListFiles::insertLineFromEditorRow(ListFiles::insertEditorRow(stored)) == stored);
    }

    const QStringList writers = ListFiles::parseWriters(bytes);
    FUZZ_CHECK(!writers.isEmpty() && writers[0].isEmpty());
    FUZZ_CHECK(ListFiles::parseWriters(ListFiles::encodeWriters(writers)) == writers);
    FUZZ_CHECK(ListFiles::writersFromEditorRows(ListFiles::writersEditorRows(writers)) == writers);
    return 0;
}

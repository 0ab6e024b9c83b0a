// The preferences reader: any file reads into name and value pairs, every typed get works on them, and
// the file written from them reads back to the same pairs.
#include "FuzzSupport.h"

#include "files/EasyPrefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EasyPrefs prefs(QStringLiteral("/nonexistent/kestrel-fuzz")); // a folder: never touched here
    prefs.readPrefText(fuzzBytes(data, size));
    FUZZ_CHECK(prefs.prefNames().size() == prefs.prefItems().size());
    for (const QString& name : prefs.prefNames()) {
        (void)prefs.GetPrefNumber(name, 10);
        (void)prefs.GetPrefBoolean(name, true);
    }
    EasyPrefs again(QStringLiteral("/nonexistent/kestrel-fuzz"));
    again.readPrefText(prefs.prefText());
    FUZZ_CHECK(again.prefNames() == prefs.prefNames());
    FUZZ_CHECK(again.prefItems() == prefs.prefItems());
    prefs.SetPrefNumber(QStringLiteral("ShowSeconds"), prefs.GetPrefNumber(QStringLiteral("ShowSeconds"), 3600));
    return 0;
}

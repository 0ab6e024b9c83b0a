// Time texts: whatever is typed into a Time cell, a show length field or stored in a TRT or Back cell.
#include "FuzzSupport.h"

#include "timing/TimeText.h"
#include "timing/Timing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    const QStringView view(text);

    const TimeText::Reading r = TimeText::read(view);
    const QString shown = TimeText::display(r.seconds);
    FUZZ_CHECK(!shown.isEmpty() && shown.size() <= 8);
    FUZZ_CHECK(TimeText::readDisplayed(shown) == TimeText::dayClock(r.seconds));
    FUZZ_CHECK(!TimeText::backTime(r.seconds).isEmpty());
    (void)TimeText::leadingNumber(view);
    (void)TimeText::readDisplayed(view);

    const qsizetype half = text.size() / 2;
    (void)TimeText::showLengthFromFields(view.left(half), view.mid(half));
    (void)TimeText::clampSecondsField(text);
    if (!text.isEmpty())
        (void)TimeText::timeEditorKey(view.mid(1), int(half), text.at(0));
    (void)Timing::overUnder(view, int(size % 3600));
    return 0;
}

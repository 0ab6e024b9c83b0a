#include "model/RundownDocument.h"

// TODO(files issue): the document format and the lifecycle.

bool RundownDocument::savetable(const QString& path) {
    (void)path;
    return false;
}
bool RundownDocument::opentable(const QString& path) {
    (void)path;
    return false;
}
bool RundownDocument::save() { return false; }
bool RundownDocument::Saveas() { return false; }
bool RundownDocument::Event_CancelClose() { return false; }
QString RundownDocument::suggestedSaveName() const { return QString(); }
int RundownDocument::findtallestcellheight(int row) const {
    (void)row;
    return m_rundown.DefaultRowHeight();
}
void RundownDocument::resizerows() {}

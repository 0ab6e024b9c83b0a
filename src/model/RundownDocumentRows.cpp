#include "model/RundownDocument.h"

// TODO(editing issue): row operations, inserts, page numbering, DragRow.

void RundownDocument::myaddrow() {}
void RundownDocument::myadd() { myaddrow(); }
void RundownDocument::mydeleterow() {}
void RundownDocument::shiftup() {}
void RundownDocument::shiftdown() {}
void RundownDocument::myinsert(int kind) { (void)kind; }
void RundownDocument::initinters() {}
void RundownDocument::buildinters() {}
void RundownDocument::DragRow(int from, int to) {
    (void)from;
    (void)to;
}
void RundownDocument::doautopage(int) {}
void RundownDocument::switchautopage(bool on) { autopage = on; }
void RundownDocument::MenuAutoPage() {}

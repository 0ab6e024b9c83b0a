// The document reader: any bytes must read without crashing, fill a grid, survive the timing engine,
// and what the writer then makes of that grid must read back to the same rows, widths and size.
#include "FuzzSupport.h"

#include "files/DocumentFile.h"
#include "timing/Timing.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static StyleGrid grid(12);
    static const DocumentFile::RowStyles styles{std::make_shared<StyleGridStyle>(),
                                                std::make_shared<StyleGridStyle>(),
                                                std::make_shared<StyleGridStyle>()};
    DocumentFile::Contents contents;
    if (!DocumentFile::parse(fuzzBytes(data, size), grid.Cols(), &contents))
        return 0;
    FUZZ_CHECK(contents.rowCount() >= 1 && contents.rowCount() <= DocumentFile::kMaxRows);
    FUZZ_CHECK(contents.widths.size() <= grid.Cols());
    FUZZ_CHECK(contents.windowWidth >= DocumentFile::kMinWindowWidth && contents.windowWidth <= DocumentFile::kMaxWindowSize);
    FUZZ_CHECK(contents.windowHeight >= DocumentFile::kMinWindowHeight && contents.windowHeight <= DocumentFile::kMaxWindowSize);

    grid.LockDrawing(true);
    DocumentFile::fillGrid(grid, contents, styles);
    Timing::additup(grid, 1, 9, 10, 12, 3600);
    grid.LockDrawing(false);
    FUZZ_CHECK(grid.Rows() == contents.rowCount());

    DocumentFile::Contents back;
    FUZZ_CHECK(DocumentFile::parse(DocumentFile::encode(grid, contents.windowWidth, contents.windowHeight),
                                   grid.Cols(), &back));
    FUZZ_CHECK(back.windowWidth == contents.windowWidth && back.windowHeight == contents.windowHeight);
    FUZZ_CHECK(back.widths.size() == grid.Cols());
    for (int x = 1; x <= grid.Cols(); ++x)
        FUZZ_CHECK(back.widths[x - 1] == grid.ColumnWidth(x));
    FUZZ_CHECK(back.rowCount() == grid.Rows());
    for (int y = 1; y <= grid.Rows(); ++y)
        for (int x = 1; x <= grid.Cols(); ++x)
            FUZZ_CHECK(back.field(y, x) == grid.cellTextView(x, y));
    return 0;
}

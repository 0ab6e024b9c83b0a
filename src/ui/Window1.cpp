#include "ui/Window1.h"

#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "ui/FontTextMeasurer.h"
#include "ui/GuiDialogs.h"
#include "ui/StyleGridView.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

// The window's content as it was designed, 640 wide: controls whose right edge is kept move with the
// window's right edge, the grid stretches on all four sides.
constexpr int kDesignWidth = 640;
constexpr int kGridTop = 36;

struct KeptRight {
    QWidget* widget;
    QRect designed;
};

class ControlsPanel : public QWidget {
public:
    using QWidget::QWidget;
    QWidget* grid = nullptr;
    QList<KeptRight> keptRight;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int shift = width() - kDesignWidth;
        for (const KeptRight& k : std::as_const(keptRight))
            k.widget->setGeometry(k.designed.translated(shift, 0));
        if (grid)
            grid->setGeometry(0, kGridTop, width(), std::max(0, height() - kGridTop));
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, int pixelSize, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setPixelSize(pixelSize);
    l->setFont(f);
    l->setAlignment(align | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    return l;
}

} // namespace

Window1::Window1(Globals& globals, EasyPrefs& prefs, QWidget* parent) : Window1(globals, prefs, Seams(), parent) {}

Window1::Window1(Globals& globals, EasyPrefs& prefs, const Seams& seams, QWidget* parent) : QMainWindow(parent) {
    const Clock* clock = seams.clock;
    if (!clock) {
        m_ownClock = std::make_unique<SystemClock>();
        clock = m_ownClock.get();
    }
    Dialogs* dialogs = seams.dialogs;
    if (!dialogs) {
        m_ownDialogs = std::make_unique<GuiDialogs>(this);
        dialogs = m_ownDialogs.get();
    }
    const TextMeasurer* measurer = seams.measurer;
    if (!measurer) {
        m_ownMeasurer = std::make_unique<FontTextMeasurer>();
        measurer = m_ownMeasurer.get();
    }
    m_doc = std::make_unique<RundownDocument>(globals, prefs, *clock, dialogs, measurer);

    auto* panel = new ControlsPanel(this);
    m_view = new StyleGridView(panel);
    m_view->setObjectName(QStringLiteral("rundown"));
    panel->grid = m_view;
    m_overunder = makeLabel(panel, "overunder", 18, Qt::AlignRight);
    m_totalLbl = makeLabel(panel, "total_lbl", 14, Qt::AlignRight);
    m_totalLbl->setText(QStringLiteral("Total:"));
    m_totalTime = makeLabel(panel, "TotalTime", 18, Qt::AlignLeft);
    panel->keptRight = {{m_overunder, QRect(256, 8, 243, 25)},
                        {m_totalLbl, QRect(508, 8, 50, 23)},
                        {m_totalTime, QRect(563, 8, 63, 22)}};
    setCentralWidget(panel);

    m_doc->Event_Open();
    m_view->setGrid(&m_doc->rundown());

    m_totalTime->setText(m_doc->TotalTime());
    m_overunder->setText(m_doc->overunder());
    setWindowTitle(m_doc->title());
    connect(m_doc.get(), &RundownDocument::TotalTimeChanged, m_totalTime, &QLabel::setText);
    connect(m_doc.get(), &RundownDocument::overunderChanged, m_overunder, &QLabel::setText);
    connect(m_doc.get(), &RundownDocument::titleChanged, this, &QWidget::setWindowTitle);
    // A document read from a file brings the size its window had.
    connect(m_doc.get(), &RundownDocument::windowSizeChanged, this,
            [this](int w, int h) { resize(std::max(w, minimumWidth()), std::max(h, minimumHeight())); });

    setMinimumSize(kDesignWidth, 64);
    resize(m_doc->windowWidth, m_doc->windowHeight);
}

Window1::~Window1() {
    // The view lets go of the grid before the document (and its grid) goes.
    m_view->setGrid(nullptr);
}

bool Window1::opentable(const QString& path) { return m_doc->opentable(path); }

void Window1::closeEvent(QCloseEvent* event) {
    if (m_doc->Event_CancelClose())
        event->ignore();
    else
        event->accept();
}

void Window1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_doc->windowWidth = width();
    m_doc->windowHeight = height();
}

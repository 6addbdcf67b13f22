// The grid's scroll bars against its rows: a long, wide list starts with both thumbs at the start of
// their grooves, and every way of scrolling (keys, wheel, dragging the thumb, clicking the groove)
// moves the rows and the thumb the same way.
#include "GridFixture.h"
#include "ScrollBarParts.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

#include <string>

namespace {

enum class Way { Keys, Wheel, ThumbDrag, GrooveClick };

struct ScrollCase {
    const char* name;
    Qt::Orientation orientation;
    Way way;
};

void PrintTo(const ScrollCase& c, std::ostream* out) { *out << c.name; }

// 200 rows under ten columns, far more than the 400 x 300 window shows either way.
class LongWideGridTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        for (int column = 2; column < 10; ++column) grid->InsertColumn(column, "Wide", Qt::AlignLeft, 150);
        AddRows(std::vector<QString>(200, "row"));
        QApplication::processEvents();  // the bars take their ranges through the event queue
        grid->setFocus();
    }

    QScrollBar& Bar(Qt::Orientation orientation) const {
        return *(orientation == Qt::Vertical ? grid->verticalScrollBar() : grid->horizontalScrollBar());
    }

    static int Start(const QRect& rect, Qt::Orientation orientation) {
        return orientation == Qt::Vertical ? rect.top() : rect.left();
    }
    static int End(const QRect& rect, Qt::Orientation orientation) {
        return orientation == Qt::Vertical ? rect.bottom() : rect.right();
    }
    static QPoint Along(Qt::Orientation orientation, int distance) {
        return orientation == Qt::Vertical ? QPoint(0, distance) : QPoint(distance, 0);
    }

    // How far the rows have moved: the first row shown, or the pixels scrolled off at the left.
    int ViewOffset(Qt::Orientation orientation) const {
        if (orientation == Qt::Vertical) return grid->indexAt(QPoint(1, 1)).row();
        return -grid->header()->sectionViewportPosition(0);
    }

    void DragThumb(Qt::Orientation orientation, int distance) {
        QScrollBar& bar = Bar(orientation);
        const QPoint from = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, from);
        EXPECT_TRUE(bar.isSliderDown()) << "the press missed the thumb where it is drawn";
        QTest::mouseMove(&bar, from + Along(orientation, distance / 2));
        QTest::mouseMove(&bar, from + Along(orientation, distance));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, from + Along(orientation, distance));
    }

    void WheelForward(Qt::Orientation orientation) {
        const QPoint at = grid->viewport()->rect().center();
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(), Along(orientation, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
    }

    // Clicks the groove three quarters of the way along, past the thumb of a list at its start.
    void ClickGroove(Qt::Orientation orientation) {
        QScrollBar& bar = Bar(orientation);
        const QRect groove = ScrollBarPart(bar, QStyle::SC_ScrollBarGroove);
        const QPoint at = orientation == Qt::Vertical
                              ? QPoint(groove.center().x(), groove.top() + groove.height() * 3 / 4)
                              : QPoint(groove.left() + groove.width() * 3 / 4, groove.center().y());
        QTest::mouseClick(&bar, Qt::LeftButton, {}, at);
    }

    // Two key presses: the first Page Down only takes the focus to the foot of the page.
    void PressKeys(Qt::Orientation orientation) {
        for (int press = 0; press < 2; ++press)
            QTest::keyClick(grid, orientation == Qt::Vertical ? Qt::Key_PageDown : Qt::Key_Right);
    }

    void ScrollForward(Qt::Orientation orientation, Way way) {
        switch (way) {
        case Way::Keys: PressKeys(orientation); break;
        case Way::Wheel: WheelForward(orientation); break;
        case Way::ThumbDrag: DragThumb(orientation, 40); break;
        case Way::GrooveClick: ClickGroove(orientation); break;
        }
    }
};

class GridScrollTest : public LongWideGridTest, public testing::WithParamInterface<ScrollCase> {};

TEST_P(GridScrollTest, TheThumbStartsAtTheStartAndMovesWithTheRows) {
    const ScrollCase& c = GetParam();
    QScrollBar& bar = Bar(c.orientation);
    ASSERT_TRUE(bar.isVisible());
    ASSERT_EQ(ViewOffset(c.orientation), 0);
    EXPECT_EQ(bar.value(), bar.minimum());
    EXPECT_EQ(Start(ScrollBarPart(bar, QStyle::SC_ScrollBarSlider), c.orientation),
              Start(ScrollBarPart(bar, QStyle::SC_ScrollBarGroove), c.orientation));

    ScrollForward(c.orientation, c.way);
    const int offset = ViewOffset(c.orientation);
    EXPECT_GT(offset, 0);
    EXPECT_EQ(bar.value(), offset) << "the bar counts rows down and pixels to the right";
    EXPECT_GT(Start(ScrollBarPart(bar, QStyle::SC_ScrollBarSlider), c.orientation),
              Start(ScrollBarPart(bar, QStyle::SC_ScrollBarGroove), c.orientation));
}

INSTANTIATE_TEST_SUITE_P(Ways, GridScrollTest,
                         testing::Values(ScrollCase{"DownByKeys", Qt::Vertical, Way::Keys},
                                         ScrollCase{"DownByWheel", Qt::Vertical, Way::Wheel},
                                         ScrollCase{"DownByThumbDrag", Qt::Vertical, Way::ThumbDrag},
                                         ScrollCase{"DownByGrooveClick", Qt::Vertical, Way::GrooveClick},
                                         ScrollCase{"RightByKeys", Qt::Horizontal, Way::Keys},
                                         ScrollCase{"RightByWheel", Qt::Horizontal, Way::Wheel},
                                         ScrollCase{"RightByThumbDrag", Qt::Horizontal, Way::ThumbDrag},
                                         ScrollCase{"RightByGrooveClick", Qt::Horizontal, Way::GrooveClick}),
                         [](const testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

TEST_F(LongWideGridTest, AThumbDraggedToTheEndShowsTheLastRowAndTheRightEdge) {
    DragThumb(Qt::Vertical, grid->height());
    QScrollBar& down = Bar(Qt::Vertical);
    EXPECT_EQ(down.value(), down.maximum());
    EXPECT_EQ(End(ScrollBarPart(down, QStyle::SC_ScrollBarSlider), Qt::Vertical),
              End(ScrollBarPart(down, QStyle::SC_ScrollBarGroove), Qt::Vertical));
    const QRect lastRow = grid->visualRect(grid->model()->index(grid->RowCount() - 1, 0));
    EXPECT_TRUE(grid->viewport()->rect().contains(lastRow)) << "the last row is shown whole";

    DragThumb(Qt::Horizontal, grid->width());
    QScrollBar& across = Bar(Qt::Horizontal);
    EXPECT_EQ(across.value(), across.maximum());
    EXPECT_EQ(End(ScrollBarPart(across, QStyle::SC_ScrollBarSlider), Qt::Horizontal),
              End(ScrollBarPart(across, QStyle::SC_ScrollBarGroove), Qt::Horizontal));
    const int last = grid->columnCount() - 1;
    EXPECT_EQ(grid->header()->sectionViewportPosition(last) + grid->columnWidth(last), grid->viewport()->width());
}

}  // namespace

// Selecting a period scrolls its rectangle into view, or its top-left corner when it is larger
// than the view, whatever the width of its title.
#include "KIN_ItemListPeriod.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"

#include <QScrollBar>

namespace
{
struct ScrollCase
{
    const char* pName;
    std::int64_t nBegin;
    std::int64_t nEnd;
    std::int32_t nColumn;
    const char* pTitle;
};

const ScrollCase g_cases[] = {
    {"long title", 1820, 1891, 0, "Johann Sebastian Dvořák"},
    {"tall period", -100000000000LL, 2000, 3, "Universe"},
    {"far right", 1820, 1891, 8, "Johann Sebastian Dvořák"},
};

std::string Describe(const QRectF& area, const QRectF& visible)
{
    const auto text = [](const QRectF& rect)
    {
        return QString::asprintf("(%g, %g %gx%g)", rect.x(), rect.y(), rect.width(), rect.height())
            .toStdString();
    };
    return "period " + text(area) + ", view " + text(visible);
}

enum class Selection
{
    ListPick,
    Click,
    Zoom
};

class SelectionScroll : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.resize(900, 700);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QRectF Visible() const
    {
        const QGraphicsView& view = *window.GetView();
        return view.mapToScene(view.viewport()->rect()).boundingRect();
    }

    void ScrollTo(bool bEnd) const
    {
        for (QScrollBar* pQBar :
             {window.GetView()->horizontalScrollBar(), window.GetView()->verticalScrollBar()})
            pQBar->setValue(bEnd ? pQBar->maximum() : pQBar->minimum());
    }

    void Select(KIN_GraphicPeriod* pPeriod, Selection selection)
    {
        switch (selection)
        {
        case Selection::ListPick:
            window.GetPeriodList()->setCurrentItem(nullptr);
            window.GetPeriodList()->setCurrentItem(pPeriod->GetListEntry());
            break;
        case Selection::Click:
            pPeriod->SelectPeriod();
            break;
        case Selection::Zoom: // the zoom reselects the current period
            window.SlotMenu_ZoomIn_triggered(false);
            window.SlotMenu_ZoomOut_triggered(false);
            break;
        }
    }
};
} // namespace

TEST_F(SelectionScroll, BringsTheRectangleOrItsTopLeftCornerIntoView)
{
    for (const ScrollCase& scrollCase : g_cases)
        AddPeriods({KIN_MakePeriod(scrollCase.nBegin, scrollCase.nEnd, scrollCase.nColumn, 2,
                                   scrollCase.pTitle)});
    for (const double zoom : {2.0, 8.0})
    {
        while (window.GetZoomFactor() < zoom)
            window.SlotMenu_ZoomIn_triggered(false);
        ASSERT_EQ(window.GetZoomFactor(), zoom);
        const double margin = 50 / zoom;
        for (std::size_t n = 0; n < std::size(g_cases); ++n)
            for (const Selection selection :
                 {Selection::ListPick, Selection::Click, Selection::Zoom})
                for (const bool bFromEnd : {false, true})
                {
                    SCOPED_TRACE(testing::Message()
                                 << g_cases[n].pName << " at zoom " << zoom << ", selection "
                                 << static_cast<int>(selection) << ", from end " << bFromEnd);
                    KIN_GraphicPeriod* pPeriod = ItemOf(static_cast<std::int32_t>(n + 1));
                    ASSERT_NE(pPeriod, nullptr);
                    if (selection == Selection::Zoom)
                        pPeriod->SelectPeriod();
                    else if (Current())
                        Current()->DeselectPeriod();
                    ScrollTo(bFromEnd);
                    Select(pPeriod, selection);
                    ASSERT_EQ(Current(), pPeriod);

                    const QRectF area = pPeriod->mapRectToScene(pPeriod->rect());
                    const QRectF visible = Visible();
                    const QRectF room = visible.adjusted(margin, margin, -margin, -margin);
                    if (area.width() <= room.width() && area.height() <= room.height())
                    {
                        EXPECT_TRUE(visible.contains(area)) << Describe(area, visible);
                    }
                    else
                    {
                        // The title starts near the corner: the corner is in view, with its
                        // margin where the scene reaches that far.
                        const QRectF scene = window.GetView()->sceneRect();
                        EXPECT_TRUE(visible.contains(area.topLeft())) << Describe(area, visible);
                        EXPECT_GE(area.left() - visible.left(),
                                  std::min(margin, area.left() - scene.left()) - 0.5);
                        EXPECT_GE(area.top() - visible.top(),
                                  std::min(margin, area.top() - scene.top()) - 0.5);
                    }
                    // The title's first characters are drawn within the view.
                    EXPECT_TRUE(visible.contains(pPeriod->mapToScene(QPointF(5, 25))));
                }
        window.SlotMenu_ZoomValue_triggered(false);
    }
}

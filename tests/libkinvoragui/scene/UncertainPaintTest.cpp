#include "KIN_DocumentSession.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Where an end of a rectangle is drawn, in scene coordinates: its edge and the part of the
// rectangle next to it, with a little room outside for the border.
QRectF EndArea(const QRectF& area, bool bBegin)
{
    const qreal depth = area.height() * 0.15;
    return bBegin ? QRectF(area.left() - 3, area.top() - 3, area.width() + 6, depth + 3)
                  : QRectF(area.left() - 3, area.bottom() - depth, area.width() + 6, depth + 3);
}

class UncertainPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        KIN_IDataFile& document = *window.GetSession()->GetDocument();
        document.SetLimits(18, 38, 10, false);
        KIN_DataPeriod parent = KIN_MakePeriod(1800, 1900, 1, 2, "Parent");
        parent.colorBackground = 5;
        document.AddPeriod(parent);
        document.AddPeriod(KIN_MakePeriod(1910, 1980, 4, 2, "Child"));
        document.AddLink(KIN_DataLink{1, 2, 1, 0});
        window.RefreshAll();
    }

    // Changes the first period's flags through the window, as the dialog's OK does.
    void SetFlags(bool bBegin, bool bEnd)
    {
        KIN_DataPeriod period = window.GetSession()->GetDocument()->GetData()->periods[0];
        period.uncertainBegin = bBegin;
        period.uncertainEnd = bEnd;
        window.ChangePeriod(period);
        ClearSelection();
    }

    KIN_GraphicPeriod* First() const { return window.GetView()->GetPeriods()[0]; }

    void ZoomTo(int nSteps)
    {
        window.SlotMenu_ZoomValue_triggered(false);
        for (int n = 0; n < std::abs(nSteps); ++n)
            (window.*(nSteps > 0 ? &KIN_MainWindow::SlotMenu_ZoomIn_triggered
                                 : &KIN_MainWindow::SlotMenu_ZoomOut_triggered))(false);
    }

    // The view's pixels around one end of the first period, scrolled to it.
    QImage EndPixels(bool bBegin)
    {
        KIN_ViewPeriods* pView = window.GetView();
        const QRectF area = First()->mapRectToScene(First()->rect());
        const QRectF end = EndArea(area, bBegin);
        pView->centerOn(end.center());
        const QRect shown = pView->mapFromScene(end).boundingRect() & pView->viewport()->rect();
        return pView->viewport()->grab(shown).toImage();
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};
} // namespace

// Each uncertain end looks other than a certain one, and only that end, at every zoom.
TEST_F(UncertainPaint, AnUncertainEndDiffersFromACertainOneAtEveryZoom)
{
    const struct
    {
        int nZoomSteps;
        double zoom;
    } zooms[] = {{-2, 0.25}, {0, 1}, {3, 8}};
    const bool flags[][2] = {{true, false}, {false, true}, {true, true}};
    for (const auto& zoom : zooms)
    {
        ZoomTo(zoom.nZoomSteps);
        ASSERT_DOUBLE_EQ(window.GetZoomFactor(), zoom.zoom);
        SetFlags(false, false);
        const QImage certainBegin = EndPixels(true);
        const QImage certainEnd = EndPixels(false);
        for (const auto& flag : flags)
        {
            SCOPED_TRACE(testing::Message()
                         << "zoom " << zoom.zoom << " begin " << flag[0] << " end " << flag[1]);
            SetFlags(flag[0], flag[1]);
            EXPECT_EQ(EndPixels(true) != certainBegin, flag[0]);
            EXPECT_EQ(EndPixels(false) != certainEnd, flag[1]);
        }
    }
}

// The fill fades toward the uncertain edge: next to it the rectangle shows nearly the
// background, further in its own colour.
TEST_F(UncertainPaint, TheFillFadesIntoTheBackgroundAtTheEdge)
{
    SetFlags(false, true);
    QImage image;
    window.GetView()->RenderToImage(image);
    const QRectF area = First()->mapRectToScene(First()->rect());
    const QPointF origin = window.GetView()->ExportRect().topLeft();
    const auto colourAt = [&](qreal x, qreal y)
    { return QColor(image.pixel((QPointF(x, y) - origin).toPoint())); };
    const qreal x = area.center().x() + 20; // beside the link leaving the title
    const QColor fill = colourAt(x, area.center().y());
    const QColor edge = colourAt(x, area.bottom() - 1);
    EXPECT_EQ(fill, QColor(Qt::red));
    EXPECT_GT(edge.green(), 200) << edge.name().toStdString(); // almost the white behind
    const QColor inside = colourAt(x, area.bottom() - area.height() / 20);
    EXPECT_GT(inside.green(), fill.green());
    EXPECT_LT(inside.green(), edge.green());
}

// Selection, links and connection points work on uncertain periods as on certain ones.
TEST_F(UncertainPaint, SelectionLinksAndPointsStayAsOnACertainPeriod)
{
    const auto pointsOf = [this]
    {
        std::vector<QPointF> places;
        for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
            places.push_back(First()->GetPoint(n)->scenePos());
        return places;
    };
    const auto linesOf = [this]
    {
        std::vector<QLineF> lines;
        for (const KIN_GraphicLink* pLink : window.GetView()->GetLinks())
            lines.push_back(pLink ? pLink->line() : QLineF());
        return lines;
    };
    const std::vector<QPointF> certainPoints = pointsOf();
    const std::vector<QLineF> certainLines = linesOf();
    SetFlags(true, true);
    EXPECT_EQ(pointsOf(), certainPoints);
    EXPECT_EQ(linesOf(), certainLines);

    const QImage unselected = EndPixels(false);
    First()->SelectPeriod();
    EXPECT_EQ(First()->pen().width(), 5);
    EXPECT_EQ(First()->brush().color().alpha(), 150);
    for (const KIN_GraphicLink* pLink : First()->GetLinks())
        EXPECT_EQ(pLink->GetStyle(), KIN_GraphicLink::Selected);
    EXPECT_NE(EndPixels(false), unselected);
    ClearSelection();
    EXPECT_EQ(EndPixels(false), unselected);
}

#include "KIN_DocumentSession.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"
#include "KIN_WidgetDetails.h"
#include "KIT_QT_Label0.h"
#include "KIT_QT_ListWidget0.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
class PeriodItem : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(18, 38, 10, false);
    }

    KIN_GraphicPeriod* Add(const KIN_DataPeriod& period)
    {
        window.GetSession()->GetDocument()->AddPeriod(period);
        window.RefreshAll();
        return window.GetView()->GetPeriods().back();
    }

    QPoint ViewportPoint(const KIN_GraphicPeriod* pPeriod, QPointF local = QPointF(20, 60)) const
    {
        return window.GetView()->mapFromScene(pPeriod->mapToScene(local));
    }

    void Click(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window.GetView()->viewport(), button, Qt::NoModifier, at);
    }

    void DragBy(const QPoint& from, int dx)
    {
        QWidget* pQViewport = window.GetView()->viewport();
        QTest::mousePress(pQViewport, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step)
        {
            const QPoint at = from + QPoint(dx * step / 4, 0);
            QMouseEvent move(QEvent::MouseMove, at, pQViewport->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pQViewport, &move);
        }
        QTest::mouseRelease(pQViewport, Qt::LeftButton, Qt::NoModifier, from + QPoint(dx, 0));
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};
} // namespace

TEST_F(PeriodItem, GeometryOfAPeriod)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2, "Title"));
    EXPECT_EQ(pPeriod->rect(), QRectF(0, 0, 190, 496));
    EXPECT_EQ(pPeriod->pos(), QPointF(305, 9502));
    EXPECT_STREQ(pPeriod->GetSafeObjectName(), "KIN_GraphicPeriod");
    const QPointF expected[] = {{95, 0}, {95, 35}, {95, 496}, {0, 17}, {190, 17}};
    for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
        EXPECT_EQ(pPeriod->GetPoint(n)->pos(), expected[n]) << n;
    EXPECT_EQ(pPeriod->GetPoint(5), nullptr);
}

TEST_F(PeriodItem, SameBeginAndEndGiveANegativeHeight)
{
    const KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1950, 1950, 0, 2));
    EXPECT_EQ(pPeriod->rect().height(), -4);
}

TEST_F(PeriodItem, ColoursDefaultByRole)
{
    const KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2));
    EXPECT_EQ(pPeriod->brush().color(), QColor(Qt::lightGray));
    EXPECT_EQ(pPeriod->pen().color(), QColor(Qt::darkRed));
    EXPECT_EQ(pPeriod->pen().width(), 0);
}

TEST_F(PeriodItem, SelectingAPeriodLeavesTheOthersOfItsColoursAsTheyWere)
{
    Add(KIN_MakePeriod(1900, 2000, 3, 2));
    KIN_GraphicPeriod* pSecond = Add(KIN_MakePeriod(1900, 2000, 6, 2));
    KIN_GraphicPeriod* pFirst = window.GetView()->GetPeriods()[0]; // the rebuild made it anew
    pFirst->SelectPeriod();
    EXPECT_EQ(pFirst->brush().color().alpha(), 150);
    EXPECT_EQ(pFirst->pen().width(), 5);
    EXPECT_EQ(pSecond->brush(), QBrush(Qt::lightGray));
    EXPECT_EQ(pSecond->pen(), QPen(QBrush(Qt::darkRed), 0));
    pSecond->SelectPeriod();
    EXPECT_EQ(pFirst->brush(), QBrush(Qt::lightGray));
    EXPECT_EQ(pFirst->pen(), QPen(QBrush(Qt::darkRed), 0));
    EXPECT_EQ(pFirst->GetPoint(0)->brush(), QBrush(Qt::lightGray));
    EXPECT_EQ(pSecond->GetPoint(0)->brush().color().alpha(), 150);
}

TEST_F(PeriodItem, PointsStackInTheirOrderAndTakeTheMoveCursorWhenShown)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2, "a\nb"));
    // Needed in another order than their own, as links and clicks need them.
    KIN_GraphicConnection* pLast = pPeriod->GetPoint(4);
    KIN_GraphicConnection* pSecond = pPeriod->GetPoint(1);
    EXPECT_EQ(pPeriod->IndexOfPoint(pLast), 4);
    EXPECT_EQ(pPeriod->IndexOfPoint(pSecond), 1);
    EXPECT_EQ(pPeriod->IndexOfPoint(nullptr), -1);
    EXPECT_FALSE(pLast->isVisible());
    pPeriod->SelectPeriod();
    QList<QGraphicsItem*> inOrder;
    for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
    {
        KIN_GraphicConnection* pPoint = pPeriod->GetPoint(n);
        inOrder << pPoint;
        EXPECT_TRUE(pPoint->isVisible()) << n;
        EXPECT_EQ(pPoint->cursor().shape(), Qt::SizeAllCursor) << n;
        EXPECT_EQ(pPoint->brush().color().alpha(), 150) << n;
    }
    EXPECT_EQ(pPeriod->childItems(), inOrder);
    EXPECT_EQ(pLast->pos(), QPointF(190, 27));
    EXPECT_EQ(pSecond->pos(), QPointF(95, 55));
}

TEST_F(PeriodItem, TitleLinesAndThePointBelowThem)
{
    KIN_GraphicPeriod* pThree = Add(KIN_MakePeriod(1900, 2000, 0, 2, "one\n\nthree"));
    EXPECT_EQ(pThree->GetTitleLines(),
              QStringList({QStringLiteral("one"), QString(), QStringLiteral("three")}));
    EXPECT_EQ(pThree->GetPoint(1)->pos().y(), 75);
    KIN_GraphicPeriod* pEmpty = Add(KIN_MakePeriod(1900, 2000, 3, 2, ""));
    EXPECT_EQ(pEmpty->GetTitleLines().size(), 1);
    EXPECT_EQ(pEmpty->GetPoint(1)->pos().y(), 35);
    EXPECT_TRUE(pEmpty->GetListEntry()->text().endsWith(QStringLiteral("2000, ")));
}

TEST_F(PeriodItem, PointsShowOnlyWhileThePeriodIsSelected)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2));
    EXPECT_FALSE(pPeriod->GetPoint(0)->isVisible());
    pPeriod->SelectPeriod();
    EXPECT_TRUE(pPeriod->GetPoint(0)->isVisible());
    EXPECT_EQ(pPeriod->GetPoint(0)->rect(), QRectF(-5, -5, 10, 10));
    EXPECT_EQ(pPeriod->GetPoint(0)->brush().color().alpha(), 150);
    pPeriod->SelectPeriod(); // selecting the current period again keeps them shown
    EXPECT_TRUE(pPeriod->GetPoint(2)->isVisible());
    pPeriod->DeselectPeriod();
    EXPECT_FALSE(pPeriod->GetPoint(2)->isVisible());
    EXPECT_EQ(pPeriod->GetPoint(0)->brush().color().alpha(), 255);
}

TEST_F(PeriodItem, ClickSelectsThePeriodEverywhere)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2, "Ada\nLovelace"));
    window.GetView()->ensureVisible(pPeriod);
    Click(ViewportPoint(pPeriod));
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    EXPECT_EQ(pPeriod->zValue(), 200000);
    EXPECT_EQ(pPeriod->pen().width(), 5);
    EXPECT_EQ(pPeriod->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_TRUE(window.GetActionChangePeriod()->isEnabled());
    EXPECT_TRUE(window.GetActionRemovePeriod()->isEnabled());
    EXPECT_EQ(window.GetPeriodList()->currentItem(), pPeriod->GetListEntry());
    const KIN_WidgetDetails* pDetails = window.GetDetails();
    EXPECT_FALSE(pDetails->GetTitleLabel()->isHidden());
    EXPECT_EQ(pDetails->GetTitleLabel()->text(), QStringLiteral("Ada\nLovelace"));
    EXPECT_EQ(pDetails->GetBeginLabel()->text(), QStringLiteral("1900"));
}

TEST_F(PeriodItem, ClickOnEmptySpaceDeselects)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2));
    window.GetView()->ensureVisible(pPeriod);
    Click(ViewportPoint(pPeriod));
    ASSERT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    const QPoint empty = ViewportPoint(pPeriod, QPointF(-150, 60));
    ASSERT_TRUE(window.GetView()->viewport()->rect().contains(empty)) << empty.x();
    Click(empty, Qt::RightButton);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_FALSE(window.GetActionChangePeriod()->isEnabled());
    EXPECT_TRUE(window.GetDetails()->GetTitleLabel()->isHidden());
}

TEST_F(PeriodItem, DraggingMovesByWholeColumns)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2));
    window.GetView()->ensureVisible(pPeriod);
    window.GetSession()->WaitForAutosave();
    const std::string before = folder.Read(QStringLiteral("autosave.xml"));
    DragBy(ViewportPoint(pPeriod), 99);
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 3);
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(QStringLiteral("autosave.xml")), before);

    pPeriod = window.GetView()->GetPeriods()[0];
    DragBy(ViewportPoint(pPeriod), 149);
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 4);
    window.GetSession()->WaitForAutosave();
    EXPECT_NE(folder.Read(QStringLiteral("autosave.xml")), before);
    // The rebuilt period is selected again.
    ASSERT_NE(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod->pos(), QPointF(405, 9502));
}

TEST_F(PeriodItem, DraggingPastColumnZeroClampsToIt)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 1, 2));
    window.GetView()->ensureVisible(pPeriod);
    window.GetView()->horizontalScrollBar()->setValue(0);
    DragBy(ViewportPoint(pPeriod), -250);
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 0);
}

// Selecting a period scrolls it into view, and the view then replays the press as a mouse
// move: the period must stay where it is, under the mouse.
TEST_F(PeriodItem, AClickThatScrollsThePeriodIntoViewLeavesItInPlace)
{
    window.GetSession()->GetDocument()->SetLimits(18, 38, 30, false);
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 10, 2));
    KIN_ViewPeriods* pView = window.GetView();
    pView->ensureVisible(QRectF(0, 9400, 10, 10), 0, 0);
    pView->horizontalScrollBar()->setValue(pView->horizontalScrollBar()->minimum());
    const int nRight = pView->viewport()->width() - 8;
    const QPoint at(nRight, ViewportPoint(pPeriod).y());
    ASSERT_LT(pView->mapToScene(at).x(), 1100); // the period is cut by the right edge
    ASSERT_GT(pView->mapToScene(at).x(), 1005);

    QWidget* pQViewport = pView->viewport();
    QTest::mousePress(pQViewport, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    EXPECT_EQ(pPeriod->pos(), QPointF(1005, 9502));
    EXPECT_GT(pView->horizontalScrollBar()->value(), pView->horizontalScrollBar()->minimum());
    // The mouse has not moved: a small move from there is no drag.
    const QPoint moved = at + QPoint(5, 0);
    QMouseEvent move(QEvent::MouseMove, moved, pQViewport->mapToGlobal(moved), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pQViewport, &move);
    EXPECT_EQ(pPeriod->pos(), QPointF(1005, 9502));
    QTest::mouseRelease(pQViewport, Qt::LeftButton, Qt::NoModifier, moved);
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 10);

    // A real drag from there still moves it by whole columns.
    DragBy(ViewportPoint(window.GetView()->GetPeriods()[0]), -149);
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 9);
}

TEST_F(PeriodItem, AClickThatScrollsDownLeavesThePeriodInPlace)
{
    KIN_GraphicPeriod* pPeriod = Add(KIN_MakePeriod(1900, 2000, 3, 2));
    KIN_ViewPeriods* pView = window.GetView();
    pView->ensureVisible(QRectF(300, 9000, 10, 10), 0, 0);
    pView->ensureVisible(QRectF(300, 9530, 10, 10), 0, 0); // only the top of the period shows
    const QPoint at = ViewportPoint(pPeriod, QPointF(20, 20));
    ASSERT_TRUE(pView->viewport()->rect().contains(at));
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    EXPECT_EQ(pPeriod->pos(), QPointF(305, 9502));
    EXPECT_EQ(pPeriod->cursor().shape(), Qt::OpenHandCursor);
}

namespace
{
// Records the regions the viewport paints.
class PaintRecorder : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* pQEvent) override
    {
        if (pQEvent->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(pQEvent)->region();
        return false;
    }

    QList<QRegion> regions;
};
} // namespace

// Scrolling moves the viewport's pixels; the period deselected just before must not keep a
// strip of its selected look, so a selection that scrolls draws the whole viewport again.
TEST_F(PeriodItem, ASelectionThatScrollsRepaintsTheWholeView)
{
    Add(KIN_MakePeriod(1900, 1980, 3, 2));
    Add(KIN_MakePeriod(1920, 2000, 5, 2));
    KIN_ViewPeriods* pView = window.GetView();
    QWidget* pQViewport = pView->viewport();
    auto repaintsOf = [&](KIN_GraphicPeriod* pPeriod)
    {
        QApplication::processEvents();
        PaintRecorder recorder;
        pQViewport->installEventFilter(&recorder);
        pPeriod->SelectPeriod();
        QApplication::processEvents();
        pQViewport->removeEventFilter(&recorder);
        QRegion painted;
        for (const QRegion& region : recorder.regions)
            painted += region;
        return painted;
    };
    KIN_GraphicPeriod* pFirst = pView->GetPeriods()[0];
    KIN_GraphicPeriod* pSecond = pView->GetPeriods()[1];
    const int nBefore = pView->verticalScrollBar()->value();
    repaintsOf(pFirst);
    ASSERT_NE(pView->verticalScrollBar()->value(), nBefore) << "the selection must scroll";
    pView->verticalScrollBar()->setValue(pView->verticalScrollBar()->value() - 200);
    const int nScrolled = pView->verticalScrollBar()->value();
    const QRegion painted = repaintsOf(pSecond);
    ASSERT_NE(pView->verticalScrollBar()->value(), nScrolled);
    EXPECT_TRUE((QRegion(pQViewport->rect()) - painted).isEmpty())
        << painted.boundingRect().height();
}

// The link drag as the toolkit delivers it while QDrag::exec runs: drag events on the view's
// viewport between BeginLinkDrag and EndLinkDrag.
#include "KIN_DocumentSession.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_MimeData.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
class LinkDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(18, 38, 10, false);
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 1, "Source"));
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1920, 1990, 4, 2, "Target"));
        window.RefreshAll();
        View()->ensureVisible(QRectF(100, 9500, 500, 260), 10, 10);
    }

    KIN_ViewPeriods* View() const { return window.GetView(); }
    KIN_GraphicConnection* Point(size_t nPeriod, int nPoint) const
    {
        return View()->GetPeriods().at(nPeriod)->GetPoint(nPoint);
    }
    QWidget* Viewport() const { return View()->viewport(); }
    const std::vector<KIN_DataLink>& Stored() const
    {
        return window.GetSession()->GetDocument()->GetData()->links;
    }

    QPoint At(const QPointF& scenePos) const { return View()->mapFromScene(scenePos); }

    // Sends one drag event at a scene position; true when the view accepted it, which is
    // what lets the platform deliver the drop.
    bool Send(QEvent::Type type, const QPointF& scenePos)
    {
        const QPoint at = At(scenePos);
        EXPECT_TRUE(Viewport()->rect().contains(at)) << at.x() << ", " << at.y();
        if (type == QEvent::DragEnter)
        {
            QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Viewport(), &enter);
            return enter.isAccepted();
        }
        if (type == QEvent::DragMove)
        {
            QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Viewport(), &move);
            return move.isAccepted();
        }
        if (type == QEvent::Drop)
        {
            QDropEvent drop(at, Qt::MoveAction, &mime, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(Viewport(), &drop);
            return drop.isAccepted();
        }
        QDragLeaveEvent leave;
        QApplication::sendEvent(Viewport(), &leave);
        return leave.isAccepted();
    }

    // A whole drag from a point, through the given scene positions, dropped on the last.
    void DragAlong(KIN_GraphicConnection* pSource, std::initializer_list<QPointF> path)
    {
        pSource->BeginLinkDrag();
        Send(QEvent::DragEnter, pSource->scenePos());
        Send(QEvent::DragMove, pSource->scenePos());
        for (const QPointF& at : path)
            Send(QEvent::DragMove, at);
        Send(QEvent::Drop, *(path.end() - 1));
        KIN_GraphicConnection::EndLinkDrag();
    }

    void ExpectAllPointsIdle() const
    {
        EXPECT_EQ(KIN_GraphicConnection::RubberBand(), nullptr);
        for (const KIN_GraphicConnection* pPoint : KIN_GraphicConnection::Registry())
        {
            EXPECT_EQ(pPoint->GetState(), KIN_GraphicConnection::Idle);
            EXPECT_EQ(pPoint->isVisible(), pPoint->IsLinked());
        }
        for (const QGraphicsItem* pQItem : View()->GetScene()->items())
        {
            const auto* pLink = dynamic_cast<const KIN_GraphicLink*>(pQItem);
            EXPECT_TRUE(!pLink || pLink->GetFirstPoint()) << "a rubber band is left";
        }
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
    KIT_QT_MimeData mime;
};
} // namespace

TEST_F(LinkDrag, DraggingFromAPointToAnotherPeriodsPointCreatesOneLink)
{
    KIN_GraphicConnection* pSource = Point(0, 2);
    KIN_GraphicConnection* pTarget = Point(1, 0);
    const QPointF source = pSource->scenePos();
    const QPointF target = pTarget->scenePos();
    ASSERT_EQ(source, QPointF(200, 9748));
    ASSERT_EQ(target, QPointF(500, 9602));

    pSource->BeginLinkDrag();
    EXPECT_EQ(pSource->GetState(), KIN_GraphicConnection::DragSource);
    EXPECT_EQ(pSource->rect(), QRectF(-25, -25, 50, 50));
    for (const KIN_GraphicConnection* pPoint : KIN_GraphicConnection::Registry())
    {
        if (pPoint == pSource)
            continue;
        EXPECT_EQ(pPoint->GetState(), KIN_GraphicConnection::Candidate);
        EXPECT_EQ(pPoint->rect(), QRectF(-10, -10, 20, 20));
        EXPECT_TRUE(pPoint->isVisible());
    }
    KIN_GraphicLink* pBand = KIN_GraphicConnection::RubberBand();
    ASSERT_NE(pBand, nullptr);
    EXPECT_EQ(pBand->scene(), View()->GetScene());

    EXPECT_TRUE(Send(QEvent::DragEnter, source));
    EXPECT_FALSE(Send(QEvent::DragMove, source)); // the source is no target
    EXPECT_EQ(pSource->GetState(), KIN_GraphicConnection::DragSource);

    // Over empty space the band follows the mouse, dotted.
    const QPointF free(320, 9700);
    EXPECT_FALSE(Send(QEvent::DragMove, free));
    EXPECT_EQ(pBand->line(), QLineF(source, View()->mapToScene(At(free))));
    EXPECT_EQ(pBand->GetStyle(), KIN_GraphicLink::RubberBandFree);
    EXPECT_EQ(pBand->pen().style(), Qt::DotLine);
    EXPECT_EQ(pBand->pen().width(), 4);
    EXPECT_EQ(pBand->pen().color(), QColor(0, 0, 0, 150));
    EXPECT_EQ(pBand->zValue(), 200001);

    // Near the target it snaps to the target's centre.
    EXPECT_TRUE(Send(QEvent::DragMove, target + QPointF(4, 3)));
    EXPECT_EQ(pTarget->GetState(), KIN_GraphicConnection::DragTarget);
    EXPECT_EQ(pTarget->rect(), QRectF(-25, -25, 50, 50));
    EXPECT_EQ(pBand->line(), QLineF(source, target));
    EXPECT_EQ(pBand->GetStyle(), KIN_GraphicLink::RubberBandOnTarget);
    EXPECT_EQ(pBand->pen().width(), 5);
    EXPECT_EQ(pBand->zValue(), 200001);

    EXPECT_TRUE(Send(QEvent::Drop, target + QPointF(4, 3)));
    EXPECT_EQ(pTarget->GetState(), KIN_GraphicConnection::Candidate);
    EXPECT_TRUE(Stored().empty()); // nothing is written before the drag has ended
    KIN_GraphicConnection::EndLinkDrag();

    ASSERT_EQ(Stored().size(), 1u);
    EXPECT_EQ(Stored()[0], (KIN_DataLink{1, 2, 2, 0}));
    ASSERT_EQ(View()->GetLinks().size(), 1u);
    EXPECT_EQ(View()->GetLinks()[0]->line(), QLineF(source, target));
    ExpectAllPointsIdle();
    window.GetSession()->WaitForAutosave();
    EXPECT_NE(folder.Read(QStringLiteral("autosave.xml")).find("<L"), std::string::npos);
}

TEST_F(LinkDrag, TheSameDragTwiceStoresOneLink)
{
    const QPointF target = Point(1, 3)->scenePos();
    DragAlong(Point(0, 4), {target});
    DragAlong(Point(0, 4), {target});
    EXPECT_EQ(Stored(), std::vector<KIN_DataLink>({KIN_DataLink{1, 2, 4, 3}}));
    DragAlong(Point(0, 1), {Point(1, 0)->scenePos()});
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[1], (KIN_DataLink{1, 2, 1, 0}));
    EXPECT_EQ(View()->GetLinks().size(), 4u); // a straight link and an elbow
}

TEST_F(LinkDrag, DroppingOnTheSourceOrOutsideCreatesNothing)
{
    KIN_GraphicConnection* pSource = Point(0, 2);
    DragAlong(pSource, {pSource->scenePos()});
    EXPECT_TRUE(Stored().empty());
    ExpectAllPointsIdle();

    DragAlong(Point(0, 2), {QPointF(320, 9700)});
    EXPECT_TRUE(Stored().empty());
    ExpectAllPointsIdle();

    // Over a target, then away again before the drop.
    KIN_GraphicConnection* pTarget = Point(1, 0);
    Point(0, 2)->BeginLinkDrag();
    Send(QEvent::DragEnter, Point(0, 2)->scenePos());
    Send(QEvent::DragMove, pTarget->scenePos());
    ASSERT_EQ(pTarget->GetState(), KIN_GraphicConnection::DragTarget);
    Send(QEvent::DragMove, QPointF(320, 9700));
    EXPECT_EQ(pTarget->GetState(), KIN_GraphicConnection::Candidate);
    EXPECT_EQ(KIN_GraphicConnection::RubberBand()->GetStyle(), KIN_GraphicLink::RubberBandFree);
    Send(QEvent::Drop, QPointF(320, 9700));
    KIN_GraphicConnection::EndLinkDrag();
    EXPECT_TRUE(Stored().empty());
    ExpectAllPointsIdle();

    // Over a target when the mouse leaves the view: the drag is cancelled.
    Point(0, 2)->BeginLinkDrag();
    Send(QEvent::DragEnter, Point(0, 2)->scenePos());
    Send(QEvent::DragMove, Point(1, 0)->scenePos());
    Send(QEvent::DragLeave, QPointF(320, 9700));
    KIN_GraphicConnection::EndLinkDrag();
    EXPECT_TRUE(Stored().empty());
    ExpectAllPointsIdle();
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(QStringLiteral("autosave.xml")).find("<L"), std::string::npos);
}

TEST_F(LinkDrag, APointCoveredByALaterPeriodStillTakesTheDrop)
{
    // A third period lies over the target's point 3.
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1920, 1990, 3, 2, "Cover"));
    window.RefreshAll();
    View()->ensureVisible(QRectF(100, 9500, 500, 260), 10, 10);
    const QPointF hidden = Point(1, 3)->scenePos();
    ASSERT_EQ(hidden, QPointF(405, 9619));
    DragAlong(Point(0, 4), {hidden});
    EXPECT_EQ(Stored(), std::vector<KIN_DataLink>({KIN_DataLink{1, 2, 4, 3}}));
}

TEST_F(LinkDrag, TheSelectedPeriodStaysSelectedAfterTheNewLink)
{
    View()->GetPeriods()[1]->SelectPeriod();
    DragAlong(Point(0, 2), {Point(1, 0)->scenePos()});
    ASSERT_EQ(Stored().size(), 1u);
    ASSERT_NE(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod->GetRecord().id, 2);
    EXPECT_EQ(View()->GetLinks()[0]->GetStyle(), KIN_GraphicLink::Selected);
}

// Offscreen, QDrag::exec ends at once with nothing dropped: the whole mouse path runs.
TEST_F(LinkDrag, MovingThePressedMouseRunsADragThatEndsClean)
{
    const QPoint onPoint = At(Point(0, 2)->scenePos());
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, onPoint);
    QMouseEvent move(QEvent::MouseMove, onPoint + QPoint(30, 0),
                     Viewport()->mapToGlobal(onPoint + QPoint(30, 0)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &move);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, onPoint + QPoint(30, 0));
    EXPECT_TRUE(Stored().empty());
    ExpectAllPointsIdle();
}

TEST_F(LinkDrag, PressingAPointKeepsItsPeriodSelected)
{
    KIN_GraphicPeriod* pPeriod = View()->GetPeriods()[0];
    pPeriod->SelectPeriod();
    const QPoint onPoint = At(Point(0, 2)->scenePos());
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, onPoint);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    EXPECT_EQ(View()->GetScene()->mouseGrabberItem(), Point(0, 2));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, onPoint);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    EXPECT_TRUE(Stored().empty());
}

TEST_F(LinkDrag, OnlyPeriodsInSightOfferPointsUntilAScrollShowsMore)
{
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1000, 1100, 8, 1, "Far"));
    window.RefreshAll();
    View()->ensureVisible(QRectF(100, 9500, 500, 260), 10, 10);
    KIN_GraphicPeriod* pFar = View()->GetPeriods().at(2);
    const auto inSight = [this] { return View()->mapToScene(Viewport()->rect()).boundingRect(); };
    ASSERT_FALSE(inSight().intersects(pFar->sceneBoundingRect().adjusted(-20, -20, 20, 20)));

    Point(0, 2)->BeginLinkDrag();
    EXPECT_EQ(Point(1, 3)->GetState(), KIN_GraphicConnection::Candidate);
    EXPECT_EQ(pFar->GetPoint(0)->GetState(), KIN_GraphicConnection::Idle);
    View()->ensureVisible(pFar->sceneBoundingRect());
    ASSERT_TRUE(inSight().intersects(pFar->sceneBoundingRect()));
    for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
    {
        EXPECT_EQ(pFar->GetPoint(n)->GetState(), KIN_GraphicConnection::Candidate) << n;
        EXPECT_TRUE(pFar->GetPoint(n)->isVisible()) << n;
    }
    KIN_GraphicConnection::EndLinkDrag();
    ExpectAllPointsIdle();
}

#include "KIN_ColorTable.h"
#include "KIN_DataDiagram.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneDriver.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_TestMenus.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_ListWidget0.h"

#include <QPainterPath>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <random>

// Readable links in failure messages (found by argument lookup).
[[maybe_unused]] static void PrintTo(const KIN_DataLink& link, std::ostream* pStream)
{
    *pStream << '{' << link.period1 << ", " << link.period2 << ", " << link.point1 << ", "
             << link.point2 << '}';
}

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

KIN_DataLink Link(int nPeriod1, int nPeriod2, int nPoint1, int nPoint2)
{
    return KIN_DataLink{nPeriod1, nPeriod2, nPoint1, nPoint2};
}

class Links : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(18, 38, 10, false);
    }

    // A parent (id 1, point 1 at (200, 9537)) and a child (id 2, point 0 at (500, 10002)),
    // with border colours that tell them apart.
    void AddParentAndChild()
    {
        window.GetSession()->GetDocument()->AddPeriod(Parent(2));
        window.GetSession()->GetDocument()->AddPeriod(Child(2));
    }

    static KIN_DataPeriod Parent(int nWidth)
    {
        KIN_DataPeriod parent = KIN_MakePeriod(1900, 1950, 1, nWidth, "Parent");
        parent.id = 1;
        parent.colorBorder = 2;
        return parent;
    }

    static KIN_DataPeriod Child(int nWidth)
    {
        KIN_DataPeriod child = KIN_MakePeriod(2000, 2100, 4, nWidth, "Child");
        child.id = 2;
        child.colorBorder = 7;
        return child;
    }

    void AddLinks(std::initializer_list<KIN_DataLink> links)
    {
        for (const KIN_DataLink& link : links)
            window.GetSession()->GetDocument()->AddLink(link);
        window.RefreshAll();
    }

    KIN_ViewPeriods* View() const { return window.GetView(); }
    KIN_GraphicPeriod* Period(size_t n) const { return View()->GetPeriods().at(n); }
    const std::vector<KIN_DataLink>& Stored() const
    {
        return window.GetSession()->GetDocument()->GetData()->links;
    }

    QPoint ViewportPoint(const QPointF& scenePos) const { return View()->mapFromScene(scenePos); }

    void ShowScene(const QRectF& area)
    {
        View()->ensureVisible(area, 10, 10);
        ASSERT_TRUE(View()->viewport()->rect().contains(ViewportPoint(area.topLeft())));
        ASSERT_TRUE(View()->viewport()->rect().contains(ViewportPoint(area.bottomRight())));
    }

    void Click(const QPointF& scenePos)
    {
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          ViewportPoint(scenePos));
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};

void ExpectSegments(const std::vector<KIN_GraphicLink*>& segments,
                    const std::vector<QLineF>& expected)
{
    ASSERT_EQ(segments.size(), expected.size());
    for (size_t n = 0; n < expected.size(); ++n)
    {
        ASSERT_NE(segments[n], nullptr) << n;
        EXPECT_EQ(segments[n]->line(), expected[n]) << n;
    }
}
} // namespace

TEST_F(Links, PointsTakeTheirStateSizeAndVisibility)
{
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 3, 2));
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 6, 2));
    window.RefreshAll();
    KIN_GraphicConnection::SetAllPointStates(KIN_GraphicConnection::Candidate);
    window.RefreshAll(); // a rebuild starts the registry again
    const auto& points = KIN_GraphicConnection::Registry();
    // Hidden points are made only when something shows them; any state but idle shows all.
    EXPECT_TRUE(points.empty());
    KIN_GraphicConnection::SetAllPointStates(KIN_GraphicConnection::Idle);
    EXPECT_TRUE(points.empty());
    KIN_GraphicConnection::SetAllPointStates(KIN_GraphicConnection::Candidate);
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points[0], Period(0)->GetPoint(0));
    EXPECT_EQ(points[9], Period(1)->GetPoint(4));
    EXPECT_EQ(Period(0)->GetPoint(2)->scenePos(), QPointF(400, 9998));

    const struct
    {
        int nState;
        qreal diameter;
        bool bVisible;
    } expected[] = {{2, 20, true}, {1, 50, true}, {3, 50, true}, {0, 10, false}};
    for (const auto& state : expected)
    {
        KIN_GraphicConnection::SetAllPointStates(state.nState);
        for (const KIN_GraphicConnection* pPoint : points)
        {
            EXPECT_EQ(pPoint->GetState(), state.nState);
            const qreal d = state.diameter;
            EXPECT_EQ(pPoint->rect(), QRectF(-d / 2, -d / 2, d, d)) << state.nState;
            EXPECT_EQ(pPoint->isVisible(), state.bVisible) << state.nState;
        }
    }

    // Idle points still show while their period is selected, in its translucent look.
    Period(1)->SelectPeriod();
    for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
    {
        EXPECT_FALSE(Period(0)->GetPoint(n)->isVisible()) << n;
        const KIN_GraphicConnection* pPoint = Period(1)->GetPoint(n);
        EXPECT_TRUE(pPoint->isVisible()) << n;
        EXPECT_EQ(pPoint->pen(), Period(1)->pen()) << n;
        EXPECT_EQ(pPoint->brush(), Period(1)->brush()) << n;
    }
    EXPECT_EQ(Period(1)->GetPoint(0)->pen().color().alpha(), 150);
    EXPECT_EQ(Period(1)->GetPoint(0)->pen().width(), 5);
}

TEST_F(Links, AStraightLinkJoinsItsTwoPoints)
{
    KIN_DataPeriod lower = KIN_MakePeriod(1950, 2000, 1, 2);
    lower.colorBorder = 3;
    KIN_DataPeriod higher = KIN_MakePeriod(1900, 2000, 6, 1);
    higher.colorBorder = 9;
    window.GetSession()->GetDocument()->AddPeriod(lower);
    window.GetSession()->GetDocument()->AddPeriod(higher);
    AddLinks({Link(1, 2, 4, 3)});

    KIN_GraphicConnection* pFirst = Period(0)->GetPoint(4);
    KIN_GraphicConnection* pSecond = Period(1)->GetPoint(3);
    ExpectSegments(View()->GetLinks(), {QLineF(pFirst->scenePos(), pSecond->scenePos())});
    EXPECT_EQ(pFirst->scenePos(), QPointF(295, 9769));
    EXPECT_EQ(pSecond->scenePos(), QPointF(605, 9519));
    const KIN_GraphicLink* pSegment = View()->GetLinks()[0];
    EXPECT_STREQ(pSegment->GetSafeObjectName(), "KIN_GraphicLink");
    EXPECT_EQ(pSegment->GetFirstPoint(), pFirst);
    EXPECT_EQ(pSegment->GetSecondPoint(), pSecond);
    EXPECT_EQ(pSegment->GetStyle(), KIN_GraphicLink::Normal);
    EXPECT_EQ(pSegment->pen().width(), 3);
    EXPECT_EQ(pSegment->zValue(), 9520);
    EXPECT_EQ(pSegment->cursor().shape(), Qt::PointingHandCursor);
    // The colour comes from the period owning the higher end.
    EXPECT_EQ(pSegment->pen().color(), KIN_ColorOfIndex(9, KIN_ColorRole::Border));
    EXPECT_TRUE(pFirst->IsLinked() && pFirst->isVisible());
    EXPECT_TRUE(pSecond->IsLinked() && pSecond->isVisible());
    EXPECT_FALSE(Period(0)->GetPoint(0)->isVisible());
    for (int n : {0, 1})
    {
        ASSERT_EQ(Period(n)->GetLinks().size(), 1) << n;
        EXPECT_EQ(Period(n)->GetLinks()[0], View()->GetLinks()[0]) << n;
    }
}

TEST_F(Links, EndsAtTheSameHeightTakeTheSecondPeriodsColour)
{
    KIN_DataPeriod left = KIN_MakePeriod(1900, 2000, 1, 1);
    left.colorBorder = 3;
    KIN_DataPeriod right = KIN_MakePeriod(1900, 2000, 5, 1);
    right.colorBorder = 9;
    window.GetSession()->GetDocument()->AddPeriod(left);
    window.GetSession()->GetDocument()->AddPeriod(right);
    AddLinks({Link(1, 2, 4, 3), Link(2, 1, 2, 2)});
    ASSERT_EQ(View()->GetLinks().size(), 2u);
    EXPECT_EQ(View()->GetLinks()[0]->GetColor(), KIN_ColorOfIndex(9, KIN_ColorRole::Border));
    EXPECT_EQ(View()->GetLinks()[1]->GetColor(), KIN_ColorOfIndex(3, KIN_ColorRole::Border));
}

// The document keeps periods at least two columns wide, but the view draws any record it
// is given: one-column periods are shown from content of their own.
TEST_F(Links, AParentToChildLinkIsAnElbowInEitherStoredOrder)
{
    const std::vector<QLineF> elbow = {QLineF(150, 9547, 450, 9547), QLineF(150, 9537, 150, 9547),
                                       QLineF(450, 9547, 450, 10002)};
    for (const KIN_DataLink& stored : {Link(1, 2, 1, 0), Link(2, 1, 0, 1)})
    {
        KIN_DataDiagram content;
        content.begin = 18;
        content.end = 38;
        content.periods = {Parent(1), Child(1)};
        content.links = {stored};
        KIN_ViewPeriods view(&window, &content);
        view.RebuildScene();
        const std::vector<KIN_GraphicLink*>& segments = view.GetLinks();
        ExpectSegments(segments, elbow);
        KIN_GraphicPeriod* pParent = view.GetPeriods()[0];
        KIN_GraphicPeriod* pChild = view.GetPeriods()[1];
        for (const KIN_GraphicLink* pSegment : segments)
        {
            // Every segment runs from the parent's point 1 to the child's point 0.
            EXPECT_EQ(pSegment->GetRecord(), Link(1, 2, 1, 0));
            EXPECT_EQ(pSegment->GetFirstPoint(), pParent->GetPoint(1));
            EXPECT_EQ(pSegment->GetSecondPoint(), pChild->GetPoint(0));
            EXPECT_EQ(pSegment->pen().color(), KIN_ColorOfIndex(2, KIN_ColorRole::Border));
        }
        EXPECT_EQ(segments[0]->zValue(), 9548);
        EXPECT_EQ(segments[1]->zValue(), 9538);
        EXPECT_EQ(segments[2]->zValue(), 9548);
        EXPECT_EQ(pParent->GetLinks().size(), 3u);
        EXPECT_EQ(pChild->GetLinks().size(), 3u);
        EXPECT_TRUE(pParent->GetPoint(1)->IsLinked() && pChild->GetPoint(0)->IsLinked());
        window.GetPeriodList()->clear(); // the entries name this view's items
    }
}

TEST_F(Links, TheDocumentsElbowIsSelectedWithEverySegment)
{
    AddParentAndChild();
    AddLinks({Link(2, 1, 0, 1)});
    ExpectSegments(View()->GetLinks(), {QLineF(200, 9547, 500, 9547), QLineF(200, 9537, 200, 9547),
                                        QLineF(500, 9547, 500, 10002)});
}

TEST_F(Links, RecordsNamingNoPointOrNoPeriodDrawNothing)
{
    AddParentAndChild();
    AddLinks({Link(1, 2, 5, 0), Link(1, 2, 4, 3), Link(1, 9, 2, 0), Link(1, 2, -1, 2),
              Link(7, 2, 1, 0)});
    ASSERT_EQ(Stored().size(), 5u);
    const std::vector<KIN_GraphicLink*>& segments = View()->GetLinks();
    ASSERT_EQ(segments.size(), 5u);
    for (size_t n : {0u, 2u, 3u, 4u})
        EXPECT_EQ(segments[n], nullptr) << n;
    ASSERT_NE(segments[1], nullptr);
    EXPECT_EQ(segments[1]->GetRecord(), Link(1, 2, 4, 3));
    int nLinked = 0;
    for (const KIN_GraphicConnection* pPoint : KIN_GraphicConnection::Registry())
        nLinked += pPoint->IsLinked() ? 1 : 0;
    EXPECT_EQ(nLinked, 2);
    EXPECT_TRUE(Period(1)->GetPoint(3)->IsLinked());
    EXPECT_FALSE(Period(1)->GetPoint(0)->IsLinked());
}

TEST_F(Links, OneClickSelectsAllThreeSegmentsOfAnElbow)
{
    AddParentAndChild();
    AddLinks({Link(2, 1, 0, 1)});
    ShowScene(QRectF(170, 9530, 360, 120));
    const std::vector<KIN_GraphicLink*> segments = View()->GetLinks();
    ASSERT_EQ(segments.size(), 3u);
    const QPointF onSegment[] = {QPointF(350, 9547), QPointF(200, 9542), QPointF(500, 9600)};
    for (size_t nClicked = 0; nClicked < segments.size(); ++nClicked)
    {
        Click(onSegment[nClicked]);
        EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, segments[nClicked]) << nClicked;
        for (const KIN_GraphicLink* pSegment : segments)
        {
            EXPECT_EQ(pSegment->GetStyle(), KIN_GraphicLink::Selected);
            EXPECT_EQ(pSegment->pen().width(), 6);
            EXPECT_EQ(pSegment->zValue(), 200001);
            // The kept bounds follow the wider pen.
            EXPECT_EQ(pSegment->boundingRect(), pSegment->QGraphicsLineItem::boundingRect());
        }
        EXPECT_TRUE(window.GetActionRemoveLink()->isEnabled());
        EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);

        Click(QPointF(350, 9620)); // empty space
        EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
        for (const KIN_GraphicLink* pSegment : segments)
        {
            EXPECT_EQ(pSegment->pen().width(), 3);
            EXPECT_EQ(pSegment->boundingRect(), pSegment->QGraphicsLineItem::boundingRect());
        }
        EXPECT_EQ(segments[1]->zValue(), 9538);
        EXPECT_FALSE(window.GetActionRemoveLink()->isEnabled());
    }
}

TEST_F(Links, SelectingAPeriodShowsItsLinksSelected)
{
    AddParentAndChild();
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 7, 1));
    AddLinks({Link(1, 2, 1, 0), Link(2, 3, 4, 3)});
    const std::vector<KIN_GraphicLink*> segments = View()->GetLinks();
    ASSERT_EQ(segments.size(), 4u); // the elbow's main segment, the straight one, two legs
    Period(2)->SelectPeriod();
    EXPECT_EQ(segments[1]->pen().width(), 6);
    for (size_t n : {0u, 2u, 3u})
        EXPECT_EQ(segments[n]->pen().width(), 3) << n;
    Period(0)->SelectPeriod();
    EXPECT_EQ(segments[1]->pen().width(), 3);
    for (size_t n : {0u, 2u, 3u})
        EXPECT_EQ(segments[n]->pen().width(), 6) << n;
    Period(0)->DeselectPeriod();
    for (const KIN_GraphicLink* pSegment : segments)
        EXPECT_EQ(pSegment->GetStyle(), KIN_GraphicLink::Normal);
}

TEST_F(Links, ARebuildLeavesNoCurrentLink)
{
    AddParentAndChild();
    AddLinks({Link(1, 2, 1, 0)});
    ShowScene(QRectF(170, 9530, 360, 120));
    Click(QPointF(350, 9547));
    ASSERT_NE(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    window.RefreshAll();
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    window.GetSession()->GetDocument()->RemoveLink(Link(1, 2, 1, 0));
    window.RefreshAll();
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    EXPECT_TRUE(View()->GetLinks().empty());
}

// Remove link from the link's own menu and from the Edit menu, for each way a link can
// be stored and drawn.
class RemoveLink : public Links,
                   public ::testing::WithParamInterface<std::tuple<KIN_DataLink, bool>>
{
};

TEST_P(RemoveLink, AsksAndRemovesOnlyOnYes)
{
    const auto [stored, bFromEditMenu] = GetParam();
    AddParentAndChild();
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 7, 1));
    AddLinks({stored, Link(2, 3, 2, 2)});
    // The middle of the straight line or of the elbow's main segment.
    ASSERT_NE(View()->GetLinks().at(0), nullptr);
    const QPointF onLink = View()->GetLinks()[0]->line().center();
    ShowScene(QRectF(onLink - QPointF(30, 30), QSizeF(60, 60)));
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes})
    {
        Click(onLink);
        ASSERT_NE(KIN_SceneSelection::Get().pCurrentLink, nullptr);
        KIN_BoxAnswer box(answer);
        if (bFromEditMenu)
        {
            QAction* pQRemove = KIN_FindMenuAction(window, S("&Edit/Remove link"));
            ASSERT_EQ(pQRemove, window.GetActionRemoveLink());
            ASSERT_TRUE(pQRemove->isEnabled());
            pQRemove->trigger();
        }
        else
        {
            KIN_MenuAnswer menu(S("Remove link"));
            KIN_RightClick(View()->viewport(), ViewportPoint(onLink));
            EXPECT_EQ(menu.Texts(), QStringList{S("Remove link")});
        }
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(box.Title(), S("Remove link"));
        EXPECT_EQ(box.Text(), S("Are sure you want to remove this link?"));
        if (answer == QMessageBox::No)
        {
            EXPECT_EQ(Stored().size(), 2u);
        }
    }
    EXPECT_EQ(Stored(), std::vector<KIN_DataLink>{Link(2, 3, 2, 2)});
    EXPECT_EQ(View()->GetLinks().size(), 1u);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    sp<KIN_IDataFile> saved = CreateDataFile();
    window.GetSession()->WaitForAutosave();
    ASSERT_TRUE(saved->Load("autosave.xml"));
    EXPECT_EQ(saved->GetData()->links, Stored());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, RemoveLink,
                         ::testing::Combine(::testing::Values(Link(1, 2, 1, 0), Link(2, 1, 0, 1),
                                                              Link(1, 2, 2, 3)),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<RemoveLink::ParamType>& info)
                         {
                             const KIN_DataLink& link = std::get<0>(info.param);
                             return "Points" + std::to_string(link.point1) +
                                    std::to_string(link.point2) +
                                    (std::get<1>(info.param) ? "FromEditMenu" : "FromLinkMenu");
                         });

TEST_F(Links, RightClickOnALinkNotCurrentShowsTheViewsMenu)
{
    AddParentAndChild();
    AddLinks({Link(1, 2, 1, 0)});
    ShowScene(QRectF(170, 9530, 360, 120));
    KIN_MenuAnswer menu;
    KIN_RightClick(View()->viewport(), ViewportPoint(QPointF(350, 9547)));
    ASSERT_TRUE(menu.Seen());
    EXPECT_EQ(menu.Texts(),
              QStringList({S("Diagramme settings"), S("New period"), S("New image")}));
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(Links, RightClickOnAnotherSegmentOfTheCurrentLinkOffersRemoval)
{
    AddParentAndChild();
    AddLinks({Link(1, 2, 1, 0)});
    ShowScene(QRectF(170, 9530, 360, 120));
    Click(QPointF(500, 9600)); // the child's leg
    KIN_MenuAnswer menu;
    KIN_RightClick(View()->viewport(), ViewportPoint(QPointF(350, 9547)));
    ASSERT_TRUE(menu.Seen());
    EXPECT_EQ(menu.Texts(), QStringList{S("Remove link")});
}

// Hit-testing leaves out the stroke far from a segment: everywhere, near the stroke's edge
// and past its caps included, the answers must be the stroke's own.
TEST(LinkHitTest, AnswersAsTheStrokeDoes)
{
    std::mt19937 random(3);
    const auto uniform = [&random](double from, double to)
    { return std::uniform_real_distribution<double>(from, to)(random); };
    const Qt::PenCapStyle caps[] = {Qt::SquareCap, Qt::FlatCap, Qt::RoundCap};
    const Qt::ItemSelectionMode modes[] = {Qt::IntersectsItemShape, Qt::ContainsItemShape,
                                           Qt::IntersectsItemBoundingRect,
                                           Qt::ContainsItemBoundingRect};
    KIN_GraphicLink segment(nullptr, nullptr, KIN_DataLink());
    int nInside = 0;
    int nOutside = 0;
    for (int nLine = 0; nLine < 150; ++nLine)
    {
        QLineF line(uniform(0, 400), uniform(0, 400), uniform(0, 400), uniform(0, 400));
        if (nLine % 5 == 1)
            line.setP2(QPointF(line.x2(), line.y1())); // horizontal
        if (nLine % 5 == 2)
            line.setP2(QPointF(line.x1(), line.y2())); // vertical
        if (nLine % 25 == 3)
            line.setP2(line.p1()); // a point
        const qreal width = std::array<qreal, 5>{0, 1, 3, 5, 6}[nLine % 5];
        segment.setLine(line);
        segment.setPen(QPen(QBrush(Qt::black), width, Qt::SolidLine, caps[nLine % 3]));
        for (int nPoint = 0; nPoint < 60; ++nPoint)
        {
            const QPointF along = line.pointAt(uniform(-0.2, 1.2));
            const QPointF across = QLineF(line).normalVector().unitVector().p2() - line.p1();
            const QPointF point = along + uniform(-width - 3, width + 3) * across +
                                  QPointF(uniform(-1, 1), uniform(-1, 1));
            const bool bInside = segment.QGraphicsLineItem::contains(point);
            ASSERT_EQ(segment.contains(point), bInside) << nLine << ' ' << nPoint;
            (bInside ? nInside : nOutside)++;
            QPainterPath pixel;
            const qreal side = std::array<qreal, 3>{1, 0.25, 4}[nPoint % 3];
            pixel.addRect(QRectF(point, QSizeF(side, side)));
            for (const Qt::ItemSelectionMode mode : modes)
                ASSERT_EQ(segment.collidesWithPath(pixel, mode),
                          segment.QGraphicsLineItem::collidesWithPath(pixel, mode))
                    << nLine << ' ' << nPoint << ' ' << mode;
        }
    }
    EXPECT_GT(nInside, 1000);
    EXPECT_GT(nOutside, 1000);
}

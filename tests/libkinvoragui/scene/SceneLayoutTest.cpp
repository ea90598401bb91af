#include "KIN_DateScale.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicBorder.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
class SceneLayout : public ::testing::Test
{
protected:
    void SetLimits(int nBegin, int nEnd, int nWidth)
    {
        window.GetSession()->GetDocument()->SetLimits(nBegin, nEnd, nWidth, false);
        window.RefreshAll();
    }

    const KIN_GraphicBorder& Border() const { return *window.GetView()->GetBorder(); }

    bool HasLabel(int y, const char* pText) const
    {
        const auto& labels = Border().GetLabels();
        return std::any_of(labels.begin(), labels.end(),
                           [&](const KIN_GraphicBorder::Label& l)
                           { return l.y == y && l.text == QString::fromUtf8(pText); });
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};

bool HasLine(const std::vector<QLine>& lines, const QLine& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
} // namespace

TEST_F(SceneLayout, SceneRectangleFollowsTheLimits)
{
    SetLimits(18, 38, 10);
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect(), QRectF(0, 0, 1000, 10000));
    EXPECT_EQ(Border().rect(), QRectF(0, 0, 1000, 10000));
    EXPECT_EQ(Border().zValue(), -200000);

    SetLimits(0, 40, 10);
    const auto& positions = KIN_ScalePositions();
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect(),
              QRectF(0, 5.0 * positions[0], 1000, 5.0 * (positions[40] - positions[0])));
}

TEST_F(SceneLayout, GridOfACenturyDiagram)
{
    SetLimits(18, 38, 10);
    const auto& minor = Border().GetMinorLines();
    const auto& major = Border().GetMajorLines();
    for (int x = 100; x <= 900; x += 100)
        EXPECT_TRUE(HasLine(x == 500 ? major : minor, QLine(x, 0, x, 10000))) << x;
    EXPECT_FALSE(HasLine(minor, QLine(1000, 0, 1000, 10000)));
    EXPECT_TRUE(HasLine(minor, QLine(0, 9950, 1000, 9950)));
    EXPECT_TRUE(HasLine(major, QLine(0, 9500, 1000, 9500)));
    EXPECT_TRUE(HasLine(major, QLine(0, 500, 1000, 500)));
    EXPECT_FALSE(HasLine(minor, QLine(0, 0, 1000, 0)));
    // 199 horizontal and 9 vertical lines; every tenth horizontal one is major.
    EXPECT_EQ(minor.size() + major.size(), 199u + 9u);
    EXPECT_EQ(major.size(), 19u + 1u);

    EXPECT_TRUE(HasLabel(10000, "2000"));
    EXPECT_TRUE(HasLabel(9500, "1900"));
    EXPECT_TRUE(HasLabel(5000, "1000"));
    EXPECT_TRUE(HasLabel(500, "100"));
    EXPECT_TRUE(HasLabel(0, "0"));
    EXPECT_EQ(Border().GetLabels().size(), 21u);
}

TEST_F(SceneLayout, CompressedPartAboveMinusOneThousand)
{
    SetLimits(5, 10, 10); // from a compressed step down to year -800
    const auto& positions = KIN_ScalePositions();
    const int nThreshold = 5 * positions[8];
    const auto& major = Border().GetMajorLines();
    std::vector<int> compressedMajors;
    for (const QLine& line : major)
        if (line.y1() == line.y2() && line.y1() <= nThreshold)
            compressedMajors.push_back(line.y1());
    ASSERT_GE(compressedMajors.size(), 2u);
    EXPECT_EQ(compressedMajors[0], nThreshold);
    for (size_t n = 1; n < compressedMajors.size(); ++n)
        EXPECT_EQ(compressedMajors[n - 1] - compressedMajors[n], 450);
    for (size_t n = 0; n < compressedMajors.size(); ++n)
        EXPECT_TRUE(HasLabel(compressedMajors[n], KIN_ScaleTexts()[8 - n].c_str()))
            << compressedMajors[n];
}

TEST_F(SceneLayout, StackingOrderOfPeriods)
{
    SetLimits(18, 38, 10);
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 3, 2));
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1500, 1600, 0, 2));
    window.RefreshAll();
    const auto& periods = window.GetView()->GetPeriods();
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_EQ(periods[0]->zValue(), 9502);
    EXPECT_EQ(periods[1]->zValue(), 7502);
    periods[1]->SelectPeriod();
    EXPECT_EQ(periods[1]->zValue(), 200000);
    periods[1]->DeselectPeriod();
    EXPECT_EQ(periods[1]->zValue(), 7502);
}

TEST_F(SceneLayout, RebuildLeavesNothingCurrent)
{
    SetLimits(18, 38, 10);
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 3, 2));
    window.RefreshAll();
    window.GetView()->GetPeriods()[0]->SelectPeriod();
    ASSERT_NE(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    window.RefreshAll();
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
    EXPECT_FALSE(window.GetActionChangePeriod()->isEnabled());
}

TEST_F(SceneLayout, RenderingLeavesTheSceneRectangleAlone)
{
    SetLimits(18, 38, 10);
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 3, 2));
    window.RefreshAll();
    const QRectF before = window.GetView()->GetScene()->sceneRect();
    QImage image;
    window.GetView()->RenderToImage(image);
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect(), before);
    EXPECT_EQ(image.size(), QSize(1202, 10100));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    // Opaque white where nothing is drawn, the period's colour inside its rectangle.
    EXPECT_EQ(image.pixel(5, 5), qRgba(255, 255, 255, 255));
    const QRgb inside = image.pixel(200 + 305 + 100, 50 + 9502 + 300);
    EXPECT_NE(inside, qRgba(255, 255, 255, 255));
}

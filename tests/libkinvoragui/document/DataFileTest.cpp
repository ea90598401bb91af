#include "KIN_DataFile.h"
#include "KIN_IDataFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace
{
KIN_DataPeriod Period(std::int64_t nBegin = 1900, std::int64_t nEnd = 1950)
{
    KIN_DataPeriod period;
    period.title = "title";
    period.begin = nBegin;
    period.end = nEnd;
    return period;
}

KIN_DataPeriod WithId(std::int32_t nId)
{
    KIN_DataPeriod period = Period();
    period.id = nId;
    return period;
}

KIN_DataImage Image(std::int32_t nX, const std::string& file, std::int32_t nIndex = 0)
{
    KIN_DataImage image;
    image.x = nX;
    image.y = 40;
    image.scale = 0.5;
    image.file = file;
    image.index = nIndex;
    return image;
}

std::vector<std::int32_t> Ids(const KIN_DataDiagram& diagram)
{
    std::vector<std::int32_t> ids;
    for (const KIN_DataPeriod& period : diagram.periods)
        ids.push_back(period.id);
    return ids;
}

std::vector<std::string> Files(const KIN_DataDiagram& diagram)
{
    std::vector<std::string> files;
    for (const KIN_DataImage& image : diagram.images)
        files.push_back(image.file);
    return files;
}

class DataFileTest : public ::testing::Test
{
protected:
    const KIN_DataDiagram& Data() const { return *m_document->GetData(); }

    // Adds the period and returns it as stored.
    KIN_DataPeriod Stored(const KIN_DataPeriod& period)
    {
        m_document->AddPeriod(period);
        return Data().periods.back();
    }

    sp<KIN_IDataFile> m_document = CreateDataFile();
};

TEST_F(DataFileTest, NewDocumentIsEmptyWithDefaultLimits)
{
    EXPECT_TRUE(Data().periods.empty());
    EXPECT_TRUE(Data().links.empty());
    EXPECT_TRUE(Data().images.empty());
    EXPECT_EQ(Data().begin, 0);
    EXPECT_EQ(Data().end, 40);
    EXPECT_EQ(Data().width, 10);
    const auto* pFile = dynamic_cast<const KIN_DataFile*>(m_document.Get());
    ASSERT_NE(pFile, nullptr);
    EXPECT_STREQ(pFile->GetSafeObjectName(), "KIN_DataFile");
}

TEST_F(DataFileTest, SetLimitsClampsInOrder)
{
    m_document->SetLimits(45, 10, 5, false);
    EXPECT_EQ(Data().begin, 39);
    EXPECT_EQ(Data().end, 40);
    EXPECT_EQ(Data().width, 10);

    m_document->SetLimits(-3, -5, 20, false);
    EXPECT_EQ(Data().begin, 0);
    EXPECT_EQ(Data().end, 1);
    EXPECT_EQ(Data().width, 20);

    m_document->SetLimits(10, 10, 12, false);
    EXPECT_EQ(Data().begin, 10);
    EXPECT_EQ(Data().end, 10);
    EXPECT_EQ(Data().width, 12);

    m_document->SetLimits(5, 99, 10, false);
    EXPECT_EQ(Data().end, 40);
}

TEST_F(DataFileTest, SetLimitsWithoutClearingKeepsEverything)
{
    m_document->AddPeriod(Period());
    m_document->AddLink({1, 2, 0, 3});
    m_document->AddImage(Image(5, "a.png"));
    m_document->SetLimits(2, 30, 15, false);
    EXPECT_EQ(Data().periods.size(), 1u);
    EXPECT_EQ(Data().links.size(), 1u);
    EXPECT_EQ(Data().images.size(), 1u);
    EXPECT_EQ(Data().begin, 2);
    EXPECT_EQ(Data().end, 30);
    EXPECT_EQ(Data().width, 15);
}

TEST_F(DataFileTest, NewDiagramDropsPeriodsAndLinksButKeepsImages)
{
    m_document->AddPeriod(Period());
    m_document->AddPeriod(Period());
    m_document->AddLink({1, 2, 0, 3});
    m_document->AddImage(Image(5, "a.png"));
    m_document->AddImage(Image(7, "b.png"));
    m_document->SetLimits(45, 10, 5, true);
    EXPECT_TRUE(Data().periods.empty());
    EXPECT_TRUE(Data().links.empty());
    ASSERT_EQ(Data().images.size(), 2u);
    EXPECT_EQ(Data().images[0].file, "a.png");
    EXPECT_EQ(Data().images[1].file, "b.png");
    EXPECT_EQ(Data().images[1].index, 1);
    EXPECT_EQ(Data().begin, 39);
    EXPECT_EQ(Data().end, 40);
    EXPECT_EQ(Data().width, 10);

    // The new diagram numbers its periods afresh; a new image goes after the kept ones.
    EXPECT_EQ(Stored(Period()).id, 1);
    EXPECT_EQ(m_document->AddImage(Image(5, "c.png"))->index, 2);
}

TEST_F(DataFileTest, PeriodsAreClampedWhenAddedOrChanged)
{
    const KIN_DataPeriod late = Stored(Period(2300, 100));
    EXPECT_EQ(late.begin, 2199);
    EXPECT_EQ(late.end, 2200);

    const KIN_DataPeriod early = Stored(Period(-200000000000LL, -300000000000LL));
    EXPECT_EQ(early.begin, -100000000000LL);
    EXPECT_EQ(early.end, -99999999999LL);

    KIN_DataPeriod instant = Period(1900, 1900);
    instant.width = 0;
    instant.column = -4;
    const KIN_DataPeriod stored = Stored(instant);
    EXPECT_EQ(stored.begin, 1900);
    EXPECT_EQ(stored.end, 1900);
    EXPECT_EQ(stored.width, 2);
    EXPECT_EQ(stored.column, 0);

    KIN_DataPeriod changed = stored;
    changed.begin = 1000;
    changed.end = 500;
    changed.width = -7;
    changed.title = "changed";
    changed.colorText = 42;
    changed.uncertainEnd = true; // kept through the clamping of its end
    m_document->ChangePeriod(changed);
    const KIN_DataPeriod& after = Data().periods.back();
    EXPECT_EQ(after.begin, 1000);
    EXPECT_EQ(after.end, 1001);
    EXPECT_EQ(after.width, 2);
    EXPECT_EQ(after.title, "changed");
    EXPECT_EQ(after.colorText, 42); // colour indexes are not clamped
    EXPECT_FALSE(after.uncertainBegin);
    EXPECT_TRUE(after.uncertainEnd);
}

TEST_F(DataFileTest, ChangePeriodWithUnknownIdChangesNothing)
{
    const KIN_DataPeriod stored = Stored(Period());
    KIN_DataPeriod other = stored;
    other.id = 99;
    other.title = "other";
    m_document->ChangePeriod(other);
    ASSERT_EQ(Data().periods.size(), 1u);
    EXPECT_EQ(Data().periods[0], stored);
}

TEST_F(DataFileTest, IdsGrowFromTheHighestAndIgnoreTheGivenOne)
{
    EXPECT_EQ(Stored(WithId(50)).id, 1);
    for (int i = 0; i < 6; ++i)
        m_document->AddPeriod(Period());
    for (const std::int32_t nId : {1, 2, 4, 5, 6})
        m_document->RemovePeriod(WithId(nId));
    ASSERT_EQ(Ids(Data()), (std::vector<std::int32_t>{3, 7}));
    EXPECT_EQ(Stored(Period()).id, 8);

    // Removing the highest id hands it out again.
    m_document->RemovePeriod(WithId(8));
    EXPECT_EQ(Stored(Period()).id, 8);
}

TEST(DataFileIdTest, NextIdIgnoresNegativeIds)
{
    EXPECT_EQ(KIN_DataFile::NextPeriodId({}), 1);
    EXPECT_EQ(KIN_DataFile::NextPeriodId({WithId(-5)}), 1);
    EXPECT_EQ(KIN_DataFile::NextPeriodId({WithId(-5), WithId(-5)}), 1);
    EXPECT_EQ(KIN_DataFile::NextPeriodId({WithId(7), WithId(-5), WithId(3)}), 8);
}

TEST(DataFileIdTest, HighestPossibleIdDoesNotOverflow)
{
    const std::int32_t nMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(KIN_DataFile::NextPeriodId({WithId(nMax)}), 1);
    EXPECT_EQ(KIN_DataFile::NextPeriodId({WithId(nMax), WithId(1), WithId(2), WithId(4)}), 3);
}

TEST_F(DataFileTest, RemovePeriodRemovesItsLinksAndKeepsTheOrder)
{
    for (int i = 0; i < 5; ++i)
        m_document->AddPeriod(Period());
    m_document->AddLink({2, 5, 0, 1});
    m_document->AddLink({4, 5, 1, 2});
    m_document->AddLink({4, 2, 2, 3});
    m_document->AddLink({2, 2, 3, 4});
    m_document->AddLink({1, 3, 4, 0});

    m_document->RemovePeriod(WithId(2));
    EXPECT_EQ(Ids(Data()), (std::vector<std::int32_t>{1, 3, 4, 5}));
    ASSERT_EQ(Data().links.size(), 2u);
    EXPECT_EQ(Data().links[0], (KIN_DataLink{4, 5, 1, 2}));
    EXPECT_EQ(Data().links[1], (KIN_DataLink{1, 3, 4, 0}));
}

TEST_F(DataFileTest, RemoveUnknownPeriodKeepsLinksButNormalises)
{
    m_document->AddPeriod(Period());
    m_document->AddLink({9, 1, 0, 0});
    m_document->ShiftColumns(0, 0, -3, 0, 0, 0);
    ASSERT_EQ(Data().periods[0].column, -3);

    m_document->RemovePeriod(WithId(9));
    EXPECT_EQ(Data().periods.size(), 1u);
    EXPECT_EQ(Data().links.size(), 1u);
    EXPECT_EQ(Data().periods[0].column, 0);
}

TEST_F(DataFileTest, AddLinkStoresDuplicatesOnceButSwappedEndsTwice)
{
    m_document->AddLink({1, 2, 0, 3});
    m_document->AddLink({1, 2, 0, 3});
    ASSERT_EQ(Data().links.size(), 1u);
    m_document->AddLink({2, 1, 3, 0});
    ASSERT_EQ(Data().links.size(), 2u);

    m_document->RemoveLink({2, 1, 3, 0});
    ASSERT_EQ(Data().links.size(), 1u);
    EXPECT_EQ(Data().links[0], (KIN_DataLink{2, 1, 3, 0}));
}

TEST_F(DataFileTest, RemoveLinkMatchesEitherDirectionOnce)
{
    m_document->AddLink({1, 2, 0, 3});
    m_document->AddLink({4, 5, 1, 2});

    m_document->RemoveLink({5, 4, 2, 1}); // swapped ends
    ASSERT_EQ(Data().links.size(), 1u);
    EXPECT_EQ(Data().links[0], (KIN_DataLink{1, 2, 0, 3}));

    m_document->RemoveLink({2, 1, 0, 3}); // periods swapped, points not: no match
    EXPECT_EQ(Data().links.size(), 1u);

    m_document->RemoveLink({1, 2, 0, 3});
    EXPECT_TRUE(Data().links.empty());
    m_document->RemoveLink({1, 2, 0, 3});
    EXPECT_TRUE(Data().links.empty());
}

TEST_F(DataFileTest, ImageIndexesFollowThePosition)
{
    const KIN_DataImage* pFirst = m_document->AddImage(Image(5, "a.png", 17));
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->index, 0);
    EXPECT_EQ(pFirst->file, "a.png");
    EXPECT_EQ(m_document->AddImage(Image(5, "b.png"))->index, 1);
    EXPECT_EQ(m_document->AddImage(Image(5, "c.png"))->index, 2);

    m_document->RemoveImage(Image(0, "", 0));
    ASSERT_EQ(Files(Data()), (std::vector<std::string>{"b.png", "c.png"}));
    EXPECT_EQ(Data().images[0].index, 0);
    EXPECT_EQ(Data().images[1].index, 1);

    KIN_DataImage changed = Image(300, "d.png", 1);
    changed.y = -20;
    changed.scale = 2.0;
    m_document->ChangeImage(changed);
    EXPECT_EQ(Data().images[1], changed);
    EXPECT_EQ(Data().images[0].file, "b.png");
}

TEST_F(DataFileTest, ImageIndexOutOfRangeChangesNothing)
{
    m_document->AddImage(Image(5, "a.png"));
    m_document->AddImage(Image(6, "b.png"));
    const std::vector<KIN_DataImage> before = Data().images;
    for (const std::int32_t nIndex : {-1, 2, std::numeric_limits<std::int32_t>::min()})
    {
        m_document->ChangeImage(Image(99, "x.png", nIndex));
        m_document->RemoveImage(Image(99, "x.png", nIndex));
    }
    EXPECT_EQ(Data().images, before);
}

TEST_F(DataFileTest, ShiftColumnsMovesPeriodsAndImagesInRangeWithoutClamping)
{
    for (const std::int32_t nColumn : {1, 2, 3, 4, 5})
    {
        KIN_DataPeriod period = Period();
        period.column = nColumn;
        m_document->AddPeriod(period);
    }
    for (const std::int32_t nX : {204, 205, 300, 405, 406})
        m_document->AddImage(Image(nX, "i.png"));

    m_document->ShiftColumns(2, 4, -3, 205, 405, -300);
    std::vector<std::int32_t> columns;
    for (const KIN_DataPeriod& period : Data().periods)
        columns.push_back(period.column);
    EXPECT_EQ(columns, (std::vector<std::int32_t>{1, -1, 0, 1, 5}));
    std::vector<std::int32_t> xs;
    for (const KIN_DataImage& image : Data().images)
        xs.push_back(image.x);
    EXPECT_EQ(xs, (std::vector<std::int32_t>{204, -95, 0, 105, 406}));

    // The next normalising operation pulls the negative column back.
    m_document->SetLimits(0, 40, 10, false);
    EXPECT_EQ(Data().periods[1].column, 0);
}

TEST_F(DataFileTest, ShiftColumnsSaturatesAtTheEndsOfTheRange)
{
    const std::int32_t nMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t nMin = std::numeric_limits<std::int32_t>::min();
    m_document->AddImage(Image(nMax - 1, "far.png"));
    m_document->AddImage(Image(nMin + 1, "near.png"));
    m_document->ShiftColumns(0, 0, 0, nMin, nMax, 5);
    EXPECT_EQ(Data().images[0].x, nMax);
    m_document->ShiftColumns(0, 0, 0, nMin, nMax, -10);
    EXPECT_EQ(Data().images[1].x, nMin);
}

TEST_F(DataFileTest, FileOperationsReportFailureAndKeepTheContent)
{
    m_document->AddPeriod(Period());
    EXPECT_FALSE(m_document->Load("no-such-folder/none.xml"));
    EXPECT_EQ(Data().periods.size(), 1u);
    EXPECT_FALSE(m_document->Save("no-such-folder/none.xml"));
}
} // namespace

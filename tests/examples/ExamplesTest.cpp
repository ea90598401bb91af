#include "KIN_DateScale.h"
#include "KIN_IDataFile.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace
{
struct Example
{
    const char* file;
    std::size_t nPeriods;
    std::size_t nLinks;
    std::size_t nImages;
};

// Names the case by its file in test output.
void PrintTo(const Example& example, std::ostream* pStream)
{
    *pStream << example.file;
}

const Example g_examples[] = {
    {"family-arden.xml", 9, 10, 1},
    {"earth-history.xml", 21, 2, 0},
};

std::string ExamplePath(const std::string& name)
{
    return std::string(KINVORA_EXAMPLES_DIR) + "/" + name;
}

// The scene rows a period covers: its rectangle runs from its begin's position to its end's.
struct Rows
{
    std::int32_t nTop;
    std::int32_t nBottom;
};

Rows RowsOf(const KIN_DataPeriod& period)
{
    return Rows{KIN_YearToPosition(period.begin), KIN_YearToPosition(period.end)};
}

bool Overlap(const KIN_DataPeriod& a, const KIN_DataPeriod& b)
{
    const bool bColumns = a.column < b.column + b.width && b.column < a.column + a.width;
    const Rows rowsA = RowsOf(a);
    const Rows rowsB = RowsOf(b);
    return bColumns && rowsA.nTop < rowsB.nBottom && rowsB.nTop < rowsA.nBottom;
}

class ExamplesTest : public ::testing::TestWithParam<Example>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_document->Load(ExamplePath(GetParam().file))) << GetParam().file;
    }

    const KIN_DataDiagram& Data() const { return *m_document->GetData(); }

    sp<KIN_IDataFile> m_document = CreateDataFile();
};

TEST_P(ExamplesTest, HoldsTheExpectedRecords)
{
    EXPECT_EQ(Data().periods.size(), GetParam().nPeriods);
    EXPECT_EQ(Data().links.size(), GetParam().nLinks);
    EXPECT_EQ(Data().images.size(), GetParam().nImages);
}

TEST_P(ExamplesTest, LinksJoinTwoExistingPeriods)
{
    std::set<std::int32_t> ids;
    for (const KIN_DataPeriod& period : Data().periods)
        EXPECT_TRUE(ids.insert(period.id).second) << "id " << period.id << " is used twice";
    for (const KIN_DataLink& link : Data().links)
    {
        EXPECT_EQ(ids.count(link.period1), 1u) << "no period " << link.period1;
        EXPECT_EQ(ids.count(link.period2), 1u) << "no period " << link.period2;
        EXPECT_NE(link.period1, link.period2);
        for (const std::int32_t nPoint : {link.point1, link.point2})
            EXPECT_TRUE(nPoint >= 0 && nPoint <= 4) << "point " << nPoint;
    }
}

TEST_P(ExamplesTest, PeriodsStayOnTheGridWithoutOverlapping)
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    const KIN_DataDiagram& data = Data();
    for (auto it = data.periods.begin(); it != data.periods.end(); ++it)
    {
        SCOPED_TRACE(it->title);
        EXPECT_LT(it->begin, it->end);
        EXPECT_GE(it->begin, years[static_cast<std::size_t>(data.begin)]);
        EXPECT_LE(it->end, years[static_cast<std::size_t>(data.end)]);
        EXPECT_GE(it->column, 0);
        EXPECT_LE(it->column + it->width, data.width);
        for (auto other = std::next(it); other != data.periods.end(); ++other)
            EXPECT_FALSE(Overlap(*it, *other)) << "overlaps " << other->title;
    }
}

TEST_P(ExamplesTest, PicturesLieBesideTheExample)
{
    for (const KIN_DataImage& image : Data().images)
    {
        const std::string bytes = ReadBytes(ExamplePath(image.file));
        EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8))
            << image.file << " is missing or no PNG";
    }
}

TEST_P(ExamplesTest, IsWrittenInTheProgramsOwnLayout)
{
    const TestFolder folder;
    const std::string saved = folder.Path("saved.xml");
    ASSERT_TRUE(m_document->Save(saved));
    EXPECT_EQ(ReadBytes(saved), ReadBytes(ExamplePath(GetParam().file)));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplesTest, ::testing::ValuesIn(g_examples),
                         [](const ::testing::TestParamInfo<Example>& info)
                         {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
} // namespace

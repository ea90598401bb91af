// Recorded changes taken back and made again give exactly the diagrams before and after, over
// long random runs of every operation, from a diagram with duplicate ids and dangling links.
#include "KIN_DiagramFileFormat.h"
#include "KIN_DocumentChanges.h"
#include "KIN_IDataFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace
{
bool Same(const KIN_DataDiagram& a, const KIN_DataDiagram& b)
{
    return a.periods == b.periods && a.links == b.links && a.images == b.images &&
           a.begin == b.begin && a.end == b.end && a.width == b.width;
}

// A diagram as files can hold it: ids repeated and missing, links to nobody.
KIN_DataDiagram Awkward()
{
    KIN_DataDiagram diagram;
    diagram.begin = 18;
    diagram.width = 12;
    for (const std::int32_t nId : {3, 7, 3, 12, -2})
    {
        KIN_DataPeriod period;
        period.id = nId;
        period.title = "period " + std::to_string(nId) + " with a title long enough for the heap";
        period.begin = 1800 + nId;
        period.end = 1900 + nId;
        period.column = nId > 0 ? nId : 0;
        diagram.periods.push_back(period);
    }
    diagram.links = {{3, 7, 1, 0}, {7, 3, 0, 1}, {40, 3, 2, 2}, {12, 12, 4, 4}};
    for (int n = 0; n < 3; ++n)
        diagram.images.push_back({100 * n, 50, 0.5 + n, "picture" + std::to_string(n), n});
    return diagram;
}

class RandomRun
{
public:
    RandomRun(KIN_IDataFile& document, unsigned nSeed, const std::string& otherFile)
        : m_document(document), m_random(nSeed), m_otherFile(otherFile)
    {
    }

    // One operation of a random kind on random, often existing, records.
    void Step()
    {
        const KIN_DataDiagram& data = *m_document.GetData();
        switch (Pick(12))
        {
        case 0:
            m_document.AddPeriod(RandomPeriod());
            break;
        case 1:
        {
            KIN_DataPeriod changed = RandomPeriod();
            changed.id = SomeId(data);
            m_document.ChangePeriod(changed);
            break;
        }
        case 2:
            m_document.RemovePeriod(WithId(SomeId(data)));
            break;
        case 3:
            m_document.AddLink({SomeId(data), SomeId(data), Pick(5), Pick(5)});
            break;
        case 4:
            m_document.RemoveLink(data.links.empty() ? KIN_DataLink{} : Swapped(data));
            break;
        case 5:
            m_document.AddImage({Pick(2000), Pick(900), 0.25 * (1 + Pick(8)), "new", 0});
            break;
        case 6:
            m_document.ChangeImage({Pick(2000), 7, 2.0, "moved", Pick(5) - 1});
            break;
        case 7:
            m_document.RemoveImage({0, 0, 1, "", Pick(5) - 1});
            break;
        case 8: // may leave negative columns for the next operation to clamp
        {
            const std::int32_t nFrom = Pick(8);
            m_document.ShiftColumns(nFrom, nFrom + Pick(6), Pick(9) - 6, nFrom * 100 + 5,
                                    nFrom * 100 + 505, -300);
            break;
        }
        case 9:
            m_document.SetLimits(Pick(45) - 3, Pick(45) - 3, Pick(30), Pick(6) == 0);
            break;
        case 10:
            m_document.Load(m_otherFile);
            break;
        default:
            m_document.Load(m_otherFile + ".missing"); // fails: changes nothing
            break;
        }
    }

private:
    std::int32_t Pick(int nCount)
    {
        return std::uniform_int_distribution<std::int32_t>(0, nCount - 1)(m_random);
    }

    std::int32_t SomeId(const KIN_DataDiagram& data)
    {
        if (data.periods.empty() || Pick(5) == 0)
            return Pick(20) - 3;
        return data.periods[static_cast<std::size_t>(Pick(static_cast<int>(data.periods.size())))]
            .id;
    }

    KIN_DataLink Swapped(const KIN_DataDiagram& data)
    {
        const KIN_DataLink& link =
            data.links[static_cast<std::size_t>(Pick(static_cast<int>(data.links.size())))];
        return Pick(2) ? link : link.Swapped();
    }

    static KIN_DataPeriod WithId(std::int32_t nId)
    {
        KIN_DataPeriod period;
        period.id = nId;
        return period;
    }

    KIN_DataPeriod RandomPeriod()
    {
        KIN_DataPeriod period;
        period.title = std::string(static_cast<std::size_t>(Pick(40)), 'x');
        period.details = Pick(2) ? "some details" : "";
        period.begin = 1700 + Pick(600); // past 2199 at times: clamped
        period.end = 1600 + Pick(700);
        period.column = Pick(12) - 2;
        period.width = Pick(4);
        period.colorBorder = Pick(20) - 1;
        period.uncertainBegin = Pick(3) == 0;
        period.uncertainEnd = Pick(3) == 0;
        return period;
    }

    KIN_IDataFile& m_document;
    std::mt19937 m_random;
    std::string m_otherFile;
};
} // namespace

TEST(DocumentChanges, UndoAndRedoGiveExactlyTheDiagramsBeforeAndAfterEveryOperation)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string start = (folder / "kinvora-changes-start.xml").string();
    const std::string other = (folder / "kinvora-changes-other.xml").string();
    ASSERT_TRUE(KIN_DiagramFileFormat::Save(Awkward(), start));
    KIN_DataDiagram otherDiagram = Awkward();
    otherDiagram.periods.resize(2);
    ASSERT_TRUE(KIN_DiagramFileFormat::Save(otherDiagram, other));

    for (unsigned nSeed = 1; nSeed <= 20; ++nSeed)
    {
        SCOPED_TRACE(nSeed);
        const sp<KIN_IDataFile> document = CreateDataFile();
        ASSERT_TRUE(document->Load(start));
        const KIN_DataDiagram initial = *document->GetData();
        RandomRun run(*document, nSeed, other);
        std::vector<KIN_DocumentChanges> steps(150);
        for (std::size_t n = 0; n < steps.size(); ++n)
        {
            const KIN_DataDiagram before = *document->GetData();
            document->Record(&steps[n]);
            run.Step();
            document->Record(nullptr);
            const KIN_DataDiagram after = *document->GetData();
            if (steps[n].IsEmpty())
            {
                ASSERT_TRUE(Same(before, after)) << "step " << n;
            }
            document->Undo(steps[n]);
            ASSERT_TRUE(Same(*document->GetData(), before)) << "undo of step " << n;
            document->Redo(steps[n]);
            ASSERT_TRUE(Same(*document->GetData(), after)) << "redo of step " << n;
        }
        // All the way back and forth again: each step fits the state the others leave.
        const KIN_DataDiagram final = *document->GetData();
        for (auto step = steps.rbegin(); step != steps.rend(); ++step)
            document->Undo(*step);
        EXPECT_TRUE(Same(*document->GetData(), initial));
        for (const KIN_DocumentChanges& step : steps)
            document->Redo(step);
        EXPECT_TRUE(Same(*document->GetData(), final));
    }
    std::remove(start.c_str());
    std::remove(other.c_str());
}

TEST(DocumentChanges, ASingleRecordChangeKeepsThatRecordNotTheDiagram)
{
    const sp<KIN_IDataFile> document = CreateDataFile();
    KIN_DataPeriod period;
    period.title = std::string(200, 't');
    for (int n = 0; n < 2000; ++n)
        document->AddPeriod(period);
    KIN_DocumentChanges changes;
    document->Record(&changes);
    period.id = 1000;
    period.column = 4;
    document->ChangePeriod(period);
    document->Record(nullptr);
    EXPECT_EQ(changes.TouchedPeriodIds(), std::vector<std::int32_t>{1000});
    EXPECT_GT(changes.MemoryBytes(), 2 * 200u);
    EXPECT_LT(changes.MemoryBytes(), 2 * 200u + 1024);
}

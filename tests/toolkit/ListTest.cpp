#include "LST_Liste.h"
#include "LST_ListeTab.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace
{
// An item that records how often each instance is destroyed.
struct Counted
{
    explicit Counted(int nId, std::map<int, int>& deaths) : nId(nId), deaths(deaths) {}
    virtual ~Counted() { ++deaths[nId]; }
    int nId;
    std::map<int, int>& deaths;
};

using List = LST_Liste<Counted, int>;

class ListTest : public ::testing::Test
{
protected:
    void Fill(List& list, int nCount)
    {
        for (int n = 1; n <= nCount; ++n)
            list.Append(new Counted(n, deaths));
    }

    std::map<int, int> deaths;
};

TEST_F(ListTest, NamesItselfAndItsNodes)
{
    List list;
    Fill(list, 1);
    EXPECT_STREQ(list.GetSafeObjectName(), "LST_Liste");
    EXPECT_STREQ(list.First()->GetSafeObjectName(), "LST_ListeElem");
    LST_ListeTab<char, int> texts;
    texts.Append(new char[1]{'\0'});
    EXPECT_STREQ(texts.GetSafeObjectName(), "LST_ListeTab");
    EXPECT_STREQ(texts.First()->GetSafeObjectName(), "LST_ListeTabElem");
}

TEST_F(ListTest, InsertFirstAndAppendKeepOrderAndCount)
{
    List list;
    list.Append(new Counted(2, deaths));
    list.InsertFirst(new Counted(1, deaths));
    list.Append(new Counted(3, deaths));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetAt(1)->nId, 1);
    EXPECT_EQ(list.GetAt(2)->nId, 2);
    EXPECT_EQ(list.GetAt(3)->nId, 3);
    EXPECT_EQ(list.Last()->Item()->nId, 3);
}

TEST_F(ListTest, RemoveAtOneOnSingleNodeEmptiesTheList)
{
    List list;
    Fill(list, 1);
    list.RemoveAt(1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(deaths[1], 1);
}

TEST_F(ListTest, RemoveAtCountUpdatesLast)
{
    List list;
    Fill(list, 4);
    list.RemoveAt(4);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Last()->Item()->nId, 3);
    EXPECT_EQ(list.Last()->Next(), nullptr);
    list.Append(new Counted(5, deaths));
    EXPECT_EQ(list.GetAt(4)->nId, 5);
}

TEST_F(ListTest, RemoveAtMiddleAndOutOfRange)
{
    List list;
    Fill(list, 4);
    list.RemoveAt(0);
    list.RemoveAt(5);
    list.RemoveAt(-1);
    EXPECT_EQ(list.Count(), 4);
    list.RemoveAt(2);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetAt(2)->nId, 3);
    EXPECT_EQ(deaths[2], 1);
    EXPECT_EQ(deaths.size(), 1u);
}

TEST_F(ListTest, RemoveFirstAndLast)
{
    List list;
    list.RemoveFirst();
    list.RemoveLast();
    Fill(list, 3);
    list.RemoveFirst();
    EXPECT_EQ(list.First()->Item()->nId, 2);
    list.RemoveLast();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First(), list.Last());
    list.RemoveLast();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(deaths.size(), 3u);
}

TEST_F(ListTest, GettersOutsideTheRangeYieldNull)
{
    List list;
    EXPECT_EQ(list.GetAt(1), nullptr);
    EXPECT_EQ(list.GetNodeAt(1), nullptr);
    Fill(list, 2);
    EXPECT_EQ(list.GetAt(0), nullptr);
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(list.GetAt(-4), nullptr);
}

TEST_F(ListTest, BackwardReadRestartsFromTheFirstNode)
{
    List list;
    Fill(list, 5);
    EXPECT_EQ(list.GetAt(3)->nId, 3);
    EXPECT_EQ(list.CachedPosition(), 3);
    EXPECT_EQ(list.GetAt(2)->nId, 2);
    EXPECT_EQ(list.CachedPosition(), 2);
    EXPECT_EQ(list.GetAt(5)->nId, 5);
    EXPECT_EQ(list.GetAt(5)->nId, 5);
    EXPECT_EQ(list.GetAt(1)->nId, 1);
}

TEST_F(ListTest, EveryChangeClearsThePositionCache)
{
    List list;
    Fill(list, 4);
    list.GetAt(2);
    list.Append(new Counted(5, deaths));
    EXPECT_EQ(list.CachedPosition(), 0);
    EXPECT_EQ(list.GetAt(2)->nId, 2);

    list.GetAt(3);
    list.InsertFirst(new Counted(0, deaths));
    EXPECT_EQ(list.CachedPosition(), 0);
    EXPECT_EQ(list.GetAt(3)->nId, 2);

    list.GetAt(4);
    list.RemoveAt(2);
    EXPECT_EQ(list.CachedPosition(), 0);
    EXPECT_EQ(list.GetAt(4)->nId, 4);

    list.GetAt(4);
    list.RemoveFirst();
    EXPECT_EQ(list.GetAt(3)->nId, 4);
    list.GetAt(4);
    list.RemoveLast();
    EXPECT_EQ(list.CachedPosition(), 0);
    EXPECT_EQ(list.GetAt(4), nullptr);
}

TEST_F(ListTest, SequentialReadsFollowTheCache)
{
    List list;
    Fill(list, 1000);
    for (int n = 1; n <= 1000; ++n)
        ASSERT_EQ(list.GetAt(n)->nId, n);
    EXPECT_EQ(list.CachedPosition(), 1000);
}

TEST_F(ListTest, SetAtDeletesTheReplacedItemOnce)
{
    {
        List list;
        Fill(list, 3);
        list.SetAt(new Counted(20, deaths), 2);
        EXPECT_EQ(deaths[2], 1);
        EXPECT_EQ(list.GetAt(2)->nId, 20);
        EXPECT_EQ(list.CachedPosition(), 2);
        list.SetAt(list.GetAt(2), 2); // the same item again stays alive
        EXPECT_EQ(deaths[20], 0);
        Counted* pOutside = new Counted(9, deaths);
        list.SetAt(pOutside, 4);
        EXPECT_EQ(deaths[9], 0);
        delete pOutside;
    }
    EXPECT_EQ(deaths[1], 1);
    EXPECT_EQ(deaths[2], 1);
    EXPECT_EQ(deaths[3], 1);
    EXPECT_EQ(deaths[20], 1);
    EXPECT_EQ(deaths[9], 1);
}

TEST_F(ListTest, NonOwningListAndDetachedItemsKeepTheirItems)
{
    Counted kept(1, deaths);
    {
        List list(false);
        list.Append(&kept);
        list.RemoveFirst();
        list.Append(&kept);
    }
    EXPECT_EQ(deaths[1], 0);

    List owning;
    Fill(owning, 2);
    Counted* pDetached = owning.First()->Detach();
    owning.RemoveFirst();
    EXPECT_EQ(deaths[1], 0);
    delete pDetached;
    EXPECT_EQ(deaths[1], 1);
}

TEST_F(ListTest, DestroyingTheListDeletesEveryItemOnce)
{
    {
        List list;
        Fill(list, 100);
    }
    ASSERT_EQ(deaths.size(), 100u);
    for (const auto& death : deaths)
        EXPECT_EQ(death.second, 1);
}

TEST(ListTabTest, AppendsOwnedTextsInOrder)
{
    LST_ListeTab<char, int> texts;
    for (const char* pText : {"P", "3", "b"})
    {
        char* pCopy = new char[std::strlen(pText) + 1];
        std::strcpy(pCopy, pText);
        texts.Append(pCopy);
    }
    ASSERT_EQ(texts.Count(), 3);
    EXPECT_STREQ(texts.First()->Text(), "P");
    EXPECT_STREQ(texts.First()->Next()->Text(), "3");
    EXPECT_STREQ(texts.Last()->Text(), "b");
    EXPECT_STREQ(texts.GetNodeAt(2)->Text(), "3");
    texts.RemoveFirst();
    EXPECT_EQ(texts.Count(), 2);
    EXPECT_EQ(texts.CachedPosition(), 0);
    EXPECT_STREQ(texts.First()->Text(), "3");
    texts.RemoveFirst();
    texts.RemoveFirst();
    texts.RemoveFirst();
    EXPECT_EQ(texts.Count(), 0);
    EXPECT_EQ(texts.Last(), nullptr);
}
} // namespace

#include "sp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Counted
{
    explicit Counted(int* pDeletions) : m_pDeletions(pDeletions) {}
    virtual ~Counted() { ++*m_pDeletions; }
    int m_value = 42;
    int* m_pDeletions;
};

struct Derived : Counted
{
    using Counted::Counted;
};

struct Other : Counted
{
    using Counted::Counted;
};
} // namespace

TEST(SmartPointer, NullPointerIsFalseAndThrowsWithItsCode)
{
    sp<Counted> pointer;
    EXPECT_FALSE(pointer);
    EXPECT_EQ(pointer.GetPointer(), nullptr);
    try
    {
        (void)*pointer;
        FAIL() << "dereference did not throw";
    }
    catch (const KIT_SmartPointerException& exception)
    {
        EXPECT_EQ(exception.GetCode(), 0);
        EXPECT_STREQ(exception.what(),
                     "\nKIT_SmartPointer Exception(*): point on an undefined object.\n");
    }
    try
    {
        (void)pointer->m_value;
        FAIL() << "member access did not throw";
    }
    catch (const KIT_SmartPointerException& exception)
    {
        EXPECT_EQ(exception.GetCode(), 1);
        EXPECT_STREQ(
            exception.what(),
            "\nKIT_SmartPointer Exception(->): call method/member of an undefined object.\n");
    }
}

TEST(SmartPointer, UnknownCodeHasItsOwnMessage)
{
    const KIT_SmartPointerException exception(7);
    EXPECT_STREQ(exception.what(), "\nKIT_SmartPointer unknown exception\n");
    const KIT_SmartPointerException copy(exception);
    EXPECT_EQ(copy.GetCode(), 7);
}

TEST(SmartPointer, EveryInstantiationCarriesOneName)
{
    const sp<Counted> a;
    const sp<std::string> b;
    EXPECT_STREQ(a.GetSafeObjectName(), "KIT_SmartPointer");
    EXPECT_STREQ(b.GetSafeObjectName(), "KIT_SmartPointer");
}

TEST(SmartPointer, ObjectLivesUntilTheLastCopyGoes)
{
    int deletions = 0;
    auto* pFirst = new sp<Counted>(new Counted(&deletions));
    EXPECT_EQ(pFirst->GetCount(), 1);
    auto* pSecond = new sp<Counted>(*pFirst);
    auto* pThird = new sp<Counted>(*pSecond);
    EXPECT_EQ(pFirst->GetCount(), 3);

    delete pSecond;
    delete pThird;
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(pFirst->GetCount(), 1);
    EXPECT_EQ((*pFirst)->m_value, 42);
    delete pFirst;
    EXPECT_EQ(deletions, 1);
}

TEST(SmartPointer, AssigningAPlainPointerDeletesTheOldObjectFirst)
{
    int oldDeletions = 0;
    int newDeletions = 0;
    sp<Counted> pointer(new Counted(&oldDeletions));
    pointer = new Counted(&newDeletions);
    EXPECT_EQ(oldDeletions, 1);
    EXPECT_EQ(newDeletions, 0);
    EXPECT_EQ(pointer.GetCount(), 1);
    pointer.Release();
    EXPECT_EQ(newDeletions, 1);
    EXPECT_FALSE(pointer);
}

TEST(SmartPointer, CopyAssignmentSharesAndReleases)
{
    int firstDeletions = 0;
    int secondDeletions = 0;
    sp<Counted> first(new Counted(&firstDeletions));
    sp<Counted> second(new Counted(&secondDeletions));
    second = first;
    EXPECT_EQ(secondDeletions, 1);
    EXPECT_EQ(first.GetCount(), 2);
    second = second;
    EXPECT_EQ(first.GetCount(), 2);
    first.Release();
    EXPECT_EQ(firstDeletions, 0);
    second.Release();
    EXPECT_EQ(firstDeletions, 1);
}

TEST(SmartPointer, DowncastSharesTheCounterOrYieldsNull)
{
    int deletions = 0;
    sp<Counted> base(new Derived(&deletions));
    {
        sp<Derived> derived(base);
        ASSERT_TRUE(derived);
        EXPECT_EQ(base.GetCount(), 2);
        sp<Other> wrong(base);
        EXPECT_FALSE(wrong);
        EXPECT_EQ(wrong.GetCount(), 0);
        EXPECT_EQ(base.GetCount(), 2);
    }
    EXPECT_EQ(base.GetCount(), 1);
    EXPECT_EQ(deletions, 0);
    base.Release();
    EXPECT_EQ(deletions, 1);
}

TEST(SmartPointer, SetPointerLeavesTheCounterAlone)
{
    int deletions = 0;
    Counted other(&deletions);
    sp<Counted> pointer(new Counted(&deletions));
    Counted* pOriginal = pointer.Get();
    pointer.SetPointer(&other);
    EXPECT_EQ(pointer.GetPointer(), &other);
    EXPECT_EQ(pointer.GetCount(), 1);
    pointer.SetPointer(pOriginal);
}

// The search field above the period list: filtering as the user types, picking, clearing.
#include "KIN_DocumentSession.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"

#include <QKeySequence>

namespace
{
class FindPeriod : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.GetSession()->GetDocument()->SetLimits(18, 38, 12, false);
        KIN_DataPeriod anna = KIN_MakePeriod(1860, 1930, 3, 2, "Anna Dvořáková");
        anna.details = "Born in Prague";
        AddPeriods({KIN_MakePeriod(1820, 1891, 0, 2, "Johann Sebastian Dvořák"), anna,
                    KIN_MakePeriod(1871, 1950, 6, 2, "Ingrid Svensson\nYstad"),
                    KIN_MakePeriod(1890, 1960, 9, 2, "ÉLISE Müller")});
    }

    KIN_WidgetFindPeriod* Field() const { return window.GetFindPeriod(); }

    // The titles of the entries shown, in list order.
    QStringList Shown() const
    {
        QStringList titles;
        for (const QListWidgetItem* pQEntry : Field()->ShownEntries())
            titles << S(static_cast<const KIN_ItemListPeriod*>(pQEntry)
                            ->GetPeriodItem()
                            ->GetRecord()
                            .title.c_str());
        return titles;
    }

    // Key by key; letters the test keyboard lacks arrive as an input method commits them.
    void Type(const char* pText) const
    {
        Field()->setFocus();
        for (const QChar character : S(pText))
        {
            if (character.unicode() < 128)
                QTest::keyClick(Field(), character.toLatin1());
            else
                Field()->insert(QString(character));
        }
    }
};
} // namespace

TEST_F(FindPeriod, ShowsTheEntriesWhoseTitleOrDetailsContainTheTextWhateverCaseAndAccents)
{
    EXPECT_EQ(Field()->placeholderText(), S("Find a period"));
    const QStringList all = Shown();
    ASSERT_EQ(all.size(), 4);
    const struct
    {
        const char* pTyped;
        QStringList shown;
    } cases[] = {
        {"dvorak", {S("Johann Sebastian Dvořák"), S("Anna Dvořáková")}},
        {"DVOŘÁKOVÁ", {S("Anna Dvořáková")}},
        {"prague", {S("Anna Dvořáková")}},        // in the details
        {"ystad", {S("Ingrid Svensson\nYstad")}}, // a later title line
        {"elise mull", {S("ÉLISE Müller")}},
        {"  svensson ", {S("Ingrid Svensson\nYstad")}},
        {"nobody", {}},
    };
    for (const auto& testCase : cases)
    {
        Field()->clear();
        EXPECT_EQ(Shown(), all) << testCase.pTyped; // an empty field shows every entry
        Type(testCase.pTyped);
        EXPECT_EQ(Shown(), testCase.shown) << testCase.pTyped;
    }
    // Typing on narrows the entries; deleting widens them again.
    Field()->clear();
    Type("dvo");
    EXPECT_EQ(Shown().size(), 2);
    Type("rakova");
    EXPECT_EQ(Shown(), QStringList{S("Anna Dvořáková")});
    for (int n = 0; n < 6; ++n)
        QTest::keyClick(Field(), Qt::Key_Backspace);
    EXPECT_EQ(Shown().size(), 2);
}

TEST_F(FindPeriod, EnterOrDownPicksTheFirstEntryShownAndEscapeClears)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Down})
    {
        if (Current())
            Current()->DeselectPeriod();
        Field()->clear();
        Type("svensson");
        QTest::keyClick(Field(), key);
        ASSERT_NE(Current(), nullptr) << key;
        EXPECT_EQ(Current()->GetRecord().title, "Ingrid Svensson\nYstad");
        EXPECT_EQ(window.GetPeriodList()->currentItem(), Current()->GetListEntry());
    }
    Field()->setFocus();
    QTest::keyClick(Field(), Qt::Key_Escape);
    EXPECT_TRUE(Field()->text().isEmpty());
    EXPECT_EQ(Shown().size(), 4);
}

TEST_F(FindPeriod, CtrlFFocusesTheFieldAndTheFilterOutlivesSelectionsAndEdits)
{
    window.GetPeriodList()->setFocus();
    QTest::keySequence(&window, QKeySequence::Find);
    EXPECT_EQ(QApplication::focusWidget(), Field());

    Type("dvorak");
    // A period the filter hides is selected on the diagram: the filter stays.
    KIN_GraphicPeriod* pHidden = ItemOf(3);
    pHidden->SelectPeriod();
    EXPECT_EQ(Field()->text(), S("dvorak"));
    EXPECT_FALSE(Field()->ShownEntries().contains(pHidden->GetListEntry()));
    EXPECT_EQ(Shown().size(), 2);

    // An edit refills the list: the new entries are filtered too.
    KIN_DataPeriod changed = ItemOf(2)->GetRecord();
    changed.title = "Anna Nováková";
    window.ChangePeriod(changed);
    EXPECT_EQ(Shown(), QStringList{S("Johann Sebastian Dvořák")});
}

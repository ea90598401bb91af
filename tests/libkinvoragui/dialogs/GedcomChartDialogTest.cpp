// The chart dialog of a GEDCOM import: its people, its search, which fields apply, and the
// choice kept for a file.
#include "KIN_DialogDriver.h"
#include "KIN_TestTrees.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace
{
using Kind = KIN_GedcomChartKind;

class GedcomChartDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(
            KIN_GedcomImport::ReadBytes(KIN_LindFamily().Text(), KIN_GedcomOptions(), read).error,
            KIN_GedcomError::None);
    }

    template <typename T> T* Field(const char* pName) const
    {
        return dialog.findChild<T*>(QString::fromLatin1(pName));
    }

    // Runs the dialog on the chart, acts on it, then presses OK; the chart it gives back.
    KIN_GedcomChartSpec RunWith(KIN_GedcomChartSpec chart,
                                const std::function<void(KIN_DlgGedcomChart&)>& act)
    {
        const KIN_ChartAnswer answer(act);
        EXPECT_TRUE(dialog.Run(read, KIN_GedcomWords(), chart));
        EXPECT_TRUE(answer.Seen());
        return chart;
    }

    QStringList Shown() const
    {
        QStringList shown;
        const QAbstractItemModel* pQModel = dialog.GetPeople()->model();
        for (int nRow = 0; nRow < pQModel->rowCount(); ++nRow)
            shown << pQModel->index(nRow, 0).data().toString();
        return shown;
    }

    KIN_GedcomReadTree read;
    KIN_DlgGedcomChart dialog{nullptr};
};
} // namespace

TEST_F(GedcomChartDialog, ListsEveryoneAndStartsWithEveryoneAndTheFirstPerson)
{
    const KIN_GedcomChartSpec chart = RunWith(KIN_GedcomChartSpec(), [](KIN_DlgGedcomChart&) {});
    EXPECT_EQ(chart.kind, Kind::Everyone);
    EXPECT_EQ(chart.root, "I1");
    EXPECT_EQ(chart.nUp, 4);
    EXPECT_EQ(chart.nDown, 4);
    EXPECT_TRUE(chart.bSpouses);
    const QStringList shown = Shown();
    ASSERT_EQ(shown.size(), 20);
    EXPECT_EQ(shown[8], QStringLiteral("Anna Lind, 1875-1950, @I9@"));
    EXPECT_EQ(shown[14], QStringLiteral("Lars Ek, 1930-, @I15@")); // alive: no end
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import a family tree"));
    const QComboBox* pQKind = Field<QComboBox>("kind");
    ASSERT_NE(pQKind, nullptr);
    QStringList kinds;
    for (int n = 0; n < pQKind->count(); ++n)
        kinds << pQKind->itemText(n);
    EXPECT_EQ(kinds, (QStringList{QStringLiteral("Everyone"), QStringLiteral("Ancestors"),
                                  QStringLiteral("Descendants"),
                                  QStringLiteral("Ancestors and descendants"),
                                  QStringLiteral("All relatives")}));
    QStringList labels;
    for (const QLabel* pQLabel : dialog.findChildren<QLabel*>())
        labels << pQLabel->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Generations up")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Generations down")));
    EXPECT_EQ(Field<QCheckBox>("spouses")->text(), QStringLiteral("With spouses"));
}

TEST_F(GedcomChartDialog, TheSearchIgnoresCaseAndAccentsAndPicksTheFirstMatch)
{
    KIN_GedcomChartSpec start;
    start.kind = Kind::Descendants;
    start.root = "@I9@";
    const struct
    {
        const char* pTyped;
        int nShown;
        const char* pRoot;
    } searches[] = {
        {"anna LIND", 1, "I9"},   // Anna Lind stays picked
        {"sjo", 1, "I16"},        // Hilda Sjö
        {"  HOLM ", 2, "I6"},     // Olof, then Anna Holm
        {"@i2", 2, "I2"},         // by id: I2, then I20
        {"nobody here", 0, "I9"}, // nothing matches: the person picked before
    };
    for (const auto& search : searches)
    {
        SCOPED_TRACE(search.pTyped);
        const KIN_GedcomChartSpec chart =
            RunWith(start,
                    [&](KIN_DlgGedcomChart&)
                    {
                        Field<QLineEdit>("find")->setText(QString::fromUtf8(search.pTyped));
                        EXPECT_EQ(Shown().size(), search.nShown);
                    });
        EXPECT_EQ(chart.root, search.pRoot);
        EXPECT_EQ(chart.kind, Kind::Descendants);
    }
}

TEST_F(GedcomChartDialog, OnlyTheFieldsOfTheKindApply)
{
    const struct
    {
        Kind kind;
        bool bPerson, bUp, bDown, bSpouses;
    } kinds[] = {
        {Kind::Everyone, false, false, false, false},
        {Kind::Ancestors, true, true, false, false},
        {Kind::Descendants, true, false, true, true},
        {Kind::AncestorsAndDescendants, true, true, true, true},
        {Kind::Relatives, true, true, true, true},
    };
    for (const auto& kind : kinds)
    {
        KIN_GedcomChartSpec chart;
        chart.kind = kind.kind;
        RunWith(chart,
                [&](KIN_DlgGedcomChart&)
                {
                    EXPECT_EQ(Field<QListView>("people")->isEnabled(), kind.bPerson);
                    EXPECT_EQ(Field<QLineEdit>("find")->isEnabled(), kind.bPerson);
                    EXPECT_EQ(Field<QSpinBox>("up")->isEnabled(), kind.bUp);
                    EXPECT_EQ(Field<QSpinBox>("down")->isEnabled(), kind.bDown);
                    EXPECT_EQ(Field<QCheckBox>("spouses")->isEnabled(), kind.bSpouses);
                });
    }
    // The generations stay within 1 to 99 whatever is typed.
    const KIN_GedcomChartSpec typed = RunWith(KIN_GedcomChartSpec(),
                                              [&](KIN_DlgGedcomChart&)
                                              {
                                                  Field<QSpinBox>("up")->setValue(250);
                                                  Field<QSpinBox>("down")->setValue(0);
                                              });
    EXPECT_EQ(typed.nUp, 99);
    EXPECT_EQ(typed.nDown, 1);
}

TEST_F(GedcomChartDialog, CancelLeavesTheChartAndEachFileKeepsItsChoice)
{
    KIN_GedcomChartSpec chart;
    chart.kind = Kind::Relatives;
    chart.root = "I9";
    {
        const KIN_WhenModal<KIN_DlgGedcomChart> answer(
            [](KIN_DlgGedcomChart& shown)
            {
                shown.findChild<QComboBox*>(QStringLiteral("kind"))->setCurrentIndex(1);
                shown.reject();
            });
        EXPECT_FALSE(dialog.Run(read, KIN_GedcomWords(), chart));
    }
    EXPECT_EQ(chart.kind, Kind::Relatives);

    EXPECT_EQ(KIN_DlgGedcomChart::Remembered(QStringLiteral("never.ged")).kind, Kind::Everyone);
    chart.nUp = 7;
    chart.nDown = 2;
    chart.bSpouses = false;
    KIN_DlgGedcomChart::Remember(QStringLiteral("/trees/lind.ged"), chart);
    const KIN_GedcomChartSpec kept =
        KIN_DlgGedcomChart::Remembered(QStringLiteral("/trees/lind.ged"));
    EXPECT_EQ(kept.kind, Kind::Relatives);
    EXPECT_EQ(kept.root, "I9");
    EXPECT_EQ(kept.nUp, 7);
    EXPECT_EQ(kept.nDown, 2);
    EXPECT_FALSE(kept.bSpouses);
    EXPECT_EQ(KIN_DlgGedcomChart::Remembered(QStringLiteral("/trees/other/lind.ged")).kind,
              Kind::Everyone);
    // A person no longer in the file gives way to the first.
    chart.root = "I404";
    EXPECT_EQ(RunWith(chart, [](KIN_DlgGedcomChart&) {}).root, "I1");
}

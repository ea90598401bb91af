// Import GEDCOM with a chart of one person: drawn as one step, the person selected, the file
// named after the chart, and the choice offered again for the same file.
#include "KIN_GraphicPeriod.h"
#include "KIN_TestTrees.h"
#include "KIN_UndoHistory.h"
#include "KIN_WindowDriver.h"
#include "KIT_QtText.h"

#include <QComboBox>
#include <QSpinBox>
#include <QStatusBar>

namespace
{
class ImportChart : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(folder.Write(S("lind.ged"), KIN_LindFamily().Text()));
    }

    std::string Tree() const { return KIT_ToBytes(folder.Path(S("lind.ged"))); }
};

void Choose(KIN_DlgGedcomChart& dialog, int nKind, const char* pFind, int nUp, int nDown)
{
    dialog.findChild<QComboBox*>(S("kind"))->setCurrentIndex(nKind);
    QTest::keyClicks(dialog.findChild<QLineEdit*>(S("find")), S(pFind));
    dialog.findChild<QSpinBox*>(S("up"))->setValue(nUp);
    dialog.findChild<QSpinBox*>(S("down"))->setValue(nDown);
}
} // namespace

TEST_F(ImportChart, AChartIsOneStepNamedAfterItsPersonWhoIsSelected)
{
    {
        const KIN_ChartAnswer ancestors([](KIN_DlgGedcomChart& dialog)
                                        { Choose(dialog, 1, "anna lind", 4, 4); });
        ASSERT_TRUE(window.ImportGedcom(Tree()));
        ASSERT_TRUE(ancestors.Seen());
    }
    EXPECT_EQ(Content().periods.size(), 9u);
    EXPECT_EQ(window.statusBar()->currentMessage(),
              S("Ancestors of Anna Lind: 9 people in 4 generations."));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(folder.Path(S("lind-I9.xml"))));
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"lind-I9.xml\""));
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->GetRecord().title, "Anna Lind");
    EXPECT_EQ(window.GetSession()->GetHistory()->count(), 1);

    // Everyone keeps the tree's own name.
    {
        const KIN_ChartAnswer everyone(
            [](KIN_DlgGedcomChart& dialog)
            { dialog.findChild<QComboBox*>(S("kind"))->setCurrentIndex(0); });
        ASSERT_TRUE(window.ImportGedcom(Tree()));
    }
    EXPECT_EQ(Content().periods.size(), 20u);
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(folder.Path(S("lind.xml"))));
}

TEST_F(ImportChart, TheChoiceSurvivesASecondImportAndCancelChangesNothing)
{
    {
        const KIN_ChartAnswer both([](KIN_DlgGedcomChart& dialog)
                                   { Choose(dialog, 3, "sven", 2, 1); });
        ASSERT_TRUE(window.ImportGedcom(Tree()));
    }
    EXPECT_EQ(window.statusBar()->currentMessage(),
              S("Ancestors and descendants of Sven Ek: 9 people in 4 generations."));
    const std::string before = Autosave();
    KIN_GedcomChartSpec offered;
    {
        const KIN_WhenModal<KIN_DlgGedcomChart> cancel(
            [&](KIN_DlgGedcomChart& dialog)
            {
                offered = dialog.Chosen();
                dialog.reject();
            });
        EXPECT_FALSE(window.ImportGedcom(Tree()));
        ASSERT_TRUE(cancel.Seen());
    }
    EXPECT_EQ(offered.kind, KIN_GedcomChartKind::AncestorsAndDescendants);
    EXPECT_EQ(offered.root, "I12");
    EXPECT_EQ(offered.nUp, 2);
    EXPECT_EQ(offered.nDown, 1);
    EXPECT_EQ(Autosave(), before);
    EXPECT_EQ(window.GetSession()->GetHistory()->count(), 1);
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(folder.Path(S("lind-I12.xml"))));
}

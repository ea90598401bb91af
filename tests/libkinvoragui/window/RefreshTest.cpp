#include "KIN_DocumentSession.h"
#include "KIN_GraphicBorder.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_ListWidget0.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
const char* const g_pAutosave = "autosave.xml";

QStringList ListTexts(const QListWidget& list)
{
    QStringList texts;
    for (int n = 0; n < list.count(); ++n)
        texts << list.item(n)->text();
    return texts;
}
} // namespace

TEST(StartUp, WithoutAnAutosaveTheEmptyDiagramIsShownAndWritten)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kinvora IHM - \".\""));
    EXPECT_TRUE(window.GetView()->GetPeriods().empty());
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(QString::fromUtf8(g_pAutosave)),
              "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n</kinvora>\n");
}

TEST(StartUp, AValidAutosaveIsShown)
{
    KIN_TestFolder folder;
    ASSERT_TRUE(folder.Write(QString::fromUtf8(g_pAutosave),
                             "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"12\" />\n"
                             "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"1\" i=\"4\" t=\"Ada\" d=\"\" "
                             "cp=\"-1\" cb=\"-1\" ct=\"-1\" />\n</kinvora>\n"));
    KIN_MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kinvora IHM - \"autosave.xml\""));
    ASSERT_EQ(window.GetView()->GetPeriods().size(), 1u);
    EXPECT_EQ(window.GetView()->GetPeriods()[0]->GetRecord().id, 4);
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect().width(), 1200);
    EXPECT_EQ(ListTexts(*window.GetPeriodList()), QStringList{QStringLiteral("1900, 1950, Ada")});
}

TEST(PeriodList, EntriesAreSortedByText)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    KIN_IDataFile* pDocument = window.GetSession()->GetDocument();
    pDocument->AddPeriod(KIN_MakePeriod(900, 1000, 0, 2, "Nine"));
    pDocument->AddPeriod(KIN_MakePeriod(1850, 1900, 0, 2, "Eighteen\nsecond line"));
    pDocument->AddPeriod(KIN_MakePeriod(-2500000, -1000000, 0, 2, "Old"));
    pDocument->AddPeriod(KIN_MakePeriod(-1000, 0, 0, 2, "Ancient"));
    window.RefreshAll();
    EXPECT_EQ(
        ListTexts(*window.GetPeriodList()),
        QStringList({QStringLiteral("-1K, 0, Ancient"), QStringLiteral("-2.5M, -1M, Old"),
                     QStringLiteral("1850, 1900, Eighteen"), QStringLiteral("900, 1000, Nine")}));
    EXPECT_EQ(window.GetPeriodList()->currentItem(), nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
}

TEST(PeriodList, SortsAsPlainListEntriesSort)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    KIN_IDataFile* pDocument = window.GetSession()->GetDocument();
    for (const char* pTitle : {"b", "B", "a", "\xC3\xA9t\xC3\xA9", "Z", "", "a b", "10", "9"})
        pDocument->AddPeriod(KIN_MakePeriod(1900, 1950, 0, 2, pTitle));
    pDocument->AddPeriod(KIN_MakePeriod(190, 1950, 0, 2, "x"));
    window.RefreshAll();
    const QStringList shown = ListTexts(*window.GetPeriodList());
    QListWidget plain;
    for (const QString& text : shown)
        plain.addItem(text);
    plain.sortItems();
    EXPECT_EQ(ListTexts(plain), shown);
    EXPECT_LT(shown.indexOf(QStringLiteral("1900, 1950, B")),
              shown.indexOf(QStringLiteral("1900, 1950, a")));
}

TEST(PeriodList, PickingAnEntrySelectsItsPeriodOnce)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.resize(1000, 800);
    window.show();
    KIN_IDataFile* pDocument = window.GetSession()->GetDocument();
    pDocument->AddPeriod(KIN_MakePeriod(1900, 1950, 0, 2, "First"));
    pDocument->AddPeriod(KIN_MakePeriod(-500, 100, 5, 2, "Second"));
    window.RefreshAll();
    KIT_QT_ListWidget0* pList = window.GetPeriodList();
    QSignalSpy changes(pList, &QListWidget::currentItemChanged);
    QListWidgetItem* pEntry = pList->item(0); // "-500, ..." sorts first
    ASSERT_NE(pEntry, nullptr);
    const QRect area = pList->visualItemRect(pEntry);
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier, area.center());
    const KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    ASSERT_NE(pCurrent, nullptr);
    EXPECT_EQ(pCurrent->GetRecord().title, "Second");
    EXPECT_EQ(pList->currentItem(), pEntry);
    EXPECT_EQ(changes.count(), 1);
    // The view scrolled to the period.
    const QRectF shown =
        window.GetView()->mapToScene(window.GetView()->viewport()->rect()).boundingRect();
    EXPECT_TRUE(shown.intersects(pCurrent->sceneBoundingRect()));
}

TEST(Refresh, EveryRefreshRewritesTheAutosave)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 0, 2, "Ada"));
    window.RefreshAll();
    window.GetSession()->WaitForAutosave();
    EXPECT_NE(folder.Read(QString::fromUtf8(g_pAutosave)).find("t=\"Ada\""), std::string::npos);
}

TEST(Refresh, ARebuildKeepsTheBorderAndARunningDragsRubberBand)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 3, 2));
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 2000, 6, 2));
    window.RefreshAll();
    KIN_ViewPeriods* pView = window.GetView();
    pView->GetPeriods()[0]->GetPoint(2)->BeginLinkDrag();
    KIN_GraphicLink* pRubberBand = KIN_GraphicConnection::RubberBand();
    ASSERT_NE(pRubberBand, nullptr);
    window.RefreshAll();
    EXPECT_EQ(pView->GetBorder()->scene(), pView->GetScene());
    EXPECT_EQ(pRubberBand->scene(), pView->GetScene());
    // Two periods and the two items that outlive a rebuild, nothing else at the top.
    int nTopLevel = 0;
    for (const QGraphicsItem* pQItem : pView->GetScene()->items())
        nTopLevel += pQItem->parentItem() ? 0 : 1;
    EXPECT_EQ(nTopLevel, 4);
    KIN_GraphicConnection::EndLinkDrag();
    EXPECT_EQ(KIN_GraphicConnection::RubberBand(), nullptr);
    window.RefreshAll();
    EXPECT_EQ(pView->GetScene()->items().size(), 3);
}

TEST(Zoom, ScalesTheViewAndKeepsTheSelection)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 0, 2, "Ada"));
    window.RefreshAll();
    KIN_GraphicPeriod* pPeriod = window.GetView()->GetPeriods()[0];
    pPeriod->SelectPeriod();
    window.SlotMenu_ZoomIn_triggered(false);
    window.SlotMenu_ZoomIn_triggered(false);
    EXPECT_EQ(window.GetView()->transform().m11(), 4.0);
    EXPECT_EQ(window.GetView()->transform().m22(), 4.0);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, pPeriod);
    window.SlotMenu_ZoomValue_triggered(false);
    EXPECT_EQ(window.GetView()->transform().m11(), 1.0);
}

// The Edit commands driven through the real menus, context menus, dialogs and boxes.
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_TestMenus.h"
#include "KIN_WidgetDetails.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_Label0.h"
#include "KIT_QT_ListWidget0.h"

#include <QImage>

namespace
{
class EditCommands : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.GetSession()->GetDocument()->SetLimits(18, 38, 12, false); // year 0 to 2000
        window.RefreshAll();
    }

    void Trigger(const char* pPath) const
    {
        QAction* pQAction = KIN_FindMenuAction(window, S(pPath));
        ASSERT_NE(pQAction, nullptr) << pPath;
        ASSERT_TRUE(pQAction->isEnabled()) << pPath;
        pQAction->trigger();
    }

    QWidget* Viewport() const { return window.GetView()->viewport(); }

    // A viewport point on a period's title line, away from its connection points. The
    // period is scrolled well into view first: selecting it must not scroll the view while
    // the button is down.
    QPoint OnPeriod(const KIN_GraphicPeriod* pPeriod) const
    {
        const QRectF area = pPeriod->mapRectToScene(pPeriod->rect());
        window.GetView()->ensureVisible(area, 80, 80);
        return window.GetView()->mapFromScene(
            QPointF(area.left() + area.width() / 4, area.top() + 24));
    }

    // The selected period, as the details panel, the list and the Edit menu show it.
    void ExpectSelected(std::int32_t nId, const QString& title) const
    {
        KIN_GraphicPeriod* pCurrent = Current();
        ASSERT_NE(pCurrent, nullptr);
        EXPECT_EQ(pCurrent->GetRecord().id, nId);
        EXPECT_EQ(pCurrent, ItemOf(nId)); // an item of the rebuilt scene
        const KIT_QT_Label0* pQTitle = window.GetDetails()->GetTitleLabel();
        EXPECT_EQ(pQTitle->text(), title);
        EXPECT_FALSE(pQTitle->isHidden());
        ASSERT_NE(window.GetPeriodList()->currentItem(), nullptr);
        EXPECT_EQ(window.GetPeriodList()->currentItem(), pCurrent->GetListEntry());
        EXPECT_TRUE(window.GetActionChangePeriod()->isEnabled());
        EXPECT_TRUE(window.GetActionRemovePeriod()->isEnabled());
    }
};

class EditDismissed : public EditCommands, public ::testing::WithParamInterface<KIN_Dismissal>
{
};
} // namespace

TEST_F(EditCommands, NewPeriodOffersTheDiagramsSpanAndSelectsTheResult)
{
    MarkAutosave();
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            EXPECT_EQ(shown.windowTitle(), S("Create a new period"));
            EXPECT_EQ(KIN_BeginField(shown)->text(), S("0"));
            EXPECT_EQ(KIN_EndField(shown)->text(), S("2000"));
            EXPECT_EQ(KIN_ColumnField(shown)->text(), S("0"));
            EXPECT_EQ(KIN_WidthField(shown)->text(), S("2"));
            EXPECT_EQ(KIN_TitleEditor(shown)->toPlainText(), QString());
            EXPECT_EQ(KIN_ColourChooser(shown, 9)->currentText(), S("darkRed"));
            EXPECT_EQ(KIN_ColourChooser(shown, 10)->currentText(), S("lightGray"));
            EXPECT_EQ(KIN_ColourChooser(shown, 11)->currentText(), S("darkBlue"));
            KIN_TitleEditor(shown)->setFocus();
            QTest::keyClicks(KIN_TitleEditor(shown), S("Ada"));
            KIN_PressOk(shown);
        });
    Trigger("&Edit/New period");
    ASSERT_TRUE(dialog.Seen());
    ASSERT_EQ(Content().periods.size(), 1u);
    const KIN_DataPeriod& stored = Content().periods[0];
    EXPECT_EQ(stored.id, 1);
    EXPECT_EQ(stored.title, "Ada");
    EXPECT_EQ(stored.begin, 0);
    EXPECT_EQ(stored.end, 2000);
    EXPECT_EQ(stored.column, 0);
    EXPECT_EQ(stored.width, 2);
    EXPECT_EQ(stored.colorBackground, 4);
    EXPECT_EQ(stored.colorBorder, 12);
    EXPECT_EQ(stored.colorText, 14);
    ExpectSelected(1, S("Ada"));
    EXPECT_NE(Autosave().find("t=\"Ada\""), std::string::npos);
    EXPECT_NE(Autosave().find("cp=\"12\" cb=\"4\" ct=\"14\""), std::string::npos);
}

TEST_F(EditCommands, NewPeriodStoresWhatWasTypedAsTheDocumentClampsIt)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 3, 2, "Older")});
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            KIN_TypeInto(KIN_BeginField(shown), S("-2,5M"));
            KIN_TypeInto(KIN_EndField(shown), QString());
            KIN_TypeInto(KIN_ColumnField(shown), S("abc"));
            KIN_TypeInto(KIN_WidthField(shown), S("-3"));
            KIN_PressOk(shown);
        });
    Trigger("&Edit/New period");
    ASSERT_TRUE(dialog.Seen());
    ASSERT_EQ(Content().periods.size(), 2u);
    const KIN_DataPeriod& stored = Content().periods[1];
    EXPECT_EQ(stored.id, 2);
    EXPECT_EQ(stored.begin, -2500000);
    EXPECT_EQ(stored.end, 1);    // an emptied death field reads as 1
    EXPECT_EQ(stored.column, 0); // letters read as 0
    EXPECT_EQ(stored.width, 2);  // -3, clamped
    ExpectSelected(2, QString());
}

TEST_F(EditCommands, NewPeriodFromTheViewsMenuOnEmptySpace)
{
    MarkAutosave();
    KIN_PopupAnswer menu(S("New period"));
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            KIN_TitleEditor(shown)->setPlainText(S("Grace\nsecond line"));
            KIN_PressOk(shown);
        });
    KIN_RightClickAt(Viewport(), Viewport()->rect().center());
    ASSERT_TRUE(menu.Seen());
    EXPECT_EQ(menu.Texts(),
              QStringList({S("Diagramme settings"), S("New period"), S("New image")}));
    ASSERT_TRUE(dialog.Seen());
    ASSERT_EQ(Content().periods.size(), 1u);
    EXPECT_EQ(Content().periods[0].title, "Grace\nsecond line");
    ExpectSelected(1, S("Grace\nsecond line"));
    EXPECT_TRUE(AutosaveRewritten());
}

TEST_F(EditCommands, ChangePeriodFromTheMenuKeepsTheChangedPeriodSelected)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 0, 2, "Ada"), KIN_MakePeriod(1800, 1850, 4, 2, "Bo")});
    ItemOf(2)->SelectPeriod();
    MarkAutosave();
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            EXPECT_EQ(shown.windowTitle(), S("Change the period settings"));
            EXPECT_EQ(KIN_BeginField(shown)->text(), S("1800"));
            EXPECT_EQ(KIN_ColumnField(shown)->text(), S("4"));
            KIN_TitleEditor(shown)->setPlainText(S("Bob"));
            KIN_TypeInto(KIN_ColumnField(shown), S("6"));
            KIN_ColourChooser(shown, 10)->setCurrentIndex(7);
            KIN_PressOk(shown);
        });
    Trigger("&Edit/Change period");
    ASSERT_TRUE(dialog.Seen());
    ASSERT_EQ(Content().periods.size(), 2u);
    const KIN_DataPeriod& changed = Content().periods[1];
    EXPECT_EQ(changed.id, 2);
    EXPECT_EQ(changed.title, "Bob");
    EXPECT_EQ(changed.column, 6);
    EXPECT_EQ(changed.begin, 1800);
    EXPECT_EQ(changed.colorBackground, 7);
    EXPECT_EQ(changed.colorBorder, 12); // -1 came back as the default
    EXPECT_EQ(Content().periods[0].title, "Ada");
    ExpectSelected(2, S("Bob"));
    EXPECT_EQ(ItemOf(2)->pos().x(), 605);
    EXPECT_NE(Autosave().find("s=\"6\" i=\"2\" t=\"Bob\""), std::string::npos);
}

TEST_F(EditCommands, ChangePeriodFromThePeriodsOwnMenu)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada")});
    const QPoint at = OnPeriod(ItemOf(1));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(Current(), ItemOf(1));
    KIN_PopupAnswer menu(S("Change period"));
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            KIN_TypeInto(KIN_EndField(shown), S("1960"));
            KIN_PressOk(shown);
        });
    KIN_RightClickAt(Viewport(), at);
    ASSERT_TRUE(menu.Seen());
    EXPECT_EQ(menu.Texts(), QStringList({S("Change period"), S("Remove period")}));
    ASSERT_TRUE(dialog.Seen());
    EXPECT_EQ(Content().periods.at(0).end, 1960);
    ExpectSelected(1, S("Ada"));
}

TEST_F(EditCommands, ChangeAndRemoveNeedASelectedPeriod)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada")});
    MarkAutosave();
    EXPECT_FALSE(window.GetActionChangePeriod()->isEnabled());
    // Called directly, as a context menu would, they do nothing without a selection.
    window.SlotMenu_EditChangePeriod_triggered(false);
    window.SlotMenu_EditRemovePeriod_triggered(false);
    window.SlotMenu_EditRemoveLink_triggered(false);
    window.SlotMenu_EditRemoveImage_triggered(false);
    EXPECT_EQ(Content().periods.size(), 1u);
    EXPECT_EQ(Autosave(), Marker);
}

TEST_P(EditDismissed, NoDialogChangesAnythingWhenLeftWithoutOk)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 2, 2, "Ada")});
    ItemOf(1)->SelectPeriod();
    const KIN_GraphicPeriod* pItemBefore = Current();
    MarkAutosave();
    const KIN_Dismissal dismissal = GetParam();
    const auto editThenLeave = [dismissal](QDialog& shown)
    {
        for (QLineEdit* pQField : shown.findChildren<QLineEdit*>())
            KIN_TypeInto(pQField, S("7"));
        KIN_Dismiss(shown, dismissal);
    };
    {
        KIN_WhenModal<KIN_DlgPeriodLimits> dialog(editThenLeave);
        Trigger("&Edit/New period");
        EXPECT_TRUE(dialog.Seen());
    }
    {
        KIN_WhenModal<KIN_DlgPeriodLimits> dialog(editThenLeave);
        Trigger("&Edit/Change period");
        EXPECT_TRUE(dialog.Seen());
    }
    {
        KIN_WhenModal<KIN_DlgDiagramLimits> dialog(editThenLeave);
        Trigger("&Edit/Diagramme settings");
        EXPECT_TRUE(dialog.Seen());
    }
    {
        KIN_WhenModal<KIN_DlgDiagramShift> dialog(editThenLeave);
        Trigger("&Edit/Shift");
        EXPECT_TRUE(dialog.Seen());
    }
    {
        KIN_QuestionAnswer box(QMessageBox::No);
        Trigger("&Edit/Remove period");
        EXPECT_TRUE(box.Seen());
    }
    EXPECT_EQ(Autosave(), Marker);
    EXPECT_EQ(Current(), pItemBefore); // no rebuild
    ASSERT_EQ(Content().periods.size(), 1u);
    EXPECT_EQ(Content().periods[0].column, 2);
    EXPECT_EQ(Content().periods[0].title, "Ada");
    EXPECT_EQ(Content().width, 12);
    EXPECT_EQ(Content().begin, 18);
}

INSTANTIATE_TEST_SUITE_P(CancelEscapeClose, EditDismissed,
                         ::testing::Values(KIN_Dismissal::Cancel, KIN_Dismissal::Escape,
                                           KIN_Dismissal::Close));

TEST_F(EditCommands, RemovePeriodAsksThenTakesItsLinksWithIt)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 0, 2, "Ada"), KIN_MakePeriod(1920, 1990, 3, 2, "Bo"),
                KIN_MakePeriod(1930, 1999, 6, 2, "Cy")});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{1, 2, 1, 0});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{3, 1, 2, 2});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{2, 3, 2, 2});
    window.RefreshAll();
    ASSERT_FALSE(window.GetView()->GetLinks().empty());
    const QPoint at = OnPeriod(ItemOf(1));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(Current(), ItemOf(1));
    MarkAutosave();
    {
        KIN_PopupAnswer menu(S("Remove period"));
        KIN_QuestionAnswer box(QMessageBox::Yes);
        KIN_RightClickAt(Viewport(), at);
        ASSERT_TRUE(menu.Seen());
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(box.Title(), S("Remove period"));
        EXPECT_EQ(box.Text(), S("Are sure you want to remove this period?"));
        EXPECT_EQ(box.Icon(), QMessageBox::Question);
    }
    ASSERT_EQ(Content().periods.size(), 2u);
    EXPECT_EQ(ItemOf(1), nullptr);
    ASSERT_EQ(Content().links.size(), 1u);
    EXPECT_EQ(Content().links[0], (KIN_DataLink{2, 3, 2, 2}));
    QStringList entries;
    for (int n = 0; n < window.GetPeriodList()->count(); ++n)
        entries << window.GetPeriodList()->item(n)->text();
    EXPECT_EQ(entries, QStringList({S("1920, 1990, Bo"), S("1930, 1999, Cy")}));
    EXPECT_EQ(Current(), nullptr);
    EXPECT_FALSE(window.GetActionRemovePeriod()->isEnabled());
    EXPECT_TRUE(window.GetDetails()->GetTitleLabel()->isHidden());
    EXPECT_TRUE(AutosaveRewritten());
    EXPECT_EQ(Autosave().find("i1=\"1\""), std::string::npos);
    EXPECT_EQ(Autosave().find("i2=\"1\""), std::string::npos);
}

TEST_F(EditCommands, RemoveLinkFromTheEditMenuAsksThenRemovesOnlyThatLink)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada"), KIN_MakePeriod(1920, 1990, 5, 2, "Bo")});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{1, 2, 3, 4});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{2, 1, 2, 2});
    window.RefreshAll();
    KIN_GraphicLink* pSegment = nullptr;
    for (KIN_GraphicLink* pLink : window.GetView()->GetLinks())
        if (pLink->GetRecord() == KIN_DataLink{1, 2, 3, 4})
            pSegment = pLink;
    ASSERT_NE(pSegment, nullptr);
    const QPointF middle = pSegment->mapToScene(pSegment->line().center());
    window.GetView()->ensureVisible(QRectF(middle, QSizeF(1, 1)), 80, 80);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier,
                      window.GetView()->mapFromScene(middle));
    ASSERT_EQ(KIN_SceneSelection::Get().pCurrentLink, pSegment);
    MarkAutosave();
    {
        KIN_QuestionAnswer box(QMessageBox::Yes);
        Trigger("&Edit/Remove link");
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(box.Title(), S("Remove link"));
        EXPECT_EQ(box.Text(), S("Are sure you want to remove this link?"));
    }
    ASSERT_EQ(Content().links.size(), 1u);
    EXPECT_EQ(Content().links[0], (KIN_DataLink{2, 1, 2, 2}));
    EXPECT_EQ(Content().periods.size(), 2u);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentLink, nullptr);
    EXPECT_TRUE(AutosaveRewritten());
}

TEST_F(EditCommands, RemoveImageAsksThenRemovesIt)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(folder.Path(S("pic.png")), "PNG"));
    KIN_DataImage image;
    image.x = 300;
    image.y = 9600;
    image.file = "pic.png";
    window.AddImage(image);
    window.AddImage(image);
    ASSERT_EQ(window.GetView()->GetImages().size(), 2u);
    KIN_GraphicImage* pImage = window.GetView()->GetImages()[1];
    window.GetView()->ensureVisible(pImage, 10, 10);
    const QPoint at = window.GetView()->mapFromScene(pImage->sceneBoundingRect().center());
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    MarkAutosave();
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes})
    {
        KIN_PopupAnswer menu(S("Remove image"));
        KIN_QuestionAnswer box(answer);
        KIN_RightClickAt(Viewport(), at);
        ASSERT_TRUE(menu.Seen());
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(box.Title(), S("Remove image"));
        EXPECT_EQ(box.Text(), S("Are sure you want to remove this image?"));
        if (answer == QMessageBox::No)
        {
            EXPECT_EQ(Content().images.size(), 2u);
            EXPECT_EQ(Autosave(), Marker);
        }
    }
    ASSERT_EQ(Content().images.size(), 1u);
    EXPECT_EQ(Content().images[0].index, 0);
    EXPECT_EQ(window.GetView()->GetImages().size(), 1u);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
    EXPECT_TRUE(AutosaveRewritten());
}

TEST_F(EditCommands, ShiftOpensAtZeroMovesColumnsAndImagesAndIgnoresZero)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "A"), KIN_MakePeriod(1900, 1950, 3, 2, "B"),
                KIN_MakePeriod(1900, 1950, 5, 2, "C")});
    KIN_DataImage image;
    image.x = 350; // in column 3
    image.y = 9600;
    image.file = "missing.png";
    window.GetSession()->GetDocument()->AddImage(image);
    image.x = 650;
    window.GetSession()->GetDocument()->AddImage(image);
    window.RefreshAll();
    QStringList shownAtOpen;
    const auto shift = [&shownAtOpen](const QString& from, const QString& to, const QString& by)
    {
        return [&shownAtOpen, from, to, by](KIN_DlgDiagramShift& shown)
        {
            EXPECT_EQ(shown.windowTitle(), S("Shift"));
            for (int nRow = 0; nRow < 3; ++nRow)
                shownAtOpen << KIN_CellOf<QLineEdit>(shown, nRow, 1)->text();
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 0, 1), from);
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 1, 1), to);
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), by);
            KIN_PressOk(shown);
        };
    };
    MarkAutosave();
    {
        KIN_WhenModal<KIN_DlgDiagramShift> dialog(shift(S("2"), S("5"), S("4")));
        Trigger("&Edit/Shift");
        ASSERT_TRUE(dialog.Seen());
    }
    EXPECT_EQ(Content().periods[0].column, 1);
    EXPECT_EQ(Content().periods[1].column, 7);
    EXPECT_EQ(Content().periods[2].column, 9);
    EXPECT_EQ(Content().images[0].x, 750);
    EXPECT_EQ(Content().images[1].x, 650); // column 6, outside the range
    EXPECT_EQ(ItemOf(2)->pos().x(), 705);
    EXPECT_TRUE(AutosaveRewritten());

    MarkAutosave();
    {
        KIN_WhenModal<KIN_DlgDiagramShift> dialog(shift(S("0"), S("99"), S("zero")));
        Trigger("&Edit/Shift");
        ASSERT_TRUE(dialog.Seen());
    }
    EXPECT_EQ(shownAtOpen, QStringList({S("0"), S("0"), S("0"), S("0"), S("0"), S("0")}));
    EXPECT_EQ(Autosave(), Marker);
    EXPECT_EQ(Content().periods[1].column, 7);
}

TEST_F(EditCommands, ShiftWithHugeNumbersStaysInRange)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "A")});
    KIN_DataImage image;
    image.x = 150;
    image.file = "missing.png";
    window.GetSession()->GetDocument()->AddImage(image);
    KIN_WhenModal<KIN_DlgDiagramShift> dialog(
        [](KIN_DlgDiagramShift& shown)
        {
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 0, 1), S("-2000000000"));
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 1, 1), S("2000000000"));
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("30000000"));
            KIN_PressOk(shown);
        });
    Trigger("&Edit/Shift");
    ASSERT_TRUE(dialog.Seen());
    EXPECT_EQ(Content().periods[0].column, 30000001);
    // The image range and offset are the columns' in scene units, kept within 32 bits.
    EXPECT_EQ(Content().images[0].x, 2147483647);
}

TEST_F(EditCommands, DiagramSettingsFromTheViewsMenuKeepThePeriods)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada")});
    window.GetSession()->GetDocument()->AddLink(KIN_DataLink{1, 1, 0, 1});
    MarkAutosave();
    KIN_PopupAnswer menu(S("Diagramme settings"));
    KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
        [](KIN_DlgDiagramLimits& shown)
        {
            EXPECT_EQ(shown.windowTitle(), S("Change the diagram settings"));
            auto* pQBegin = KIN_CellOf<QComboBox>(shown, 0, 1);
            auto* pQEnd = KIN_CellOf<QComboBox>(shown, 1, 1);
            EXPECT_EQ(pQBegin->currentIndex(), 18);
            EXPECT_EQ(pQEnd->currentIndex(), 38);
            EXPECT_EQ(KIN_CellOf<QLineEdit>(shown, 2, 1)->text(), S("12"));
            pQBegin->setCurrentIndex(10);
            pQEnd->setCurrentIndex(40);
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("wide"));
            KIN_PressOk(shown);
        });
    KIN_RightClickAt(Viewport(), QPoint(5, 5));
    ASSERT_TRUE(menu.Seen());
    ASSERT_TRUE(dialog.Seen());
    EXPECT_EQ(Content().begin, 10);
    EXPECT_EQ(Content().end, 40);
    EXPECT_EQ(Content().width, 10); // letters read as 0, clamped
    EXPECT_EQ(Content().periods.size(), 1u);
    EXPECT_EQ(Content().links.size(), 1u);
    EXPECT_NE(Autosave().find("<E b=\"10\" e=\"40\" w=\"10\" />"), std::string::npos);
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\"")); // the current file stays
}

TEST_F(EditCommands, EveryChangeReportedByTheSceneRewritesTheAutosave)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada"), KIN_MakePeriod(1950, 1990, 4, 2, "Bo")});
    ItemOf(1)->SelectPeriod();
    MarkAutosave();
    window.AddLink(KIN_DataLink{1, 2, 1, 0});
    EXPECT_TRUE(AutosaveRewritten());
    ExpectSelected(1, S("Ada")); // the period the link was drawn from stays selected

    MarkAutosave();
    KIN_DataPeriod moved = Content().periods[1];
    moved.column = 6;
    window.ChangePeriod(moved);
    EXPECT_TRUE(AutosaveRewritten());
    ExpectSelected(2, S("Bo"));

    KIN_DataImage image;
    image.file = "missing.png";
    MarkAutosave();
    window.AddImage(image);
    EXPECT_TRUE(AutosaveRewritten());
    image.x = 40;
    image.index = 0;
    MarkAutosave();
    window.ChangeImage(image);
    EXPECT_TRUE(AutosaveRewritten());
    EXPECT_NE(Autosave().find("<I x=\"40\""), std::string::npos);
}

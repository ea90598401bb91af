// Undo and redo of every kind of change, driven through the menus and the commands the
// scene items call, judged by the autosaved bytes.
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_TestMenus.h"
#include "KIN_UndoHistory.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"
#include "KIT_QtText.h"

#include <QCheckBox>
#include <QKeySequence>

#include <functional>

namespace
{
class Undo : public KIN_WindowTest
{
public:
    using KIN_WindowTest::ItemOf;
    using KIN_WindowTest::window;

    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Built through the document, as a loaded file would be: no step to undo yet.
        KIN_IDataFile& document = *window.GetSession()->GetDocument();
        document.SetLimits(18, 38, 12, false);
        document.AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Ada"));
        document.AddPeriod(KIN_MakePeriod(1920, 1990, 4, 2, "Bo"));
        document.AddPeriod(KIN_MakePeriod(1940, 2000, 7, 3, "Cy"));
        document.AddLink(KIN_DataLink{1, 2, 1, 0});
        document.AddLink(KIN_DataLink{2, 3, 1, 0});
        document.AddLink(KIN_DataLink{9, 1, 1, 0}); // names no period: kept as it is
        for (const int nX : {200, 900})
        {
            KIN_DataImage image;
            image.x = nX;
            image.y = 9600;
            image.scale = 0.5;
            image.file = "missing.png";
            document.AddImage(image);
        }
        window.RefreshAll();
        m_family = folder.Path(S("family.xml"));
        ASSERT_TRUE(folder.Write(S("family.xml"),
                                 "<kinvora>\n\t<E b=\"20\" e=\"38\" w=\"10\" />\n\t<P b=\"1900\" "
                                 "e=\"1950\" w=\"2\" s=\"1\" i=\"4\" t=\"Di\" d=\"\" cp=\"-1\" "
                                 "cb=\"-1\" ct=\"-1\" />\n</kinvora>\n"));
        ASSERT_EQ(window.GetSession()->GetHistory()->count(), 0);
    }

    QAction* Action(const char* pPath) const { return KIN_FindMenuAction(window, S(pPath)); }

    void Trigger(const char* pPath) const
    {
        QAction* pQAction = Action(pPath);
        ASSERT_NE(pQAction, nullptr) << pPath;
        ASSERT_TRUE(pQAction->isEnabled()) << pPath;
        pQAction->trigger();
    }

    QAction* Entry(int nIndex) const
    {
        return KIN_FindMenuAction(window, S("&Edit"))->menu()->actions().at(nIndex);
    }

    std::int32_t Selected() const { return Current() ? Current()->GetRecord().id : -1; }

    QString m_family;
};

struct StepCase
{
    const char* pName;
    // The step's name in the Edit menu's entries.
    const char* pText;
    std::function<void(Undo&)> act;
    // The period selected after the undo and after the redo, -1 for none.
    std::int32_t nSelectedAfterUndo;
    std::int32_t nSelectedAfterRedo;
};

void AcceptLimits(Undo& test, const char* pMenu)
{
    KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
        [](KIN_DlgDiagramLimits& shown)
        {
            KIN_CellOf<QComboBox>(shown, 0, 1)->setCurrentIndex(20);
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("15"));
            KIN_PressOk(shown);
        });
    test.Trigger(pMenu);
    ASSERT_TRUE(dialog.Seen());
}

void EditPeriod(Undo& test, const char* pMenu)
{
    KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
        [](KIN_DlgPeriodLimits& shown)
        {
            KIN_TypeInto(KIN_BeginField(shown), S("1910"));
            KIN_TitleEditor(shown)->setPlainText(S("Bo\nsecond line"));
            KIN_PressOk(shown);
        });
    test.Trigger(pMenu);
    ASSERT_TRUE(dialog.Seen());
}

void Confirm(const std::function<void()>& remove)
{
    KIN_QuestionAnswer box(QMessageBox::Yes);
    remove();
    ASSERT_TRUE(box.Seen());
}

KIN_DataImage ImageMoved(const Undo& test, int nX, double scale)
{
    KIN_DataImage image = test.window.GetSession()->GetDocument()->GetData()->images[1];
    image.x = nX;
    image.scale = scale;
    return image;
}

const StepCase g_steps[] = {
    {"New", "New", [](Undo& test) { AcceptLimits(test, "&File/&New"); }, -1, -1},
    {"Load", "Load",
     [](Undo& test)
     {
         KIN_FileDialogAnswer answer(test.m_family);
         test.Trigger("&File/&Load");
         ASSERT_TRUE(answer.Seen());
     },
     -1, -1},
    {"Settings", "Diagramme settings",
     [](Undo& test) { AcceptLimits(test, "&Edit/Diagramme settings"); }, -1, -1},
    {"Shift", "Shift",
     [](Undo& test)
     {
         KIN_WhenModal<KIN_DlgDiagramShift> dialog(
             [](KIN_DlgDiagramShift& shown)
             {
                 KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 0, 1), S("0"));
                 KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 1, 1), S("4"));
                 KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("-3"));
                 KIN_PressOk(shown);
             });
         test.Trigger("&Edit/Shift");
         ASSERT_TRUE(dialog.Seen());
     },
     -1, -1},
    {"NewPeriod", "New period", [](Undo& test) { EditPeriod(test, "&Edit/New period"); }, -1, 4},
    {"ChangePeriod", "Change period",
     [](Undo& test)
     {
         test.ItemOf(2)->SelectPeriod();
         EditPeriod(test, "&Edit/Change period");
     },
     2, 2},
    {"UncertainEnd", "Change period",
     [](Undo& test)
     {
         test.ItemOf(2)->SelectPeriod();
         KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
             [](KIN_DlgPeriodLimits& shown)
             {
                 QTest::mouseClick(KIN_CellOf<QCheckBox>(shown, 1, 3), Qt::LeftButton);
                 KIN_PressOk(shown);
             });
         test.Trigger("&Edit/Change period");
         ASSERT_TRUE(dialog.Seen());
         ASSERT_TRUE(test.ItemOf(2)->GetRecord().uncertainEnd);
     },
     2, 2},
    {"RemovePeriod", "Remove period",
     [](Undo& test)
     {
         test.ItemOf(2)->SelectPeriod();
         Confirm([&] { test.Trigger("&Edit/Remove period"); });
     },
     2, -1},
    {"MovePeriod", "Move period",
     [](Undo& test)
     {
         KIN_DataPeriod moved = test.ItemOf(3)->GetRecord();
         moved.column += 2;
         test.window.ChangePeriod(moved, KIN_Text::StepMovePeriod);
     },
     3, 3},
    {"NewLink", "New link",
     [](Undo& test)
     {
         test.ItemOf(1)->SelectPeriod();
         test.window.AddLink(KIN_DataLink{1, 3, 1, 0});
     },
     1, 1},
    {"RemoveLink", "Remove link",
     [](Undo& test)
     {
         KIN_GraphicLink* pSegment = nullptr;
         for (KIN_GraphicLink* pLink : test.window.GetView()->GetLinks())
             if (pLink && pLink->GetRecord() == KIN_DataLink{1, 2, 1, 0}) // no item: null
                 pSegment = pLink;
         ASSERT_NE(pSegment, nullptr);
         const QPointF middle = pSegment->mapToScene(pSegment->line().center());
         test.window.GetView()->ensureVisible(QRectF(middle, QSizeF(1, 1)), 80, 80);
         QTest::mouseClick(test.window.GetView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                           test.window.GetView()->mapFromScene(middle));
         ASSERT_EQ(KIN_SceneSelection::Get().pCurrentLink, pSegment);
         Confirm([&] { test.Trigger("&Edit/Remove link"); });
     },
     -1, -1},
    {"NewImage", "New image", [](Undo& test) { test.window.AddImage(ImageMoved(test, 50, 2)); }, -1,
     -1},
    {"MoveImage", "Move image",
     [](Undo& test) { test.window.ChangeImage(ImageMoved(test, 450, 0.5)); }, -1, -1},
    {"ResizeImage", "Resize image",
     [](Undo& test) { test.window.ChangeImage(ImageMoved(test, 900, 0.75)); }, -1, -1},
    {"RemoveImage", "Remove image",
     [](Undo& test)
     {
         KIN_SceneSelection::Get().pCurrentImage = test.window.GetView()->GetImages().front();
         Confirm([&] { test.window.SlotMenu_EditRemoveImage_triggered(false); });
     },
     -1, -1},
};

class EveryStep : public Undo, public ::testing::WithParamInterface<StepCase>
{
};
} // namespace

TEST_P(EveryStep, IsUndoneAndRedoneToTheSameBytes)
{
    const StepCase& step = GetParam();
    const std::string before = Autosave();
    const std::string fileBefore = window.GetSession()->GetCurrentFile();
    const QString titleBefore = window.windowTitle();
    ASSERT_FALSE(Entry(0)->isEnabled());
    EXPECT_EQ(Entry(0)->text(), S("Undo"));

    step.act(*this);
    const std::string after = Autosave();
    const std::string fileAfter = window.GetSession()->GetCurrentFile();
    ASSERT_NE(after, before);
    ASSERT_EQ(window.GetSession()->GetHistory()->count(), 1);
    EXPECT_TRUE(Entry(0)->isEnabled());
    EXPECT_EQ(Entry(0)->text(), S("Undo ") + S(step.pText));
    EXPECT_FALSE(Entry(1)->isEnabled());
    EXPECT_EQ(Entry(1)->text(), S("Redo"));

    for (int nRound = 0; nRound < 2; ++nRound)
    {
        Entry(0)->trigger();
        EXPECT_EQ(Autosave(), before) << "round " << nRound;
        EXPECT_EQ(window.GetSession()->GetCurrentFile(), fileBefore);
        EXPECT_EQ(window.windowTitle(), titleBefore);
        EXPECT_EQ(Selected(), step.nSelectedAfterUndo);
        EXPECT_FALSE(Entry(0)->isEnabled());
        EXPECT_EQ(Entry(1)->text(), S("Redo ") + S(step.pText));

        Entry(1)->trigger();
        EXPECT_EQ(Autosave(), after) << "round " << nRound;
        EXPECT_EQ(window.GetSession()->GetCurrentFile(), fileAfter);
        EXPECT_EQ(Selected(), step.nSelectedAfterRedo);
        EXPECT_FALSE(Entry(1)->isEnabled());
    }
    // The views show what the document holds.
    EXPECT_EQ(window.GetView()->GetPeriods().size(), Content().periods.size());
    EXPECT_EQ(window.GetPeriodList()->count(), static_cast<int>(Content().periods.size()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryStep, ::testing::ValuesIn(g_steps),
                         [](const ::testing::TestParamInfo<StepCase>& info)
                         { return std::string(info.param.pName); });

TEST_F(Undo, StepsAreUndoneInOrderAndANewStepDropsTheRedoableOnes)
{
    std::vector<std::string> states{Autosave()};
    EditPeriod(*this, "&Edit/New period");
    states.push_back(Autosave());
    ItemOf(1)->SelectPeriod();
    Confirm([&] { Trigger("&Edit/Remove period"); });
    states.push_back(Autosave());
    AcceptLimits(*this, "&Edit/Diagramme settings");
    states.push_back(Autosave());
    ASSERT_EQ(window.GetSession()->GetHistory()->count(), 3);

    // By the keyboard, as a user does.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int n = 2; n >= 0; --n)
    {
        QTest::keySequence(&window, QKeySequence::Undo);
        EXPECT_EQ(Autosave(), states[static_cast<std::size_t>(n)]) << n;
    }
    EXPECT_FALSE(Entry(0)->isEnabled());
    QTest::keySequence(&window, QKeySequence::Redo);
    EXPECT_EQ(Autosave(), states[1]);
    EXPECT_EQ(Entry(1)->text(), S("Redo Remove period"));

    // A new step after an undo: what could have been redone is gone.
    KIN_DataPeriod moved = ItemOf(2)->GetRecord();
    moved.column = 9;
    window.ChangePeriod(moved, KIN_Text::StepMovePeriod);
    EXPECT_EQ(window.GetSession()->GetHistory()->count(), 2);
    EXPECT_FALSE(Entry(1)->isEnabled());
    Entry(0)->trigger();
    EXPECT_EQ(Autosave(), states[1]);
}

TEST_F(Undo, CommandsThatChangeNothingAddNoStep)
{
    ItemOf(1)->SelectPeriod();
    for (const KIN_Dismissal dismissal :
         {KIN_Dismissal::Cancel, KIN_Dismissal::Escape, KIN_Dismissal::Close})
    {
        KIN_WhenModal<KIN_DlgPeriodLimits> dialog([dismissal](KIN_DlgPeriodLimits& shown)
                                                  { KIN_Dismiss(shown, dismissal); });
        Trigger("&Edit/Change period");
        ASSERT_TRUE(dialog.Seen());
    }
    {
        KIN_QuestionAnswer box(QMessageBox::No);
        Trigger("&Edit/Remove period");
        ASSERT_TRUE(box.Seen());
    }
    {
        KIN_WhenModal<KIN_DlgDiagramShift> dialog([](KIN_DlgDiagramShift& shown)
                                                  { KIN_PressOk(shown); }); // a shift of 0
        Trigger("&Edit/Shift");
        ASSERT_TRUE(dialog.Seen());
    }
    {
        ASSERT_TRUE(folder.Write(S("broken.xml"), "<kinvora>"));
        KIN_FileDialogAnswer answer(folder.Path(S("broken.xml"))); // a failed Load
        Trigger("&File/&Load");
        ASSERT_TRUE(answer.Seen());
        for (QMessageBox* pQBox : window.findChildren<QMessageBox*>())
            pQBox->accept();
    }
    window.AddLink(KIN_DataLink{1, 2, 1, 0}); // the document has it already
    window.ChangePeriod(ItemOf(1)->GetRecord(), KIN_Text::StepMovePeriod);
    window.GetSession()->SaveFile(KIT_ToBytes(folder.Path(S("saved.xml"))));
    EXPECT_EQ(window.GetSession()->GetHistory()->count(), 0);
    EXPECT_FALSE(Entry(0)->isEnabled());
}

TEST(UndoHistory, DropsTheOldestStepsBeyondItsBudget)
{
    std::vector<std::pair<std::int32_t, bool>> applied;
    KIN_UndoHistory history(nullptr, [&](const KIN_UndoStep::Record& record, bool bUndo)
                            { applied.emplace_back(record.nPeriodId, bUndo); });
    std::size_t nStepBytes = 0;
    {
        KIN_UndoStep::Record record;
        record.changes.Record(KIN_DocumentChanges::Change<KIN_DataPeriod>{
            0, std::nullopt, KIN_MakePeriod(1, 2, 0, 2, std::string(1000, 'x'))});
        nStepBytes = record.MemoryBytes();
    }
    KIN_UndoHistory bounded(
        nullptr,
        [&](const KIN_UndoStep::Record& record, bool bUndo)
        { applied.emplace_back(record.nPeriodId, bUndo); },
        nStepBytes * 5 + nStepBytes / 2);
    for (std::int32_t nStep = 1; nStep <= 12; ++nStep)
        for (KIN_UndoHistory* pHistory : {&history, &bounded})
        {
            KIN_UndoStep::Record record;
            record.nPeriodId = nStep;
            record.changes.Record(KIN_DocumentChanges::Change<KIN_DataPeriod>{
                0, std::nullopt, KIN_MakePeriod(1, 2, 0, 2, std::string(1000, 'x'))});
            pHistory->Push(QString::number(nStep), std::move(record));
        }
    EXPECT_TRUE(applied.empty()); // pushing a change already made applies nothing
    EXPECT_EQ(history.count(), 12);
    ASSERT_EQ(bounded.count(), 5);
    EXPECT_LE(bounded.MemoryBytes(), nStepBytes * 5 + nStepBytes / 2);
    EXPECT_EQ(bounded.undoText(), S("12"));
    // The newest steps stay, undone newest first; the dropped ones cannot be reached.
    while (bounded.canUndo())
        bounded.undo();
    bounded.redo();
    EXPECT_EQ(applied, (std::vector<std::pair<std::int32_t, bool>>{
                           {12, true}, {11, true}, {10, true}, {9, true}, {8, true}, {8, false}}));
}

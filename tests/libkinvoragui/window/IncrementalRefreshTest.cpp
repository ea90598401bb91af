// Hundreds of random one-record edits, undos and redos, each refreshed incrementally, then
// judged against a rebuild of the same document: the scene's items in stacking order, the
// period list, the selection and the pixels of the view, ruler and details.
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SessionTestAccess.h"
#include "KIN_UndoHistory.h"
#include "KIN_ViewYears.h"
#include "KIN_WidgetDetails.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"

#include <QAbstractGraphicsShapeItem>
#include <QCursor>
#include <QGraphicsLineItem>
#include <QImage>
#include <QScrollBar>
#include <QTextStream>

#include <random>
#include <set>
#include <typeinfo>

namespace
{
QString PenText(const QPen& pen)
{
    return QStringLiteral("pen %1 %2 %3")
        .arg(pen.color().name(QColor::HexArgb))
        .arg(pen.widthF())
        .arg(static_cast<int>(pen.style()));
}

// One shown item as the user meets it: kind, place, stacking, look and cursor.
QString Describe(const QGraphicsItem* pItem)
{
    QString text;
    QTextStream out(&text);
    const QPointF at = pItem->scenePos();
    const QRectF bound = pItem->boundingRect();
    out << typeid(*pItem).name() << " at " << at.x() << ',' << at.y() << " z " << pItem->zValue()
        << " bound " << bound.x() << ',' << bound.y() << ',' << bound.width() << ','
        << bound.height() << " cursor " << (pItem->hasCursor() ? pItem->cursor().shape() : -1);
    if (const auto* pShape = dynamic_cast<const QAbstractGraphicsShapeItem*>(pItem))
        out << ' ' << PenText(pShape->pen()) << " brush "
            << pShape->brush().color().name(QColor::HexArgb);
    if (const auto* pLine = dynamic_cast<const QGraphicsLineItem*>(pItem))
        out << ' ' << PenText(pLine->pen()) << " line " << pLine->line().x1() << ','
            << pLine->line().y1() << ',' << pLine->line().x2() << ',' << pLine->line().y2();
    if (const auto* pPeriod = dynamic_cast<const KIN_GraphicPeriod*>(pItem))
        out << " id " << pPeriod->GetRecord().id << " title "
            << pPeriod->GetTitleLines().join(QLatin1Char('|'));
    if (const auto* pPoint = dynamic_cast<const KIN_GraphicConnection*>(pItem))
        out << " state " << pPoint->GetState() << " linked " << pPoint->IsLinked();
    if (const auto* pLink = dynamic_cast<const KIN_GraphicLink*>(pItem))
        out << " style " << pLink->GetStyle();
    if (const auto* pImage = dynamic_cast<const KIN_GraphicImage*>(pItem))
        out << " index " << pImage->GetRecord().index << " state " << pImage->GetState();
    return text;
}

// The first entry where two lists part, for a readable failure.
QString FirstDifference(const QStringList& first, const QStringList& second)
{
    for (qsizetype n = 0; n < std::min(first.size(), second.size()); ++n)
        if (first[n] != second[n])
            return QStringLiteral("%1:\n  %2\n  %3").arg(n).arg(first[n], second[n]);
    return QStringLiteral("sizes %1 and %2").arg(first.size()).arg(second.size());
}

// An entry's text and the period it stands for: equal texts must list their periods alike.
QString Entry(const QListWidgetItem* pQEntry)
{
    const auto* pEntry = dynamic_cast<const KIN_ItemListPeriod*>(pQEntry);
    const KIN_GraphicPeriod* pPeriod = pEntry ? pEntry->GetPeriodItem() : nullptr;
    return pQEntry->text() + QStringLiteral(" #%1").arg(pPeriod ? pPeriod->GetRecord().id : -1);
}

struct Shown
{
    QStringList items;
    QStringList list;
    QString listCurrent;
    QStringList listSelected;
    QString selection;
    QImage view;
    QImage ruler;
    QImage details;
    QRectF sceneRect;
    QPoint scroll;
};

class IncrementalRefresh : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QImage picture(60, 40, QImage::Format_ARGB32);
        picture.fill(Qt::darkMagenta);
        ASSERT_TRUE(picture.save(folder.Path(S("picture.png"))));
        KIN_IDataFile& document = *window.GetSession()->GetDocument();
        document.SetLimits(18, 38, 14, false);
        for (int n = 0; n < 36; ++n)
            document.AddPeriod(RandomPeriod(n + 1));
        for (int n = 0; n < 30; ++n)
            document.AddLink(RandomLink());
        for (int n = 0; n < 3; ++n)
            document.AddImage(RandomImage());
        window.RefreshAll();
    }

    int Pick(int nCount) { return static_cast<int>(random() % static_cast<unsigned>(nCount)); }

    KIN_DataPeriod RandomPeriod(std::int32_t nId)
    {
        // Few distinct years and columns, so that periods share a z and overlap.
        const std::int64_t nBegin = 1800 + 10 * Pick(18);
        KIN_DataPeriod period = KIN_MakePeriod(nBegin, nBegin + 10 + 10 * Pick(6), Pick(12),
                                               1 + Pick(3), "P" + std::to_string(Pick(50)));
        if (Pick(3) == 0)
            period.title += "\nline " + std::to_string(Pick(9));
        period.colorBackground = Pick(4) - 1;
        period.colorBorder = Pick(4) - 1;
        period.colorText = Pick(4) - 1;
        period.uncertainBegin = Pick(4) == 0;
        period.uncertainEnd = Pick(4) == 0;
        period.id = nId;
        return period;
    }

    std::int32_t RandomId()
    {
        const auto& periods = Content().periods;
        return periods.empty()
                   ? 1
                   : periods[static_cast<size_t>(Pick(static_cast<int>(periods.size())))].id;
    }

    KIN_DataLink RandomLink()
    {
        // Elbows (1 to 0) half the time, straight links otherwise.
        if (Pick(2) == 0)
            return KIN_DataLink{RandomId(), RandomId(), 1, 0};
        return KIN_DataLink{RandomId(), RandomId(), Pick(5), Pick(5)};
    }

    KIN_DataImage RandomImage()
    {
        KIN_DataImage image;
        image.x = 100 * Pick(12);
        image.y = 9000 + 50 * Pick(20);
        image.scale = 0.5 + Pick(3) * 0.5;
        image.file = Pick(4) == 0 ? "missing.png" : "picture.png";
        return image;
    }

    void SelectRandomPeriod()
    {
        const auto& periods = window.GetView()->GetPeriods();
        if (!periods.empty())
            periods[static_cast<size_t>(Pick(static_cast<int>(periods.size())))]->SelectPeriod();
    }

    void RemoveWithConfirmation(void (KIN_MainWindow::*pSlot)(bool))
    {
        KIN_QuestionAnswer box(QMessageBox::Yes);
        (window.*pSlot)(false);
        EXPECT_TRUE(box.Seen());
    }

    // One random command, as the menus and the scene items call them.
    void RandomEdit()
    {
        KIN_SceneSelection& selection = KIN_SceneSelection::Get();
        const auto& images = Content().images;
        switch (Pick(12))
        {
        case 0:
        case 1:
            if (!Content().periods.empty())
                window.ChangePeriod(RandomPeriod(RandomId()));
            break;
        case 2:
            if (!Content().periods.empty())
            {
                KIN_DataPeriod moved = *std::find_if(
                    Content().periods.begin(), Content().periods.end(),
                    [nId = RandomId()](const KIN_DataPeriod& period) { return period.id == nId; });
                moved.column += Pick(2) == 0 ? -1 : 2;
                window.ChangePeriod(moved, KIN_Text::StepMovePeriod);
            }
            break;
        case 3:
            SelectRandomPeriod();
            window.AddLink(RandomLink());
            break;
        case 4:
            for (KIN_GraphicLink* pLink : window.GetView()->GetLinks())
                if (pLink && Pick(4) == 0)
                {
                    ClearSelection();
                    pLink->SetLinkStyle(KIN_GraphicLink::Selected);
                    selection.pCurrentLink = pLink;
                    RemoveWithConfirmation(&KIN_MainWindow::SlotMenu_EditRemoveLink_triggered);
                    break;
                }
            break;
        case 5:
            if (!window.GetView()->GetPeriods().empty())
            {
                SelectRandomPeriod();
                RemoveWithConfirmation(&KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered);
            }
            break;
        case 6:
        {
            KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
                [this](KIN_DlgPeriodLimits& shown)
                {
                    const KIN_DataPeriod period = RandomPeriod(0);
                    KIN_TitleEditor(shown)->setPlainText(QString::fromStdString(period.title));
                    KIN_TypeInto(KIN_BeginField(shown), QString::number(period.begin));
                    KIN_TypeInto(KIN_EndField(shown), QString::number(period.end));
                    KIN_TypeInto(KIN_ColumnField(shown), QString::number(period.column));
                    KIN_PressOk(shown);
                });
            window.SlotMenu_EditNewPeriod_triggered(false);
            EXPECT_TRUE(dialog.Seen());
            break;
        }
        case 7:
            window.AddImage(RandomImage());
            break;
        case 8:
            if (!images.empty())
            {
                KIN_DataImage changed = RandomImage();
                changed.index = static_cast<std::int32_t>(Pick(static_cast<int>(images.size())));
                changed.file = images[static_cast<size_t>(changed.index)].file;
                window.ChangeImage(changed);
            }
            break;
        case 9:
            if (!window.GetView()->GetImages().empty())
            {
                KIN_GraphicImage* pImage = window.GetView()->GetImages()[static_cast<size_t>(
                    Pick(static_cast<int>(window.GetView()->GetImages().size())))];
                ClearSelection();
                pImage->SetImageState(KIN_GraphicImage::Moving);
                selection.pCurrentImage = pImage;
                RemoveWithConfirmation(&KIN_MainWindow::SlotMenu_EditRemoveImage_triggered);
            }
            break;
        case 10:
            if (window.GetSession()->GetHistory()->canUndo())
                window.GetSession()->GetHistory()->undo();
            break;
        default:
            if (window.GetSession()->GetHistory()->canRedo())
                window.GetSession()->GetHistory()->redo();
            break;
        }
    }

    Shown Capture() const
    {
        Shown shown;
        const KIN_ViewPeriods* pView = window.GetView();
        // Sorted: the scene lists items in no stacking order of its own; the pixels below
        // judge the stacking.
        for (const QGraphicsItem* pItem : pView->GetScene()->items())
            if (pItem->isVisible())
                shown.items << Describe(pItem);
        shown.items.sort();
        const KIT_QT_ListWidget0* pList = window.GetPeriodList();
        for (int n = 0; n < pList->count(); ++n)
            shown.list << Entry(pList->item(n));
        if (const QListWidgetItem* pCurrent = pList->currentItem())
            shown.listCurrent = Entry(pCurrent);
        for (const QListWidgetItem* pSelected : pList->selectedItems())
            shown.listSelected << Entry(pSelected);
        const KIN_SceneSelection& selection = KIN_SceneSelection::Get();
        shown.selection =
            QStringLiteral("period %1 link %2 image %3 actions %4%5%6")
                .arg(selection.pCurrentPeriod ? selection.pCurrentPeriod->GetRecord().id : -1)
                .arg(selection.pCurrentLink != nullptr)
                .arg(selection.pCurrentImage != nullptr)
                .arg(window.GetActionChangePeriod()->isEnabled())
                .arg(window.GetActionRemovePeriod()->isEnabled())
                .arg(window.GetActionRemoveLink()->isEnabled());
        shown.view = pView->viewport()->grab().toImage();
        shown.ruler = window.GetRuler()->grab().toImage();
        shown.details = window.GetDetails()->grab().toImage();
        shown.sceneRect = pView->GetScene()->sceneRect();
        shown.scroll =
            QPoint(pView->horizontalScrollBar()->value(), pView->verticalScrollBar()->value());
        return shown;
    }

    std::mt19937 random{20261209};
};
} // namespace

TEST_F(IncrementalRefresh, EveryEditShowsWhatARebuildShows)
{
    int nCompared = 0;
    for (int nEdit = 0; nEdit < 300; ++nEdit)
    {
        const std::vector<KIN_GraphicPeriod*> before = window.GetView()->GetPeriods();
        RandomEdit();
        // Only the edited period's item may be new: every other one is kept.
        const std::vector<KIN_GraphicPeriod*>& after = window.GetView()->GetPeriods();
        const auto nKept = std::count_if(
            after.begin(), after.end(),
            [&before](auto* pPeriod) { return std::count(before.begin(), before.end(), pPeriod); });
        ASSERT_GE(static_cast<size_t>(nKept) + 1, after.size()) << "after edit " << nEdit;
        // Some edits follow others before the comparison, so that what one update leaves
        // behind meets the next.
        if (Pick(2) == 0)
            continue;
        const Shown incremental = Capture();
        KIN_SessionTestAccess::RebuildAsLastRefresh(*window.GetSession());
        const Shown rebuilt = Capture();
        ++nCompared;
        ASSERT_TRUE(incremental.items == rebuilt.items)
            << "after edit " << nEdit << ", item "
            << FirstDifference(incremental.items, rebuilt.items).toStdString();
        ASSERT_TRUE(incremental.list == rebuilt.list)
            << "after edit " << nEdit << ", entry "
            << FirstDifference(incremental.list, rebuilt.list).toStdString();
        ASSERT_EQ(incremental.listCurrent, rebuilt.listCurrent) << "after edit " << nEdit;
        ASSERT_EQ(incremental.listSelected, rebuilt.listSelected) << "after edit " << nEdit;
        ASSERT_EQ(incremental.selection, rebuilt.selection) << "after edit " << nEdit;
        ASSERT_EQ(incremental.sceneRect, rebuilt.sceneRect) << "after edit " << nEdit;
        ASSERT_EQ(incremental.scroll, rebuilt.scroll) << "after edit " << nEdit;
        ASSERT_TRUE(incremental.view == rebuilt.view) << "after edit " << nEdit;
        ASSERT_TRUE(incremental.ruler == rebuilt.ruler) << "after edit " << nEdit;
        ASSERT_TRUE(incremental.details == rebuilt.details) << "after edit " << nEdit;
    }
    EXPECT_GT(nCompared, 100);
    EXPECT_GT(window.GetSession()->GetHistory()->count(), 100);
    EXPECT_FALSE(Content().periods.empty());
}

// The view does not save the painter around each item, so every item must set all it draws
// with: the picture is the one a saved painter gives, after edits, selections and zooms.
TEST_F(IncrementalRefresh, ItemsPaintAloneWithoutASavedPainter)
{
    QGraphicsView* pView = window.GetView();
    ASSERT_TRUE(pView->optimizationFlags() & QGraphicsView::DontSavePainterState);
    for (int nRound = 0; nRound < 12; ++nRound)
    {
        RandomEdit();
        SelectRandomPeriod();
        if (nRound % 3 == 1)
            window.SlotMenu_ZoomIn_triggered(false);
        if (nRound % 3 == 2)
            window.SlotMenu_ZoomOut_triggered(false);
        const QImage unsaved = pView->viewport()->grab().toImage();
        pView->setOptimizationFlag(QGraphicsView::DontSavePainterState, false);
        const QImage saved = pView->viewport()->grab().toImage();
        pView->setOptimizationFlag(QGraphicsView::DontSavePainterState, true);
        ASSERT_TRUE(unsaved == saved) << "round " << nRound;
        // The selected period is in sight, with its title, points and links.
        std::set<QRgb> colours;
        for (int y = 0; y < saved.height(); y += 3)
            for (int x = 0; x < saved.width(); x += 3)
                colours.insert(saved.pixel(x, y));
        ASSERT_GE(colours.size(), 6u) << "round " << nRound;
    }
}

#include "KIN_ViewPeriods.h"

#include "KIN_DataDiagram.h"
#include "KIN_DateScale.h"
#include "KIN_GraphicBorder.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_QtTexts.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIT_QT_Action.h"
#include "KIT_QtText.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace
{
bool IsPointIndex(int n)
{
    return n >= 0 && n < KIN_GraphicPeriod::PointCount;
}
} // namespace

KIN_ViewPeriods::KIN_ViewPeriods(KIN_MainWindow* pMainWindow, const KIN_DataDiagram* pContent,
                                 QListWidget* pQPeriodList)
    : QGraphicsView(static_cast<QWidget*>(nullptr)), KIT_SafeObject("KIN_ViewPeriods"),
      m_pMainWindow(pMainWindow), m_pContent(pContent), m_pQPeriodList(pQPeriodList),
      m_pScene(new KIN_ScenePeriods(this)), m_pBorder(nullptr)
{
    setScene(m_pScene);
    // Every item sets the pen, brush and font it draws with, so saving the painter around
    // each of them is wasted: a quarter of a paint where thousands of links cross the view.
    setOptimizationFlag(QGraphicsView::DontSavePainterState);
    m_pBorder = new KIN_GraphicBorder(m_pScene);
    connect(m_pScene, &QGraphicsScene::sceneRectChanged, this,
            &KIN_ViewPeriods::SlotViewPeriod_SceneRectChanged);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &KIN_ViewPeriods::SlotViewPeriod_SliderMoved);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &KIN_ViewPeriods::SlotViewPeriod_SliderMoved);
}

KIN_ViewPeriods::~KIN_ViewPeriods()
{
    RemoveItems();
}

void KIN_ViewPeriods::RemoveItems()
{
    // Deselect while every item still exists; then nothing refers across items.
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (selection.pCurrentPeriod)
        selection.pCurrentPeriod->DeselectPeriod();
    selection.pCurrentPeriod = nullptr;
    selection.pCurrentLink = nullptr;
    selection.pCurrentImage = nullptr;
    KIN_GraphicConnection::ClearRegistry();
    m_periodsById.clear();
    // Clearing drops the scene's index before it deletes the items: deleting them one by one
    // would take each out of the index, and the index would first have to be built. The
    // items that outlive a rebuild step out of the scene meanwhile.
    std::vector<QGraphicsItem*> kept{m_pBorder};
    if (KIN_GraphicLink* pRubberBand = KIN_GraphicConnection::RubberBand();
        pRubberBand && pRubberBand->scene() == m_pScene)
        kept.push_back(pRubberBand);
    for (QGraphicsItem* pItem : kept)
        m_pScene->removeItem(pItem);
    m_pScene->clear();
    for (QGraphicsItem* pItem : kept)
        m_pScene->addItem(pItem);
    m_images.clear();
    m_linkItems.clear();
    m_links.clear();
    m_bLinksListed = false;
    m_periods.clear();
}

void KIN_ViewPeriods::UpdateSceneRect()
{
    if (!m_pScene || !m_pContent || !m_pBorder)
        return;
    const std::vector<std::int32_t>& positions = KIN_ScalePositions();
    const double top = 5.0 * positions[static_cast<size_t>(m_pContent->begin)];
    const double bottom = 5.0 * positions[static_cast<size_t>(m_pContent->end)];
    m_pScene->setSceneRect(0, top, 100.0 * m_pContent->width, bottom - top);
    m_pBorder->RecomputeGrid();
}

void KIN_ViewPeriods::RebuildScene(const Progress& progress)
{
    // A progress indication lets events in while the items are made: a half-made scene is
    // not worth painting, and with many links each paint would cost more than the rebuild.
    const bool bUpdates = updatesEnabled();
    setUpdatesEnabled(false);
    MakeItems(progress);
    setUpdatesEnabled(bUpdates);
}

void KIN_ViewPeriods::MakeItems(const Progress& progress)
{
    RemoveItems();
    UpdateSceneRect();
    if (!m_pContent)
        return;
    // Periods and links, then one more share for filing them in the index.
    const std::size_t nRecords = m_pContent->periods.size() + m_pContent->links.size();
    const std::size_t nTotal = nRecords + nRecords / 4;
    m_periods.reserve(m_pContent->periods.size());
    for (const KIN_DataPeriod& period : m_pContent->periods)
    {
        m_periods.push_back(new KIN_GraphicPeriod(m_pScene, this, &period, m_pQPeriodList));
        m_periodsById.emplace(period.id, m_periods.back());
        if (progress && m_periods.size() % 4096 == 0)
            progress(m_periods.size(), nTotal);
    }
    m_linkItems.assign(m_pContent->links.size(), LinkItems());
    for (size_t n = 0; n < m_pContent->links.size(); ++n)
    {
        CreateLink(n);
        if (progress && n % 4096 == 4095)
            progress(m_periods.size() + n, nTotal);
    }
    m_images.reserve(m_pContent->images.size());
    for (const KIN_DataImage& image : m_pContent->images)
    {
        auto* pImage = new KIN_GraphicImage(&image, this);
        m_pScene->addItem(pImage);
        m_images.push_back(pImage);
    }
    if (progress)
    {
        // Files every item in the scene's index now, while the progress shows, instead of
        // on the first paint.
        progress(nRecords, nTotal);
        m_pScene->items(QPointF());
        progress(nTotal, nTotal);
    }
}

KIN_GraphicPeriod* KIN_ViewPeriods::FindPeriod(int nId) const
{
    const auto found = m_periodsById.find(nId);
    return found == m_periodsById.end() ? nullptr : found->second;
}

KIN_GraphicLink* KIN_ViewPeriods::AddSegment(KIN_GraphicConnection* pFirst,
                                             KIN_GraphicConnection* pSecond,
                                             const KIN_DataLink& link, const QLineF& line)
{
    auto* pSegment = new KIN_GraphicLink(pFirst, pSecond, link);
    pSegment->setLine(line);
    // Styled before it joins the scene, so that no change has to reach the scene.
    pSegment->SetLinkStyle(KIN_GraphicLink::Normal);
    m_pScene->addItem(pSegment);
    pFirst->GetPeriod()->AddLink(pSegment);
    pSecond->GetPeriod()->AddLink(pSegment);
    return pSegment;
}

void KIN_ViewPeriods::CreateElbowLink(const KIN_DataLink& link, size_t nSlot)
{
    // The parent's point 1 always comes first.
    const KIN_DataLink ordered = link.point1 == 1 ? link : link.Swapped();
    KIN_GraphicConnection* pParent = FindPeriod(ordered.period1)->LinkPoint(1);
    KIN_GraphicConnection* pChild = FindPeriod(ordered.period2)->LinkPoint(0);
    const QPointF a = pParent->scenePos();
    const QPointF b = pChild->scenePos();
    const qreal ym = a.y() + 10;
    KIN_GraphicLink* pMain = AddSegment(pParent, pChild, ordered, QLineF(a.x(), ym, b.x(), ym));
    KIN_GraphicLink* pFirstLeg =
        AddSegment(pParent, pChild, ordered, QLineF(a.x(), a.y(), a.x(), ym));
    KIN_GraphicLink* pSecondLeg =
        AddSegment(pParent, pChild, ordered, QLineF(b.x(), ym, b.x(), b.y()));
    pMain->SetPartners(pFirstLeg, pSecondLeg);
    pFirstLeg->SetPartners(pSecondLeg, pMain);
    pSecondLeg->SetPartners(pFirstLeg, pMain);
    m_linkItems[nSlot] = LinkItems{pMain, pFirstLeg, pSecondLeg};
}

void KIN_ViewPeriods::CreateLink(size_t nSlot)
{
    m_linkItems[nSlot] = LinkItems();
    m_bLinksListed = false;
    const KIN_DataLink& link = m_pContent->links[nSlot];
    if (!IsPointIndex(link.point1) || !IsPointIndex(link.point2))
        return;
    KIN_GraphicPeriod* pFirstPeriod = FindPeriod(link.period1);
    KIN_GraphicPeriod* pSecondPeriod = FindPeriod(link.period2);
    if (!pFirstPeriod || !pSecondPeriod)
        return;
    KIN_GraphicConnection* pFirst = pFirstPeriod->LinkPoint(link.point1);
    KIN_GraphicConnection* pSecond = pSecondPeriod->LinkPoint(link.point2);
    const bool bElbow =
        (link.point1 == 1 && link.point2 == 0) || (link.point1 == 0 && link.point2 == 1);
    if (bElbow)
    {
        CreateElbowLink(link, nSlot);
        return;
    }
    m_linkItems[nSlot].pMain =
        AddSegment(pFirst, pSecond, link, QLineF(pFirst->scenePos(), pSecond->scenePos()));
}

const std::vector<KIN_GraphicLink*>& KIN_ViewPeriods::GetLinks() const
{
    if (m_bLinksListed)
        return m_links;
    m_links.clear();
    m_links.reserve(m_linkItems.size());
    for (const LinkItems& items : m_linkItems)
        m_links.push_back(items.pMain);
    for (const LinkItems& items : m_linkItems)
        if (items.pFirstLeg)
            m_links.insert(m_links.end(), {items.pFirstLeg, items.pSecondLeg});
    m_bLinksListed = true;
    return m_links;
}

QRectF KIN_ViewPeriods::ExportRect() const
{
    const QRectF area = m_pScene ? m_pScene->sceneRect() : QRectF();
    return QRectF(area.x() - 200, area.y() - 50, std::floor(area.width()) + 202,
                  std::floor(area.height()) + 100);
}

void KIN_ViewPeriods::RenderScene(QPainter& painter, const QRectF& target)
{
    if (!m_pScene)
        return;
    const ExportFrame frame(*this);
    painter.fillRect(target, Qt::white);
    m_pScene->render(&painter, target, QRectF(), Qt::KeepAspectRatio);
}

KIN_ViewPeriods::ExportFrame::ExportFrame(KIN_ViewPeriods& view)
    : m_view(view), m_saved(view.m_pScene->sceneRect())
{
    // The ruler need not follow a temporary rectangle.
    const QSignalBlocker blocker(m_view.m_pScene);
    m_view.m_pScene->setSceneRect(m_view.ExportRect());
}

KIN_ViewPeriods::ExportFrame::~ExportFrame()
{
    const QSignalBlocker blocker(m_view.m_pScene);
    m_view.m_pScene->setSceneRect(m_saved);
}

void KIN_ViewPeriods::ExportFrame::Render(QPainter& painter, const QRectF& target,
                                          const QRectF& source) const
{
    painter.fillRect(target, Qt::white);
    const QRectF scene = source.translated(m_view.m_pScene->sceneRect().topLeft());
    m_view.m_pScene->render(&painter, target, scene, Qt::IgnoreAspectRatio);
}

void KIN_ViewPeriods::RenderToImage(QImage& image)
{
    if (!m_pScene)
        return;
    const QRectF area = ExportRect();
    image = QImage(static_cast<int>(area.width()), static_cast<int>(area.height()),
                   QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderScene(painter, QRectF());
}

void KIN_ViewPeriods::ScaleView(double sx, double sy)
{
    scale(sx, sy);
    NotifyScrolled();
}

void KIN_ViewPeriods::NotifyScrolled()
{
    KIN_GraphicConnection::OfferCandidatesIn(this);
    if (m_pMainWindow)
        m_pMainWindow->UpdateRuler();
}

void KIN_ViewPeriods::SlotViewPeriod_SceneRectChanged(const QRectF&)
{
    NotifyScrolled();
}

void KIN_ViewPeriods::SlotViewPeriod_SliderMoved(int)
{
    NotifyScrolled();
}

void KIN_ViewPeriods::mousePressEvent(QMouseEvent* pQEvent)
{
    KIN_SceneSelection::Get().bItemHandled = false;
    QGraphicsView::mousePressEvent(pQEvent);
    if (!KIN_SceneSelection::Get().bItemHandled)
        ClearSelection();
}

void KIN_ViewPeriods::resizeEvent(QResizeEvent* pQEvent)
{
    QGraphicsView::resizeEvent(pQEvent);
    NotifyScrolled();
}

void KIN_ViewPeriods::contextMenuEvent(QContextMenuEvent* pQEvent)
{
    if (!pQEvent || !m_pMainWindow)
        return;
    KIN_SceneSelection::Get().bItemHandled = false;
    QGraphicsView::contextMenuEvent(pQEvent);
    if (KIN_SceneSelection::Get().bItemHandled)
        return;
    KIT_QT_Action settings(KIN_QText(KIN_Text::DiagramSettings), this);
    KIT_QT_Action newPeriod(KIN_QText(KIN_Text::NewPeriod), this);
    KIT_QT_Action newImage(KIN_QText(KIN_Text::NewImage), this);
    const QPoint viewportPos = pQEvent->pos();
    QAction* pQChosen = QMenu::exec({&settings, &newPeriod, &newImage}, pQEvent->globalPos());
    if (pQChosen == &settings)
        m_pMainWindow->SlotMenu_EditLimitDiagr_triggered(false);
    else if (pQChosen == &newPeriod)
        m_pMainWindow->SlotMenu_EditNewPeriod_triggered(false);
    else if (pQChosen == &newImage)
        NewImageAt(viewportPos);
}

void KIN_ViewPeriods::NewImageAt(const QPoint& viewportPos)
{
    const QString chosen =
        QFileDialog::getOpenFileName(this, KIN_QText(KIN_Text::CaptionNewImage),
                                     QStringLiteral("."), QStringLiteral("Images (*.bmp *.png)"));
    if (chosen.isEmpty())
        return;
    // Relative to the working folder, so a picture there keeps its bare name and one from
    // any other folder is still found.
    const std::string file = KIT_ToBytes(QDir::current().relativeFilePath(chosen));
    const QPointF scenePos = mapToScene(viewportPos);
    KIN_DataImage image;
    image.x = static_cast<std::int32_t>(std::trunc(scenePos.x()));
    image.y = static_cast<std::int32_t>(std::trunc(scenePos.y()));
    image.scale = 1.0;
    image.file = file;
    m_pMainWindow->AddImage(image);
}

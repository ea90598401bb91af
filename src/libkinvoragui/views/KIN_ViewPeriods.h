#ifndef KIN_VIEWPERIODS_H
#define KIN_VIEWPERIODS_H

#include "KIT_SafeObject.h"

#include <QGraphicsView>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

class KIN_GraphicBorder;
class KIN_GraphicConnection;
class KIN_GraphicImage;
class KIN_GraphicLink;
class KIN_GraphicPeriod;
class KIN_MainWindow;
class KIN_DocumentChanges;
class KIN_ScenePeriods;
struct KIN_DataDiagram;
struct KIN_DataLink;
class QImage;
class QListWidget;
class QPainter;

// The scrolling, zooming view of the diagram. It owns the scene and rebuilds every item
// from the document on request, or updates only the items a change touched, and tells the
// main window whenever what it shows moves.
class KIN_ViewPeriods : public QGraphicsView, public KIT_SafeObject
{
    Q_OBJECT

public:
    // The period items keep their entries in the period list, when one is given.
    KIN_ViewPeriods(KIN_MainWindow* pMainWindow, const KIN_DataDiagram* pContent,
                    QListWidget* pQPeriodList = nullptr);
    ~KIN_ViewPeriods() override;

    // Reports how many of the periods are made, now and then, for a progress indication.
    using Progress = std::function<void(std::size_t nDone, std::size_t nTotal)>;
    void RebuildScene(const Progress& progress = {});
    // Brings the items up to date after the document made the changes (or took them back):
    // only the touched periods, their links and list entries, links and images change. False
    // when the changes are too wide for that (limits, a whole diagram, many records); the
    // caller rebuilds then. Nothing is selected before or after.
    bool ApplyChanges(const KIN_DocumentChanges& changes, bool bUndo);
    // The first period item of an id, or null.
    KIN_GraphicPeriod* FindPeriod(int nId) const;
    void UpdateSceneRect();
    // Draws the whole scene at scale 1 with room for the date labels, on opaque white.
    void RenderToImage(QImage& image);
    // The scene rectangle with room for the date labels: what an export shows.
    QRectF ExportRect() const;
    // Draws ExportRect() into the target on opaque white (images and PDF pages).
    void RenderScene(QPainter& painter, const QRectF& target);

    // While it lives the scene rectangle is the view's ExportRect(), so that many parts of
    // the export are drawn with one index of the items (poster pages).
    class ExportFrame
    {
    public:
        explicit ExportFrame(KIN_ViewPeriods& view);
        ~ExportFrame();
        ExportFrame(const ExportFrame&) = delete;
        ExportFrame& operator=(const ExportFrame&) = delete;

        // Draws the source, in ExportRect() coordinates from its top left, into the target
        // on opaque white; the two rectangles have the same proportions.
        void Render(QPainter& painter, const QRectF& target, const QRectF& source) const;

    private:
        KIN_ViewPeriods& m_view;
        QRectF m_saved;
    };
    void ScaleView(double sx, double sy);
    void NotifyScrolled();
    // Deletes every item; nothing is current afterwards.
    void RemoveItems();

    KIN_ScenePeriods* GetScene() const { return m_pScene; }
    KIN_GraphicBorder* GetBorder() const { return m_pBorder; }
    const std::vector<KIN_GraphicPeriod*>& GetPeriods() const { return m_periods; }
    // One main segment per link record (null where none is drawn), then the legs of the
    // elbows in the order of their links.
    const std::vector<KIN_GraphicLink*>& GetLinks() const;
    const std::vector<KIN_GraphicImage*>& GetImages() const { return m_images; }

public slots:
    void SlotViewPeriod_SceneRectChanged(const QRectF& rectArea);
    void SlotViewPeriod_SliderMoved(int nPositionScrollBar);

protected:
    void mousePressEvent(QMouseEvent* pQEvent) override;
    void resizeEvent(QResizeEvent* pQEvent) override;
    void contextMenuEvent(QContextMenuEvent* pQEvent) override;

private:
    // The segments drawn for one link record: a straight link has only its main segment.
    struct LinkItems
    {
        KIN_GraphicLink* pMain = nullptr;
        KIN_GraphicLink* pFirstLeg = nullptr;
        KIN_GraphicLink* pSecondLeg = nullptr;
        // Inserted by a change and not drawn yet.
        bool bFresh = false;
    };

    void MakeItems(const Progress& progress);
    void CreateLink(size_t nSlot);
    void CreateElbowLink(const KIN_DataLink& link, size_t nSlot);
    KIN_GraphicLink* AddSegment(KIN_GraphicConnection* pFirst, KIN_GraphicConnection* pSecond,
                                const KIN_DataLink& link, const QLineF& line);
    void NewImageAt(const QPoint& viewportPos);

    // The steps of an incremental update, in the order ApplyChanges takes them.
    bool ApplyLinkChanges(const KIN_DocumentChanges& changes, bool bUndo);
    bool ApplyPeriodChanges(const KIN_DocumentChanges& changes, bool bUndo,
                            std::vector<KIN_GraphicPeriod*>& touched,
                            std::vector<KIN_GraphicPeriod*>& created);
    bool ApplyImageChanges(const KIN_DocumentChanges& changes, bool bUndo);
    void RedrawLinksOf(const std::vector<std::int32_t>& ids);
    void DeleteLinkItems(LinkItems& items);
    // nId is the erased record's: the item's own record may be gone already.
    void DeletePeriodItem(KIN_GraphicPeriod* pPeriod, std::int32_t nId);
    void RefindPeriods(const std::vector<std::int32_t>& ids);
    // Stacks the periods made by a change where a rebuild would have added them.
    void PlaceNewPeriods(const std::vector<KIN_GraphicPeriod*>& created);
    // The first item a rebuild adds after the segments of a slot (or from it on).
    QGraphicsItem* FirstItemAfterSlot(size_t nSlot, bool bFromSlot) const;
    // Whether a slot's segments join the periods its record names now.
    bool EndsStillDrawn(size_t nSlot) const;
    void ReconnectLink(size_t nSlot);

    KIN_MainWindow* m_pMainWindow;
    const KIN_DataDiagram* m_pContent;
    QListWidget* m_pQPeriodList;
    KIN_ScenePeriods* m_pScene;
    KIN_GraphicBorder* m_pBorder;
    std::vector<KIN_GraphicPeriod*> m_periods;
    // The first period item of each id, for drawing the links.
    std::unordered_map<int, KIN_GraphicPeriod*> m_periodsById;
    // One entry per link record, in the document's order.
    std::vector<LinkItems> m_linkItems;
    // GetLinks() listed, made again on demand after a change.
    mutable std::vector<KIN_GraphicLink*> m_links;
    mutable bool m_bLinksListed = false;
    std::vector<KIN_GraphicImage*> m_images;
};

#endif

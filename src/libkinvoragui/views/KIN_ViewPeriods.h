#ifndef KIN_VIEWPERIODS_H
#define KIN_VIEWPERIODS_H

#include "KIT_SafeObject.h"

#include <QGraphicsView>

#include <unordered_map>
#include <vector>

class KIN_GraphicBorder;
class KIN_GraphicConnection;
class KIN_GraphicImage;
class KIN_GraphicLink;
class KIN_GraphicPeriod;
class KIN_MainWindow;
class KIN_ScenePeriods;
struct KIN_DataDiagram;
struct KIN_DataLink;
class QImage;
class QPainter;

// The scrolling, zooming view of the diagram. It owns the scene and rebuilds every item
// from the document on request, and tells the main window whenever what it shows moves.
class KIN_ViewPeriods : public QGraphicsView, public KIT_SafeObject
{
    Q_OBJECT

public:
    KIN_ViewPeriods(KIN_MainWindow* pMainWindow, const KIN_DataDiagram* pContent);
    ~KIN_ViewPeriods() override;

    void RebuildScene();
    void UpdateSceneRect();
    // Draws the whole scene at scale 1 with room for the date labels, on opaque white.
    void RenderToImage(QImage& image);
    // The scene rectangle with room for the date labels: what an export shows.
    QRectF ExportRect() const;
    // Draws ExportRect() into the target on opaque white (images and PDF pages).
    void RenderScene(QPainter& painter, const QRectF& target);
    void ScaleView(double sx, double sy);
    void NotifyScrolled();
    // Deletes every item; nothing is current afterwards.
    void RemoveItems();

    KIN_ScenePeriods* GetScene() const { return m_pScene; }
    KIN_GraphicBorder* GetBorder() const { return m_pBorder; }
    const std::vector<KIN_GraphicPeriod*>& GetPeriods() const { return m_periods; }
    const std::vector<KIN_GraphicLink*>& GetLinks() const { return m_links; }
    const std::vector<KIN_GraphicImage*>& GetImages() const { return m_images; }

public slots:
    void SlotViewPeriod_SceneRectChanged(const QRectF& rectArea);
    void SlotViewPeriod_SliderMoved(int nPositionScrollBar);

protected:
    void mousePressEvent(QMouseEvent* pQEvent) override;
    void resizeEvent(QResizeEvent* pQEvent) override;
    void contextMenuEvent(QContextMenuEvent* pQEvent) override;

private:
    void CreateLinks();
    void CreateStraightLink(KIN_GraphicConnection* pFirst, KIN_GraphicConnection* pSecond,
                            const KIN_DataLink& link, size_t nSlot);
    void CreateElbowLink(const KIN_DataLink& link, size_t nSlot);
    KIN_GraphicPeriod* FindPeriod(int nId) const;
    KIN_GraphicLink* AddSegment(KIN_GraphicConnection* pFirst, KIN_GraphicConnection* pSecond,
                                const KIN_DataLink& link, const QLineF& line);
    void NewImageAt(const QPoint& viewportPos);

    KIN_MainWindow* m_pMainWindow;
    const KIN_DataDiagram* m_pContent;
    KIN_ScenePeriods* m_pScene;
    KIN_GraphicBorder* m_pBorder;
    std::vector<KIN_GraphicPeriod*> m_periods;
    // The first period item of each id, for drawing the links.
    std::unordered_map<int, KIN_GraphicPeriod*> m_periodsById;
    // Every link segment, in creation order.
    std::vector<KIN_GraphicLink*> m_segments;
    std::vector<KIN_GraphicLink*> m_links;
    std::vector<KIN_GraphicImage*> m_images;
};

#endif

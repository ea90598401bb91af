#include "KIN_GraphicImage.h"

#include "KIN_AppContext.h"
#include "KIN_GraphicImageResizer.h"
#include "KIN_MainWindow.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIT_QT_Action.h"
#include "KIT_QtText.h"

#include <QCursor>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMenu>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr int g_nRaisedZ = 200000;
constexpr double g_maxSide = 32767; // keeps absurd scales read from a file drawable

int ClampedSide(double side)
{
    return static_cast<int>(std::trunc(std::clamp(side, 0.0, g_maxSide)));
}
} // namespace

KIN_GraphicImage::KIN_GraphicImage(const KIN_DataImage* pImage, QGraphicsView* pQView)
    : QGraphicsPixmapItem(nullptr), KIT_SafeObject("KIN_GraphicImage"), m_scale(pImage->scale),
      m_pImage(pImage), m_pQView(pQView)
{
    setCursor(Qt::SizeAllCursor);
    if (!m_full.load(KIT_ToQString(pImage->file)))
    {
        std::printf("cannot load the image:  %s\n", pImage->file.c_str());
        std::fflush(stdout);
        return;
    }
    ShowScaled(ClampedSide(m_full.width() * m_scale), ClampedSide(m_full.height() * m_scale));
    setPos(pImage->x, pImage->y);
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (selection.pCurrentImage == this)
        selection.pCurrentImage = nullptr;
    SetImageState(Idle);
    m_pResizer = new KIN_GraphicImageResizer(this);
}

void KIN_GraphicImage::Update(const KIN_DataImage* pImage)
{
    m_pImage = pImage;
    m_scale = pImage->scale;
    if (IsLoaded())
    {
        ShowScaled(ClampedSide(m_full.width() * m_scale), ClampedSide(m_full.height() * m_scale));
        setPos(pImage->x, pImage->y);
    }
    SetImageState(Idle);
    if (m_pResizer)
    {
        // A new handle starts from the new scale, as on a new picture.
        delete m_pResizer;
        m_pResizer = new KIN_GraphicImageResizer(this);
    }
}

KIN_GraphicImage::~KIN_GraphicImage()
{
    if (KIN_SceneSelection::Get().pCurrentImage == this)
        KIN_SceneSelection::Get().pCurrentImage = nullptr;
}

void KIN_GraphicImage::ShowScaled(int nWidth, int nHeight)
{
    setPixmap(m_full.scaled(nWidth, nHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void KIN_GraphicImage::SetImageState(int nState)
{
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (nState == Idle)
    {
        if (selection.pCurrentImage == this)
            selection.pCurrentImage = nullptr;
        setZValue(scenePos().y());
    }
    else
    {
        selection.pCurrentImage = this;
        setZValue(g_nRaisedZ);
    }
    m_nState = nState;
}

void KIN_GraphicImage::mousePressEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (pQEvent->button() == Qt::LeftButton)
    {
        ClearSelection();
        SetImageState(Moving);
        m_pressScenePos = pQEvent->scenePos();
        m_pressItemPos = scenePos();
    }
    KIN_SceneSelection::Get().bItemHandled = true;
}

void KIN_GraphicImage::mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (!(pQEvent->buttons() & Qt::LeftButton))
        return;
    setPos(m_pressItemPos + (pQEvent->scenePos() - m_pressScenePos));
    m_bMoved = true;
}

void KIN_GraphicImage::mouseReleaseEvent(QGraphicsSceneMouseEvent*)
{
    if (!m_bMoved)
        return;
    m_bMoved = false;
    KIN_SceneSelection::Get().bItemHandled = true;
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (!pMainWindow)
        return;
    KIN_DataImage moved = *m_pImage;
    moved.x = static_cast<std::int32_t>(std::trunc(x()));
    moved.y = static_cast<std::int32_t>(std::trunc(y()));
    pMainWindow->ChangeImage(moved); // rebuilds the scene: this item is gone afterwards
}

void KIN_GraphicImage::contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent)
{
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (KIN_SceneSelection::Get().pCurrentImage != this || !m_pQView || !pMainWindow)
    {
        pQEvent->ignore();
        return;
    }
    KIN_SceneSelection::Get().bItemHandled = true;
    auto* pQRemove = new KIT_QT_Action(KIN_QText(KIN_Text::RemoveImage), m_pQView);
    pQRemove->deleteLater();
    if (QMenu::exec({pQRemove}, pQEvent->screenPos()) == pQRemove)
        pMainWindow->SlotMenu_EditRemoveImage_triggered(false);
}

#include "KIN_GraphicImageResizer.h"

#include "KIN_AppContext.h"
#include "KIN_GraphicImage.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneSelection.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPen>

#include <algorithm>
#include <cmath>

KIN_GraphicImageResizer::KIN_GraphicImageResizer(KIN_GraphicImage* pImage)
    : QGraphicsRectItem(pImage), KIT_SafeObject("KIN_GraphicImageResizer"), m_pImage(pImage),
      m_scale(pImage->GetScale())
{
    setPen(Qt::NoPen);
    setBrush(Qt::NoBrush);
    setCursor(Qt::SizeFDiagCursor);
    UpdateRect();
}

KIN_GraphicImageResizer::~KIN_GraphicImageResizer() = default;

void KIN_GraphicImageResizer::UpdateRect()
{
    const QSize shown = m_pImage->pixmap().size();
    const int c = std::max(shown.width() / 4, 2);
    const int d = std::max(shown.height() / 4, 2);
    setRect(shown.width() - c + 2, shown.height() - d + 2, c, d);
}

void KIN_GraphicImageResizer::mousePressEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (pQEvent->button() == Qt::LeftButton)
    {
        ClearSelection();
        m_pImage->SetImageState(KIN_GraphicImage::Resizing);
        m_pressPos = pQEvent->pos();
    }
    KIN_SceneSelection::Get().bItemHandled = true;
}

void KIN_GraphicImageResizer::mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (!(pQEvent->buttons() & Qt::LeftButton))
        return;
    const double dx = pQEvent->pos().x() - m_pressPos.x();
    const double dy = pQEvent->pos().y() - m_pressPos.y();
    if (dx == 0 && dy == 0)
        return;
    const double s = m_pImage->GetScale();
    const double fullWidth = m_pImage->GetFullPixmap().width();
    const double fullHeight = m_pImage->GetFullPixmap().height();
    const bool bHorizontal = std::abs(dy) < std::abs(dx);
    const double a = (bHorizontal ? fullWidth : fullHeight) * s;
    if (!(a > 0))
        return; // an empty picture has nothing to resize
    double b = a + (bHorizontal ? dx : dy);
    double scale = s * b / a;
    // Never below a size that can still be seen and grabbed (nor below what it is now).
    const double minimumScale = std::min(s, MinimumSide / std::min(fullWidth, fullHeight));
    if (!(scale >= minimumScale))
    {
        scale = minimumScale;
        b = (bHorizontal ? fullWidth : fullHeight) * scale;
    }
    const double other = (bHorizontal ? fullHeight : fullWidth) * scale;
    const int nMajor = static_cast<int>(std::trunc(std::min(b, 32767.0)));
    const int nMinor = static_cast<int>(std::trunc(std::min(other, 32767.0)));
    m_scale = scale;
    if (bHorizontal)
        m_pImage->ShowScaled(nMajor, nMinor);
    else
        m_pImage->ShowScaled(nMinor, nMajor);
    m_bResized = true;
}

void KIN_GraphicImageResizer::mouseReleaseEvent(QGraphicsSceneMouseEvent*)
{
    if (!m_bResized)
        return;
    m_bResized = false;
    KIN_SceneSelection::Get().bItemHandled = true;
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (!pMainWindow)
        return;
    KIN_DataImage resized = m_pImage->GetRecord();
    resized.scale = m_scale;
    pMainWindow->ChangeImage(resized);
}

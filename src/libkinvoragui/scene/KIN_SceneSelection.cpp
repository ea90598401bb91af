#include "KIN_SceneSelection.h"

#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"

KIN_SceneSelection& KIN_SceneSelection::Get()
{
    static KIN_SceneSelection selection;
    return selection;
}

void ClearSelection()
{
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (selection.pCurrentPeriod)
        selection.pCurrentPeriod->DeselectPeriod();
    else if (selection.pCurrentLink)
        selection.pCurrentLink->SetLinkStyle(KIN_GraphicLink::Normal);
    else if (selection.pCurrentImage)
        selection.pCurrentImage->SetImageState(KIN_GraphicImage::Idle);
}

#ifndef KIN_SCENESELECTION_H
#define KIN_SCENESELECTION_H

class KIN_GraphicImage;
class KIN_GraphicLink;
class KIN_GraphicPeriod;

// The selection model shared by every scene item: at most one current period, one current
// link segment and one current image, and the flag by which an item tells the view that it
// handled a click.
struct KIN_SceneSelection
{
    KIN_GraphicPeriod* pCurrentPeriod = nullptr;
    KIN_GraphicLink* pCurrentLink = nullptr;
    KIN_GraphicImage* pCurrentImage = nullptr;
    bool bItemHandled = false;

    static KIN_SceneSelection& Get();
};

// Deselects the current period, or else returns the current link to normal, or else sets
// the current image idle: at most one of the three changes.
void ClearSelection();

#endif

#ifndef QT_SCROLLAREA_H
#define QT_SCROLLAREA_H

#include "KIT_SafeObject.h"

#include <QScrollArea>

class QLayout;

// Scroll area that keeps its content at its natural size in the top-left corner; the scroll
// bars appear when the area is smaller than the content.
class QT_ScrollArea : public QScrollArea, public KIT_SafeObject
{
public:
    QT_ScrollArea(QWidget* pQContent, QWidget* pQParent);
    ~QT_ScrollArea() override;

private:
    void Initialize(QLayout* pQLayout, QWidget* pQContent);
};

#endif

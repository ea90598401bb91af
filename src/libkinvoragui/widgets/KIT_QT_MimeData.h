#ifndef KIT_QT_MIMEDATA_H
#define KIT_QT_MIMEDATA_H

#include "KIT_SafeObject.h"

#include <QMimeData>

// QMimeData that carries its class name.
class KIT_QT_MimeData : public QMimeData, public KIT_SafeObject
{
public:
    KIT_QT_MimeData();
    ~KIT_QT_MimeData() override;
};

#endif

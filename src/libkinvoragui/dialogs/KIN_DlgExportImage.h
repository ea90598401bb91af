#ifndef KIN_DLGEXPORTIMAGE_H
#define KIN_DLGEXPORTIMAGE_H

#include "KIT_SafeObject.h"

#include <QFileDialog>
#include <QSizeF>

class QComboBox;
class QLabel;

// The file dialog of "Export image" with a choice of resolution below the name. A drawing
// too large for image viewers at 1x starts on the largest resolution they open, and says
// so; any other resolution stays choosable.
class KIN_DlgExportImage : public QFileDialog, public KIT_SafeObject
{
public:
    // drawing: the export's size at 1x, in pixels.
    KIN_DlgExportImage(QWidget* pQParent, const QSizeF& drawing);
    ~KIN_DlgExportImage() override;

    double Factor() const;
    // The note on a proposed resolution; empty when 1x is proposed.
    QString Note() const;
    QComboBox* ResolutionField() const { return m_pQResolution; }

private:
    QComboBox* m_pQResolution = nullptr;
    QLabel* m_pQNote = nullptr;
};

#endif

#ifndef KIN_DLGDIAGRAMLIMITS_H
#define KIN_DLGDIAGRAMLIMITS_H

#include "KIN_DlgValid.h"

#include <cstdint>
#include <string>

class KIN_ComboDates;
class KIT_QT_LineEdit0;

// Edits the diagram's limits: its begin and end steps on the date scale and its width in
// columns. Used both for a new diagram and for the settings of the open one.
class KIN_DlgDiagramLimits : public KIN_DlgValid
{
public:
    explicit KIN_DlgDiagramLimits(QWidget* pQParent);
    ~KIN_DlgDiagramLimits() override;

    // Shows the values under the title; on OK writes the fields back and returns true. A
    // width that is not a number comes back as 0. Cancelled, the values stay as they were.
    bool Run(const std::string& title, std::int32_t& nBegin, std::int32_t& nEnd,
             std::int32_t& nWidth);

private:
    KIN_ComboDates* m_pBegin = nullptr;
    KIN_ComboDates* m_pEnd = nullptr;
    KIT_QT_LineEdit0* m_pWidth = nullptr;
};

#endif

#ifndef KIN_DLGDIAGRAMSHIFT_H
#define KIN_DLGDIAGRAMSHIFT_H

#include "KIN_DlgValid.h"

#include <cstdint>

class KIT_QT_LineEdit0;

// Asks for a range of columns and the number of columns to move it by.
class KIN_DlgDiagramShift : public KIN_DlgValid
{
public:
    explicit KIN_DlgDiagramShift(QWidget* pQParent);
    ~KIN_DlgDiagramShift() override;

    // Shows the three values; on OK writes the fields back (0 for a field that is not a
    // number) and returns true. Cancelled, the values stay as they were.
    bool Run(std::int32_t& nFirstColumn, std::int32_t& nLastColumn, std::int32_t& nShift);

private:
    KIT_QT_LineEdit0* m_pFirstColumn = nullptr;
    KIT_QT_LineEdit0* m_pLastColumn = nullptr;
    KIT_QT_LineEdit0* m_pShift = nullptr;
};

#endif

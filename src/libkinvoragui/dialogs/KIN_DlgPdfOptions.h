#ifndef KIN_DLGPDFOPTIONS_H
#define KIN_DLGPDFOPTIONS_H

#include "KIN_DlgValid.h"
#include "KIN_PdfOptions.h"

#include <QSizeF>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// Asks how a diagram becomes a PDF: one page, or a poster of a paper, orientation and
// scale, showing how many pages the poster makes.
class KIN_DlgPdfOptions : public KIN_DlgValid
{
public:
    explicit KIN_DlgPdfOptions(QWidget* pQParent);
    ~KIN_DlgPdfOptions() override;

    // Shows the options for a drawing of a size (scene pixels); on OK writes them back.
    bool Run(KIN_PdfOptions& options, const QSizeF& drawing);
    // What the fields hold now.
    KIN_PdfOptions Chosen() const;
    // The page count line as shown.
    QString PageCountText() const;

private:
    void Show(const KIN_PdfOptions& options);
    void UpdatePageCount();

    QRadioButton* m_pQOnePage = nullptr;
    QRadioButton* m_pQPoster = nullptr;
    QComboBox* m_pQPaper = nullptr;
    QComboBox* m_pQOrientation = nullptr;
    QSpinBox* m_pQScale = nullptr;
    QLabel* m_pQPages = nullptr;
    QSizeF m_drawing;
};

#endif

#include "KIN_DlgExportImage.h"

#include "KIN_PngResolution.h"
#include "KIN_QtTexts.h"
#include "KIN_Texts.h"
#include "KIT_QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace
{
QString Entry(double factor, const QSizeF& drawing)
{
    const QSize size = KIN_PngResolution::SizeAt(drawing, factor);
    return QStringLiteral("%1 (%2 x %3)")
        .arg(KIN_PngResolution::Name(factor))
        .arg(size.width())
        .arg(size.height());
}
} // namespace

KIN_DlgExportImage::KIN_DlgExportImage(QWidget* pQParent, const QSizeF& drawing)
    : QFileDialog(pQParent), KIT_SafeObject("KIN_DlgExportImage")
{
    // Only the toolkit's own dialog takes the extra fields.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);

    const double proposed = KIN_PngResolution::Proposed(drawing);
    std::vector<double> factors = KIN_PngResolution::Steps();
    if (std::find(factors.begin(), factors.end(), proposed) == factors.end())
        factors.insert(factors.begin(), proposed);
    m_pQResolution = new QComboBox();
    for (const double factor : factors)
        m_pQResolution->addItem(Entry(factor, drawing), factor);
    m_pQResolution->setCurrentIndex(m_pQResolution->findData(proposed));
    m_pQNote = new QLabel();
    m_pQNote->setWordWrap(true);
    if (proposed != 1)
    {
        const QSize full = KIN_PngResolution::SizeAt(drawing, 1);
        m_pQNote->setText(KIN_QText(KIN_Text::NoteResolutionProposed)
                              .arg(full.width())
                              .arg(full.height())
                              .arg(KIN_PngResolution::Name(proposed)));
    }

    auto* pQGrid = qobject_cast<QGridLayout*>(layout());
    const int nRow = pQGrid ? pQGrid->rowCount() : 0;
    auto* pQLabel = new QLabel(KIN_QText(KIN_Text::LabelResolution));
    if (pQGrid)
    {
        pQGrid->addWidget(pQLabel, nRow, 0);
        pQGrid->addWidget(m_pQResolution, nRow, 1);
        pQGrid->addWidget(m_pQNote, nRow + 1, 0, 1, pQGrid->columnCount());
    }
    else
    {
        // Without the toolkit's layout the fields still belong to the dialog.
        for (QWidget* pQWidget :
             {static_cast<QWidget*>(pQLabel), static_cast<QWidget*>(m_pQResolution),
              static_cast<QWidget*>(m_pQNote)})
            pQWidget->setParent(this);
    }
    m_pQNote->setVisible(proposed != 1);
}

KIN_DlgExportImage::~KIN_DlgExportImage() = default;

double KIN_DlgExportImage::Factor() const
{
    return m_pQResolution->currentData().toDouble();
}

QString KIN_DlgExportImage::Note() const
{
    return m_pQNote->text();
}

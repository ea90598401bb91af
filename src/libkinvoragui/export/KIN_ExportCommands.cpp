#include "KIN_ExportCommands.h"

#include "KIN_DlgExportImage.h"
#include "KIN_DlgPdfOptions.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_PngResolution.h"
#include "KIN_QtTexts.h"
#include "KIN_RasterExport.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIN_VectorExport.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace
{
// Draws the diagram as "Export image" does, with nothing selected: the current period, link
// and picture take their plain look for the drawing and are selected again after it.
class SelectionHidden
{
public:
    SelectionHidden()
    {
        if (m_pPeriod)
            m_pPeriod->DeselectPeriod();
        if (m_pLink)
            m_pLink->SetLinkStyle(KIN_GraphicLink::Normal);
        if (m_pImage)
            m_pImage->SetImageState(KIN_GraphicImage::Idle);
    }
    ~SelectionHidden()
    {
        if (m_pImage)
            m_pImage->SetImageState(m_nImageState);
        if (m_pLink)
            m_pLink->MakeCurrent();
        if (m_pPeriod)
            m_pPeriod->SelectPeriod();
    }
    SelectionHidden(const SelectionHidden&) = delete;
    SelectionHidden& operator=(const SelectionHidden&) = delete;

private:
    KIN_GraphicPeriod* const m_pPeriod = KIN_SceneSelection::Get().pCurrentPeriod;
    KIN_GraphicLink* const m_pLink = KIN_SceneSelection::Get().pCurrentLink;
    KIN_GraphicImage* const m_pImage = KIN_SceneSelection::Get().pCurrentImage;
    const int m_nImageState = m_pImage ? m_pImage->GetState() : KIN_GraphicImage::Idle;
};
} // namespace

KIN_ExportCommands::KIN_ExportCommands(QWidget* pQWindow)
    : QObject(pQWindow), KIT_SafeObject("KIN_ExportCommands"), m_pQWindow(pQWindow),
      m_pDlgPdf(new KIN_DlgPdfOptions(pQWindow))
{
}

KIN_ExportCommands::~KIN_ExportCommands() = default;

std::string KIN_ExportCommands::AskFile(KIN_Text caption, KIN_Text filter)
{
    return KIT_ToBytes(QFileDialog::getSaveFileName(m_pQWindow, KIN_QText(caption),
                                                    QStringLiteral("."), KIN_QText(filter)));
}

void KIN_ExportCommands::Warn(const QString& message)
{
    KIT_QT_MessageBox::OpenWarning(m_pQWindow, KIN_QText(KIN_Text::WarningTitle), message);
}

void KIN_ExportCommands::ExportImage(KIN_ViewPeriods& view)
{
    const QSizeF drawing = view.ExportRect().size();
    KIN_DlgExportImage dialog(m_pQWindow, drawing);
    dialog.setWindowTitle(KIN_QText(KIN_Text::CaptionExport));
    dialog.setDirectory(QStringLiteral("."));
    dialog.setNameFilter(KIN_QText(KIN_Text::FilterExport));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString name = dialog.selectedFiles().constFirst();
    const double factor = dialog.Factor();
    const QSize size = KIN_PngResolution::SizeAt(drawing, factor);
    QImage image;
    if (KIN_PngResolution::CanHold(size))
    {
        const SelectionHidden hidden;
        image = KIN_RasterExport::Render(view, factor);
    }
    if (image.isNull())
    {
        const QString message =
            KIN_QText(KIN_Text::WarningImageTooLarge)
                .arg(KIN_PngResolution::Name(factor))
                .arg(size.width())
                .arg(size.height())
                .arg(KIN_PngResolution::Name(KIN_PngResolution::Proposed(drawing)));
        Warn(message);
        return;
    }
    if (!image.save(name, "PNG"))
        Warn(KIN_QText(KIN_Text::WarningExportFailed).arg(name));
}

void KIN_ExportCommands::ExportPdf(KIN_ViewPeriods& view)
{
    if (!m_pDlgPdf->Run(m_pdfOptions, view.ExportRect().size()))
        return;
    const std::string name = AskFile(KIN_Text::CaptionExportPdf, KIN_Text::FilterPdf);
    if (name.empty())
        return;
    const SelectionHidden hidden;
    const KIN_PdfOptions options = m_pdfOptions;
    if (!KIN_VectorExport::WriteFile(name, [&](QIODevice& device)
                                     { return KIN_VectorExport::WritePdf(view, options, device); }))
        Warn(KIN_QText(KIN_Text::WarningDrawingFailed).arg(KIT_ToQString(name)));
}

void KIN_ExportCommands::ExportSvg(KIN_ViewPeriods& view)
{
    const std::string name = AskFile(KIN_Text::CaptionExportSvg, KIN_Text::FilterSvg);
    if (name.empty())
        return;
    const SelectionHidden hidden;
    if (!KIN_VectorExport::WriteFile(name, [&](QIODevice& device)
                                     { return KIN_VectorExport::WriteSvg(view, device); }))
        Warn(KIN_QText(KIN_Text::WarningDrawingFailed).arg(KIT_ToQString(name)));
}

void KIN_ExportCommands::Print(KIN_ViewPeriods& view)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_pQWindow);
    auto* pQOptions = new QWidget();
    pQOptions->setWindowTitle(KIN_QText(KIN_Text::PdfPoster));
    auto* pQLayout = new QVBoxLayout(pQOptions);
    auto* pQFit = new QCheckBox(KIN_QText(KIN_Text::PrintFitToPage));
    pQFit->setObjectName(QStringLiteral("KIN_FitToPage"));
    pQFit->setChecked(m_bPrintFitToPage);
    pQLayout->addWidget(pQFit);
    pQLayout->addStretch();
    dialog.setOptionTabs({pQOptions});
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_bPrintFitToPage = pQFit->isChecked();
    const SelectionHidden hidden;
    if (!KIN_VectorExport::Print(view, printer, m_bPrintFitToPage, m_pdfOptions.nPercent))
        Warn(KIN_QText(KIN_Text::WarningPrintFailed));
}

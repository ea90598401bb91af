#ifndef KIN_EXPORTCOMMANDS_H
#define KIN_EXPORTCOMMANDS_H

#include "KIN_PdfOptions.h"
#include "KIT_SafeObject.h"

#include <QObject>

#include <string>

enum class KIN_Text : int;
class KIN_DlgPdfOptions;
class KIN_ViewPeriods;
class QWidget;

// The File menu's drawing commands: "Export image", "Export PDF...", "Export SVG..." and
// "Print...". Each asks what it needs, draws the view's diagram with nothing selected and
// warns when the drawing cannot be written. The choices of one command are offered again
// the next time.
class KIN_ExportCommands : public QObject, public KIT_SafeObject
{
public:
    // The window parents the dialogs and the warnings.
    explicit KIN_ExportCommands(QWidget* pQWindow);
    ~KIN_ExportCommands() override;

    void ExportImage(KIN_ViewPeriods& view);
    void ExportPdf(KIN_ViewPeriods& view);
    void ExportSvg(KIN_ViewPeriods& view);
    void Print(KIN_ViewPeriods& view);

private:
    std::string AskFile(KIN_Text caption, KIN_Text filter);
    // A warning that does not block.
    void Warn(const QString& message);

    QWidget* m_pQWindow;
    KIN_DlgPdfOptions* m_pDlgPdf;
    KIN_PdfOptions m_pdfOptions;
    bool m_bPrintFitToPage = false;
};

#endif

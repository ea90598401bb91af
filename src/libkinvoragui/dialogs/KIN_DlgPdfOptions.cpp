#include "KIN_DlgPdfOptions.h"

#include "KIN_PosterLayout.h"
#include "KIN_QtTexts.h"
#include "KIN_Texts.h"
#include "KIT_QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

KIN_DlgPdfOptions::KIN_DlgPdfOptions(QWidget* pQParent)
    : KIN_DlgValid("KIN_DlgPdfOptions", pQParent)
{
    auto* pQGrid = new QGridLayout(ContentArea());
    m_pQOnePage = new QRadioButton(KIN_QText(KIN_Text::PdfOnePage));
    pQGrid->addWidget(m_pQOnePage, 0, 0, 1, 3);
    m_pQPoster = new QRadioButton(KIN_QText(KIN_Text::PdfPoster));
    pQGrid->addWidget(m_pQPoster, 1, 0, 1, 3);
    AddLabel(pQGrid, KIN_Text::LabelPaper, 2, 0);
    m_pQPaper = new QComboBox();
    for (const KIN_PdfOptions::Paper& paper : KIN_PdfOptions::Papers)
        m_pQPaper->addItem(QLatin1String(paper.pName), static_cast<int>(paper.id));
    pQGrid->addWidget(m_pQPaper, 2, 1);
    m_pQOrientation = new QComboBox();
    m_pQOrientation->addItem(KIN_QText(KIN_Text::PaperPortrait));
    m_pQOrientation->addItem(KIN_QText(KIN_Text::PaperLandscape));
    pQGrid->addWidget(m_pQOrientation, 2, 2);
    AddLabel(pQGrid, KIN_Text::LabelScale, 3, 0);
    m_pQScale = new QSpinBox();
    m_pQScale->setRange(KIN_PdfOptions::MinPercent, KIN_PdfOptions::MaxPercent);
    m_pQScale->setSingleStep(25);
    m_pQScale->setSuffix(QStringLiteral(" %"));
    pQGrid->addWidget(m_pQScale, 3, 1);
    m_pQPages = new QLabel();
    pQGrid->addWidget(m_pQPages, 4, 0, 1, 3);
    setWindowTitle(KIN_QText(KIN_Text::TitlePdfOptions));

    const auto update = [this] { UpdatePageCount(); };
    connect(m_pQPoster, &QRadioButton::toggled, this, update);
    connect(m_pQPaper, &QComboBox::currentIndexChanged, this, update);
    connect(m_pQOrientation, &QComboBox::currentIndexChanged, this, update);
    connect(m_pQScale, &QSpinBox::valueChanged, this, update);
}

KIN_DlgPdfOptions::~KIN_DlgPdfOptions() = default;

bool KIN_DlgPdfOptions::Run(KIN_PdfOptions& options, const QSizeF& drawing)
{
    m_drawing = drawing;
    Show(options);
    if (Exec() == 0)
        return false;
    options = Chosen();
    return true;
}

void KIN_DlgPdfOptions::Show(const KIN_PdfOptions& options)
{
    (options.bPoster ? m_pQPoster : m_pQOnePage)->setChecked(true);
    m_pQPaper->setCurrentIndex(std::max(0, m_pQPaper->findData(static_cast<int>(options.paper))));
    m_pQOrientation->setCurrentIndex(options.bLandscape ? 1 : 0);
    m_pQScale->setValue(options.nPercent);
    UpdatePageCount();
}

KIN_PdfOptions KIN_DlgPdfOptions::Chosen() const
{
    KIN_PdfOptions options;
    options.bPoster = m_pQPoster->isChecked();
    options.paper = static_cast<QPageSize::PageSizeId>(m_pQPaper->currentData().toInt());
    options.bLandscape = m_pQOrientation->currentIndex() == 1;
    options.nPercent = m_pQScale->value();
    return options;
}

QString KIN_DlgPdfOptions::PageCountText() const
{
    return m_pQPages->text();
}

void KIN_DlgPdfOptions::UpdatePageCount()
{
    const KIN_PdfOptions options = Chosen();
    for (QWidget* pQField :
         {static_cast<QWidget*>(m_pQPaper), static_cast<QWidget*>(m_pQOrientation),
          static_cast<QWidget*>(m_pQScale)})
        pQField->setEnabled(options.bPoster);
    if (!options.bPoster)
    {
        m_pQPages->clear();
        return;
    }
    const KIN_PosterLayout layout(m_drawing, options.SheetPoints(), options.nPercent);
    if (layout.PageCount() > KIN_PosterLayout::MaxPages)
        m_pQPages->setText(KIN_QText(KIN_Text::PosterTooManyPages).arg(KIN_PosterLayout::MaxPages));
    else
        m_pQPages->setText(KIN_QText(KIN_Text::PosterPageCount)
                               .arg(layout.PageCount())
                               .arg(layout.Rows())
                               .arg(layout.Columns()));
}

#include "KIN_DlgExportImage.h"
#include "KIN_DlgPdfOptions.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_ModalDriver.h"
#include "KIN_Poppler.h"
#include "KIN_PosterLayout.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestMenus.h"
#include "KIN_ViewPeriods.h"
#include "KIN_WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>

#include <functional>

namespace
{
class ExportCommands : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.resize(1000, 700);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        AddPeriods(
            {KIN_MakePeriod(1900, 1950, 1, 2, "Ada"), KIN_MakePeriod(1920, 1990, 4, 2, "Bo")});
    }

    void Trigger(const char* pPath) const
    {
        QAction* pQAction = KIN_FindMenuAction(window, S(pPath));
        ASSERT_NE(pQAction, nullptr) << pPath;
        pQAction->trigger();
    }
};
} // namespace

TEST_F(ExportCommands, PdfPosterCountsItsPagesAndRemembersTheChoice)
{
    if (!KIN_HavePoppler("pdfinfo"))
        GTEST_SKIP() << kPopplerMissing;
    const QSizeF drawing = window.GetView()->ExportRect().size();
    QString shownCount;
    {
        KIN_WhenModal<KIN_DlgPdfOptions> options(
            [&](KIN_DlgPdfOptions& dialog)
            {
                EXPECT_EQ(dialog.windowTitle(), S("PDF options"));
                EXPECT_FALSE(dialog.Chosen().bPoster); // one page at first
                dialog.findChildren<QRadioButton*>().at(1)->setChecked(true);
                shownCount = dialog.PageCountText();
                static_cast<QDialog&>(dialog).accept();
            });
        KIN_FileDialogAnswer answer(folder.Path(S("poster.pdf")));
        Trigger("&File/Export PDF...");
        ASSERT_TRUE(options.Seen());
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().filters, QStringList{S("PDF file (*.pdf)")});
    }
    const KIN_PosterLayout layout(drawing, QPageSize(QPageSize::A4).size(QPageSize::Point), 100);
    EXPECT_EQ(shownCount, S("%1 pages: %2 rows of %3")
                              .arg(layout.PageCount())
                              .arg(layout.Rows())
                              .arg(layout.Columns()));
    EXPECT_EQ(KIN_PdfPages(folder.Path(S("poster.pdf"))), layout.PageCount());

    KIN_WhenModal<KIN_DlgPdfOptions> again(
        [](KIN_DlgPdfOptions& dialog)
        {
            EXPECT_TRUE(dialog.Chosen().bPoster);
            dialog.reject();
        });
    Trigger("&File/Export PDF...");
    EXPECT_TRUE(again.Seen());
}

TEST_F(ExportCommands, SvgAndImageDrawNothingSelectedAndKeepTheSelection)
{
    KIN_GraphicPeriod* pSelected = ItemOf(1);
    ASSERT_NE(pSelected, nullptr);
    pSelected->SelectPeriod();
    {
        KIN_FileDialogAnswer answer(folder.Path(S("diagram.svg")));
        Trigger("&File/Export SVG...");
        ASSERT_TRUE(answer.Seen());
    }
    QSvgRenderer renderer(folder.Path(S("diagram.svg")));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF().size(), window.GetView()->ExportRect().size());
    EXPECT_EQ(Current(), pSelected);

    {
        KIN_WhenModal<KIN_DlgExportImage> answer(
            [this](KIN_DlgExportImage& dialog)
            {
                EXPECT_DOUBLE_EQ(dialog.Factor(), 1); // the default stays 1x
                EXPECT_TRUE(dialog.Note().isEmpty());
                QComboBox* pQField = dialog.ResolutionField();
                pQField->setCurrentIndex(pQField->findData(0.5));
                auto* pQName = dialog.findChild<QLineEdit*>(S("fileNameEdit"));
                ASSERT_NE(pQName, nullptr);
                pQName->setText(folder.Path(S("half.png")));
                QTest::keyClick(pQName, Qt::Key_Return);
            });
        Trigger("&File/Export &image");
        ASSERT_TRUE(answer.Seen());
    }
    const QSizeF drawing = window.GetView()->ExportRect().size();
    const QImage half(folder.Path(S("half.png")));
    ASSERT_EQ(half.size(), (drawing / 2).toSize());
    EXPECT_EQ(Current(), pSelected);
    // The selected period's border is drawn as when nothing is selected: the same as the
    // one that is not selected.
    const QImage whole(folder.Path(S("half.png")));
    EXPECT_EQ(whole.pixel((200 + 100) / 2, (50 + 5 * 1900) / 2 + 1),
              whole.pixel((200 + 400) / 2, (50 + 5 * 1920) / 2 + 1));
}

// A selected link is drawn thick and a selected picture above the periods: neither shows in
// an export, and both are selected again after it.
TEST_F(ExportCommands, ImageDrawsNoSelectedLinkOrPictureAndKeepsThem)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(folder.Path(S("pic.png"))));
    window.AddLink(KIN_DataLink{1, 2, 1, 0});
    // Above Ada's top edge, so Ada covers the picture's foot until the picture is selected.
    window.AddImage(KIN_DataImage{210, 9530, 1.0, "pic.png", 0});
    ASSERT_EQ(window.GetView()->GetImages().size(), 1u);
    KIN_GraphicImage* pPicture = window.GetView()->GetImages()[0];
    const KIN_GraphicLink* pLink = window.GetView()->GetLinks().at(0);
    struct Case
    {
        const char* pName;
        QPointF at; // scene point clicked to select
        std::function<bool()> isSelected;
    };
    const Case cases[] = {
        {"link", pLink->mapToScene(pLink->line().center()),
         [&] { return pLink->IsCurrentLink() && pLink->GetStyle() == KIN_GraphicLink::Selected; }},
        {"picture", pPicture->mapToScene(QPointF(30, 5)),
         [&] { return KIN_SceneSelection::Get().pCurrentImage == pPicture; }},
    };
    const auto exported = [this](const QString& name)
    {
        KIN_WhenModal<KIN_DlgExportImage> answer(
            [&](KIN_DlgExportImage& dialog)
            {
                auto* pQName = dialog.findChild<QLineEdit*>(S("fileNameEdit"));
                ASSERT_NE(pQName, nullptr);
                pQName->setText(folder.Path(name));
                QTest::keyClick(pQName, Qt::Key_Return);
            });
        Trigger("&File/Export &image");
        EXPECT_TRUE(answer.Seen());
        return QImage(folder.Path(name));
    };
    ClearSelection();
    const QImage plain = exported(S("plain.png"));
    ASSERT_FALSE(plain.isNull());
    for (const Case& c : cases)
    {
        QGraphicsView* pQView = window.GetView();
        pQView->ensureVisible(QRectF(c.at, QSizeF(1, 1)), 80, 80);
        QTest::mouseClick(pQView->viewport(), Qt::LeftButton, Qt::NoModifier,
                          pQView->mapFromScene(c.at));
        ASSERT_TRUE(c.isSelected()) << c.pName;
        EXPECT_TRUE(exported(S("%1.png").arg(S(c.pName))) == plain)
            << c.pName << " shows selected in the export";
        EXPECT_TRUE(c.isSelected()) << c.pName;
        ClearSelection();
    }
}

TEST_F(ExportCommands, ImageTooLargeProposesASmallerResolutionAndRefusesTheImpossible)
{
    window.GetSession()->GetDocument()->SetLimits(18, 38, 400, false); // 40,202 pixels wide
    window.RefreshAll();
    KIN_WhenModal<KIN_DlgExportImage> answer(
        [this](KIN_DlgExportImage& dialog)
        {
            EXPECT_DOUBLE_EQ(dialog.Factor(), 0.25);
            EXPECT_TRUE(dialog.Note().contains(S("40202 x 10100"))) << dialog.Note().toStdString();
            QComboBox* pQField = dialog.ResolutionField();
            pQField->setCurrentIndex(pQField->findData(1.0)); // the user insists
            dialog.selectFile(folder.Path(S("wide.png")));
            static_cast<QDialog&>(dialog).accept();
        });
    KIN_WhenModal<QMessageBox> warning(
        [](QMessageBox& box)
        {
            EXPECT_TRUE(box.text().contains(S("1/4x fits"))) << box.text().toStdString();
            box.accept();
        });
    Trigger("&File/Export &image");
    ASSERT_TRUE(answer.Seen());
    QTRY_VERIFY_WITH_TIMEOUT(warning.Seen(), 5000);
    EXPECT_FALSE(QFile::exists(folder.Path(S("wide.png"))));
}

TEST_F(ExportCommands, PrintCutsThePosterOnThePrintersPaperOrFitsOneSheet)
{
    if (!KIN_HavePoppler("pdfinfo"))
        GTEST_SKIP() << kPopplerMissing;
    EXPECT_EQ(KIN_FindMenuAction(window, S("&File/Print..."))->shortcut(),
              QKeySequence(QKeySequence::Print));
    for (const bool bFit : {false, true})
    {
        const QString path = folder.Path(bFit ? S("fit.pdf") : S("poster.pdf"));
        KIN_WhenModal<QPrintDialog> answer(
            [&](QPrintDialog& dialog)
            {
                dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
                dialog.printer()->setOutputFileName(path);
                dialog.printer()->setPageSize(QPageSize(QPageSize::A4));
                auto* pQFit = dialog.findChild<QCheckBox*>(S("KIN_FitToPage"));
                ASSERT_NE(pQFit, nullptr);
                EXPECT_EQ(pQFit->text(), S("Fit to one page"));
                pQFit->setChecked(bFit);
                // Accepted as it stands: the dialog's own fields would replace the output.
                dialog.done(QDialog::Accepted);
            });
        Trigger("&File/Print...");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(KIN_PdfPages(path) == 1, bFit) << KIN_PdfPages(path);
        EXPECT_GT(KIN_PdfPages(path), 0);
    }
}

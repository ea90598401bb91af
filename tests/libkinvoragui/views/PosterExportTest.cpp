#include "KIN_DataPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_PdfOptions.h"
#include "KIN_PngResolution.h"
#include "KIN_Poppler.h"
#include "KIN_PosterLayout.h"
#include "KIN_RasterExport.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_VectorExport.h"
#include "KIN_ViewPeriods.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
// A document with its own view, as the export tool draws it.
struct Drawn
{
    explicit Drawn(std::int32_t nColumns)
    {
        document->SetLimits(18, 38, nColumns, true); // years 0 to 2000
        document->AddPeriod(KIN_MakePeriod(1900, 1950, 0, 2, "Ada Lovelace"));
        document->AddPeriod(KIN_MakePeriod(1920, 1990, nColumns - 2, 2, "Alan Turing"));
        view = std::make_unique<KIN_ViewPeriods>(nullptr, document->GetData());
        view->RebuildScene();
    }
    sp<KIN_IDataFile> document = CreateDataFile();
    std::unique_ptr<KIN_ViewPeriods> view;
};

} // namespace

TEST(PosterLayout, PiecesCoverTheDrawingWithTheSharedStripAndNoPageTooMany)
{
    struct Case
    {
        QSizeF drawing;
        QSizeF page;
        int nPercent;
    };
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const Case cases[] = {
        {{1202, 11100}, a4, 100},
        {{1202, 11100}, a4, 50},
        {{1202, 11100}, a4, 400},
        {{52602, 2100}, a4.transposed(), 100},
        {{100, 100}, a4, 100},
        {{1202, 1100}, QPageSize(QPageSize::A0).size(QPageSize::Point), 250},
        {{697.7, 1026.5}, a4, 100}, // the piece exactly: one page
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.drawing.width());
        const KIN_PosterLayout layout(c.drawing, c.page, c.nPercent);
        ASSERT_TRUE(layout.IsValid());
        const double scale = c.nPercent / 100.0 * 0.75;
        EXPECT_DOUBLE_EQ(layout.Scale(), scale);
        const QSizeF piece = layout.PieceOnPage().size() / scale;
        const double overlap = KIN_PosterLayout::OverlapPoints / scale;
        // The last row and column reach the drawing's end; one fewer would not.
        const QRectF last = layout.Source(layout.Rows() - 1, layout.Columns() - 1);
        EXPECT_DOUBLE_EQ(last.right(), c.drawing.width());
        EXPECT_DOUBLE_EQ(last.bottom(), c.drawing.height());
        if (layout.Columns() > 1)
        {
            EXPECT_LT(layout.Source(0, layout.Columns() - 2).right(), c.drawing.width());
        }
        if (layout.Rows() > 1)
        {
            EXPECT_LT(layout.Source(layout.Rows() - 2, 0).bottom(), c.drawing.height());
            // Neighbours share exactly the strip.
            EXPECT_NEAR(layout.Source(0, 0).bottom() - layout.Source(1, 0).top(), overlap, 1e-9);
        }
        EXPECT_NEAR(layout.Source(0, 0).width(), std::min(piece.width(), c.drawing.width()), 1e-9);
        EXPECT_EQ(layout.PageCount(), layout.Rows() * layout.Columns());
    }
    // The 10-column diagram at the screen's size on A4: 2 pages wide, 11 high.
    const KIN_PosterLayout tenColumns({1202, 11100}, a4, 100);
    EXPECT_EQ(tenColumns.Columns(), 2);
    EXPECT_EQ(tenColumns.Rows(), 11);
    EXPECT_FALSE(KIN_PosterLayout({1202, 11100}, {50, 50}, 100).IsValid());
    EXPECT_FALSE(KIN_PosterLayout({0, 11100}, a4, 100).IsValid());
}

TEST(PngResolution, ProposesWhatViewersOpenAndRefusesWhatCannotBeHeld)
{
    const QSizeF tenColumns(1202, 11100);
    EXPECT_EQ(KIN_PngResolution::Steps(), (std::vector<double>{0.125, 0.25, 0.5, 1, 2, 4}));
    EXPECT_EQ(KIN_PngResolution::SizeAt(tenColumns, 0.125), QSize(150, 1388)); // 150.25, 1387.5
    EXPECT_EQ(KIN_PngResolution::SizeAt(tenColumns, 4), QSize(4808, 44400));
    EXPECT_EQ(KIN_PngResolution::SizeAt({3, 5000}, 0.125), QSize(1, 625)); // never below a pixel
    EXPECT_EQ(KIN_PngResolution::Proposed(tenColumns), 1);
    EXPECT_EQ(KIN_PngResolution::Proposed({52602, 2100}), 0.5);  // the side
    EXPECT_EQ(KIN_PngResolution::Proposed({20000, 20000}), 0.5); // 400 megapixels
    const QSizeF hugeTree(361602, 11100);
    const double fit = KIN_PngResolution::Proposed(hugeTree);
    EXPECT_LT(fit, 0.125);
    EXPECT_TRUE(KIN_PngResolution::IsProposable(KIN_PngResolution::SizeAt(hugeTree, fit)));
    EXPECT_FALSE(KIN_PngResolution::IsProposable(KIN_PngResolution::SizeAt(hugeTree, fit * 1.02)));
    EXPECT_FALSE(KIN_PngResolution::CanHold(KIN_PngResolution::SizeAt(hugeTree, 1)));
    EXPECT_TRUE(KIN_PngResolution::CanHold({32767, 15000}));
    EXPECT_FALSE(KIN_PngResolution::IsProposable({32767, 15000}));

    EXPECT_EQ(KIN_PngResolution::Name(0.125), QStringLiteral("1/8x"));
    EXPECT_EQ(KIN_PngResolution::Name(2), QStringLiteral("2x"));
    EXPECT_EQ(KIN_PngResolution::Name(0.09), QStringLiteral("0.09x"));
    struct Parsed
    {
        const char* pText;
        bool bValid;
        double factor;
    };
    for (const Parsed& p : {Parsed{"2", true, 2},
                            {"0.5", true, 0.5},
                            {"1/4", true, 0.25},
                            {"4x", true, 4},
                            {"1/8", true, 0.125},
                            {"0,5", false, 0},
                            {"8", false, 0},
                            {"0", false, 0},
                            {"1/0", false, 0},
                            {"-1", false, 0},
                            {"two", false, 0},
                            {"", false, 0},
                            {"1/", false, 0}})
    {
        double factor = -1;
        EXPECT_EQ(KIN_PngResolution::Parse(p.pText, factor), p.bValid) << p.pText;
        if (p.bValid)
        {
            EXPECT_DOUBLE_EQ(factor, p.factor) << p.pText;
        }
    }
}

TEST(RasterExport, EachResolutionDrawsTheDiagramAtItsSizeAndAnImpossibleOneNothing)
{
    const Drawn drawn(10);
    const QSizeF size = drawn.view->ExportRect().size();
    for (const double factor : KIN_PngResolution::Steps())
    {
        SCOPED_TRACE(factor);
        const QImage image = KIN_RasterExport::Render(*drawn.view, factor);
        // At 4x the diagram is 40,400 pixels high: refused, not drawn black.
        if (factor == 4)
        {
            EXPECT_TRUE(image.isNull());
            continue;
        }
        ASSERT_EQ(image.size(), KIN_PngResolution::SizeAt(size, factor));
        // The first period's grey inside, below its title, and white beside the diagram.
        const QPoint inPeriod(static_cast<int>((200 + 100) * factor),
                              static_cast<int>((50 + 5 * 1940) * factor));
        EXPECT_EQ(QColor(image.pixel(inPeriod)), QColor(Qt::lightGray));
        EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::white));
    }
    const Drawn wide(4000);
    EXPECT_TRUE(KIN_RasterExport::Render(*wide.view, 1).isNull());
    EXPECT_FALSE(KIN_RasterExport::Render(*wide.view, 1.0 / 16).isNull());
}

TEST(VectorExport, SvgIsOneDrawingInMillimetresWithItsTexts)
{
    const Drawn drawn(10);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(KIN_VectorExport::WriteSvg(*drawn.view, buffer));
    QSvgRenderer renderer(bytes);
    ASSERT_TRUE(renderer.isValid());
    const QSizeF size = drawn.view->ExportRect().size();
    EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(), size));
    const QString text = QString::fromUtf8(bytes);
    const QString width = QString::number(size.width() * 25.4 / 96, 'f', 0);
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("width=\"%1[.0-9]*mm\"").arg(width))))
        << text.left(400).toStdString();
    for (const char* pTitle : {"Ada Lovelace", "Alan Turing", "1900", "2000"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(pTitle))) << pTitle;
    EXPECT_FALSE(text.contains(QStringLiteral("<image"))); // shapes, not a bitmap
    QImage shown(size.toSize() / 4, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    QPainter painter(&shown);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(QColor(shown.pixel(300 / 4, (50 + 5 * 1940) / 4)), QColor(Qt::lightGray));
}

TEST(VectorExport, PosterPdfHasItsPagesOfThePaperWithMarksAndPlaces)
{
    if (!KIN_HavePoppler("pdfinfo"))
        GTEST_SKIP() << kPopplerMissing;
    const KIN_TestFolder folder;
    const Drawn drawn(10);
    struct Case
    {
        QPageSize::PageSizeId paper;
        bool bLandscape;
        int nPercent;
        const char* pSize;
    };
    for (const Case& c :
         {Case{QPageSize::A4, false, 100, "595 x 842"}, Case{QPageSize::A3, true, 50, "1191 x 842"},
          Case{QPageSize::Letter, false, 400, "612 x 792"},
          Case{QPageSize::A0, false, 100, "2384 x 3370"}})
    {
        SCOPED_TRACE(c.pSize);
        KIN_PdfOptions options;
        options.bPoster = true;
        options.paper = c.paper;
        options.bLandscape = c.bLandscape;
        options.nPercent = c.nPercent;
        const QString path = folder.Path(QStringLiteral("poster.pdf"));
        ASSERT_TRUE(KIN_VectorExport::WriteFile(
            path.toStdString(), [&](QIODevice& device)
            { return KIN_VectorExport::WritePdf(*drawn.view, options, device); }));
        const KIN_PosterLayout layout(drawn.view->ExportRect().size(), options.SheetPoints(),
                                      c.nPercent);
        const QString info =
            KIN_Poppler("pdfinfo", {QStringLiteral("-l"), QStringLiteral("-1"), path});
        EXPECT_EQ(KIN_PdfField(info, "Pages").toInt(), layout.PageCount());
        // Every page of the paper.
        EXPECT_EQ(info.count(QRegularExpression(
                      QStringLiteral("Page +\\d+ size: +%1").arg(QString::fromUtf8(c.pSize)))),
                  layout.PageCount());
        const QString last = QString::number(layout.PageCount());
        const QString lastText =
            KIN_Poppler("pdftotext", {QStringLiteral("-f"), last, QStringLiteral("-l"), last, path,
                                      QStringLiteral("-")});
        EXPECT_TRUE(lastText.contains(QStringLiteral("row %1, column %2 of %1 x %2")
                                          .arg(layout.Rows())
                                          .arg(layout.Columns())))
            << lastText.toStdString();
    }

    // The first A4 page: cut marks beside the piece's corner, white elsewhere in the margin,
    // the diagram's labels inside.
    KIN_PdfOptions options;
    options.bPoster = true;
    const QString path = folder.Path(QStringLiteral("a4.pdf"));
    ASSERT_TRUE(KIN_VectorExport::WriteFile(
        path.toStdString(), [&](QIODevice& device)
        { return KIN_VectorExport::WritePdf(*drawn.view, options, device); }));
    const QString firstText =
        KIN_Poppler("pdftotext", {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                  QStringLiteral("1"), path, QStringLiteral("-")});
    EXPECT_TRUE(firstText.contains(QStringLiteral("row 1, column 1 of 11 x 2")));
    EXPECT_TRUE(firstText.contains(QStringLiteral("0"))); // the date label of the top edge
    KIN_Poppler("pdftoppm", {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                             QStringLiteral("-png"), path, folder.Path(QStringLiteral("page"))});
    const QImage page(folder.Path(QStringLiteral("page-01.png")));
    ASSERT_EQ(page.size(), QSize(595, 842));
    const int nMargin = static_cast<int>(KIN_PosterLayout::MarginPoints);
    // The mark left of the top-left corner, on the piece's top edge.
    EXPECT_LT(qGray(page.pixel(nMargin - 14, nMargin)), 128);
    EXPECT_EQ(QColor(page.pixel(nMargin - 14, nMargin - 14)), QColor(Qt::white));
    EXPECT_EQ(QColor(page.pixel(5, 400)), QColor(Qt::white));
}

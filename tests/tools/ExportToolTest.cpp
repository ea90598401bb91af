#include "KIN_CommaLocale.h"
#include "KIN_ExportTool.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_Poppler.h"
#include "KIN_TestFolder.h"
#include "KIN_TestTrees.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QtText.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

namespace
{
const char* const g_pDiagram = "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"10\" />\n"
                               "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"1\" i=\"1\" t=\"Ada\" "
                               "d=\"\" cp=\"5\" cb=\"6\" ct=\"7\" />\n"
                               "\t<P b=\"1920\" e=\"1990\" w=\"3\" s=\"4\" i=\"2\" t=\"Alan\" "
                               "d=\"\" cp=\"-1\" cb=\"-1\" ct=\"-1\" />\n"
                               "\t<L i1=\"1\" i2=\"2\" p1=\"1\" p2=\"0\" />\n"
                               "\t<I x=\"50\" y=\"9000\" s=\"0.5\" f=\"pic__tag46__png\" />\n"
                               "</kinvora>\n";

struct ToolRun
{
    int nExitCode;
    QString errorText;
    QString outputText;
};

ToolRun RunTool(const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KINVORA_EXPORT_TOOL), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

class ExportTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(Qt::magenta);
        ASSERT_TRUE(picture.save(folder.Path(QStringLiteral("pic.png"))));
        ASSERT_TRUE(folder.Write(QStringLiteral("diagram.xml"), g_pDiagram));
    }

    QString Out(const char* pName) const { return folder.Path(QString::fromUtf8(pName)); }

    KIN_TestFolder folder;
};
} // namespace

TEST_F(ExportTool, PngIsWhatTheProgramExports)
{
    std::ostringstream errors;
    ASSERT_EQ(KIN_ExportTool::Run("diagram.xml", "tool.png", errors), KIN_ExportTool::Success)
        << errors.str();

    ASSERT_TRUE(QFile::copy(QStringLiteral("diagram.xml"), QStringLiteral("autosave.xml")));
    KIN_MainWindow window;
    QImage exported;
    window.GetView()->RenderToImage(exported);
    ASSERT_TRUE(exported.save(QStringLiteral("program.png"), "PNG"));
    EXPECT_EQ(folder.Read(QStringLiteral("tool.png")), folder.Read(QStringLiteral("program.png")));

    const QImage image(QStringLiteral("tool.png"));
    EXPECT_EQ(image.size(), QSize(1202, 10100));
    EXPECT_EQ(image.pixel(200 + 50 + 5, 50 + 9000 + 5), QColor(Qt::magenta).rgb());
}

TEST_F(ExportTool, ADecimalCommaLocaleKeepsPictureScales)
{
    {
        const KIN_CommaLocale locale;
        if (!KIN_CommaLocale::Active())
            GTEST_SKIP() << KIN_CommaLocale::SkipReason();
    }
    ASSERT_EQ(RunTool({QStringLiteral("diagram.xml"), QStringLiteral("point.png")}).nExitCode, 0);
    QProcessEnvironment french = QProcessEnvironment::systemEnvironment();
    french.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
    french.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    for (const char* pOutput : {"comma.xml", "comma.png"})
    {
        const ToolRun run =
            RunTool({QStringLiteral("diagram.xml"), QString::fromUtf8(pOutput)}, french);
        EXPECT_EQ(run.nExitCode, 0) << pOutput << ": " << run.errorText.toStdString();
    }
    EXPECT_NE(folder.Read(QStringLiteral("comma.xml")).find("s=\"0.5\""), std::string::npos);
    EXPECT_EQ(QImage(QStringLiteral("comma.png")), QImage(QStringLiteral("point.png")));
}

TEST_F(ExportTool, PdfAndNormalisedXml)
{
    std::ostringstream errors;
    ASSERT_EQ(KIN_ExportTool::Run("diagram.xml", "out.pdf", errors), KIN_ExportTool::Success);
    EXPECT_EQ(folder.Read(QStringLiteral("out.pdf")).rfind("%PDF", 0), 0u);
    ASSERT_TRUE(folder.Write(QStringLiteral("odd.xml"),
                             "<other><E b=\"-3\" e=\"99\" w=\"2\" /><P b=\"2300\" e=\"100\" "
                             "w=\"0\" s=\"-4\" i=\"1\" t=\"x\" d=\"\" cp=\"1\" cb=\"1\" ct=\"1\" "
                             "/></other>"));
    ASSERT_EQ(KIN_ExportTool::Run("odd.xml", "out.xml", errors), KIN_ExportTool::Success);
    EXPECT_EQ(folder.Read(QStringLiteral("out.xml")),
              "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n\t<P b=\"2199\" e=\"2200\" w=\"2\" "
              "s=\"0\" i=\"1\" t=\"x\" d=\"\" cp=\"1\" cb=\"1\" ct=\"1\" />\n</kinvora>\n");
}

namespace
{
// A diagram of one period whose begin and end may be uncertain.
std::string OnePeriod(const char* pFlags)
{
    return std::string("<kinvora>\n\t<E b=\"36\" e=\"38\" w=\"10\" />\n\t<P b=\"1800\" "
                       "e=\"1900\" w=\"2\" s=\"1\" i=\"1\" t=\"Ada\" d=\"\" cp=\"-1\" "
                       "cb=\"5\" ct=\"-1\"") +
           pFlags + " />\n</kinvora>\n";
}

// The parts of the exported page around the period's begin and end, in points.
std::array<QRect, 2> EndAreas(const std::string& diagram)
{
    const sp<KIN_IDataFile> document = CreateDataFile();
    EXPECT_TRUE(document->Load(diagram));
    KIN_ViewPeriods view(nullptr, document->GetData());
    view.RebuildScene();
    const KIN_GraphicPeriod* pPeriod = view.GetPeriods().at(0);
    const QRectF area =
        pPeriod->mapRectToScene(pPeriod->rect()).translated(-view.ExportRect().topLeft());
    const int nDepth = static_cast<int>(area.height() * 0.15);
    const QRect whole = area.toAlignedRect().adjusted(-3, -3, 3, 3);
    return {QRect(whole.left(), whole.top(), whole.width(), nDepth),
            QRect(whole.left(), whole.bottom() - nDepth, whole.width(), nDepth)};
}

// The pixels of a part of a PDF page drawn at a resolution, by pdftoppm.
QImage PdfPixels(const QString& pdf, const QRect& points, int nDotsPerInch)
{
    const QRect dots(points.topLeft() * nDotsPerInch / 72, points.size() * nDotsPerInch / 72);
    const QString prefix = pdf + QStringLiteral("-part");
    KIN_Poppler("pdftoppm",
                {QStringLiteral("-r"), QString::number(nDotsPerInch), QStringLiteral("-x"),
                 QString::number(dots.x()), QStringLiteral("-y"), QString::number(dots.y()),
                 QStringLiteral("-W"), QString::number(dots.width()), QStringLiteral("-H"),
                 QString::number(dots.height()), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}
} // namespace

// An uncertain end differs from a certain one in the exported pixels, and only that end: in
// the PNG, and in the PDF drawn at a quarter, the same and eight times its size.
TEST_F(ExportTool, UncertainEndsShowInThePngAndThePdf)
{
    if (!KIN_HavePoppler("pdftoppm"))
        GTEST_SKIP() << kPopplerMissing;
    const struct
    {
        const char* pFlags;
        bool bBegin;
        bool bEnd;
    } cases[] = {{"", false, false},
                 {" ub=\"1\"", true, false},
                 {" ue=\"1\"", false, true},
                 {" ub=\"1\" ue=\"1\"", true, true}};
    const int dotsPerInch[] = {18, 72, 576};
    std::ostringstream errors;
    std::vector<QImage> certain; // begin and end of the PNG, then of the PDF at each resolution
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pFlags);
        ASSERT_TRUE(folder.Write(QStringLiteral("one.xml"), OnePeriod(c.pFlags).c_str()));
        ASSERT_EQ(KIN_ExportTool::Run("one.xml", "one.png", errors), KIN_ExportTool::Success);
        ASSERT_EQ(KIN_ExportTool::Run("one.xml", "one.pdf", errors), KIN_ExportTool::Success);
        const std::array<QRect, 2> ends = EndAreas("one.xml");
        const QImage png(QStringLiteral("one.png"));
        std::vector<QImage> shown;
        for (const QRect& end : ends)
            shown.push_back(png.copy(end));
        for (const int nDotsPerInch : dotsPerInch)
            for (const QRect& end : ends)
                shown.push_back(
                    PdfPixels(folder.Path(QStringLiteral("one.pdf")), end, nDotsPerInch));
        for (const QImage& image : shown)
            ASSERT_FALSE(image.isNull());
        if (certain.empty())
        {
            certain = shown;
            continue;
        }
        for (std::size_t n = 0; n < shown.size(); ++n)
            EXPECT_EQ(shown[n] != certain[n], n % 2 == 0 ? c.bBegin : c.bEnd)
                << (n < 2 ? "png" : "pdf") << " at " << (n < 2 ? 72 : dotsPerInch[n / 2 - 1])
                << " dpi, " << (n % 2 == 0 ? "begin" : "end");
    }
}

TEST_F(ExportTool, ExitCodesAndMessages)
{
    const ToolRun help = RunTool({QStringLiteral("--help")});
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_TRUE(help.outputText.startsWith(QStringLiteral("usage: kinvora-export")));

    EXPECT_EQ(RunTool({}).nExitCode, 2);
    const ToolRun unknown =
        RunTool({folder.Path(QStringLiteral("diagram.xml")), folder.Path(QStringLiteral("a.gif"))});
    EXPECT_EQ(unknown.nExitCode, 2);
    EXPECT_TRUE(unknown.errorText.startsWith(QStringLiteral("usage:")));
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("a.gif"))));

    ASSERT_TRUE(folder.Write(QStringLiteral("broken.xml"), "<kinvora>\n<E b=\"1\"\n</kinvora>"));
    ASSERT_TRUE(folder.Write(QStringLiteral("keep.png"), "previous"));
    const ToolRun broken = RunTool(
        {folder.Path(QStringLiteral("broken.xml")), folder.Path(QStringLiteral("keep.png"))});
    EXPECT_EQ(broken.nExitCode, 1);
    EXPECT_EQ(broken.errorText.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(broken.errorText.contains(QStringLiteral("broken.xml")));
    EXPECT_TRUE(broken.errorText.contains(QStringLiteral(": 102 ")))
        << broken.errorText.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("keep.png")), "previous");

    const ToolRun fine = RunTool(
        {folder.Path(QStringLiteral("diagram.xml")), folder.Path(QStringLiteral("fine.png"))});
    EXPECT_EQ(fine.nExitCode, 0) << fine.errorText.toStdString();
    EXPECT_FALSE(QImage(folder.Path(QStringLiteral("fine.png"))).isNull());
}

TEST_F(ExportTool, OutputThatCannotBeWrittenFails)
{
    for (const char* pName : {"missing/out.png", "missing/out.svg", "missing/out.pdf"})
    {
        std::ostringstream errors;
        EXPECT_EQ(KIN_ExportTool::Run("diagram.xml", pName, errors), KIN_ExportTool::Failure);
        EXPECT_NE(errors.str().find("cannot write"), std::string::npos) << pName;
    }
}

TEST_F(ExportTool, ReadOnlyOutputIsLeftAlone)
{
    const auto readOnly = std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                          std::filesystem::perms::others_read;
    for (const QString& name : {QStringLiteral("locked.png"), QStringLiteral("locked.xml")})
    {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(folder.Write(name, "previous"));
        const std::string path = folder.Path(name).toStdString();
        std::filesystem::permissions(path, readOnly);

        const ToolRun run =
            RunTool({folder.Path(QStringLiteral("diagram.xml")), folder.Path(name)});
        EXPECT_EQ(run.nExitCode, 1);
        EXPECT_TRUE(run.errorText.contains(QStringLiteral("cannot write")));
        EXPECT_TRUE(run.errorText.contains(QString::fromUtf8(std::strerror(EACCES))))
            << run.errorText.toStdString();
        EXPECT_EQ(folder.Read(name), "previous");
        EXPECT_EQ(std::filesystem::status(path).permissions(), readOnly);
    }
}

TEST_F(ExportTool, LinkedOutputReplacesTheFileItNames)
{
    ASSERT_TRUE(std::filesystem::create_directory("saved"));
    ASSERT_TRUE(folder.Write(QStringLiteral("saved/real.xml"), "previous"));
    std::filesystem::create_symlink("saved/real.xml", "link.xml");
    std::ostringstream errors;
    ASSERT_EQ(KIN_ExportTool::Run("diagram.xml", "link.xml", errors), KIN_ExportTool::Success)
        << errors.str();
    EXPECT_TRUE(std::filesystem::is_symlink("link.xml"));
    EXPECT_EQ(folder.Read(QStringLiteral("saved/real.xml")).rfind("<kinvora>\n\t<E", 0), 0u);
}

TEST_F(ExportTool, DrawsAGedcomTreeOrRefusesItWithOneLine)
{
    const char* pFamily =
        "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ada /Byron/\n1 BIRT\n"
        "2 DATE 1815\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME Anne /King/\n1 BIRT\n"
        "2 DATE ABT 1836\n1 FAMC @F1@\n0 @F1@ FAM\n1 WIFE @I1@\n1 CHIL @I2@\n0 TRLR\n";
    // A tree saved under another name is told by its content.
    for (const QString& name : {QStringLiteral("family.txt"), QStringLiteral("family.ged")})
    {
        ASSERT_TRUE(folder.Write(name, pFamily));
        const ToolRun drawn =
            RunTool({folder.Path(name), folder.Path(QStringLiteral("family.xml"))});
        ASSERT_EQ(drawn.nExitCode, 0) << name.toStdString() << drawn.errorText.toStdString();
        EXPECT_EQ(drawn.outputText,
                  QStringLiteral("Imported 2 people and 1 family; 2 with estimated dates.\n"));
    }
    const sp<KIN_IDataFile> document = CreateDataFile();
    ASSERT_TRUE(document->Load(KIT_ToBytes(folder.Path(QStringLiteral("family.xml")))));
    ASSERT_EQ(document->GetData()->periods.size(), 2u);
    EXPECT_EQ(document->GetData()->periods[0].title, "Ada Byron");
    EXPECT_EQ(document->GetData()->links.size(), 1u);
    const ToolRun png = RunTool(
        {folder.Path(QStringLiteral("family.ged")), folder.Path(QStringLiteral("family.png"))});
    EXPECT_EQ(png.nExitCode, 0) << png.errorText.toStdString();
    EXPECT_FALSE(QImage(folder.Path(QStringLiteral("family.png"))).isNull());

    ASSERT_TRUE(folder.Write(QStringLiteral("letter.ged"), "Dear Ada,\nhere is the tree.\n"));
    const ToolRun refused = RunTool(
        {folder.Path(QStringLiteral("letter.ged")), folder.Path(QStringLiteral("letter.xml"))});
    EXPECT_EQ(refused.nExitCode, 1);
    EXPECT_EQ(refused.errorText.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(refused.errorText.contains(QStringLiteral("Not a GEDCOM file: Dear Ada,")))
        << refused.errorText.toStdString();
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("letter.xml"))));

    ASSERT_TRUE(folder.Write(QStringLiteral("undated.ged"),
                             "0 HEAD\n0 @I1@ INDI\n1 NAME Ada /Byron/\n0 TRLR\n"));
    const ToolRun undated = RunTool(
        {folder.Path(QStringLiteral("undated.ged")), folder.Path(QStringLiteral("undated.xml"))});
    EXPECT_EQ(undated.nExitCode, 1);
    EXPECT_TRUE(undated.outputText.isEmpty());
    EXPECT_TRUE(undated.errorText.contains(QStringLiteral(
        "No one in this file has a date, so nobody can be placed on the time axis.")))
        << undated.errorText.toStdString();
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("undated.xml"))));
}

TEST_F(ExportTool, OptionsChooseTheDrawing)
{
    const QString diagram = folder.Path(QStringLiteral("diagram.xml"));
    const auto out = [this](const char* pName) { return Out(pName); };
    ASSERT_EQ(
        RunTool({diagram, out("two.png"), QStringLiteral("--resolution"), QStringLiteral("2")})
            .nExitCode,
        0);
    EXPECT_EQ(QImageReader(out("two.png")).size(), QSize(2404, 20200));
    ASSERT_EQ(RunTool({diagram, out("quarter.png"), QStringLiteral("--resolution"),
                       QStringLiteral("1/4")})
                  .nExitCode,
              0);
    EXPECT_EQ(QImageReader(out("quarter.png")).size(), QSize(301, 2525));

    const ToolRun svg = RunTool({diagram, out("d.svg")});
    ASSERT_EQ(svg.nExitCode, 0) << svg.errorText.toStdString();
    EXPECT_NE(folder.Read(QStringLiteral("d.svg")).find("Ada"), std::string::npos);

    if (!KIN_HavePoppler("pdfinfo"))
        GTEST_SKIP() << kPopplerMissing;
    const auto pdfInfo = [](const QString& path) { return KIN_Poppler("pdfinfo", {path}); };
    ASSERT_EQ(RunTool({diagram, out("one.pdf")}).nExitCode, 0);
    EXPECT_TRUE(
        pdfInfo(out("one.pdf")).contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    EXPECT_TRUE(pdfInfo(out("one.pdf")).contains(QStringLiteral("1202 x 10100 pts")));
    const ToolRun poster = RunTool({diagram, out("poster.pdf"), QStringLiteral("--landscape"),
                                    QStringLiteral("--paper"), QStringLiteral("a3"),
                                    QStringLiteral("--scale"), QStringLiteral("200")});
    ASSERT_EQ(poster.nExitCode, 0) << poster.errorText.toStdString();
    const QString info = pdfInfo(out("poster.pdf"));
    // 1202 x 10100 pixels at 200% are 1803 x 15150 points: 2 sheets wide, 21 high.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +42\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("1191 x 842 pts (A3)"))) << info.toStdString();
}

TEST_F(ExportTool, ATooLargeImageGetsAResolutionThatFitsOrIsRefused)
{
    // 400 columns: 40,202 pixels wide at 1x, 101 megapixels at 1/2x.
    ASSERT_TRUE(folder.Write(QStringLiteral("wide.xml"),
                             "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"400\" />\n</kinvora>\n"));
    const QString wide = folder.Path(QStringLiteral("wide.xml"));
    const ToolRun proposed = RunTool({wide, folder.Path(QStringLiteral("wide.png"))});
    ASSERT_EQ(proposed.nExitCode, 0) << proposed.errorText.toStdString();
    EXPECT_TRUE(proposed.outputText.contains(QStringLiteral("40202 x 10100")))
        << proposed.outputText.toStdString();
    EXPECT_TRUE(proposed.outputText.contains(QStringLiteral("writing it at 1/4x")));
    EXPECT_EQ(QImageReader(folder.Path(QStringLiteral("wide.png"))).size(), QSize(10051, 2525));

    ASSERT_TRUE(folder.Write(QStringLiteral("kept.png"), "previous"));
    const ToolRun refused = RunTool({wide, folder.Path(QStringLiteral("kept.png")),
                                     QStringLiteral("--resolution"), QStringLiteral("1")});
    EXPECT_EQ(refused.nExitCode, 1);
    EXPECT_TRUE(refused.errorText.contains(QStringLiteral("--resolution 1/4x fits")))
        << refused.errorText.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("kept.png")), "previous");
}

// Options that do not go together, or values out of range, show the usage and write nothing.
TEST_F(ExportTool, BadOptionsShowTheUsage)
{
    ASSERT_TRUE(folder.Write(QStringLiteral("lind.ged"), KIN_LindFamily().Text()));
    const QString diagram = folder.Path(QStringLiteral("diagram.xml"));
    const QString tree = folder.Path(QStringLiteral("lind.ged"));
    const auto out = [this](const char* pName) { return Out(pName); };
    const QList<QStringList> bad = {
        {diagram, out("a.pdf"), QStringLiteral("--paper"), QStringLiteral("B5")},
        {diagram, out("a.pdf"), QStringLiteral("--scale"), QStringLiteral("100")},
        {diagram, out("a.pdf"), QStringLiteral("--paper"), QStringLiteral("A4"),
         QStringLiteral("--scale"), QStringLiteral("20")},
        {diagram, out("a.pdf"), QStringLiteral("--paper"), QStringLiteral("A4"),
         QStringLiteral("--scale"), QStringLiteral("1,5")},
        {diagram, out("a.png"), QStringLiteral("--paper"), QStringLiteral("A4")},
        {diagram, out("a.svg"), QStringLiteral("--resolution"), QStringLiteral("2")},
        {diagram, out("a.png"), QStringLiteral("--resolution"), QStringLiteral("0,5")},
        {diagram, out("a.png"), QStringLiteral("--resolution")},
        {diagram, out("a.png"), QStringLiteral("--colour")},
        {diagram, out("a.png"), out("b.png")},
        {tree, out("a.xml"), QStringLiteral("--ancestors"), QStringLiteral("2")},
        {tree, out("a.xml"), QStringLiteral("--relatives")},
        {tree, out("a.xml"), QStringLiteral("--no-spouses")},
        {diagram, out("a.xml"), QStringLiteral("--root"), QStringLiteral("I9")},
        {tree, out("a.xml"), QStringLiteral("--root")},
        {tree, out("a.xml"), QStringLiteral("--root"), QStringLiteral("I9"),
         QStringLiteral("--ancestors"), QStringLiteral("-1")},
        {tree, out("a.xml"), QStringLiteral("--root"), QStringLiteral("I9"),
         QStringLiteral("--descendants"), QStringLiteral("two")},
    };
    for (const QStringList& arguments : bad)
    {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.nExitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.errorText.startsWith(QStringLiteral("usage:")));
    }
    for (const char* pName : {"a.pdf", "a.png", "a.svg", "a.xml"})
        EXPECT_FALSE(QFile::exists(out(pName))) << pName;
}

TEST_F(ExportTool, ChartsOfOnePersonAndTheirErrors)
{
    ASSERT_TRUE(folder.Write(QStringLiteral("lind.ged"), KIN_LindFamily().Text()));
    const QString tree = folder.Path(QStringLiteral("lind.ged"));
    const auto out = [this](const char* pName) { return Out(pName); };
    const auto people = [&](const char* pName)
    {
        const sp<KIN_IDataFile> document = CreateDataFile();
        return document->Load(KIT_ToBytes(out(pName))) ? document->GetData()->periods.size()
                                                       : std::size_t{0};
    };
    const struct
    {
        QStringList options;
        std::size_t nPeople;
        const char* pSummary;
    } charts[] = {
        {{QStringLiteral("--root"), QStringLiteral("I9"), QStringLiteral("--descendants"),
          QStringLiteral("0")},
         9,
         "Ancestors of Anna Lind: 9 people in 4 generations.\n"},
        {{QStringLiteral("--root"), QStringLiteral("@I9@"), QStringLiteral("--ancestors"),
          QStringLiteral("0")},
         6,
         "Descendants of Anna Lind: 6 people in 3 generations.\n"},
        {{QStringLiteral("--root"), QStringLiteral("I9"), QStringLiteral("--ancestors"),
          QStringLiteral("0"), QStringLiteral("--no-spouses")},
         4,
         "Descendants of Anna Lind: 4 people in 3 generations.\n"},
        {{QStringLiteral("--root"), QStringLiteral("I9")},
         14,
         "Ancestors and descendants of Anna Lind: 14 people in 6 generations.\n"},
        {{QStringLiteral("--root"), QStringLiteral("I9"), QStringLiteral("--relatives")},
         17,
         "Relatives of Anna Lind: 17 people in 6 generations.\n"},
        {{QStringLiteral("--root"), QStringLiteral("I9"), QStringLiteral("--relatives"),
          QStringLiteral("--ancestors"), QStringLiteral("1"), QStringLiteral("--descendants"),
          QStringLiteral("0")},
         6,
         "Relatives of Anna Lind: 6 people in 2 generations.\n"},
    };
    for (const auto& chart : charts)
    {
        const QStringList arguments = QStringList{tree, out("chart.xml")} + chart.options;
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun run = RunTool(arguments);
        ASSERT_EQ(run.nExitCode, 0) << run.errorText.toStdString();
        EXPECT_EQ(run.outputText, QString::fromUtf8(chart.pSummary));
        EXPECT_EQ(people("chart.xml"), chart.nPeople);
    }

    const ToolRun unknown =
        RunTool({tree, out("none.png"), QStringLiteral("--root"), QStringLiteral("I99")});
    EXPECT_EQ(unknown.nExitCode, 1);
    EXPECT_EQ(unknown.errorText, QStringLiteral("No person @I99@ in ") + tree + QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(out("none.png")));
}

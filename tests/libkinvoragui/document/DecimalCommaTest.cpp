// Numbers in files read and write the same under a locale with a decimal comma, as on a
// French desktop.
#include "FIL_IElement.h"
#include "FIL_OpenFile.h"
#include "KIN_CommaLocale.h"
#include "KIN_DataFile.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string DiagramWithScale(const std::string& scale)
{
    return "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"10\" />\n\t<I x=\"50\" y=\"900\" s=\"" + scale +
           "\" f=\"pic.png\" />\n</kinvora>\n";
}

struct ScaleCase
{
    const char* pInFile;
    double value;
    const char* pSaved;
};

TEST(DecimalComma, PictureScalesLoadAndSaveUnchanged)
{
    const KIN_CommaLocale locale;
    if (!KIN_CommaLocale::Active())
        GTEST_SKIP() << KIN_CommaLocale::SkipReason();
    const ScaleCase cases[] = {
        {"0.5", 0.5, "0.5"},
        {"0.25", 0.25, "0.25"},
        {"1.5", 1.5, "1.5"},
        {"3.75", 3.75, "3.75"},
        {"0.125", 0.125, "0.125"},
        {"2", 2.0, "2"},
        {"1.2345678", 1.23457, "1.23457"},
        {"1e-2", 0.01, "0.01"},
    };
    TestFolder folder;
    for (const ScaleCase& scale : cases)
    {
        const sp<KIN_IDataFile> document = CreateDataFile();
        ASSERT_TRUE(document->Load(folder.Write("in.xml", DiagramWithScale(scale.pInFile))));
        ASSERT_EQ(document->GetData()->images.size(), 1u) << scale.pInFile;
        EXPECT_DOUBLE_EQ(document->GetData()->images[0].scale, scale.value) << scale.pInFile;
        ASSERT_TRUE(document->Save(folder.Path("out.xml")));
        EXPECT_NE(ReadBytes(folder.Path("out.xml")).find(std::string(" s=\"") + scale.pSaved + '"'),
                  std::string::npos)
            << scale.pInFile;
    }
}

TEST(DecimalComma, BraceFilesReadPointedNumbers)
{
    const KIN_CommaLocale locale;
    if (!KIN_CommaLocale::Active())
        GTEST_SKIP() << KIN_CommaLocale::SkipReason();
    TestFolder folder;
    const std::string path = folder.Write("in.txt", "scale = 0.5;\nlarge = -1.5e3;\n");
    const sp<FIL_IAutomat> automat = FIL_OpenFile(path.c_str(), nullptr, false);
    ASSERT_TRUE(automat);
    double scale = 0.0;
    double large = 0.0;
    ASSERT_TRUE(automat->GetRoot()->GetValue("scale", scale));
    ASSERT_TRUE(automat->GetRoot()->GetValue("large", large));
    EXPECT_DOUBLE_EQ(scale, 0.5);
    EXPECT_DOUBLE_EQ(large, -1500.0);
}
} // namespace

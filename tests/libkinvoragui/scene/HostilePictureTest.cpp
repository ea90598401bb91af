#include "KIN_GraphicImage.h"
#include "KIN_TestFolder.h"

#include <QGraphicsScene>
#include <QGraphicsView>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace
{
std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char c : bytes)
    {
        crc ^= static_cast<std::uint8_t>(c);
        for (int nBit = 0; nBit < 8; ++nBit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string BigEndian(std::uint32_t nValue)
{
    return std::string{static_cast<char>(nValue >> 24), static_cast<char>(nValue >> 16),
                       static_cast<char>(nValue >> 8), static_cast<char>(nValue)};
}

std::string Chunk(const std::string& type, const std::string& data)
{
    return BigEndian(static_cast<std::uint32_t>(data.size())) + type + data +
           BigEndian(Crc32(type + data));
}

// A well-formed PNG header declaring nSide x nSide RGB pixels, with almost no pixel data.
std::string DeclaredPng(std::uint32_t nSide)
{
    const std::string header =
        BigEndian(nSide) + BigEndian(nSide) + std::string("\x08\x02\0\0\0", 5);
    const std::string pixels("\x78\x9c\x63\x60\x60\x60\x00\x00\x00\x04\x00\x01", 12);
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", pixels) +
           Chunk("IEND", std::string());
}

class HostilePicture : public ::testing::Test
{
protected:
    HostilePicture() : view(&scene) {}

    // Builds the item for a picture file with the given bytes, in a scene of its own.
    KIN_GraphicImage* Place(const QString& name, const std::string& bytes)
    {
        EXPECT_TRUE(folder.Write(name, bytes));
        record.file = folder.Path(name).toStdString();
        record.scale = 1.0;
        auto* pItem = new KIN_GraphicImage(&record, &view);
        scene.addItem(pItem);
        return pItem;
    }

    KIN_TestFolder folder;
    QGraphicsScene scene;
    QGraphicsView view;
    KIN_DataImage record;
};

TEST_F(HostilePicture, FilesThatAreNoPicturesStayUnloaded)
{
    const std::string files[] = {std::string(), std::string("not a picture at all"),
                                 std::string("\x89PNG\r\n\x1a\n", 8), DeclaredPng(40).substr(0, 30),
                                 std::string(4096, '\xff')};
    int nFile = 0;
    for (const std::string& bytes : files)
    {
        SCOPED_TRACE(nFile);
        const KIN_GraphicImage* pItem = Place(QString::fromUtf8("bad%1.png").arg(nFile++), bytes);
        EXPECT_FALSE(pItem->IsLoaded());
        EXPECT_TRUE(pItem->pixmap().isNull());
        EXPECT_EQ(pItem->GetResizer(), nullptr);
        EXPECT_EQ(pItem->GetRecord().file, record.file);
    }
}

TEST_F(HostilePicture, HugeDeclaredSizeIsRefusedQuickly)
{
    const auto start = std::chrono::steady_clock::now();
    const KIN_GraphicImage* pHuge = Place(QString::fromUtf8("huge.png"), DeclaredPng(30000));
    const KIN_GraphicImage* pHugePpm =
        Place(QString::fromUtf8("huge.ppm"), std::string("P6\n30000 30000\n255\n") + "abc");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_FALSE(pHuge->IsLoaded());
    EXPECT_FALSE(pHugePpm->IsLoaded());

    // The same header with a size that fits still makes a picture: the reader is sound.
    const KIN_GraphicImage* pSmall = Place(QString::fromUtf8("small.png"), DeclaredPng(1));
    EXPECT_TRUE(pSmall->IsLoaded());
    EXPECT_EQ(pSmall->GetFullPixmap().size(), QSize(1, 1));
}
} // namespace

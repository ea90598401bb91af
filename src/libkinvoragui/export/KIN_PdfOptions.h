#ifndef KIN_PDFOPTIONS_H
#define KIN_PDFOPTIONS_H

#include <QPageSize>
#include <QSizeF>

#include <string_view>

// How a diagram becomes a PDF: one page of the drawing's own size, or a poster cut into
// sheets of a paper at a scale of the screen size.
struct KIN_PdfOptions
{
    static constexpr int MinPercent = 50;
    static constexpr int MaxPercent = 400;

    struct Paper
    {
        const char* pName;
        QPageSize::PageSizeId id;
    };
    static constexpr Paper Papers[] = {
        {"A4", QPageSize::A4},       {"A3", QPageSize::A3},           {"A2", QPageSize::A2},
        {"A1", QPageSize::A1},       {"A0", QPageSize::A0},           {"Letter", QPageSize::Letter},
        {"Legal", QPageSize::Legal}, {"Tabloid", QPageSize::Tabloid},
    };

    bool bPoster = false;
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool bLandscape = false;
    int nPercent = 100;

    // The paper of a name, case aside; false when it is none of the papers.
    static bool PaperByName(std::string_view name, QPageSize::PageSizeId& paper);
    // One sheet of the paper in its orientation, in points.
    QSizeF SheetPoints() const;
};

#endif

#include "KIN_PdfOptions.h"

#include <QString>

bool KIN_PdfOptions::PaperByName(std::string_view name, QPageSize::PageSizeId& paper)
{
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const Paper& candidate : Papers)
        if (wanted.compare(QLatin1String(candidate.pName), Qt::CaseInsensitive) == 0)
        {
            paper = candidate.id;
            return true;
        }
    return false;
}

QSizeF KIN_PdfOptions::SheetPoints() const
{
    const QSizeF portrait = QPageSize(paper).size(QPageSize::Point);
    return bLandscape ? portrait.transposed() : portrait;
}

#include "KIN_ColorTable.h"

#include "KIN_Texts.h"

#include <QGuiApplication>
#include <QPixmap>

namespace
{
constexpr int kIconWidth = 30;
constexpr int kIconHeight = 20;
constexpr std::int32_t kDefaultBorder = 12;    // darkRed
constexpr std::int32_t kDefaultBackground = 4; // lightGray
constexpr std::int32_t kDefaultText = 14;      // darkBlue
constexpr int kSharedPenWidths = 8;

std::vector<QIcon>& IconStore()
{
    static std::vector<QIcon> icons;
    return icons;
}

// Pixmaps must not outlive the application object: the swatches go with it and are
// rebuilt if another application asks again.
void ReleaseIcons()
{
    IconStore().clear();
}

std::vector<QColor> BuildValues()
{
    return {QColor(Qt::black),       QColor(Qt::white),       QColor(Qt::darkGray),
            QColor(Qt::gray),        QColor(Qt::lightGray),   QColor(Qt::red),
            QColor(Qt::green),       QColor(Qt::blue),        QColor(Qt::cyan),
            QColor(Qt::magenta),     QColor(Qt::yellow),      QColor(255, 150, 0, 255),
            QColor(Qt::darkRed),     QColor(Qt::darkGreen),   QColor(Qt::darkBlue),
            QColor(Qt::darkCyan),    QColor(Qt::darkMagenta), QColor(Qt::darkYellow),
            QColor(200, 100, 0, 255)};
}

std::vector<std::string> BuildNames()
{
    std::vector<std::string> names;
    for (int n = static_cast<int>(KIN_Text::ColorBlack);
         n <= static_cast<int>(KIN_Text::ColorDarkOrange); ++n)
        names.emplace_back(KIN_TextOf(static_cast<KIN_Text>(n)));
    return names;
}

std::vector<QIcon> BuildIcons()
{
    std::vector<QIcon> icons;
    for (const QColor& color : KIN_ColorValues())
    {
        QPixmap swatch(kIconWidth, kIconHeight);
        swatch.fill(color);
        icons.emplace_back(swatch);
    }
    return icons;
}

const std::vector<QBrush>& SharedBrushes()
{
    static const std::vector<QBrush> brushes = []
    {
        std::vector<QBrush> built;
        for (const QColor& color : KIN_ColorValues())
            built.emplace_back(color);
        return built;
    }();
    return brushes;
}

// Row by colour, column by width.
std::vector<QPen> BuildPens()
{
    std::vector<QPen> pens;
    for (const QBrush& brush : SharedBrushes())
        for (int nWidth = 0; nWidth < kSharedPenWidths; ++nWidth)
            pens.emplace_back(brush, nWidth, Qt::SolidLine);
    return pens;
}

std::int32_t DefaultIndex(KIN_ColorRole role)
{
    switch (role)
    {
    case KIN_ColorRole::Border:
        return kDefaultBorder;
    case KIN_ColorRole::Background:
        return kDefaultBackground;
    case KIN_ColorRole::Text:
        break;
    }
    return kDefaultText;
}
} // namespace

const std::vector<QColor>& KIN_ColorValues()
{
    static const std::vector<QColor> values = BuildValues();
    return values;
}

const std::vector<std::string>& KIN_ColorNames()
{
    static const std::vector<std::string> names = BuildNames();
    return names;
}

const std::vector<QIcon>& KIN_ColorIcons()
{
    std::vector<QIcon>& icons = IconStore();
    // Without a GUI application there is nothing to paint with: the list stays empty.
    if (icons.empty() && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    {
        icons = BuildIcons();
        qAddPostRoutine(ReleaseIcons);
    }
    return icons;
}

std::int32_t KIN_ColorIndexOrDefault(std::int32_t nIndex, KIN_ColorRole role)
{
    const auto nCount = static_cast<std::int32_t>(KIN_ColorValues().size());
    return nIndex >= 0 && nIndex < nCount ? nIndex : DefaultIndex(role);
}

QColor KIN_ColorOfIndex(std::int32_t nIndex, KIN_ColorRole role)
{
    return KIN_ColorValues()[static_cast<std::size_t>(KIN_ColorIndexOrDefault(nIndex, role))];
}

QBrush KIN_BrushOfIndex(std::int32_t nIndex, KIN_ColorRole role)
{
    return SharedBrushes()[static_cast<std::size_t>(KIN_ColorIndexOrDefault(nIndex, role))];
}

QPen KIN_PenOfIndex(std::int32_t nIndex, KIN_ColorRole role, int nWidth)
{
    static const std::vector<QPen> pens = BuildPens();
    const auto nRow = static_cast<std::size_t>(KIN_ColorIndexOrDefault(nIndex, role));
    if (nWidth < 0 || nWidth >= kSharedPenWidths)
        return QPen(SharedBrushes()[nRow], nWidth, Qt::SolidLine);
    return pens[nRow * kSharedPenWidths + static_cast<std::size_t>(nWidth)];
}

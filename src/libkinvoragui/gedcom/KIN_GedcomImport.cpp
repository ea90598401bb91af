#include "KIN_GedcomImport.h"

#include "KIN_GedcomChart.h"
#include "KIN_GedcomDecoder.h"
#include "KIN_GedcomDetails.h"
#include "KIN_GedcomDiagramBuilder.h"
#include "KIN_GedcomEstimator.h"
#include "KIN_GedcomLayout.h"
#include "KIN_GedcomLineReader.h"
#include "KIN_GedcomTreeReader.h"
#include "KIN_GedcomUtf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace
{
using Stage = KIN_GedcomProgress::Stage;

// Enough of a first line to recognise it in a message.
constexpr std::size_t kShownLineBytes = 80;

KIN_GedcomResult Failed(KIN_GedcomError error, std::string detail = std::string())
{
    KIN_GedcomResult result;
    result.error = error;
    result.detail = std::move(detail);
    return result;
}

// The first line, shortened and without control characters, for the message.
std::string Shown(std::string_view line)
{
    std::string shown(KIN_GedcomUtf8::Cut(line, kShownLineBytes));
    for (char& c : shown)
    {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return shown;
}

// A file starts with its header record; anything else is not GEDCOM.
bool CheckHeader(const std::string& text, KIN_GedcomResult& result)
{
    KIN_GedcomLineReader reader(text);
    KIN_GedcomLine line;
    if (!reader.Next(line))
    {
        result = Failed(KIN_GedcomError::Empty);
        return false;
    }
    if (line.nLevel != 0 || line.tag != "HEAD")
    {
        result = Failed(KIN_GedcomError::NotGedcom, Shown(line.text));
        return false;
    }
    return true;
}

struct FileCloser
{
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

std::string SystemError()
{
    return std::generic_category().message(errno);
}

// What a chart of one person drew: whom it is about, the generations, the root selected.
void DescribeChart(const KIN_GedcomReadTree& read, const std::vector<KIN_GedcomLifespan>& drawn,
                   const std::vector<std::int32_t>& generations, std::int32_t nRoot,
                   const KIN_GedcomWords& words, KIN_GedcomResult& result)
{
    std::int32_t nLowest = 0;
    std::int32_t nHighest = 0;
    std::int32_t nRootId = 0;
    std::size_t nSelected = 0;
    for (std::size_t n = 0; n < drawn.size(); ++n)
    {
        if (generations[n] == KIN_GedcomChart::kOutside)
            continue;
        ++nSelected;
        if (!drawn[n].bDrawn)
            continue;
        nLowest = std::min(nLowest, generations[n]);
        nHighest = std::max(nHighest, generations[n]);
        if (static_cast<std::int32_t>(n) <= nRoot)
            ++nRootId; // periods are numbered in file order
    }
    result.rootTitle =
        KIN_GedcomDetails(words).Title(read.tree.people[static_cast<std::size_t>(nRoot)]);
    result.nGenerations = nHighest - nLowest + 1;
    result.nLeftOut = nSelected - result.nPeople;
    if (drawn[static_cast<std::size_t>(nRoot)].bDrawn)
        result.nShownId = nRootId;
}
} // namespace

KIN_GedcomResult KIN_GedcomImport::ImportFile(const std::string& path,
                                              const KIN_GedcomOptions& options)
{
    KIN_GedcomReadTree read;
    const KIN_GedcomResult result = ReadFile(path, options, read);
    return result.error == KIN_GedcomError::None ? Draw(read, options) : result;
}

KIN_GedcomResult KIN_GedcomImport::ImportBytes(std::string_view bytes,
                                               const KIN_GedcomOptions& options)
{
    KIN_GedcomReadTree read;
    const KIN_GedcomResult result = ReadBytes(bytes, options, read);
    return result.error == KIN_GedcomError::None ? Draw(read, options) : result;
}

KIN_GedcomResult KIN_GedcomImport::ReadFile(const std::string& path,
                                            const KIN_GedcomOptions& options,
                                            KIN_GedcomReadTree& read)
{
    const std::unique_ptr<std::FILE, FileCloser> pFile(std::fopen(path.c_str(), "rb"));
    if (!pFile)
        return Failed(KIN_GedcomError::Unreadable, SystemError());
    std::string bytes;
    // Reserved once: growing a string of many megabytes block by block copies it again and again.
    // Only a regular file tells its size; a folder or a pipe is read as it comes.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
    {
        const std::uintmax_t nSize = std::filesystem::file_size(path, error);
        if (!error)
            bytes.reserve(static_cast<std::size_t>(nSize));
    }
    char block[65536];
    for (;;)
    {
        const std::size_t nRead = std::fread(block, 1, sizeof block, pFile.get());
        bytes.append(block, nRead);
        if (nRead < sizeof block)
            break;
    }
    if (std::ferror(pFile.get()))
        return Failed(KIN_GedcomError::Unreadable, SystemError());
    return ReadBytes(bytes, options, read);
}

KIN_GedcomResult KIN_GedcomImport::ReadBytes(std::string_view bytes,
                                             const KIN_GedcomOptions& options,
                                             KIN_GedcomReadTree& read)
{
    KIN_GedcomProgress progress(options.progress);
    if (!progress.Report(Stage::Decode, 0, bytes.size()))
        return Failed(KIN_GedcomError::Cancelled);
    const std::string text = KIN_GedcomDecoder::Decode(bytes);
    KIN_GedcomResult result;
    if (!CheckHeader(text, result))
        return result;
    read = KIN_GedcomReadTree();
    if (!progress.Report(Stage::Read, 0, text.size()) ||
        !KIN_GedcomTreeReader(progress).Read(text, read.tree) ||
        !KIN_GedcomEstimator(read.tree, options.nCurrentYear).Estimate(progress, read.lifespans))
        return Failed(KIN_GedcomError::Cancelled);
    if (std::none_of(read.lifespans.begin(), read.lifespans.end(),
                     [](const KIN_GedcomLifespan& lifespan) { return lifespan.bDrawn; }))
        return Failed(KIN_GedcomError::NoDates);
    return result;
}

KIN_GedcomResult KIN_GedcomImport::Draw(const KIN_GedcomReadTree& read,
                                        const KIN_GedcomOptions& options)
{
    KIN_GedcomProgress progress(options.progress);
    const KIN_GedcomChart chart(read.tree);
    const std::int32_t nRoot = options.chart.IsEveryone() ? -1 : chart.Find(options.chart.root);
    if (!options.chart.IsEveryone() && nRoot < 0)
        return Failed(KIN_GedcomError::NoPerson, KIN_GedcomChart::Bare(options.chart.root));
    // The years stay those of the whole tree; only who is drawn changes.
    const std::vector<std::int32_t> generations = chart.Select(options.chart, nRoot);
    std::vector<KIN_GedcomLifespan> lifespans = read.lifespans;
    for (std::size_t n = 0; n < lifespans.size(); ++n)
        lifespans[n].bDrawn = lifespans[n].bDrawn && generations[n] != KIN_GedcomChart::kOutside;
    if (std::none_of(lifespans.begin(), lifespans.end(),
                     [](const KIN_GedcomLifespan& lifespan) { return lifespan.bDrawn; }))
        return Failed(KIN_GedcomError::NoDates);
    KIN_GedcomResult result;
    std::vector<std::int32_t> columns;
    // Readability first: the reordered tree order, not packed (packing narrows the diagram
    // but lengthens links and crosses more people).
    if (!KIN_GedcomLayout(read.tree, lifespans).Arrange(progress, columns) ||
        !KIN_GedcomDiagramBuilder(read.tree, lifespans, columns, options.words)
             .Build(progress, result) ||
        !progress.Finish())
        return Failed(KIN_GedcomError::Cancelled);
    if (nRoot >= 0)
        DescribeChart(read, lifespans, generations, nRoot, options.words, result);
    return result;
}

#include "KIN_GedcomImport.h"

#include "KIN_GedcomDecoder.h"
#include "KIN_GedcomDiagramBuilder.h"
#include "KIN_GedcomEstimator.h"
#include "KIN_GedcomLayout.h"
#include "KIN_GedcomLineReader.h"
#include "KIN_GedcomTreeReader.h"
#include "KIN_GedcomUtf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
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
} // namespace

KIN_GedcomResult KIN_GedcomImport::ImportFile(const std::string& path,
                                              const KIN_GedcomOptions& options)
{
    const std::unique_ptr<std::FILE, FileCloser> pFile(std::fopen(path.c_str(), "rb"));
    if (!pFile)
        return Failed(KIN_GedcomError::Unreadable, SystemError());
    std::string bytes;
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
    return ImportBytes(bytes, options);
}

KIN_GedcomResult KIN_GedcomImport::ImportBytes(std::string_view bytes,
                                               const KIN_GedcomOptions& options)
{
    KIN_GedcomProgress progress(options.progress);
    if (!progress.Report(Stage::Decode, 0, bytes.size()))
        return Failed(KIN_GedcomError::Cancelled);
    const std::string text = KIN_GedcomDecoder::Decode(bytes);
    KIN_GedcomResult result;
    if (!CheckHeader(text, result))
        return result;

    KIN_GedcomTree tree;
    std::vector<KIN_GedcomLifespan> lifespans;
    std::vector<std::int32_t> columns;
    if (!progress.Report(Stage::Read, 0, text.size()) ||
        !KIN_GedcomTreeReader(progress).Read(text, tree) ||
        !KIN_GedcomEstimator(tree, options.nCurrentYear).Estimate(progress, lifespans))
        return Failed(KIN_GedcomError::Cancelled);
    if (std::none_of(lifespans.begin(), lifespans.end(),
                     [](const KIN_GedcomLifespan& lifespan) { return lifespan.bDrawn; }))
        return Failed(KIN_GedcomError::NoDates);
    // Readability first: the reordered tree order, not packed (packing narrows the diagram
    // but lengthens links and crosses more people).
    if (!KIN_GedcomLayout(tree, lifespans).Arrange(progress, columns) ||
        !KIN_GedcomDiagramBuilder(tree, lifespans, columns, options.words)
             .Build(progress, result) ||
        !progress.Finish())
        return Failed(KIN_GedcomError::Cancelled);
    return result;
}

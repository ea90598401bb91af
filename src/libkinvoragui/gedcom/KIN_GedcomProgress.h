#ifndef KIN_GEDCOMPROGRESS_H
#define KIN_GEDCOMPROGRESS_H

#include <cstddef>
#include <functional>

// The import's progress as thousandths of the whole, each stage owning a fixed share. The
// caller hears of it only when the thousandth changes, so stages may report as often as they
// like; once the caller says stop, every later report says so too.
class KIN_GedcomProgress
{
public:
    enum class Stage
    {
        Decode,
        Read,
        Estimate,
        Layout,
        Arrange, // the sweeps and the other shapes tried after the tree order
        Build
    };
    static constexpr std::size_t kTotal = 1000;

    explicit KIN_GedcomProgress(std::function<bool(std::size_t, std::size_t)> callback);

    // nDone of nItems of the stage are done; false when the import is to stop.
    bool Report(Stage stage, std::size_t nDone, std::size_t nItems);
    // All is done; false when the import is to stop.
    bool Finish();
    bool Cancelled() const { return m_bCancelled; }

private:
    bool Tell(std::size_t nDone);

    std::function<bool(std::size_t, std::size_t)> m_callback;
    std::size_t m_nLastTold = static_cast<std::size_t>(-1);
    bool m_bCancelled = false;
};

#endif

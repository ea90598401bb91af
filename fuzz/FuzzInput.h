#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The readers take file names: each input goes to a file of its own, removed afterwards.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* pData, std::size_t nSize, const char* pSuffix)
    {
        m_path = std::string("/tmp/kinvora-fuzz-") + std::to_string(getpid()) + pSuffix;
        std::FILE* pFile = std::fopen(m_path.c_str(), "wb");
        if (!pFile)
            std::abort();
        if (nSize != 0 && std::fwrite(pData, 1, nSize, pFile) != nSize)
            std::abort();
        std::fclose(pFile);
    }
    ~FuzzInput() { std::remove(m_path.c_str()); }
    FuzzInput(const FuzzInput&) = delete;
    FuzzInput& operator=(const FuzzInput&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

#endif

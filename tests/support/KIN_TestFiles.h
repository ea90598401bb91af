#ifndef KIN_TESTFILES_H
#define KIN_TESTFILES_H

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
class TestFolder
{
public:
    TestFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kinvora-test-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TestFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Root() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

    // Writes the bytes to a file of that name and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    std::string m_path;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::string DataPath(const std::string& name)
{
    return std::string(KINVORA_TEST_DATA_DIR) + "/" + name;
}

#endif

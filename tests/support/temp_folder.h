// A temporary folder tree for tests that read the real file system; removed at the end.
#pragma once

#include <filesystem>
#include <string>

namespace zerin::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with a trailing "/".
    std::string path() const { return m_root.string() + "/"; }
    // Creates a file of `size` bytes (folders on the way are made).
    void file(const std::string& relative, std::size_t size);
    void folder(const std::string& relative);

private:
    std::filesystem::path m_root;
};

}  // namespace zerin::test

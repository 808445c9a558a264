#include "temp_folder.h"

#include <fstream>
#include <random>

namespace zerin::test {

TempFolder::TempFolder() {
    std::random_device rd;
    m_root = std::filesystem::temp_directory_path() / ("zerin_test_" + std::to_string(rd()));
    std::filesystem::create_directories(m_root);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    for (auto it = std::filesystem::recursive_directory_iterator(m_root, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_root, ec);
}

void TempFolder::file(const std::string& relative, std::size_t size) {
    const auto p = m_root / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << std::string(size, 'x');
}

void TempFolder::folder(const std::string& relative) { std::filesystem::create_directories(m_root / relative); }

}  // namespace zerin::test

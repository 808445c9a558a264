// Reading and writing a large Zerin.ini: 600 stored scripts of 40 lines, 10 full path
// groups, 2000 image list entries. Prints the mean time per read and per write.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/settings_file.h"
#include "app/program.h"
#include "fake_platform.h"

using namespace zerin;

namespace {

template <typename F>
double meanMs(int rounds, F&& f) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) f();
    std::chrono::duration<double, std::milli> total = std::chrono::steady_clock::now() - start;
    return total.count() / rounds;
}

}  // namespace

int main() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "zerin-settings-bench";
    std::filesystem::create_directories(folder);

    test::FakePlatform fp;
    Zerin source(fp.platform);
    source.programFolder = folder;
    for (int g = 1; g <= 10; ++g) {
        source.pathGroups.addGroup("group " + std::to_string(g));
        for (int p = 0; p < 20; ++p)
            source.pathGroups.addPath(g, {"p" + std::to_string(p), "/home/user/projects/" + std::to_string(p) + "/"});
    }
    for (int s = 0; s < 600; ++s) {
        std::string text = "#location=loc" + std::to_string(s % 10) + "\r\n#name=script" + std::to_string(s);
        for (int l = 0; l < 40; ++l) text += "\r\n? \"line " + std::to_string(l) + " of a stored script\"";
        source.scripts.add("loc\\script" + std::to_string(s), text);
    }
    for (int i = 0; i < 2000; ++i) source.imageList.paths.push_back("/photos/2026/img_" + std::to_string(i) + ".jpg");

    const std::size_t bytes = settingsText(source).size();
    double writeMs = meanMs(20, [&] { do_default_save(source); });
    double readMs = meanMs(20, [&] {
        test::FakePlatform p;
        Zerin z(p.platform);
        z.programFolder = folder;
        SettingsLoad(z);
    });
    std::printf("Zerin.ini of %zu bytes: write %.2f ms, read %.2f ms\n", bytes, writeMs, readMs);
    std::filesystem::remove_all(folder);
    return 0;
}

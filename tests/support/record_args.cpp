// A program for the process tests: writes each argument after the first, NUL-terminated,
// into the file named by the first, so a test can see exactly what a started program got.
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 2;
    for (int i = 2; i < argc; ++i) {
        std::fputs(argv[i], f);
        std::fputc('\0', f);
    }
    std::fclose(f);
    return 0;
}

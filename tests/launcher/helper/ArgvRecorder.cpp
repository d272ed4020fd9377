// A stand-in for an external program: writes its working folder and every
// argument it was given, each followed by a NUL byte, to the file named by
// QUILLON_ARGV_OUT (through a temporary file and a rename, so a reader never
// sees half of it). What the launcher passes is then checked byte for byte.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char **argv)
{
    const char *out = std::getenv("QUILLON_ARGV_OUT");
    if (!out)
        return 2;
    std::string data;
    char cwd[4096];
    data += getcwd(cwd, sizeof cwd) ? cwd : "?";
    data += '\0';
    for (int i = 1; i < argc; ++i) {
        data += argv[i];
        data += '\0';
    }
    const std::string tmp = std::string(out) + ".part";
    FILE *f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return 3;
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
    return std::rename(tmp.c_str(), out) == 0 ? 0 : 4;
}

// Read-only byte streams with the game's line rule, and whole-file helpers.
#include "media/media.h"
#include "media/media_internal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <sys/stat.h>

struct Stream {
    std::string data;
    size_t pos = 0;
};

std::string media::PathOf(const Str& path) {
    return ToUtf8(path);
}

Stream* OpenTextFile(const Str& path) {
    auto* s = new Stream;
    if (!ReadWholeFile(media::PathOf(path), s->data)) {
        delete s;
        return nullptr;
    }
    return s;
}

Stream* OpenDataFile(const Str& path) {
    Stream* s = OpenTextFile(path);
    if (s) media::NoteOpened(media::PathOf(path));
    return s;
}

bool ReadDataFile(const Str& path, std::string& out) {
    if (!ReadWholeFile(media::PathOf(path), out)) return false;
    media::NoteOpened(media::PathOf(path));
    return true;
}

Str ReadTextLine(Stream* s) {
    Str line;
    if (!s) return line;
    while (s->pos < s->data.size()) {
        unsigned char c = (unsigned char)s->data[s->pos++];
        if (c == 10 || c == 0) break;
        if (c == 13) continue;
        line.push_back((char16_t)c);
    }
    return line;
}

int ReadU8(Stream* s) {
    if (!s || s->pos >= s->data.size()) return 0;
    return (unsigned char)s->data[s->pos++];
}

int ReadU16(Stream* s) {
    int lo = ReadU8(s);
    int hi = ReadU8(s);
    return lo | (hi << 8);
}

int EndOfFile(Stream* s) {
    return (!s || s->pos >= s->data.size()) ? 1 : 0;
}

void CloseFile(Stream* s) {
    delete s;
}

bool FileExists(const Str& path) {
    struct stat st;
    return stat(media::PathOf(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadWholeFile(const std::string& p, std::string& out) {
    struct stat st;
    if (stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::ifstream f(p, std::ios::binary);
    if (!f) return false;
    std::ostringstream ss;
    ss << f.rdbuf();
    out = ss.str();
    return !f.bad();
}

bool WriteWholeFile(const std::string& p, const std::string& data) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(data.data(), (std::streamsize)data.size());
    return (bool)f;
}

bool ChangeDirectory(const std::string& p) {
    return chdir(p.c_str()) == 0;
}

std::string ProgramDirectory() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    std::string exe(buf, (size_t)n);
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

std::string CurrentDirectory() {
    char buf[4096];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

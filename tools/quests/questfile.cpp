// Compiling quest sources into the game's quest files and back.
#include "questfile.h"

#include "media/media.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {
struct Kind {
    const char* art;
    uint8_t typ;
    int params; // how many numbers the source gives
};

// The eleven task kinds, spelled as the game reads them.
const Kind kKinds[] = {
    {"rede mit NPC", 1, 2},     {"rede mit Gruppe", 1, 2}, {"toete Gegner", 1, 1},
    {"toete Gruppe", 1, 1},     {"Item besitzen", 1, 2},   {"NPC Ereignis", 2, 2},
    {"Tagebucheintrag", 2, 1},  {"Item bekommen", 2, 2},   {"Item entfernen", 2, 2},
    {"NPC feindlich", 2, 1},    {"Quest abgeschlossen", 2, 0},
};

const Kind* FindKind(const std::string& art) {
    for (const Kind& k : kKinds)
        if (art == k.art) return &k;
    return nullptr;
}

std::string Trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool StartsWith(const std::string& s, const std::string& p) {
    return s.compare(0, p.size(), p) == 0;
}

std::string At(const std::string& path, int line) {
    return path + ":" + std::to_string(line) + ": ";
}

// A task line: the longest kind that starts it, then its numbers.
std::string ParseTask(const std::string& where, const std::string& line, QuestTask& t) {
    const Kind* kind = nullptr;
    for (const Kind& k : kKinds) {
        std::string a = k.art;
        if (StartsWith(line, a) && (line.size() == a.size() || line[a.size()] == ' ' ||
                                    line[a.size()] == '\t') &&
            (!kind || a.size() > std::string(kind->art).size()))
            kind = &k;
    }
    if (!kind) return where + "unknown task kind in \"" + line + "\"";
    std::vector<long> nums;
    std::string rest = line.substr(std::string(kind->art).size());
    size_t pos = 0;
    while (true) {
        pos = rest.find_first_not_of(" \t", pos);
        if (pos == std::string::npos) break;
        size_t end = rest.find_first_of(" \t", pos);
        std::string word = rest.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (word.empty() || word.size() > 5 ||
            !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return where + "\"" + word + "\" is not a number from 0 to 65535";
        long v = std::stol(word);
        if (v > 65535) return where + word + " is larger than 65535";
        nums.push_back(v);
        if (end == std::string::npos) break;
        pos = end;
    }
    if ((int)nums.size() != kind->params)
        return where + "\"" + kind->art + "\" takes " + std::to_string(kind->params) +
               (kind->params == 1 ? " number" : " numbers") + ", found " +
               std::to_string(nums.size());
    t.typ = kind->typ;
    t.art = kind->art;
    t.x = nums.size() > 0 ? (uint16_t)nums[0] : 0;
    t.y = nums.size() > 1 ? (uint16_t)nums[1] : 0;
    // Item counts are 8-bit in the game; only a gold amount (ID 0) is wider.
    bool item = t.art == "Item besitzen" || t.art == "Item bekommen" || t.art == "Item entfernen";
    if (item && t.x == 0 && t.art == "Item besitzen")
        return where + "\"Item besitzen\" needs an item ID above 0";
    if (item && t.x > 0 && t.y > 255)
        return where + "an item count is at most 255, found " + std::to_string(t.y);
    return "";
}

// Latin-1 bytes of a UTF-8 text; false when a character does not fit.
bool ToLatin1(const std::string& utf8, std::string& out) {
    out.clear();
    for (char16_t c : S(utf8)) {
        if (c > 255) return false;
        out.push_back((char)(unsigned char)c);
    }
    return true;
}

std::string FromLatin1(const std::string& bytes) {
    Str s;
    for (char c : bytes) s.push_back((char16_t)(unsigned char)c);
    return ToUtf8(s);
}

struct Reader {
    const std::string& b;
    size_t pos = 0;
    bool End() const { return pos >= b.size(); }
    std::string Line() {
        std::string l;
        while (pos < b.size()) {
            char c = b[pos++];
            if (c == '\n' || c == '\0') break;
            if (c != '\r') l.push_back(c);
        }
        return l;
    }
};

std::string DecodeTask(const std::string& where, Reader& r, QuestTask& t) {
    t.typ = (uint8_t)r.b[r.pos++];
    if (r.End()) return where + "ends after its type byte";
    t.art = FromLatin1(r.Line());
    if (r.b.size() - r.pos < 4) return where + "ends before its two numbers";
    auto u16 = [&r]() {
        int lo = (unsigned char)r.b[r.pos], hi = (unsigned char)r.b[r.pos + 1];
        r.pos += 2;
        return (uint16_t)(lo | hi << 8);
    };
    t.x = u16();
    t.y = u16();
    const Kind* k = FindKind(t.art);
    if (!k) return where + "has the unknown kind \"" + t.art + "\"";
    if (k->typ != t.typ)
        return where + "\"" + t.art + "\" has type " + std::to_string(t.typ) + ", not " +
               std::to_string(k->typ);
    if ((k->params < 2 && t.y != 0) || (k->params < 1 && t.x != 0))
        return where + "\"" + t.art + "\" carries numbers it does not use";
    return "";
}

std::string EncodeText(const std::string& path, const std::string& what, const std::string& text,
                       std::string& out) {
    std::string latin;
    if (!ToLatin1(text, latin)) return path + ": " + what + " has a character outside Latin-1";
    if (latin.find('\n') != std::string::npos || latin.find('\0') != std::string::npos)
        return path + ": " + what + " holds a line break";
    out += latin + "\n";
    return "";
}

std::string EncodeTask(const std::string& path, const std::string& what, const QuestTask& t,
                       std::string& out) {
    out.push_back((char)t.typ);
    std::string err = EncodeText(path, what, t.art, out);
    if (!err.empty()) return err;
    out.push_back((char)(t.x & 0xFF));
    out.push_back((char)(t.x >> 8));
    out.push_back((char)(t.y & 0xFF));
    out.push_back((char)(t.y >> 8));
    return "";
}

std::string TaskText(const QuestTask& t) {
    const Kind* k = FindKind(t.art);
    std::string s = t.art;
    int params = k ? k->params : 2;
    if (params >= 1) s += " " + std::to_string(t.x);
    if (params >= 2) s += " " + std::to_string(t.y);
    return s;
}
} // namespace

std::string ParseQuestSource(const std::string& path, const std::string& text, QuestSource& q) {
    q = QuestSource();
    bool haveName = false, haveStart = false;
    int n = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++n;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        std::string where = At(path, n);
        auto header = [&](const char* key, std::string& field, bool& seen) -> std::string {
            if (seen) return where + "a second \"" + key + "\" line";
            seen = true;
            field = Trim(line.substr(std::string(key).size()));
            return "";
        };
        std::string err;
        bool seenB = !q.bedingung.empty(), seenP = !q.parameter.empty();
        if (StartsWith(line, "Quest:")) {
            if (haveStart) return where + "\"Quest:\" must come before the start task";
            err = header("Quest:", q.name, haveName);
            if (err.empty() && q.name.empty()) err = where + "the quest has no name";
        } else if (StartsWith(line, "Bedingung:")) {
            if (haveStart) return where + "\"Bedingung:\" must come before the start task";
            err = header("Bedingung:", q.bedingung, seenB);
        } else if (StartsWith(line, "Parameter:")) {
            if (haveStart) return where + "\"Parameter:\" must come before the start task";
            err = header("Parameter:", q.parameter, seenP);
        } else if (StartsWith(line, "Start:")) {
            if (!haveName) return where + "the start task needs a \"Quest:\" line before it";
            if (haveStart) return where + "a second start task";
            haveStart = true;
            std::string task = Trim(line.substr(6));
            size_t c = task.find(" #");
            if (c != std::string::npos) task = Trim(task.substr(0, c));
            err = ParseTask(where, task, q.start);
            if (err.empty() && q.start.art != "rede mit NPC")
                err = where + "only \"rede mit NPC\" can start a quest, not \"" + q.start.art + "\"";
        } else {
            if (!haveStart) return where + "a task before the \"Start:\" line";
            size_t c = line.find(" #");
            if (c != std::string::npos) line = Trim(line.substr(0, c));
            QuestTask t;
            err = ParseTask(where, line, t);
            q.tasks.push_back(t);
        }
        if (!err.empty()) return err;
        std::string latin;
        if (!ToLatin1(raw, latin)) return where + "a character outside Latin-1";
    }
    if (!haveName) return path + ": no \"Quest:\" line";
    if (!haveStart) return path + ": no \"Start:\" line";
    return "";
}

std::string ReadQuestSource(const std::string& path, QuestSource& q) {
    std::string text;
    if (!ReadWholeFile(path, text)) return path + ": cannot read the file";
    if (ToUtf8(S(text)) != text) return path + ": not valid UTF-8";
    return ParseQuestSource(path, text, q);
}

std::string FormatQuestSource(const QuestSource& q) {
    std::string s = "Quest: " + q.name + "\n";
    if (!q.bedingung.empty()) s += "Bedingung: " + q.bedingung + "\n";
    if (!q.parameter.empty()) s += "Parameter: " + q.parameter + "\n";
    s += "Start: " + TaskText(q.start) + "\n";
    int step = 1;
    s += "# Schritt 1\n";
    for (const QuestTask& t : q.tasks) {
        if (t.typ == 1) s += "# Schritt " + std::to_string(++step) + "\n";
        s += TaskText(t) + "\n";
    }
    return s;
}

std::string WriteQuestSource(const std::string& path, const QuestSource& q) {
    if (!WriteWholeFile(path, FormatQuestSource(q))) return path + ": cannot write the file";
    return "";
}

std::string DecodeQuestFile(const std::string& path, const std::string& bytes, QuestSource& q) {
    q = QuestSource();
    Reader r{bytes};
    q.name = FromLatin1(r.Line());
    q.bedingung = FromLatin1(r.Line());
    q.parameter = FromLatin1(r.Line());
    if (r.End()) return path + ": no start task";
    std::string err = DecodeTask(path + ": the start task ", r, q.start);
    if (!err.empty()) return err;
    for (int k = 1; !r.End(); ++k) {
        QuestTask t;
        err = DecodeTask(path + ": task " + std::to_string(k) + " ", r, t);
        if (!err.empty()) return err;
        q.tasks.push_back(t);
    }
    return "";
}

std::string ReadQuestFile(const std::string& path, QuestSource& q) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return path + ": cannot read the file";
    return DecodeQuestFile(path, bytes, q);
}

std::string EncodeQuestFile(const std::string& path, const QuestSource& q, std::string& out) {
    out.clear();
    std::string err = EncodeText(path, "the name", q.name, out);
    if (err.empty()) err = EncodeText(path, "the start condition", q.bedingung, out);
    if (err.empty()) err = EncodeText(path, "the start parameter", q.parameter, out);
    if (err.empty()) err = EncodeTask(path, "the start task", q.start, out);
    for (size_t k = 0; err.empty() && k < q.tasks.size(); ++k)
        err = EncodeTask(path, "task " + std::to_string(k + 1), q.tasks[k], out);
    return err;
}

std::string WriteQuestFile(const std::string& path, const QuestSource& q) {
    std::string bytes;
    std::string err = EncodeQuestFile(path, q, bytes);
    if (!err.empty()) return err;
    if (!WriteWholeFile(path, bytes)) return path + ": cannot write the file";
    return "";
}

std::string BuildQuestFolder(const std::string& srcDir, const std::string& dstDir,
                             const std::string& journalDir) {
    std::error_code ec;
    if (!fs::is_directory(srcDir, ec)) return srcDir + ": not a folder";
    static const std::regex sourceName("Quest([1-9][0-9]*)\\.txt");
    std::map<int, std::string> sources;
    for (auto& e : fs::directory_iterator(srcDir, ec)) {
        std::smatch m;
        std::string name = e.path().filename().string();
        if (!std::regex_match(name, m, sourceName)) continue;
        sources[std::stoi(m[1])] = e.path().string();
    }
    // The game reads the family up to the first missing number: a gap would
    // silently drop every quest after it.
    int expect = 1;
    for (auto& [n, path] : sources) {
        if (n != expect)
            return path + ": Quest" + std::to_string(expect) +
                   ".txt is missing; quests are numbered 1, 2, 3, ... without a gap";
        ++expect;
    }
    fs::create_directories(dstDir, ec);
    for (auto& [n, path] : sources) {
        QuestSource q;
        std::string err = ReadQuestSource(path, q);
        if (!err.empty()) return err;
        if (!journalDir.empty())
            for (const QuestTask& t : q.tasks) {
                if (t.art != "Tagebucheintrag") continue;
                std::string jf = journalDir + "/" + std::to_string(t.x) + ".vst";
                if (!fs::exists(jf, ec)) return path + ": journal text " + jf + " does not exist";
            }
        err = WriteQuestFile(dstDir + "/Quest" + std::to_string(n) + ".vsq", q);
        if (!err.empty()) return err;
    }
    static const std::regex builtName("Quest([0-9]+)\\.vsq");
    for (auto& e : fs::directory_iterator(dstDir, ec)) {
        std::smatch m;
        std::string name = e.path().filename().string();
        if (std::regex_match(name, m, builtName) && !sources.count(std::stoi(m[1])))
            fs::remove(e.path(), ec);
    }
    return "";
}

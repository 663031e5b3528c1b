// Game strings (16-bit characters) and the number conversions the catalogue
// readers rely on.
#include "media/media.h"

#include <cmath>
#include <cstdlib>

Str S(const char* utf8) {
    return S(std::string(utf8 ? utf8 : ""));
}

Str S(const std::string& u) {
    Str out;
    out.reserve(u.size());
    for (size_t i = 0; i < u.size();) {
        unsigned char c = (unsigned char)u[i];
        uint32_t cp = 0;
        int extra = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c >> 4) == 14) {
            cp = c & 0x0F;
            extra = 2;
        } else if ((c >> 3) == 30) {
            cp = c & 0x07;
            extra = 3;
        } else {
            out.push_back(u'?');
            ++i;
            continue;
        }
        if (i + extra >= u.size()) {
            out.push_back(u'?');
            break;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char cc = (unsigned char)u[i + k];
            if ((cc >> 6) != 2) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out.push_back(u'?');
            ++i;
            continue;
        }
        i += extra + 1;
        out.push_back(cp > 0xFFFF ? u'?' : (char16_t)cp);
    }
    return out;
}

std::string ToUtf8(const Str& s) {
    std::string out;
    out.reserve(s.size());
    for (char16_t ch : s) {
        uint32_t c = ch;
        if (c < 0x80)
            out.push_back((char)c);
        else if (c < 0x800) {
            out.push_back((char)(0xC0 | (c >> 6)));
            out.push_back((char)(0x80 | (c & 0x3F)));
        } else {
            out.push_back((char)(0xE0 | (c >> 12)));
            out.push_back((char)(0x80 | ((c >> 6) & 0x3F)));
            out.push_back((char)(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

Str Latin1ToStr(const std::string& bytes) {
    Str out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) out[i] = (char16_t)(unsigned char)bytes[i];
    return out;
}

static bool IsSpace(char16_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int StringToInt(const Str& t) {
    size_t i = 0;
    while (i < t.size() && IsSpace(t[i])) ++i;
    bool neg = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        neg = t[i] == '-';
        ++i;
    }
    // Accumulate in unsigned 64-bit arithmetic and wrap to 32 bits, like a
    // plain machine integer; the callers cut the result to their field width.
    uint64_t v = 0;
    if (i < t.size() && t[i] == '%') {
        for (++i; i < t.size() && (t[i] == '0' || t[i] == '1'); ++i) v = (v << 1) | (t[i] - '0');
    } else if (i < t.size() && t[i] == '$') {
        for (++i; i < t.size(); ++i) {
            char16_t c = t[i];
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                break;
            v = (v << 4) | (uint64_t)d;
        }
    } else {
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) v = v * 10 + (t[i] - '0');
    }
    uint32_t r = (uint32_t)v;
    if (neg) r = 0u - r;
    return (int32_t)r;
}

float StringToFloat(const Str& t) {
    // Only ASCII can belong to a number; anything else ends the conversion.
    std::string a;
    a.reserve(t.size());
    for (char16_t c : t) {
        if (c >= 128) break;
        a.push_back((char)c);
    }
    // strtod accepts "inf", "nan" and hex floats; a data file means none of
    // them, so only decimal notation is let through.
    size_t i = 0;
    while (i < a.size() && IsSpace((char16_t)a[i])) ++i;
    size_t j = i;
    if (j < a.size() && (a[j] == '+' || a[j] == '-')) ++j;
    if (j >= a.size() || !((a[j] >= '0' && a[j] <= '9') || a[j] == '.')) return 0.0f;
    if (a[j] == '0' && j + 1 < a.size() && (a[j + 1] == 'x' || a[j + 1] == 'X')) a.resize(j + 1);
    char* end = nullptr;
    double d = strtod(a.c_str(), &end);
    if (end == a.c_str()) return 0.0f;
    return (float)d;
}

Str IntToString(int64_t v) {
    return S(std::to_string(v));
}

int FloatToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return (int)-2147483647 - 1;
    return (int)v; // C++ conversion truncates toward zero
}

Str LeftOf(const Str& s, int n) {
    if (n <= 0) return Str();
    return s.substr(0, std::min<size_t>((size_t)n, s.size()));
}

Str RightOf(const Str& s, int n) {
    if (n <= 0) return Str();
    if ((size_t)n >= s.size()) return s;
    return s.substr(s.size() - (size_t)n);
}

Str MidOf(const Str& s, int pos, int n) {
    if (pos < 1) {
        if (n >= 0) n += pos - 1;
        pos = 1;
    }
    if ((size_t)pos > s.size()) return Str();
    if (n < 0) return s.substr((size_t)pos - 1);
    return s.substr((size_t)pos - 1, (size_t)n);
}

Str TrimOf(const Str& s) {
    size_t a = 0, b = s.size();
    while (a < b && s[a] <= 32) ++a;
    while (b > a && s[b - 1] <= 32) --b;
    return s.substr(a, b - a);
}

Str Concat(const Str& a, const Str& b) {
    return a + b;
}

int CompareStrings(const Str& a, const Str& b) {
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

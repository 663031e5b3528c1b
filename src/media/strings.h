// Game strings (16-bit characters) and the number and text conversions the
// game uses.
#pragma once

#include <cstdint>
#include <string>

using Str = std::u16string;

Str S(const char* utf8); // UTF-8 literal -> game string
Str S(const std::string& utf8);
std::string ToUtf8(const Str& s); // game string -> UTF-8 (file names, messages)
Str Latin1ToStr(const std::string& bytes);

int StringToInt(const Str& text);
float StringToFloat(const Str& text);
Str IntToString(int64_t v);
// Truncates toward zero; values outside the int range saturate.
int FloatToInt(double v);
Str LeftOf(const Str& s, int n);
Str RightOf(const Str& s, int n);
Str MidOf(const Str& s, int pos, int n = -1);
Str TrimOf(const Str& s);
Str Concat(const Str& a, const Str& b);
int CompareStrings(const Str& a, const Str& b);

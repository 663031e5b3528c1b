// JSON output for state dumps.
#include "replay/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

Json Json::Num(double v) {
    Json j;
    j.kind = Number;
    j.number = v;
    return j;
}
Json Json::Int(long long v) {
    Json j;
    j.kind = Number;
    j.number = (double)v;
    j.integer = true;
    return j;
}
Json Json::Text(const std::string& s) {
    Json j;
    j.kind = String;
    j.text = s;
    return j;
}
Json Json::Obj() {
    Json j;
    j.kind = Object;
    return j;
}
Json Json::Arr() {
    Json j;
    j.kind = Array;
    return j;
}
Json& Json::Set(const std::string& key, Json v) {
    for (auto& m : members)
        if (m.first == key) {
            m.second = std::move(v);
            return m.second;
        }
    members.emplace_back(key, std::move(v));
    return members.back().second;
}
Json& Json::Push(Json v) {
    items.push_back(std::move(v));
    return items.back();
}

const Json* Json::Find(const std::string& path) const {
    const Json* cur = this;
    size_t pos = 0;
    while (cur && pos <= path.size()) {
        size_t dot = path.find('.', pos);
        std::string part =
            path.substr(pos, dot == std::string::npos ? std::string::npos : dot - pos);
        const Json* next = nullptr;
        if (cur->kind == Object) {
            for (auto& m : cur->members)
                if (m.first == part) next = &m.second;
        } else if (cur->kind == Array) {
            char* end = nullptr;
            long idx = strtol(part.c_str(), &end, 10);
            if (!part.empty() && *end == 0 && idx >= 0 && (size_t)idx < cur->items.size())
                next = &cur->items[idx];
        }
        cur = next;
        if (dot == std::string::npos) break;
        pos = dot + 1;
    }
    return cur;
}

std::string Json::Scalar() const {
    switch (kind) {
    case Number: {
        if (integer || (std::fabs(number) < 1e15 && number == std::floor(number)))
            return std::to_string((long long)number);
        char buf[64];
        snprintf(buf, sizeof buf, "%.4f", number);
        std::string s = buf;
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
        return s;
    }
    case String:
        return text;
    case Null:
        return "null";
    default:
        return Dump();
    }
}

static std::string Quote(const std::string& s) {
    std::string o = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            o += '\\';
            o += (char)c;
        } else if (c < 0x20) {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04x", c);
            o += buf;
        } else {
            o += (char)c;
        }
    }
    return o + "\"";
}

std::string Json::Dump(int indent) const {
    std::string pad(indent + 2, ' '), endpad(indent, ' ');
    switch (kind) {
    case Null:
        return "null";
    case Number:
        return Scalar();
    case String:
        return Quote(text);
    case Object: {
        if (members.empty()) return "{}";
        std::string o = "{\n";
        for (size_t i = 0; i < members.size(); ++i) {
            o += pad + Quote(members[i].first) + ": " + members[i].second.Dump(indent + 2);
            o += i + 1 < members.size() ? ",\n" : "\n";
        }
        return o + endpad + "}";
    }
    case Array: {
        if (items.empty()) return "[]";
        std::string o = "[\n";
        for (size_t i = 0; i < items.size(); ++i) {
            o += pad + items[i].Dump(indent + 2);
            o += i + 1 < items.size() ? ",\n" : "\n";
        }
        return o + endpad + "]";
    }
    }
    return "null";
}

// A small JSON tree for the state dumps of the headless driver.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

struct JsonMember;

struct Json {
    enum Kind { Null, Number, String, Object, Array } kind = Null;
    double number = 0;
    bool integer = false;
    std::string text;
    std::vector<JsonMember> members; // objects keep insertion order
    std::vector<Json> items;

    static Json Num(double v);
    static Json Int(long long v);
    static Json Text(const std::string& s);
    static Json Obj();
    static Json Arr();
    Json& Set(const std::string& key, Json v);
    Json& Push(Json v);
    // Follows a dotted path ("player.HP", "npcs.0.Name"); nullptr if absent.
    const Json* Find(const std::string& path) const;
    std::string Dump(int indent = 0) const;
    // The value as an expectation compares it: numbers without trailing zeros.
    std::string Scalar() const;
};

// One key and value of an object (a struct of its own rather than a
// std::pair, which may not hold the still incomplete Json).
struct JsonMember {
    std::string first;
    Json second;
    JsonMember(std::string k, Json v) : first(std::move(k)), second(std::move(v)) {}
};

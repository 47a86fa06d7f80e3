#pragma once
// A small JSON reader for the command-line tests: enough to prove an output is
// valid JSON and to look at its shape and numbers.
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zorvan::cli {

struct Json {
  enum Kind { Null, Bool, Number, Array, Object, String } kind = Null;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> members;
  const Json& operator[](const std::string& k) const { return members.at(k); }
  const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonReader {
 public:
  explicit JsonReader(const std::string& s) : s_(s) {}
  bool Read(Json& v) {
    if (!Value(v)) return false;
    Space();
    return p_ == s_.size();
  }

 private:
  void Space() {
    while (p_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[p_]))) ++p_;
  }
  bool Lit(const char* w) {
    std::string_view word(w);
    if (s_.compare(p_, word.size(), word) != 0) return false;
    p_ += word.size();
    return true;
  }
  bool Key(std::string& k) {
    if (s_[p_] != '"') return false;
    auto end = s_.find('"', p_ + 1);
    if (end == std::string::npos) return false;
    k = s_.substr(p_ + 1, end - p_ - 1);
    p_ = end + 1;
    return true;
  }
  bool Value(Json& v) {
    Space();
    if (p_ >= s_.size()) return false;
    char c = s_[p_];
    if (c == '{' || c == '[') {
      bool object = c == '{';
      v.kind = object ? Json::Object : Json::Array;
      ++p_;
      Space();
      if (s_[p_] == (object ? '}' : ']')) return ++p_, true;
      while (true) {
        Space();
        Json item;
        if (object) {
          std::string k;
          if (!Key(k)) return false;
          Space();
          if (s_[p_++] != ':') return false;
          if (!Value(item)) return false;
          v.members[k] = std::move(item);
        } else {
          if (!Value(item)) return false;
          v.items.push_back(std::move(item));
        }
        Space();
        char sep = s_[p_++];
        if (sep == (object ? '}' : ']')) return true;
        if (sep != ',') return false;
      }
    }
    if (c == '"') {  // a string counts as its text, without escapes
      v.kind = Json::String;
      return Key(v.text);
    }
    if (Lit("null")) return v.kind = Json::Null, true;
    if (Lit("true")) return v.kind = Json::Bool, v.number = 1, true;
    if (Lit("false")) return v.kind = Json::Bool, v.number = 0, true;
    // JSON numbers: no leading '+', no nan/inf.
    std::size_t start = p_;
    if (s_[p_] == '-') ++p_;
    if (p_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[p_]))) return false;
    while (p_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[p_])) || s_[p_] == '.' ||
                              s_[p_] == 'e' || s_[p_] == 'E' || s_[p_] == '-' || s_[p_] == '+'))
      ++p_;
    v.kind = Json::Number;
    v.number = std::stod(s_.substr(start, p_ - start));
    return true;
  }
  const std::string& s_;
  std::size_t p_ = 0;
};

}  // namespace zorvan::cli

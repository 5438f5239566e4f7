#pragma once

#include <string>

// The settings file as the dialog writes it, for the tests that write one or read one back.
namespace corvane::test_support {

// The settings file's keys in code page 932: "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ".
inline const std::string kKindKey = "BGM\x8b\xe6\x95\xaa";
inline const std::string kRepeatKey = "BGM\xd8\xcb\xdf\xb0\xc4";
inline const std::string kFileKey = "BGM\xcc\xa7\xb2\xd9";

// The kind is text, so that a test can also write what the dialog never would.
inline std::string Ini(const std::string& kind, const std::string& repeat,
                       const std::string& file = "") {
  return "[Section]\r\n" + kKindKey + "=" + kind + "\r\n" + kRepeatKey + "=" + repeat + "\r\n" +
         kFileKey + "=" + file + "\r\n";
}
inline std::string Ini(int kind, const std::string& repeat, const std::string& file = "") {
  return Ini(std::to_string(kind), repeat, file);
}

}  // namespace corvane::test_support

# Writes the bytes of IN as a C++ array named SYMBOL into OUT.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT}
  "// Generated from ${IN}; do not edit.\n"
  "#include <cstddef>\n#include <span>\n\n"
  "namespace {\nalignas(16) const unsigned char kData[${size} + 1] = {\n${bytes}0};\n}  // namespace\n\n"
  "extern const std::span<const unsigned char> ${SYMBOL};\n"
  "const std::span<const unsigned char> ${SYMBOL}(kData, ${size});\n")

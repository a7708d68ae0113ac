#include "RtfDocument.h"

namespace rtf {

bool isSymbolFont(const std::string& face, std::uint8_t charset) {
    constexpr std::uint8_t kSymbolCharset = 2;
    return charset == kSymbolCharset || face == "Symbol";
}

} // namespace rtf

// The characters behind metafile strings. 8-bit strings are in the code
// page of their font's character set; fonts of the symbol character set
// (and the font named Symbol) index their glyphs by byte instead, and the
// glyphs GDI's Symbol font shows there are those of the Adobe Symbol
// encoding.
#pragma once

#include <QString>

namespace gdi {

constexpr int AnsiCharset = 0, DefaultCharset = 1, SymbolCharset = 2;

// The Unicode character the Symbol font draws for byte; bytes below 0x20
// stand for themselves and the few the encoding leaves out for a space.
char16_t symbolCharacter(quint8 byte);

// A string in symbol encoding as Unicode: bytes (and the U+F020 - U+F0FF
// private-use range that symbol fonts answer to in wide strings) through
// symbolCharacter, every other character as it is.
QString symbolText(const QString &text);

// 8-bit text whose bytes are held as U+0000 - U+00FF, decoded in the code
// page of charset. Character sets of two-byte code pages, and any we cannot
// decode one byte to one character, keep the bytes as Latin-1 so that each
// character keeps its entry of the spacing array.
QString codePageText(const QString &bytes, int charset);

} // namespace gdi

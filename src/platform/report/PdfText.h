// Text that can be copied out of the PDF files the program writes.
//
// A PDF says, per font, which character each printed glyph stands for. The
// Chinese fonts draw many common characters (页 生 长 门 马 ...) and the
// radicals of the same shape with one glyph, and Qt names the radical for
// such a glyph, so "第 1 页" copied from the file read "第 1 ⻚". These
// functions put the ordinary character back.
#pragma once

#include <QByteArray>
#include <QHash>

namespace tj::report {

// Radical (or other look-alike below U+4E00) → the CJK unified ideograph
// that the installed Chinese fonts draw with the same glyph.
const QHash<char16_t, char16_t>& unifiedIdeographForLookAlike();

// Mends the character maps found in the bytes of a PDF file (or of the
// part written last, where Qt puts the fonts). The bytes keep their length,
// so the file's offsets stay true. Returns whether anything changed.
bool mendPdfCharacterMaps(QByteArray& pdf);

}  // namespace tj::report

// Maps the Windows font names the program's layouts and templates use (宋体,
// 微软雅黑, 楷体, 黑体 ...) to installed fonts with Chinese glyphs.
#pragma once

namespace tj::sheet {

// Safe to call more than once; needs a running QGuiApplication.
void installCjkFontSubstitutions();

}  // namespace tj::sheet

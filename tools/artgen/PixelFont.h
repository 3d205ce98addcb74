#pragma once
// A 5 x 7 pixel font of our own for the words drawn into pictures (signs,
// banners, the LCD-style labels), so the pictures never depend on the fonts
// installed on the machine that builds them.

#include <QImage>
#include <string>

namespace lwk::art {

// Width in pixels of `text` drawn at `scale` with `spacing` (unscaled)
// pixels between letters.
int TextWidth5x7(const std::string& text, int scale = 1, int spacing = 1);

// Draws upper-case letters, digits and ! . : - ' ? / (lower case is drawn as
// upper case); every font pixel becomes a scale x scale block.
void DrawText5x7(QImage& img, int x, int y, const std::string& text, QRgb colour, int scale = 1, int spacing = 1);
// The same with font pixels of sx x sy (condensed or wide lettering).
void DrawText5x7(QImage& img, int x, int y, const std::string& text, QRgb colour, int sx, int sy, int spacing);
int TextWidth5x7(const std::string& text, int sx, int sy, int spacing);

// True where the glyph of `ch` has a pixel at column cx (0..4), row cy (0..6).
bool GlyphPixel(char ch, int cx, int cy);

}  // namespace lwk::art

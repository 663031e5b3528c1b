// 2D drawing: the drawing state, images cut into cells, fonts and text.
#pragma once

#include "media/strings.h"

#include <cstdint>

struct Image;
struct Font;

enum BlendMode { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };

// White, opaque, mask blending, scale 1, black clear colour, no mask
// colour, no font: the drawing state a fresh window starts with.
void ResetDrawingState();
void SetColor(int r, int g, int b);
void SetAlpha(double a);
void SetBlend(int mode);
void SetScale(double sx, double sy);
void SetClsColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
double GetAlpha();
int GetBlend();
void DrawImageFrame(Image* img, double x, double y, int frame);
void DrawRect(double x, double y, double w, double h);
void DrawString(const Str& text, double x, double y);
int StringWidth(const Str& text);
int FontHeight();
void SetFont(Font* f);
Font* CurrentFont();

// The colour that becomes transparent in pictures loaded from now on.
void SetMaskColor(int r, int g, int b);
Image* LoadImageFile(const Str& path, int flags = -1);
Image* LoadAnimImageFile(const Str& path, int cellW, int cellH, int first, int count,
                         int flags = -1);
// Frees every picture read from the file, whatever its cells: a later load
// reads it again. For programs that read one file many times over; the
// images handed out for it are gone. Does nothing while a picture batch is
// open.
void FreePictures(const Str& path);
int ImageWidthOf(const Image* img);
int ImageHeightOf(const Image* img);
int ImageFramesOf(const Image* img);
// Whether every pixel of the cell is opaque (drawn unscaled with mask or
// full alpha it covers its rectangle whole).
bool ImageFrameOpaque(const Image* img, int frame);
// Reads back the RGBA of one pixel of a cell after masking (tests, tools).
uint32_t ImagePixel(const Image* img, int frame, int x, int y);

Font* LoadFontFile(const Str& path, int size, int style);
// Frees a font and its glyphs; if it is the current font, there is none.
void FreeFont(Font* f);
// How many textures hold the glyphs the font has made so far (its atlas,
// plus one per character outside it); for tests of the text cost.
int FontTextureCount(Font* f);

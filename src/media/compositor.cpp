// The compositor: draws picture cells straight into the frame in memory,
// for the draws that need no blending in between (fully opaque pixels and
// fully transparent ones: map tiles, figures, mask blending). Everything
// else goes through SDL's renderer onto the same frame. The results equal
// the renderer's to the bit: an opaque pixel under SDL's blending is the
// source itself, its colour modulation is channel * mod / 255 rounded down.
#include "media/image_internal.h"
#include "media/media_internal.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// c * m / 255 rounded down, for c, m in 0..255.
inline uint32_t Mod8(uint32_t c, uint32_t m) {
    uint32_t x = c * m;
    return (x + 1 + (x >> 8)) >> 8;
}

inline uint32_t ModPixel(uint32_t p, uint32_t r, uint32_t g, uint32_t b) {
    return 0xFF000000u | Mod8((p >> 16) & 255, r) << 16 | Mod8((p >> 8) & 255, g) << 8 |
           Mod8(p & 255, b);
}

// One row, no modulation: drawn pixels are those with alpha >= 128.
void RowMasked(uint32_t* d, const uint32_t* s, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i opaque = _mm_set1_epi32((int)0xFF000000u);
    for (; i + 4 <= n; i += 4) {
        __m128i src = _mm_loadu_si128((const __m128i*)(s + i));
        // Alpha >= 128 is the sign bit of the pixel.
        __m128i keep = _mm_srai_epi32(src, 31);
        if (_mm_movemask_epi8(keep) == 0) continue;
        __m128i dst = _mm_loadu_si128((const __m128i*)(d + i));
        __m128i out = _mm_or_si128(_mm_and_si128(keep, _mm_or_si128(src, opaque)),
                                   _mm_andnot_si128(keep, dst));
        _mm_storeu_si128((__m128i*)(d + i), out);
    }
#endif
    for (; i < n; ++i)
        if (s[i] & 0x80000000u) d[i] = s[i] | 0xFF000000u;
}

// One row with colour modulation; opaque rows skip the alpha test.
void RowModulated(uint32_t* d, const uint32_t* s, int n, uint32_t r, uint32_t g, uint32_t b,
                  bool opaque) {
    int i = 0;
#if defined(__SSE2__)
    // 16-bit lanes of two pixels: B G R A per pixel; alpha multiplied by 255
    // stays 255 after the division.
    const __m128i mod = _mm_setr_epi16((short)b, (short)g, (short)r, 255, (short)b, (short)g,
                                       (short)r, 255);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaOn = _mm_set1_epi32((int)0xFF000000u);
    for (; i + 4 <= n; i += 4) {
        __m128i src = _mm_loadu_si128((const __m128i*)(s + i));
        __m128i keep = opaque ? _mm_set1_epi32(-1) : _mm_srai_epi32(src, 31);
        if (!opaque && _mm_movemask_epi8(keep) == 0) continue;
        __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(src, zero), mod);
        __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(src, zero), mod);
        lo = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(lo, one), _mm_srli_epi16(lo, 8)), 8);
        hi = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(hi, one), _mm_srli_epi16(hi, 8)), 8);
        __m128i px = _mm_or_si128(_mm_packus_epi16(lo, hi), alphaOn);
        if (opaque) {
            _mm_storeu_si128((__m128i*)(d + i), px);
        } else {
            __m128i dst = _mm_loadu_si128((const __m128i*)(d + i));
            _mm_storeu_si128((__m128i*)(d + i),
                             _mm_or_si128(_mm_and_si128(keep, px), _mm_andnot_si128(keep, dst)));
        }
    }
#endif
    for (; i < n; ++i)
        if (opaque || (s[i] & 0x80000000u)) d[i] = ModPixel(s[i], r, g, b);
}
} // namespace

namespace media {
void CompositeCell(const uint32_t* px, int w, int h, int x, int y, int r, int g, int b,
                   bool opaque) {
    SDL_Surface* f = Frame();
    if (!f || w <= 0 || h <= 0) return;
    // Clip to the frame.
    int x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
    int x1 = x + w > f->w ? f->w : x + w, y1 = y + h > f->h ? f->h : y + h;
    if (x0 >= x1 || y0 >= y1) return;
    int n = x1 - x0;
    bool plain = r == 255 && g == 255 && b == 255;
    for (int row = y0; row < y1; ++row) {
        const uint32_t* s = px + (size_t)(row - y) * w + (x0 - x);
        uint32_t* d = (uint32_t*)((uint8_t*)f->pixels + (size_t)row * f->pitch) + x0;
        if (plain && opaque)
            memcpy(d, s, (size_t)n * 4);
        else if (plain)
            RowMasked(d, s, n);
        else
            RowModulated(d, s, n, (uint32_t)r, (uint32_t)g, (uint32_t)b, opaque);
    }
}
} // namespace media

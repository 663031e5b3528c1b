// PNG reading and writing over libpng.
#include "media/media.h"
#include "media/media_internal.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {
struct FileCloser {
    void operator()(FILE* f) const {
        if (f) fclose(f);
    }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;
} // namespace

namespace media {
// The record of every file the game asked for, kept here because every
// other media file depends on this one.
static std::vector<std::string>& OpenedList() {
    static std::vector<std::string> files;
    return files;
}
std::string FileStamp(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return std::string();
    std::string k = path;
    for (long long v :
         {(long long)st.st_size, (long long)st.st_mtim.tv_sec, (long long)st.st_mtim.tv_nsec})
        k += "|" + std::to_string(v);
    return k;
}

void NoteOpened(const std::string& path) {
    auto& l = OpenedList();
    for (const std::string& f : l)
        if (f == path) return;
    l.push_back(path);
}
} // namespace media

const std::vector<std::string>& OpenedFiles() {
    return media::OpenedList();
}

namespace {
// libpng reports through these instead of writing to stderr: an error
// keeps libpng's reason and ends the read; so does a warning about a
// damaged chunk (a bad CRC), since a damaged file is refused. Other
// warnings (an odd colour profile, ...) do not stop a picture that decodes.
struct PngReport {
    std::string reason;
};

void OnPngError(png_structp png, png_const_charp msg) {
    auto* rep = static_cast<PngReport*>(png_get_error_ptr(png));
    if (rep && rep->reason.empty()) rep->reason = msg ? msg : "unknown libpng error";
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp png, png_const_charp msg) {
    if (msg && strstr(msg, "CRC")) OnPngError(png, msg);
}
} // namespace

namespace {
// Where decoded pixels go: the whole picture into alloc's memory, or band
// by band (bandH rows at a time) to onBand, after onSize has agreed to the
// size. With neither only the header is read.
struct PixelSink {
    std::function<uint8_t*(int w, int h)> alloc;
    int bandH = 0;
    std::function<bool(int w, int h)> onSize;
    std::function<void(uint32_t* px, int y0, int n)> onBand;
};

// Reads a PNG's header and, unless the sink takes nothing, its pixels.
bool ReadPNG(const std::string& utf8path, bool bgra, const PixelSink& sink, int& outW, int& outH,
             std::string& err, bool note) {
    FilePtr f(fopen(utf8path.c_str(), "rb"));
    if (!f) {
        err = std::string("cannot open file (") + strerror(errno) + ")";
        return false;
    }
    if (note) media::NoteOpened(utf8path);
    png_byte sig[8];
    if (fread(sig, 1, 8, f.get()) != 8 || png_sig_cmp(sig, 0, 8) != 0) {
        err = "not a PNG file";
        return false;
    }
    PngReport report;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &report, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_read_struct(&png, &info, nullptr);
        err = "out of memory";
        return false;
    }
    std::vector<png_bytep> rows;
    // The band buffer is kept per thread from picture to picture: fresh
    // memory would be zeroed and faulted in for every one.
    static thread_local std::vector<uint32_t> bandBuffer;
    std::vector<uint32_t>& band = bandBuffer;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        err = report.reason.empty() ? "broken PNG data" : report.reason;
        return false;
    }
    png_init_io(png, f.get());
    png_set_sig_bytes(png, 8);
    // A bad CRC in any chunk, even one the game would skip, is an error.
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
#if defined(PNG_SET_OPTION_SUPPORTED) && defined(PNG_IGNORE_ADLER32)
    // Every chunk's CRC already guards the compressed data; zlib's own sum
    // over the unpacked bytes would cost a tenth of the decoding.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    png_read_info(png, info);
    png_uint_32 w = png_get_image_width(png, info);
    png_uint_32 h = png_get_image_height(png, info);
    int depth = png_get_bit_depth(png, info);
    int type = png_get_color_type(png, info);
    // Refused before a byte of pixels is allocated.
    if (w == 0 || h == 0 || w > (png_uint_32)kMaxPictureSide || h > (png_uint_32)kMaxPictureSide) {
        png_destroy_read_struct(&png, &info, nullptr);
        err = "picture of " + std::to_string(w) + " x " + std::to_string(h) +
              " pixels; the game takes pictures of 1 to " + std::to_string(kMaxPictureSide) +
              " pixels a side";
        return false;
    }
    outW = (int)w;
    outH = (int)h;
    bool bands = sink.bandH > 0 && sink.onBand;
    if (!sink.alloc && !bands) {
        png_destroy_read_struct(&png, &info, nullptr);
        return true;
    }
    if (bands && sink.onSize && !sink.onSize((int)w, (int)h)) {
        png_destroy_read_struct(&png, &info, nullptr);
        err = "picture changed while it was read";
        return false;
    }
    if (depth == 16) png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (bgra) png_set_bgr(png);
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (bands && passes == 1) {
        // A band at a time through one small buffer: the whole picture is
        // never held, only what its reader keeps of it.
        int bh = std::min(sink.bandH, (int)h);
        if (band.size() < (size_t)w * bh) band.resize((size_t)w * bh);
        rows.resize((size_t)bh);
        for (png_uint_32 y0 = 0; y0 < h; y0 += (png_uint_32)bh) {
            int n = (int)std::min<png_uint_32>((png_uint_32)bh, h - y0);
            for (int y = 0; y < n; ++y) rows[(size_t)y] = (png_bytep)(band.data() + (size_t)y * w);
            png_read_rows(png, rows.data(), nullptr, (png_uint_32)n);
            sink.onBand(band.data(), (int)y0, n);
        }
    } else {
        // Interlaced pictures need all of their rows at once.
        uint8_t* px;
        if (bands) {
            if (band.size() < (size_t)w * h) band.resize((size_t)w * h);
            px = (uint8_t*)band.data();
        } else {
            px = sink.alloc((int)w, (int)h);
        }
        rows.resize(h);
        for (png_uint_32 y = 0; y < h; ++y) rows[y] = px + (size_t)y * w * 4;
        png_read_image(png, rows.data());
        if (bands)
            for (png_uint_32 y0 = 0; y0 < h; y0 += (png_uint_32)sink.bandH)
                sink.onBand(band.data() + (size_t)y0 * w, (int)y0,
                            (int)std::min<png_uint_32>((png_uint_32)sink.bandH, h - y0));
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}
} // namespace

namespace media {
bool DecodePNG(const std::string& utf8path, const std::function<uint8_t*(int w, int h)>& alloc,
               std::string& err) {
    int w = 0, h = 0;
    PixelSink sink;
    sink.alloc = alloc;
    return ReadPNG(utf8path, false, sink, w, h, err, true);
}

bool DecodePNGBands(const std::string& utf8path, int bandH,
                    const std::function<bool(int w, int h)>& onSize,
                    const std::function<void(uint32_t* px, int y0, int n)>& onBand,
                    std::string& err) {
    int w = 0, h = 0;
    PixelSink sink;
    sink.bandH = bandH;
    sink.onSize = onSize;
    sink.onBand = onBand;
    return ReadPNG(utf8path, true, sink, w, h, err, false);
}

bool ReadPNGSize(const std::string& utf8path, int& w, int& h, std::string& err) {
    return ReadPNG(utf8path, false, PixelSink(), w, h, err, true);
}
} // namespace media

bool LoadPixmapPNG(const std::string& utf8path, Pixmap& out, std::string& err) {
    out = Pixmap();
    bool ok = media::DecodePNG(
        utf8path,
        [&](int w, int h) {
            out.width = w;
            out.height = h;
            out.rgba.resize((size_t)w * h * 4);
            return out.rgba.data();
        },
        err);
    if (!ok) out = Pixmap();
    return ok;
}

namespace {
// A set of up to 256 colours (RGBA words as read from memory) with their
// places: open addressing, 512 slots keep it under half full.
struct ColourSet {
    uint32_t colour[512] = {};
    int16_t place[512];
    std::vector<uint32_t> list;
    ColourSet() { std::fill(place, place + 512, (int16_t)-1); }
    int Slot(uint32_t c) const {
        uint32_t h = (c * 2654435761u) >> 23;
        while (place[h] >= 0 && colour[h] != c) h = (h + 1) & 511;
        return (int)h;
    }
    // false once a 257th colour turns up
    bool Add(uint32_t c) {
        int h = Slot(c);
        if (place[h] >= 0) return true;
        if (list.size() == 256) return false;
        colour[h] = c;
        place[h] = (int16_t)list.size();
        list.push_back(c);
        return true;
    }
};

// The palette of a picture with at most 256 colours, those with alpha below
// 255 first so that the transparency chunk stays short; empty when it has
// more colours.
bool FewColours(const Pixmap& pm, ColourSet& set) {
    size_t n = (size_t)pm.width * pm.height;
    for (size_t i = 0; i < n; ++i) {
        uint32_t c;
        memcpy(&c, pm.rgba.data() + i * 4, 4);
        if (!set.Add(c)) return false;
    }
    std::vector<uint32_t> cols = set.list;
    std::stable_partition(cols.begin(), cols.end(),
                          [](uint32_t c) { return ((const uint8_t*)&c)[3] != 255; });
    set = ColourSet();
    for (uint32_t c : cols) set.Add(c);
    return true;
}
} // namespace

// A picture of at most 256 colours is written with a palette, an opaque one
// without alpha: the same pixels read back, from a quarter (or three
// quarters) of the bytes to unpack, which is most of the time of reading.
bool SavePixmapPNGUtf8(const Pixmap& pm, const std::string& utf8path, int level) {
    if (pm.width <= 0 || pm.height <= 0 || pm.rgba.size() < (size_t)pm.width * pm.height * 4)
        return false;
    ColourSet colours;
    const bool paletted = FewColours(pm, colours);
    size_t firstSeeThrough = 3;
    while (firstSeeThrough < (size_t)pm.width * pm.height * 4 && pm.rgba[firstSeeThrough] == 255)
        firstSeeThrough += 4;
    const bool opaque = firstSeeThrough >= (size_t)pm.width * pm.height * 4;
    // volatile: read after setjmp.
    volatile const int type = paletted ? PNG_COLOR_TYPE_PALETTE
                              : opaque ? PNG_COLOR_TYPE_RGB
                                       : PNG_COLOR_TYPE_RGB_ALPHA;
    FilePtr f(fopen(utf8path.c_str(), "wb"));
    if (!f) return false;
    PngReport report;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &report, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    std::vector<uint8_t> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f.get());
    png_set_compression_level(png, level < 0 ? 6 : (level > 9 ? 9 : level));
    if (type == PNG_COLOR_TYPE_PALETTE) {
        // Palette rows are indices, which no filter predicts.
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    } else {
        // No Paeth filter: its rows take several times longer to read back
        // than the others, for files a few percent smaller.
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE | PNG_FILTER_SUB | PNG_FILTER_UP);
    }
    png_set_IHDR(png, info, pm.width, pm.height, 8, type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_color plte[256];
        png_byte trans[256];
        int ntrans = 0;
        for (size_t i = 0; i < colours.list.size(); ++i) {
            const uint8_t* c = (const uint8_t*)&colours.list[i];
            plte[i] = png_color{c[0], c[1], c[2]};
            if (c[3] != 255) trans[ntrans++] = c[3];
        }
        png_set_PLTE(png, info, plte, (int)colours.list.size());
        if (ntrans > 0) png_set_tRNS(png, info, trans, ntrans, nullptr);
    }
    png_write_info(png, info);
    int w = pm.width;
    row.resize((size_t)w * 4);
    for (int y = 0; y < pm.height; ++y) {
        const uint8_t* src = pm.rgba.data() + (size_t)y * w * 4;
        if (type == PNG_COLOR_TYPE_RGB_ALPHA) {
            png_write_row(png, const_cast<png_bytep>(src));
            continue;
        }
        for (int x = 0; x < w; ++x) {
            if (type == PNG_COLOR_TYPE_RGB) {
                memcpy(&row[(size_t)x * 3], src + x * 4, 3);
            } else {
                uint32_t c;
                memcpy(&c, src + x * 4, 4);
                row[(size_t)x] = (uint8_t)colours.place[colours.Slot(c)];
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fflush(f.get()) == 0;
}

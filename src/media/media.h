// The media layer: window and frame pacing, 2D drawing, images, fonts, input,
// sound, clock, random numbers, conversions, text streams and lists.
// Nothing outside src/media talks to SDL, libpng, FreeType or the file system.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

// ---------------------------------------------------------------- strings
// Game strings are sequences of 16-bit characters.
using Str = std::u16string;

Str S(const char* utf8); // UTF-8 literal -> game string
Str S(const std::string& utf8);
std::string ToUtf8(const Str& s); // game string -> UTF-8 (file names, messages)
Str Latin1ToStr(const std::string& bytes);

int StringToInt(const Str& text);
float StringToFloat(const Str& text);
Str IntToString(int64_t v);
int FloatToInt(double v);
Str LeftOf(const Str& s, int n);
Str RightOf(const Str& s, int n);
Str MidOf(const Str& s, int pos, int n = -1);
Str TrimOf(const Str& s);
Str Concat(const Str& a, const Str& b);
int CompareStrings(const Str& a, const Str& b);

// ---------------------------------------------------------------- errors
// A missing or broken asset stops the game: the loaders throw this, the
// program's entry point prints one line naming the file and exits with 1.
struct AssetError : std::runtime_error {
    std::string path;
    std::string reason;
    AssetError(const std::string& p, const std::string& r)
        : std::runtime_error(p + ": " + r), path(p), reason(r) {}
};
[[noreturn]] void FailAsset(const Str& path, const std::string& reason);
// Shows the error in a message box when a window is open (no-op headless).
void ShowErrorBox(const std::string& message);

// ---------------------------------------------------------------- backend
enum class Backend { Window, Headless };
// Must be called before OpenGraphics. Headless uses SDL's dummy video
// driver, a software renderer, silent audio and a virtual clock.
void SelectBackend(Backend b);
Backend CurrentBackend();
void ShutdownMedia();

// ---------------------------------------------------------------- window and frame
void SetWindowTitle(const Str& title);
void OpenGraphics(int width, int height, int depth, int hertz, int flags);
int ScreenWidth();
int ScreenHeight();
void HideMouse();
void ClearScreen();
void FlipFrame(int sync);
int CloseRequested();

struct Pixmap {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // row-major, 4 bytes per pixel
};
Pixmap* GrabScreenRect(int x, int y, int w, int h);
bool SavePixmapPNG(const Pixmap* pm, const Str& path, int level);
// Reads a PNG into RGBA pixels; on failure returns false and fills err.
bool LoadPixmapPNG(const std::string& utf8path, Pixmap& out, std::string& err);
bool SavePixmapPNGUtf8(const Pixmap& pm, const std::string& utf8path, int level);

// Frame pacing state, exposed for tests and the benchmark.
struct PacingState {
    int period = 16, remainder = 40, hertz = 60, accumulator = 0;
    int64_t nextFrame = 0;
};
const PacingState& Pacing();
// Work time (ms, real clock) of the last frame, measured from the end of
// the previous flip to the start of this flip's wait.
double LastFrameWorkMs();
// Starts the work-time measurement afresh (after start-up).
void ResetFrameTimer();
// Headless only: while set, drawing calls check their arguments as usual but
// put no pixels on the screen. The headless driver uses it for frames nobody
// looks at.
void SetDrawingSkipped(bool skip);
bool DrawingSkipped();

// ---------------------------------------------------------------- drawing
struct Image;
struct Font;

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

enum BlendMode { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };

// ---------------------------------------------------------------- images, fonts, sounds
void SetMaskColor(int r, int g, int b);
Image* LoadImageFile(const Str& path, int flags = -1);
Image* LoadAnimImageFile(const Str& path, int cellW, int cellH, int first, int count,
                         int flags = -1);
int ImageWidthOf(const Image* img);
int ImageHeightOf(const Image* img);
int ImageFramesOf(const Image* img);
// Reads back the RGBA of one pixel of a cell after masking (tests, tools).
uint32_t ImagePixel(const Image* img, int frame, int x, int y);

Font* LoadFontFile(const Str& path, int size, int style);

struct Sound;
struct Channel;
Sound* LoadSoundFile(const Str& path, int flags);
Channel* PlaySoundOn(Sound* s, Channel* ch);
void SetChannelVolume(Channel* ch, double v);
void PauseChannel(Channel* ch);
void ResumeChannel(Channel* ch);
int ChannelIsPlaying(Channel* ch);
double SoundLengthMs(const Sound* s);

// ---------------------------------------------------------------- input
// All key codes are Windows virtual-key codes.
enum VKey {
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_F12 = 123,
    VK_LCONTROL = 162,
    VK_RCONTROL = 163,
    VK_LSHIFT = 160
};
int KeyIsDown(int key);
int KeyWasHit(int key);
int MouseIsDown(int button);
int MouseWasHit(int button);
int CursorX();
int CursorY();
void FlushInput();
// Reads pending window events into the input tables (done by every query).
void PollEvents();
// Injected input, used by the headless driver and by tests.
void InjectKey(int key, bool down);
void InjectMouseButton(int button, bool down);
void InjectMouseMove(int x, int y);
void InjectCloseRequest();
int TypedCharCount();
int VirtualKeyFromName(const std::string& name); // "Left", "F12", "A", "162", ... or -1

// ---------------------------------------------------------------- time and random
int32_t Millis();
void Delay(int ms);
// Headless: sets or advances the virtual clock.
void SetVirtualMillis(int64_t ms);
void SeedRandom(int64_t seed);
double RandomUnit();
int RandomRange(int a, int b);
int32_t RandomState();

// ---------------------------------------------------------------- text files
struct Stream;
Stream* OpenTextFile(const Str& path);
Str ReadTextLine(Stream* s);
int ReadU8(Stream* s);
int ReadU16(Stream* s);
int EndOfFile(Stream* s);
void CloseFile(Stream* s);
bool FileExists(const Str& path);
// Whole-file helpers for tools and the headless driver.
bool ReadWholeFile(const std::string& utf8path, std::string& out);
bool WriteWholeFile(const std::string& utf8path, const std::string& data);
// Every file read so far, in order (for tests that remove them one by one).
const std::vector<std::string>& OpenedFiles();
namespace media {
void NoteOpened(const std::string& path);
}
// Changes the working directory; false if it does not exist.
bool ChangeDirectory(const std::string& utf8path);

// ---------------------------------------------------------------- lists
// A doubly linked list in insertion order. Removing the entry that is being
// visited does not disturb the iteration: a removed node keeps its link to
// the node that followed it.
template <class T> class TList {
  public:
    struct Node {
        T value{};
        Node* prev = nullptr;
        Node* next = nullptr;
        bool removed = false;
    };
    class iterator {
      public:
        explicit iterator(Node* n) : n_(n) { skip(); }
        T& operator*() const { return n_->value; }
        iterator& operator++() {
            n_ = n_->next;
            skip();
            return *this;
        }
        bool operator!=(const iterator& o) const { return n_ != o.n_; }
        bool operator==(const iterator& o) const { return n_ == o.n_; }

      private:
        void skip() {
            while (n_ && n_->removed) n_ = n_->next;
        }
        Node* n_;
    };
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    void AddLast(const T& v) {
        Node* n = &pool_.emplace_back();
        n->value = v;
        n->prev = tail_;
        if (tail_)
            tail_->next = n;
        else
            head_ = n;
        tail_ = n;
        ++count_;
    }
    // Removes the first entry equal to v; returns false if there is none.
    bool Remove(const T& v) {
        for (Node* n = head_; n; n = n->next) {
            if (n->value == v) {
                Unlink(n);
                return true;
            }
        }
        return false;
    }
    void Clear() {
        // Nodes stay in the pool and keep their links, so an iteration in
        // progress skips the removed entries and ends cleanly.
        for (Node* n = head_; n; n = n->next) n->removed = true;
        head_ = tail_ = nullptr;
        count_ = 0;
    }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    T First() const { return head_ ? head_->value : T{}; }
    T Last() const { return tail_ ? tail_->value : T{}; }
    iterator begin() const { return iterator(head_); }
    iterator end() const { return iterator(nullptr); }
    std::vector<T> ToVector() const {
        std::vector<T> v;
        for (Node* n = head_; n; n = n->next) v.push_back(n->value);
        return v;
    }

  private:
    void Unlink(Node* n) {
        if (n->prev)
            n->prev->next = n->next;
        else
            head_ = n->next;
        if (n->next)
            n->next->prev = n->prev;
        else
            tail_ = n->prev;
        n->removed = true; // n->next stays, so a visitor standing on n goes on
        --count_;
    }
    std::deque<Node> pool_;
    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    int count_ = 0;
};

template <class T> void ListAddLast(TList<T>* l, const T& v) {
    l->AddLast(v);
}
template <class T> bool ListRemove(TList<T>* l, const T& v) {
    return l->Remove(v);
}
template <class T> void ListClear(TList<T>* l) {
    l->Clear();
}
template <class T> int ListCount(const TList<T>* l) {
    return l->Count();
}

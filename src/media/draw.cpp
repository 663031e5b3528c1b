// The drawing state and filled rectangles.
#include "media/media.h"
#include "media/media_internal.h"

static int Clamp255(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

void SetColor(int r, int g, int b) {
    auto& st = media::State();
    st.r = Clamp255(r);
    st.g = Clamp255(g);
    st.b = Clamp255(b);
}

void SetAlpha(double a) {
    media::State().alpha = a < 0.0 ? 0.0 : (a > 1.0 ? 1.0 : a);
}

void SetBlend(int mode) {
    if (mode < MASKBLEND || mode > SHADEBLEND) return;
    media::State().blend = mode;
}

void SetScale(double sx, double sy) {
    media::State().sx = sx;
    media::State().sy = sy;
}

void SetClsColor(int r, int g, int b) {
    auto& st = media::State();
    st.clsR = Clamp255(r);
    st.clsG = Clamp255(g);
    st.clsB = Clamp255(b);
}

void GetColor(int& r, int& g, int& b) {
    auto& st = media::State();
    r = st.r;
    g = st.g;
    b = st.b;
}
double GetAlpha() {
    return media::State().alpha;
}
int GetBlend() {
    return media::State().blend;
}

void DrawRect(double x, double y, double w, double h) {
    auto& st = media::State();
    SDL_Renderer* r = media::Renderer();
    if (!r) return;
    int a = (int)(st.alpha * 255.0 + 0.5);
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    switch (st.blend) {
    case MASKBLEND:
        if (st.alpha < 0.5) return;
        a = 255;
        mode = SDL_BLENDMODE_NONE;
        break;
    case SOLIDBLEND:
        a = 255;
        mode = SDL_BLENDMODE_NONE;
        break;
    case ALPHABLEND:
        if (a <= 0) return;
        break;
    case LIGHTBLEND:
        if (a <= 0) return;
        mode = SDL_BLENDMODE_ADD;
        break;
    case SHADEBLEND:
        a = 255;
        mode = SDL_BLENDMODE_MOD;
        break;
    default:
        break;
    }
    // Negative sizes draw toward the left or up, as the formulas may ask.
    double sw = w * st.sx, sh = h * st.sy;
    if (sw < 0) {
        x += sw;
        sw = -sw;
    }
    if (sh < 0) {
        y += sh;
        sh = -sh;
    }
    if (DrawingSkipped()) return;
    // Wholly off the screen (by more than the pixel that rounding may add):
    // nothing to fill.
    if (x > ScreenWidth() + 1 || y > ScreenHeight() + 1 || x + sw < -1 || y + sh < -1) return;
    media::ApplyPendingClear();
    SDL_SetRenderDrawBlendMode(r, mode);
    SDL_SetRenderDrawColor(r, (Uint8)st.r, (Uint8)st.g, (Uint8)st.b, (Uint8)a);
    SDL_FRect rect{(float)x, (float)y, (float)sw, (float)sh};
    SDL_RenderFillRectF(r, &rect);
}

void ResetDrawingState() {
    media::State() = media::DrawState();
    SetDrawingSkipped(false);
}

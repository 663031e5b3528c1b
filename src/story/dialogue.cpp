// The dialogue box: portrait and name, five-line pages typed out one
// character a frame, Enter to complete or turn a page, the "Ja"/"Nein"
// choice and the "Handeln" button of merchants.
#include "story/story.h"

#include "data/assets.h"
#include "data/geometry.h"
#include "data/clock_state.h"
#include "data/player_state.h"
#include "data/window_state.h"

uint16_t DialogueTyped[5] = {};
uint8_t DialoguePageDone = 0;
uint8_t DialogueChoice = 1;

namespace {
bool PointerIn(int x, int y, int w, int h) {
    return MouseX >= x && MouseX <= x + w && MouseY >= y && MouseY <= y + h;
}

void CentredText(const Str& t, int x, int y, int w, int h) {
    DrawString(t, x + w / 2 - StringWidth(t) / 2, y + h / 2 - FontHeight() / 2);
}

void ResetPage() {
    for (auto& c : DialogueTyped) c = 0;
    DialoguePageDone = 0;
}

void Typewriter(const TCharakter* n) {
    if (DialoguePageDone != 0) return;
    for (int i = 0; i < 5; ++i) {
        uint16_t len = (uint16_t)n->Sprech[DialogueOpen + i].size();
        if (DialogueTyped[i] < len) {
            ++DialogueTyped[i];
            return;
        }
        DialogueTyped[i] = len;
    }
    DialoguePageDone = 1;
}

bool AsksJaNein(const TCharakter* n) {
    for (const Str& tag : *n->EffektList)
        if (tag == u"Ja/Nein") return true;
    return false;
}

void StartTrade(const TCharakter* n) {
    // Leaving for the trade window answers nothing: the question is settled
    // as unanswered, so that later conversations do not wait for it.
    if (DialogueChoice == 0) DialogueChoice = 1;
    TradeFromDialogue = 1;
    TradeOpen = 1;
    DialogueOpen = 0;
    DialoguePageDone = 0;
    for (TBehaelter* c : *ContainerList) {
        if (c->Name != n->Name) continue;
        if (c->NPC == 2) MerchantItems = c->Inhalt;
        if (c->NPC == 3) MerchantSpells = c->Inhalt;
        MerchantName = c->Name;
    }
}
} // namespace

void NpcDialogue(TCharakter* n) {
    CurrentNpc = n;
    SetFont(FontChancery25);
    int sw = ScreenWidth(), sh = ScreenHeight();
    if (DialogueOpen == 0) {
        for (auto& c : DialogueTyped) c = 0;
        if (KeyIsDown(VK_RETURN)) {
            FlushInput();
            DialogueOpen = 1;
        }
        SetFont(FontFunke16);
        return;
    }
    // The box, bottom-aligned.
    int hR = ImageHeightOf(ImgRahmen);
    int boxTop = sh - hR;
    int top2 = boxTop - ImageHeightOf(ImgRahmen2);
    int top3 = boxTop - ImageHeightOf(ImgRahmen3);
    int w2 = ImageWidthOf(ImgRahmen2);
    SetColor(255, 255, 255);
    DrawImageFrame(ImgRahmen, 0, boxTop, 0);
    DrawImageFrame(ImgRahmen2, 0, top2, 0);
    DrawImageFrame(ImgRahmen3, w2, top3, 0);
    SetColor(0, 0, 200);
    DrawString(n->Name, w2 + 30, top3 + ImageHeightOf(ImgRahmen3) / 2 - FontHeight() / 2);
    SetColor(255, 255, 255);
    DrawImageFrame(n->FaceImage, 20, top2 + 20, 0);
    int w4 = ImageWidthOf(ImgRahmen4), h4 = ImageHeightOf(ImgRahmen4);
    int top4 = boxTop - h4;
    if (DialogueOpen != 0 && DialogueOpen + 4 <= n->AnzahlZeilen) {
        Typewriter(n);
        SetColor(150, 60, 0);
        for (int i = 0; i < 5; ++i)
            DrawString(LeftOf(n->Sprech[DialogueOpen + i], DialogueTyped[i]), 30,
                       sh - 175 + 30 * i);
        SetColor(255, 255, 255);
    } else if (DialogueOpen != 0) {
        // Past the last page: the conversation ends.
        DialogueOpen = 0;
        n->Geredet = (uint8_t)n->Ereignis;
        if (DialogueChoice > 1) {
            n->Ereignis = (uint16_t)(n->Ereignis + 1);
            n->EreignisAnhang = DialogueChoice == 2 ? u"Ja" : u"Nein";
        }
        DialogueChoice = 1;
    }
    // The last page of a Ja/Nein question shows the two answers where the
    // "Handeln" button would be; the button waits until it is answered.
    bool answering =
        DialoguePageDone == 1 && DialogueOpen + 4 == n->AnzahlZeilen && AsksJaNein(n);
    if (answering) {
        DialogueChoice = 0;
        int xs[2] = {sw - 2 * w4, sw - w4};
        const Str labels[2] = {u"Ja", u"Nein"};
        for (int b = 0; b < 2; ++b) {
            DrawImageFrame(ImgRahmen4, xs[b], top4, 0);
            bool over = PointerIn(xs[b], top4, w4, h4);
            int grey = over ? 255 : 150;
            SetColor(grey, grey, grey);
            CentredText(labels[b], xs[b], top4, w4, h4);
            SetColor(255, 255, 255);
            if (over && MouseClicked >= 1) {
                n->EreignisAnhang = labels[b];
                n->Ereignis = (uint16_t)(n->Ereignis + 1);
                DialogueChoice = (uint8_t)(2 + b);
                DialogueOpen = 1;
                ResetPage();
                MouseClicked = 0;
            }
        }
    }
    if (n->Handeln == 1 && !answering) {
        DrawImageFrame(ImgRahmen4, sw - w4, top4, 0);
        bool over = PointerIn(sw - w4, top4, w4, h4);
        int grey = over ? 255 : 150;
        SetColor(grey, grey, grey);
        CentredText(u"Handeln", sw - w4, top4, w4, h4);
        SetColor(255, 255, 255);
        if (over && MouseClicked >= 1) StartTrade(n);
    }
    // The NPC turns to the player.
    switch (Player->SFrame) {
    case kFaceUp:
        n->SFrame = kFaceDown;
        break;
    case kFaceRight:
        n->SFrame = kFaceLeft;
        break;
    case kFaceDown:
        n->SFrame = kFaceUp;
        break;
    case kFaceLeft:
        n->SFrame = kFaceRight;
        break;
    default:
        break;
    }
    if (KeyIsDown(VK_RETURN)) {
        FlushInput();
        if (DialoguePageDone == 1 && DialogueChoice > 0) {
            DialogueOpen = (uint8_t)(DialogueOpen + 5);
            ResetPage();
        } else if (DialoguePageDone == 0) {
            DialoguePageDone = 1;
            for (int i = 0; i < 5; ++i)
                DialogueTyped[i] = (uint16_t)n->Sprech[DialogueOpen + i].size();
        }
    }
    SetFont(FontFunke16);
}

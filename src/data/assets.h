// Fonts and pictures loaded once at start-up and used by name everywhere.
//
// Lifetime: per run. Loaded by start-up, never freed.
#pragma once

#include "media/draw.h"

extern Font* FontChancery25;
extern Font* FontFunke16;
extern Font* FontChancery20;
extern Font* FontChancery30;
extern Font* FontNarrow18;

extern Image* ImgBlutfleck;
extern Image* ImgLeiche;
extern Image* ImgGold;
extern Image* ImgInventar1;
extern Image* ImgInventar2;
extern Image* ImgHaendlerInventar;
extern Image* ImgZaubermenue;
extern Image* ImgMaus;
extern Image* ImgEcke;
extern Image* ImgBalkenOben;
extern Image* ImgBalkenUnten;
extern Image* ImgBalkenLinks;
extern Image* ImgBalkenRechts;
extern Image* ImgInventarButton1;
extern Image* ImgInventarButton2;
extern Image* ImgInventarButton3;
extern Image* ImgHotkeyleiste;
extern Image* ImgTagebuch;
extern Image* ImgPfeil1;
extern Image* ImgPfeil2;
extern Image* ImgRahmen;
extern Image* ImgRahmen2;
extern Image* ImgRahmen3;
extern Image* ImgRahmen4;
extern Image* ImgAuswahlbox;
extern Image* ImgBox;
extern Image* ImgKrieger;

extern Image* ImgKoerper;
extern Image* ImgGesicht;
extern Image* ImgHaare;
extern Image* ImgStartkleidung;
extern Image* ImgKoerperGross;
extern Image* ImgGesichtGross;
extern Image* ImgHaareGross;
extern Image* ImgStartkleidungGross;
extern Image* Tilesets[2];

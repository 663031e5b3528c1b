// Storage of the start-up fonts and pictures.
#include "data/assets.h"

Font* FontChancery25 = nullptr;
Font* FontFunke16 = nullptr;
Font* FontChancery20 = nullptr;
Font* FontChancery30 = nullptr;
Font* FontNarrow18 = nullptr;

Image* ImgBlutfleck = nullptr;
Image* ImgLeiche = nullptr;
Image* ImgGold = nullptr;
Image* ImgInventar1 = nullptr;
Image* ImgInventar2 = nullptr;
Image* ImgHaendlerInventar = nullptr;
Image* ImgZaubermenue = nullptr;
Image* ImgMaus = nullptr;
Image* ImgEcke = nullptr;
Image* ImgBalkenOben = nullptr;
Image* ImgBalkenUnten = nullptr;
Image* ImgBalkenLinks = nullptr;
Image* ImgBalkenRechts = nullptr;
Image* ImgInventarButton1 = nullptr;
Image* ImgInventarButton2 = nullptr;
Image* ImgInventarButton3 = nullptr;
Image* ImgHotkeyleiste = nullptr;
Image* ImgTagebuch = nullptr;
Image* ImgPfeil1 = nullptr;
Image* ImgPfeil2 = nullptr;
Image* ImgRahmen = nullptr;
Image* ImgRahmen2 = nullptr;
Image* ImgRahmen3 = nullptr;
Image* ImgRahmen4 = nullptr;
Image* ImgAuswahlbox = nullptr;
Image* ImgBox = nullptr;
Image* ImgKrieger = nullptr;

Image* ImgKoerper = nullptr;
Image* ImgGesicht = nullptr;
Image* ImgHaare = nullptr;
Image* ImgStartkleidung = nullptr;
Image* ImgKoerperGross = nullptr;
Image* ImgGesichtGross = nullptr;
Image* ImgHaareGross = nullptr;
Image* ImgStartkleidungGross = nullptr;
Image* Tilesets[2] = {};

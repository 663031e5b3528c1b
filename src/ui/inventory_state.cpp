// The inventory window's state between frames, and clearing the marks of
// the spell book.
#include "ui/ui.h"

uint8_t Dragging;
int DragFromX, DragFromY;
int DragDrawX, DragDrawY;
uint16_t DragID;
uint8_t DragAktiv, DragAnzahl;
int DropX, DropY;
int DollFrame;

void ResetInventoryWindow() {
    Dragging = 0;
    DragFromX = DragFromY = DragDrawX = DragDrawY = 0;
    DragID = 0;
    DragAktiv = DragAnzahl = 0;
    DropX = DropY = ClickCellX = ClickCellY = 0;
    DollFrame = 0;
    TooltipShown = 0;
    TooltipCellX = TooltipCellY = 0;
    TooltipWidth = TooltipHeight = 0;
    TooltipSide = 0;
    TooltipX = TooltipY = 0;
    TooltipItem = TItem();
    TooltipSpellItem = TZauberItem();
    TooltipKind = 0;
}

void ClearSpellBookMarks() {
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) SpellBookGrid[i][j]->Aktiv = 0;
}

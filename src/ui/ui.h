// The interface: HUD, inventory, spell book, descriptions, trade and the
// character sheet.
#pragma once

#include "data/collections.h"
#include "data/inventory_ops.h"
#include "media/media.h"

#include <vector>

// The main loop's interface steps.
void DrawHealthBars();
void HotkeyKeys();
void DrawHotkeyBar();
void DrawGold();
// The two page tabs of the inventory window, or of the trade window.
void DrawWindowTabs(bool trade);
void DrawHud();
// The player's derived values (maximum life and mana, damage and defence
// bounds) from his attributes and the skills of the moment.
void UpdateDerivedValues();
void InventoryScreen();
void SpellBookScreen();
// Draws the character sheet and its skill box.
void CharacterSheet();
void TradeItemsPage();
void TradeSpellsPage();
void TradeSpellStock();

TWaffe* FindWeaponByItemId(uint16_t id);
TZauber* FindSpellById(uint16_t id);
void EquipWeaponById(uint16_t id);
void ClearEquippedMark(const Str& kind);
// Takes the active mark off every cell of the spell book.
void ClearSpellBookMarks();

// The inventory window's drag, click and figure state (kept while the
// window is closed).
extern uint8_t Dragging;
extern int DragFromX, DragFromY;
extern int DragDrawX, DragDrawY;
extern uint16_t DragID;
extern uint8_t DragAktiv, DragAnzahl;
extern int DropX, DropY;
extern int DollFrame;
// Forgets the drag, the figure's turn and any description box.
void ResetInventoryWindow();

// The starting clothes, worn when no other body armour is.
constexpr uint16_t kStartingClothes = 2;
// Using an inventory cell as a left click does: equip, wear, drink.
void UseInventoryCell(int col, int row);
// A right click at (mx, my): the equipment slot whose box holds the
// pointer is taken off.
void UnequipAt(int mx, int my);
// Clears the hotkey slot under a right click on the hotkey bar.
void ClearHotkeyAt(int mx, int my);

// The description box. The windows fill it when the pointer comes onto a
// cell and draw it at the end of their frame while TooltipShown is 1.
extern uint8_t TooltipShown;
extern int TooltipCellX, TooltipCellY;
extern uint16_t TooltipWidth, TooltipHeight;
extern uint8_t TooltipSide;
extern uint16_t TooltipX, TooltipY;
extern TItem TooltipItem;
extern TZauberItem TooltipSpellItem;
// What the box describes: 0 nothing yet, 1 an item, 2 a spell item, 3 a
// skill of the character sheet.
extern uint8_t TooltipKind;
constexpr uint8_t kTooltipSkill = 3;
// Sizes the box for an item or spell item, copies it and picks the side
// of the pointer; the box is then shown. In the trade window (trade) a
// pile of gold shows only its value, and the merchant's stock (merchant)
// is described at its selling price.
void DescribeItem(const TItem* it, bool trade = false, bool merchant = false);
void DescribeSpell(const TZauberItem* z);
// The pointer over grid cell (col, row) holding it: the box is computed
// anew only when it describes something else; an empty cell hides it.
void HoverItemCell(const TItem* it, int col, int row, bool trade = false, bool merchant = false);
void HoverSpellCell(const TZauberItem* z, int col, int row);
// Draws the box and the lines of the described item or spell item next to
// the pointer, in the current font.
void DrawItemDescription(const TItem* it);
void DrawSpellDescription(const TZauberItem* z);
// Draws whatever box is shown.
void DrawDescription();
// The lines of the box shown, top to bottom.
std::vector<Str> DescriptionLines();
std::vector<Str> ItemDescriptionLines(const TItem& it, bool trade, bool merchant);
std::vector<Str> SpellDescriptionLines(const TZauberItem& z);
void DrawTooltipFrame(uint16_t x, uint16_t y, float w, float h);

// The character sheet's skill box: which group (kSheetMajor, kSheetMinor)
// and which entry of it the box describes. Lifetime: per run.
constexpr int kSheetMajor = 1, kSheetMinor = 2;
extern uint8_t SheetTooltipGroup, SheetTooltipEntry;
// The skill of entry `entry` of a group, and its description lines; null
// for an entry the group does not have.
const TFertigkeit* SheetSkill(int group, int entry);
const TList<Str>* SheetSkillDescription(int group, int entry);
// The pointer over the skill lists: a skill row sizes the box for that
// skill and shows it; leaving the column or both lists hides it; between
// two rows the last box stays.
void HoverSheetSkills();
// The skill's name and its description lines, as the box shows them.
std::vector<Str> SkillTooltipLines();
// Forgets the skill the box described.
void ResetCharacterSheet();

#include "ui/trade.h"

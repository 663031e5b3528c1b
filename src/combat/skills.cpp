// The skill slots of the moment: which skill earns experience for the
// weapon or spell in hand and for the armour worn.
#include "combat/combat.h"

#include "data/player_state.h"

void UpdateSkillSlots() {
    for (int n = 1; n <= 15; ++n) {
        TFertigkeit* sk = Player->Fertigkeiten[n];
        if (CurrentWeapon && CurrentWeapon->Fertigkeit == sk->Name)
            ActiveSkill = (uint8_t)n;
        else if (CurrentSpell && CurrentSpell->Fertigkeit == sk->Name)
            ActiveSkill = (uint8_t)n;
        if (EquipBody->ID <= 2)
            ArmourSkill = kNoArmourSkill;
        else if (EquipBody->Typ == sk->Name)
            ArmourSkill = (uint8_t)n;
        if (EquipOffHand->ID != 0 && EquipOffHand->Art == u"Schild") {
            if (EquipOffHand->Typ == sk->Name) ShieldSkill = (uint8_t)n;
        } else {
            ShieldSkill = kNoArmourSkill;
        }
        if (EquipHead->ID != 0) {
            if (EquipHead->Typ == sk->Name) HelmetSkill = (uint8_t)n;
        } else {
            HelmetSkill = kNoArmourSkill;
        }
        sk->NextExp = (uint16_t)(sk->Level * 100);
    }
}

void GainExperience(uint8_t slot, float amount) {
    if (slot >= 1 && slot <= 15) Player->Fertigkeiten[slot]->ActExp += amount;
}

void GainArmourExperience() {
    GainExperience(ArmourSkill, 5.0f);
    GainExperience(ShieldSkill, 3.0f);
    GainExperience(HelmetSkill, 2.0f);
}

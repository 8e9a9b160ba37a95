#include "ui/editing/AbilityChoice.h"

void AbilityChoice::ClearSlots() {
    Slots.assign(DialogSlots, AbilitySlot{});
    loaded_.clear();
}

void AbilityChoice::LoadFrom(const CSpaceObject& object) {
    ClearSlots();
    std::vector<CAbility> abilities;
    std::int32_t count = 0;
    object.GetAbilities(abilities, count);
    if (static_cast<std::size_t>(count) > Slots.size()) Slots.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const CAbility& ability = abilities[static_cast<std::size_t>(i)];
        Slots[static_cast<std::size_t>(i)] = {true, AbilityText(ability)};
        loaded_.push_back(ability);
    }
}

std::vector<CAbility> AbilityChoice::Build(const std::function<CAbility(const std::string&)>& fromText) const {
    std::vector<CAbility> abilities;
    for (std::size_t i = 0; i < Slots.size(); ++i) {
        if (!Slots[i].Used) continue;
        const bool unchanged = i < loaded_.size() && loaded_[i] && AbilityText(*loaded_[i]) == Slots[i].Text;
        abilities.push_back(unchanged ? *loaded_[i] : fromText(Slots[i].Text));
    }
    return abilities;
}

std::string AbilityText(const std::string& type, const std::string& amount1, const std::string& amount2) {
    return type + "/Am1= " + amount1 + "/Am2= " + amount2;
}

std::string AbilityText(const CAbility& ability) {
    return AbilityText(ability.Tipe, ability.Amount1, ability.Amount2);
}

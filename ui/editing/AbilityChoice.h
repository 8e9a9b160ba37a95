#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/CSpaceObject.h"

// The abilities of the object being created or edited, as the abilities
// dialog shows them: the catalogue abilities offered for the object's kind and
// the slots chosen, each an ability text ("type/Am1= a/Am2= b").
struct AbilitySlot {
    bool Used = false;
    std::string Text;
};

class AbilityChoice {
public:
    static constexpr std::size_t DialogSlots = 5;

    // Ability texts offered for the kind, in catalogue order.
    std::vector<std::string> Offered;
    // Always at least DialogSlots; an object read from a map may bring more,
    // which are kept so that editing it loses none.
    std::vector<AbilitySlot> Slots = std::vector<AbilitySlot>(DialogSlots);

    // Five empty slots.
    void ClearSlots();
    // One used slot per ability of the object, in order.
    void LoadFrom(const CSpaceObject& object);
    // The abilities for the object, one per used slot in slot order. A slot
    // still holding the text loaded from the object keeps that ability as it
    // was; any other text is turned into an ability by fromText.
    std::vector<CAbility> Build(const std::function<CAbility(const std::string&)>& fromText) const;

private:
    std::vector<std::optional<CAbility>> loaded_;
};

// "type/Am1= first/Am2= second"
std::string AbilityText(const std::string& type, const std::string& amount1, const std::string& amount2);
std::string AbilityText(const CAbility& ability);

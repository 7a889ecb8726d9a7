#include "ships/weapon_rules.h"

#include "ships/ship_design_codes.h"

#include <algorithm>

namespace velmora::ships {

bool holdsTurretWeapons(WeaponMountType type) {
    switch (type) {
    case WeaponMountType::fixedMount:
    case WeaponMountType::singleTurret:
    case WeaponMountType::doubleTurret:
    case WeaponMountType::tripleTurret:
        return true;
    default:
        return false;
    }
}

bool isBay(WeaponMountType type) {
    return type == WeaponMountType::smallBay || type == WeaponMountType::mediumBay ||
           type == WeaponMountType::largeBay;
}

const WeaponRules& bayRules(BayWeaponType weapon, WeaponMountType bay) {
    const auto& sizes = bayWeaponRules[static_cast<std::size_t>(weapon)].bySize;
    switch (bay) {
    case WeaponMountType::mediumBay:
        return sizes[1];
    case WeaponMountType::largeBay:
        return sizes[2];
    default:
        return sizes[0];
    }
}

int weaponsCounted(const WeaponMount& mount) {
    if (!holdsTurretWeapons(mount.mountType))
        return 0;
    return std::clamp(mount.turretWeaponCount, 0, rulesFor(mount.mountType).capacity);
}

double mountTonnage(const WeaponMount& mount) {
    const bool popUp = mount.popUpMounting && holdsTurretWeapons(mount.mountType);
    return rulesFor(mount.mountType).tons + (popUp ? popUpTons : 0);
}

double mountCost(const WeaponMount& mount) {
    if (holdsTurretWeapons(mount.mountType)) {
        return rulesFor(mount.mountType).cost +
               weaponsCounted(mount) * rulesFor(mount.turretWeapon).cost +
               (mount.popUpMounting ? popUpCost : 0);
    }
    if (mount.mountType == WeaponMountType::barbette)
        return rulesFor(mount.barbetteWeapon).cost;
    if (isBay(mount.mountType))
        return bayRules(mount.bayWeapon, mount.mountType).cost;
    return 0;
}

double mountPower(const WeaponMount& mount) {
    if (holdsTurretWeapons(mount.mountType)) {
        return weaponsCounted(mount) * rulesFor(mount.turretWeapon).power +
               rulesFor(mount.mountType).power;
    }
    if (mount.mountType == WeaponMountType::barbette)
        return rulesFor(mount.barbetteWeapon).power;
    if (isBay(mount.mountType))
        return bayRules(mount.bayWeapon, mount.mountType).power;
    return 0;
}

int mountTechLevel(const WeaponMount& mount) {
    int level = rulesFor(mount.mountType).techLevel;
    if (holdsTurretWeapons(mount.mountType)) {
        level = std::max(level, rulesFor(mount.turretWeapon).techLevel);
        if (mount.popUpMounting)
            level = std::max(level, popUpTechLevel);
    } else if (mount.mountType == WeaponMountType::barbette) {
        level = std::max(level, rulesFor(mount.barbetteWeapon).techLevel);
    } else if (isBay(mount.mountType)) {
        level = std::max(level, bayRules(mount.bayWeapon, mount.mountType).techLevel);
    }
    return level;
}

int mountHardpoints(const WeaponMount& mount, int hullTonnage) {
    if (mount.mountType == WeaponMountType::barbette && hullTonnage < 100)
        return barbetteFirmpoints;
    return rulesFor(mount.mountType).hardpoints;
}

int mountGunners(const WeaponMount& mount, CrewType crewType) {
    const int perWeapon = crewType == CrewType::military ? 2 : 1;
    switch (mount.mountType) {
    case WeaponMountType::fixedMount:
    case WeaponMountType::singleTurret:
    case WeaponMountType::doubleTurret:
    case WeaponMountType::tripleTurret:
        return weaponsCounted(mount) > 0 ? perWeapon : 0;
    case WeaponMountType::barbette:
        return perWeapon;
    // Bays are always crewed to the military standard.
    case WeaponMountType::smallBay:
        return 1;
    case WeaponMountType::mediumBay:
        return 2;
    case WeaponMountType::largeBay:
        return 4;
    case WeaponMountType::none:
        break;
    }
    return 0;
}

std::string mountLabel(const WeaponMount& mount) {
    std::string label(displayName(mount.mountType));
    if (holdsTurretWeapons(mount.mountType)) {
        label += ": " + std::to_string(weaponsCounted(mount)) + " × " +
                 std::string(displayName(mount.turretWeapon));
        if (mount.popUpMounting)
            label += ", Pop-Up";
    } else if (mount.mountType == WeaponMountType::barbette) {
        label += ": " + std::string(displayName(mount.barbetteWeapon));
    } else if (isBay(mount.mountType)) {
        label += ": " + std::string(displayName(mount.bayWeapon));
    }
    return label;
}

double weaponTonnage(const ShipDesign& design) {
    double total = 0;
    for (const auto& mount : design.weaponMounts)
        total += mountTonnage(mount);
    return total;
}

double weaponCost(const ShipDesign& design) {
    double total = 0;
    for (const auto& mount : design.weaponMounts)
        total += mountCost(mount);
    return total;
}

double weaponPower(const ShipDesign& design) {
    double total = 0;
    for (const auto& mount : design.weaponMounts)
        total += mountPower(mount);
    return total;
}

int hardpointsUsed(const ShipDesign& design) {
    int total = 0;
    for (const auto& mount : design.weaponMounts)
        total += mountHardpoints(mount, design.tonnage);
    return total;
}

int hardpointsAvailable(int hullTonnage) {
    if (hullTonnage >= 100)
        return hullTonnage / 100;
    if (hullTonnage < 35)
        return 1;
    if (hullTonnage < 70)
        return 2;
    return 3;
}

int hardpointsAvailable(const ShipDesign& design) {
    return hardpointsAvailable(design.tonnage);
}

bool hasBayWeapons(const ShipDesign& design) {
    return std::any_of(design.weaponMounts.begin(), design.weaponMounts.end(),
                       [](const WeaponMount& mount) { return isBay(mount.mountType); });
}

} // namespace velmora::ships

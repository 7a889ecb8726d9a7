#include "ships/saved_ship_design.h"
#include "travel/ship_profile.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(ShipProfile, WhatThePlannerReadsFromADesign) {
    ships::SavedShipDesign saved;
    saved.configurationName = "Type S";
    saved.design.tonnage = 250;
    saved.design.configuration = ships::HullConfiguration::dispersedStructure;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 3;
    saved.design.manoeuvreDriveRating = 5;
    saved.design.highGuard.hasConcealedManoeuvreDrive = true;
    saved.design.highGuard.dropTankCapacityTons = 30;
    saved.design.highGuard.fuelCargoContainerCapacityTons = 12;
    saved.design.collapsibleFuelTankCapacityTons = 8;
    saved.design.fuelProcessorTonnage = 2;

    const travel::ShipProfile ship = travel::shipProfile(saved);
    EXPECT_EQ(ship.shipName, "Type S") << "the class stands in for a missing name";
    EXPECT_EQ(ship.jumpRating, 3);
    // A concealed drive of 5 delivers 5 div 2 = 2 G.
    EXPECT_EQ(ship.thrustG, 2);
    EXPECT_FALSE(ship.canScoop);
    // A 250-ton dispersed structure counts as 300 tons: 30 t a parsec.
    EXPECT_DOUBLE_EQ(ship.fuelPerParsecTons, 30);
    EXPECT_DOUBLE_EQ(ship.rangeExtensionTons(), 50);
    EXPECT_DOUBLE_EQ(ship.fuelProcessorTonnage, 2);
    EXPECT_GT(ship.maintenancePerPeriodCredits, 0);

    // Without the standard discount the ship costs a ninth more to maintain.
    ships::SavedShipDesign full = saved;
    full.shipName = "Kestrel";
    full.design.applyTenPercentDiscount = false;
    full.design.hasJumpDrive = false;
    const travel::ShipProfile undiscounted = travel::shipProfile(full);
    EXPECT_EQ(undiscounted.shipName, "Kestrel");
    EXPECT_EQ(undiscounted.fuelPerParsecTons, 0) << "no jump drive, no jump fuel";
    saved.design.hasJumpDrive = false;
    ships::SavedShipDesign open = saved;
    open.design.highGuard.hasConcealedManoeuvreDrive = false;
    EXPECT_EQ(travel::shipProfile(open).thrustG, 5);
    EXPECT_NEAR(undiscounted.maintenancePerPeriodCredits * 0.9,
                travel::shipProfile(saved).maintenancePerPeriodCredits, 1e-6);
}

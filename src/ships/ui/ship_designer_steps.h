#pragma once

// The designer's steps, each group in its own file, built into the window's
// column of steps through one DesignForm.

class QVBoxLayout;

namespace velmora::ships {

class DesignForm;

// Where the supplement's options sit among the steps.
enum class HighGuardPlace { hullOptions, drives, power, fuel, sensors, own };

// Steps 1 to 4: hull, armour, hull options, drives, power plant and fuel.
void addHullSteps(DesignForm& form, QVBoxLayout* column);
// Steps 5 to 7: bridge, computers with the ship's software, and sensors.
void addControlSteps(DesignForm& form, QVBoxLayout* column);
// Step 8: the weapon mounts, a list the referee adds to and removes from.
void addWeaponStep(DesignForm& form, QVBoxLayout* column);
// Step 9: the optional systems.
void addSystemsStep(DesignForm& form, QVBoxLayout* column);
// The supplement's options that have no step of their own.
void addHighGuardStep(DesignForm& form, QVBoxLayout* column);
// Steps 10 to 13: crew, staterooms, cargo and the finished design's figures.
void addCrewSteps(DesignForm& form, QVBoxLayout* column);

} // namespace velmora::ships
